// Where a copy of the game keeps its files.
//
// A copy run from its build folder, or unpacked by a player into a folder of
// their own, keeps its settings, statistics and savegames beside its
// executable. An installed copy is shared by every user of the machine, so
// each player's files go into their own data folder instead. The install step
// alone writes a marker file into the game's data folder; a copy is installed
// exactly when that marker lies where the install layout puts it, relative to
// the executable. Nothing is guessed from the path or from permissions.
#pragma once

#include <optional>
#include <string>

#include "core/platform/systemtext.h"

namespace qx {

// The marker's name, and where the install step puts it relative to the
// folder of the executable (for example "../share/games/quorvex/").
extern const char kInstallMarkerName[];
std::string InstalledDataFolderFrom(const std::string& executableFolder);

// True when `executableFolder` (with its trailing '/') belongs to an installed
// copy: the marker file is a regular file where the install layout puts it.
bool IsInstalledCopy(const std::string& executableFolder);

// The player's own folder for the game's files:
// $XDG_DATA_HOME/quorvex/, or ~/.local/share/quorvex/ when XDG_DATA_HOME is
// unset, empty or not an absolute path. With its trailing '/'.
std::string UserDataFolder();

// The program folder for a copy whose executable lies in `executableFolder`:
// that folder itself, or the player's own folder for an installed copy.
std::string ProgramFolderFor(const std::string& executableFolder);

// Creates `folder` and any missing parents with mode 0700 (the player's own
// files). Returns the reason for the player when it cannot, nothing when the
// folder is there.
std::optional<SystemText> CreateFolder(const std::string& folder);

// The help text to show: "help.txt" in the working folder when anything of
// that name is there (so an unreadable one is reported as such); otherwise,
// for an installed copy, the help text installed with it, in the language
// shown (qx::ShownLanguage: "help_de.txt" beside "help.txt") when there is
// one; otherwise the bare name again, which the viewer reports as missing.
std::string HelpFileFor(const std::string& executableFolder);

// The same with the file's encoding: the translated help texts are UTF-8
// (no single-byte code page holds all their languages), "help.txt" is
// Windows-1252 like every other game text.
struct HelpText {
    std::string file;
    bool utf8 = false;
};
HelpText ChosenHelpText(const std::string& executableFolder);

}  // namespace qx
