#include "settings/settingsfile.h"

#include "platform/files.h"
#include "platform/text.h"
#include "settings/MyIniFiles.h"

namespace quorvex {

std::string SettingsPath() { return qx::ProgramFolder() + "setup.ini"; }

bool IsOn(const std::string& value) { return value == kOn; }

void EnsureSettingsFile(const std::string& path) {
    if (qx::FileExists(path)) return;
    TIniFile ini(path);
    ini.WriteString(kSectionSettings, "Name", kDefaultName);
    ini.WriteString(kSectionSettings, "Splash", kOn);
    ini.WriteString(kSectionSettings, "Fade", kOn);
    ini.WriteString(kSectionMultiplayer, "Name", kDefaultMultiName);
    ini.WriteString(kSectionMultiplayer, "Server", kDefaultServer);
}

StartupSettings ReadStartupSettings(const std::string& path) {
    TIniFile ini(path);
    StartupSettings s;
    s.splash = ini.ReadString(kSectionSettings, "Splash", "0");
    s.fade = ini.ReadString(kSectionSettings, "Fade", "0");
    s.name = ini.ReadString(kSectionSettings, "Name", "0");
    return s;
}

Settings ReadAllSettings(const std::string& path) {
    TIniFile ini(path);
    Settings s;
    s.name = ini.ReadString(kSectionSettings, "Name", "0");
    s.multiName = ini.ReadString(kSectionMultiplayer, "Name", "0");
    s.serverName = ini.ReadString(kSectionMultiplayer, "Server", "0");
    s.splash = ini.ReadString(kSectionSettings, "Splash", "0");
    s.fade = ini.ReadString(kSectionSettings, "Fade", "0");
    return s;
}

bool WriteSettings(const std::string& path, const Settings& s) {
    bool failed = false;
    {
        TIniFile ini(path);
        auto write = [&](const char* section, const char* key, const std::string& value) {
            ini.WriteString(section, key, value);
            failed = failed || ini.LastSaveFailed();
        };
        write(kSectionSettings, "Name", s.name);
        write(kSectionMultiplayer, "Name", s.multiName);
        write(kSectionMultiplayer, "Server", s.serverName);
        write(kSectionSettings, "Splash", s.splash);
        write(kSectionSettings, "Fade", s.fade);
        ini.UpdateFile();
        failed = failed || ini.LastSaveFailed();
    }
    return !failed;
}

std::string ValidateNames(const std::string& name, const std::string& multiName, const std::string& serverName) {
    if (qx::Trim(name).empty()) return "Please enter your name for singleplayer games";
    if (qx::Trim(multiName).empty()) return "Please enter your name for multiplayer games";
    if (qx::Trim(serverName).empty()) return "Please enter your servername for multiplayer games";
    return "";
}

}  // namespace quorvex
