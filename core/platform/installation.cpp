#include "core/platform/installation.h"

#include "core/platform/errnotext.h"
#include "core/platform/exists.h"
#include "core/platform/language.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qx {

// Written by the install step (see desktop/CMakeLists.txt) and never by a build.
const char kInstallMarkerName[] = "installed";

namespace {

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return home;
    // A session without HOME still has an account.
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') return pw->pw_dir;
    return "/";
}

}  // namespace

std::string InstalledDataFolderFrom(const std::string& executableFolder) {
    return WithSlash(executableFolder + QUORVEX_BIN_TO_DATA);
}

bool IsInstalledCopy(const std::string& executableFolder) {
    return IsRegularFile(InstalledDataFolderFrom(executableFolder) + kInstallMarkerName);
}

std::string UserDataFolder() {
    // Relative values are to be ignored, as the base directory rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string base = (xdg && xdg[0] == '/') ? std::string(xdg) : WithSlash(HomeFolder()) + ".local/share";
    return WithSlash(base) + "quorvex/";
}

std::string ProgramFolderFor(const std::string& executableFolder) {
    return IsInstalledCopy(executableFolder) ? UserDataFolder() : WithSlash(executableFolder);
}

std::optional<SystemText> CreateFolder(const std::string& folder) {
    // Each missing parent in turn, as `mkdir -p` would.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string path = folder.substr(0, end);
        if (!path.empty() && !IsFolder(path) && ::mkdir(path.c_str(), 0700) != 0) {
            // Something that is not a folder stands in the way.
            const int err = errno == EEXIST ? ENOTDIR : errno;
            std::string shown = folder;
            if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
            return "Cannot create folder \"" + SystemText(shown) + "\". " + ErrnoText(err);
        }
        if (end == std::string::npos || end + 1 >= folder.size()) return std::nullopt;
    }
}

HelpText ChosenHelpText(const std::string& executableFolder) {
    static constexpr char kHelpFile[] = "help.txt";
    if (FileExists(kHelpFile) || !IsInstalledCopy(executableFolder)) return {kHelpFile, false};
    const std::string folder = InstalledDataFolderFrom(executableFolder);
    if (const std::string language = ShownLanguage(); !language.empty()) {
        const std::string translated = folder + "help_" + language + ".txt";
        if (IsRegularFile(translated)) return {translated, true};
    }
    return {folder + kHelpFile, false};
}

std::string HelpFileFor(const std::string& executableFolder) { return ChosenHelpText(executableFolder).file; }

}  // namespace qx
