// The five settings in "setup.ini": names and display switches.
#pragma once

#include <string>

#include "core/platform/systemtext.h"

namespace quorvex {

inline constexpr char kSectionSettings[] = "Einstellungen";
inline constexpr char kSectionMultiplayer[] = "Multiplayer";
inline constexpr char kDefaultName[] = "Mr. Victim";
inline constexpr char kDefaultMultiName[] = "Remote Victim";
inline constexpr char kDefaultServer[] = "Server of sadism";
inline constexpr char kOn[] = "ja";
inline constexpr char kOff[] = "nein";

struct Settings {
    std::string name;        // "Einstellungen"/"Name"
    std::string splash;      // "Einstellungen"/"Splash"
    std::string fade;        // "Einstellungen"/"Fade"
    std::string multiName;   // "Multiplayer"/"Name"
    std::string serverName;  // "Multiplayer"/"Server"
};

// The three values the main window reads at start-up.
struct StartupSettings {
    std::string splash;
    std::string fade;
    std::string name;
};

// "Multiplayer"/"AskRouter": whether "Start server" asks the router to open
// the port to the internet. A key of its own, which older copies ignore; off
// unless it is "ja", so nothing is opened that the player did not ask for.
inline constexpr char kAskRouterKey[] = "AskRouter";
bool AskRouter(const std::string& path);
// False when the file could not be written.
bool SetAskRouter(const std::string& path, bool on);

// The program folder followed by "setup.ini".
std::string SettingsPath();

// A switch is on exactly when its value is "ja".
bool IsOn(const std::string& value);

// Creates the file with the five defaults when it does not exist.
void EnsureSettingsFile(const std::string& path);

// "Splash", "Fade" and "Name" of "Einstellungen", "0" where missing.
StartupSettings ReadStartupSettings(const std::string& path);

// All five values, "0" where missing.
Settings ReadAllSettings(const std::string& path);

// The commit's five writes, in its order; false when the file could not be
// written, and then `why` (when given) says which file and why.
bool WriteSettings(const std::string& path, const Settings& s, qx::SystemText* why = nullptr);

// The first of the commit's three names that is blank, or None when all are
// given; the settings window words it.
enum class MissingName { None, Singleplayer, Multiplayer, Server };
MissingName ValidateNames(const std::string& name, const std::string& multiName, const std::string& serverName);

}  // namespace quorvex
