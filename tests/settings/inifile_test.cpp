#include "platform/files.h"
#include "settings/MyIniFiles.h"
#include "settings/settingsfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvex;

namespace {

class IniTest : public ::testing::Test {
protected:
    void Put(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
    std::string Get() { return qx::ReadFileBytes(path); }
    qxtest::TempDir dir;
    std::string path = dir.File("setup.ini");
};

TEST_F(IniTest, MissingFileReadsDefaultsAndLeavesAnEmptyFileBehind) {
    {
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadString("Einstellungen", "Name", "0"), "0");
    }
    ASSERT_TRUE(qx::FileExists(path));
    EXPECT_EQ(Get(), "");
}

TEST_F(IniTest, SectionsAndKeysMatchLooselyAndTheFirstMatchWins) {
    Put("[ einstellungen ]\nname = Mr. Victim  \nNAME=second\r[Other]\rname=other\r\n[EINSTELLUNGEN]\nSplash=ja\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Einstellungen", "Name", "0"), "Mr. Victim");
    EXPECT_EQ(ini.ReadString("Other", "Name", "0"), "other");
    EXPECT_EQ(ini.ReadString("Einstellungen", "Splash", "0"), "ja");  // the section begins again
    EXPECT_EQ(ini.ReadString("Nowhere", "Name", "0"), "0");
}

TEST_F(IniTest, MalformedLinesNeverFail) {
    Put("[broken\nvalue without key\n=empty key\n[Good]\nKey=a=b\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("", "", "d"), "value without key");  // the empty section and key
    EXPECT_EQ(ini.ReadString("Good", "Key", "d"), "a=b");          // value runs from the first "="
}

TEST_F(IniTest, NewKeyGoesDirectlyAboveTheNextHeader) {
    Put("[Einstellungen]\r\nSplash=ja\r\n\r\n[Multiplayer]\r\nName=x\r\n");
    {
        TIniFile ini(path);
        ini.WriteString("Einstellungen", "Name", "Anna");
    }
    EXPECT_EQ(Get(), "[Einstellungen]\r\nSplash=ja\r\n\r\nName=Anna\r\n[Multiplayer]\r\nName=x\r\n");
}

TEST_F(IniTest, MissingSectionIsAppendedAsTheLastTwoLines) {
    Put("[Einstellungen]\r\nName=a\r\n");
    {
        TIniFile ini(path);
        ini.WriteString(" Multiplayer ", "Server", "s");
    }
    EXPECT_EQ(Get(), "[Einstellungen]\r\nName=a\r\n[Multiplayer]\r\nServer=s\r\n");
}

TEST_F(IniTest, OverwriteKeepsTheFilesKeyAndTheValueAsPassed) {
    Put("[Einstellungen]\r\n   NAME   =   old\r\n");
    {
        TIniFile ini(path);
        ini.WriteString("einstellungen", "name", "  new  ");
        EXPECT_EQ(ini.ReadString("Einstellungen", "Name", "0"), "new");  // read back trimmed
    }
    EXPECT_EQ(Get(), "[Einstellungen]\r\nNAME=  new  \r\n");
}

TEST_F(IniTest, DefaultFileHasTheSevenLinesByteForByte) {
    EnsureSettingsFile(path);
    EXPECT_EQ(Get(), "[Einstellungen]\r\nName=Mr. Victim\r\nSplash=ja\r\nFade=ja\r\n[Multiplayer]\r\n"
                     "Name=Remote Victim\r\nServer=Server of sadism\r\n");
    Put("[Einstellungen]\r\nSplash=Ja\r\n");
    EnsureSettingsFile(path);  // an existing file is left alone
    const StartupSettings s = ReadStartupSettings(path);
    EXPECT_EQ(s.name, "0");
    EXPECT_FALSE(IsOn(s.splash));
    EXPECT_FALSE(IsOn(s.fade));
    EXPECT_TRUE(IsOn("ja"));
}

TEST_F(IniTest, CommitWritesInOrderAndKeepsNamesWithEqualsAndBlanks) {
    Settings s{" Anna = B ", "nein", "ja", "Remote", "Srv"};
    ASSERT_TRUE(WriteSettings(path, s));
    EXPECT_EQ(Get(), "[Einstellungen]\r\nName= Anna = B \r\nSplash=nein\r\nFade=ja\r\n[Multiplayer]\r\n"
                     "Name=Remote\r\nServer=Srv\r\n");
    const Settings back = ReadAllSettings(path);
    EXPECT_EQ(back.name, "Anna = B");
    EXPECT_EQ(back.serverName, "Srv");
}

TEST_F(IniTest, ValidationReportsOnlyTheFirstFailingName) {
    EXPECT_EQ(ValidateNames("   ", "", ""), "Please enter your name for singleplayer games");
    EXPECT_EQ(ValidateNames("a", "\t", ""), "Please enter your name for multiplayer games");
    EXPECT_EQ(ValidateNames("a", "b", " "), "Please enter your servername for multiplayer games");
    EXPECT_EQ(ValidateNames("a", "b", "c"), "");
}

TEST_F(IniTest, FailedWritesAreSilentButKnownAndKeepTheOldFile) {
    Put("[Einstellungen]\r\nName=old\r\n");
    qx::SetWriteFaultForTests(3);
    {
        TIniFile ini(path);
        ini.WriteString("Einstellungen", "Name", "new");
        EXPECT_TRUE(ini.LastSaveFailed());
    }
    EXPECT_FALSE(WriteSettings(path, Settings{"a", "ja", "ja", "b", "c"}));
    qx::SetWriteFaultForTests(std::nullopt);
    EXPECT_EQ(Get(), "[Einstellungen]\r\nName=old\r\n");
}

}  // namespace
