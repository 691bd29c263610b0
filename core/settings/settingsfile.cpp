#include "core/settings/settingsfile.h"

#include "core/platform/files.h"
#include "core/platform/text.h"
#include "core/settings/MyIniFiles.h"

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

bool WriteSettings(const std::string& path, const Settings& s, qx::SystemText* why) {
    TIniFile ini(path);
    ini.WriteString(kSectionSettings, "Name", s.name);
    ini.WriteString(kSectionMultiplayer, "Name", s.multiName);
    ini.WriteString(kSectionMultiplayer, "Server", s.serverName);
    ini.WriteString(kSectionSettings, "Splash", s.splash);
    ini.WriteString(kSectionSettings, "Fade", s.fade);
    // Every save writes the whole list, so the last one decides what is on disk;
    // the release saves the same list once more.
    if (why) *why = ini.LastSaveError();
    return !ini.LastSaveFailed();
}

bool AskRouter(const std::string& path) {
    return IsOn(TIniFile(path).ReadString(kSectionMultiplayer, kAskRouterKey, kOff));
}

bool SetAskRouter(const std::string& path, bool on) {
    TIniFile ini(path);
    ini.WriteString(kSectionMultiplayer, kAskRouterKey, on ? kOn : kOff);
    return !ini.LastSaveFailed();
}

MissingName ValidateNames(const std::string& name, const std::string& multiName, const std::string& serverName) {
    if (qx::Trim(name).empty()) return MissingName::Singleplayer;
    if (qx::Trim(multiName).empty()) return MissingName::Multiplayer;
    if (qx::Trim(serverName).empty()) return MissingName::Server;
    return MissingName::None;
}

}  // namespace quorvex
