#include "core/platform/files.h"
#include "core/settings/MyIniFiles.h"
#include "core/settings/settingsfile.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvex;

namespace {

// Runs fn in a child process that cannot override file permissions (root drops
// to "nobody"); gives fn's exit code, or 77 when the rights could not be dropped.
int RunUnprivileged(const std::function<int()>& fn) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(77);
        ::_exit(fn());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

void Chmod(const std::string& path, std::filesystem::perms p) { std::filesystem::permissions(path, p); }

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

TEST_F(IniTest, AnyLineEndIsReadAndTheFileIsRewrittenWithCrLf) {
    Put("[A]\rx=1\ny=2\r\nz=3");
    {
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadString("a", "Y", "0"), "2");
        EXPECT_EQ(ini.ReadString("A", "z", "0"), "3");  // last line without a line end
    }
    EXPECT_EQ(Get(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n");
}

TEST_F(IniTest, WritesNeverMatchMalformedLines) {
    Put("[Einstellungen\r\nName=a\r\n[S]\r\nName\r\n");
    {
        TIniFile ini(path);
        ini.WriteString("S", "Name", "b");               // "Name" without "=" has the empty key
        ini.WriteString("Einstellungen", "Name", "c");   // a header without "]" names the empty section
    }
    EXPECT_EQ(Get(), "[Einstellungen\r\nName=a\r\n[S]\r\nName\r\nName=b\r\n[Einstellungen]\r\nName=c\r\n");
}

TEST_F(IniTest, WriteGoesToTheFirstOccurrenceOfItsSection) {
    Put("[S]\r\na=1\r\n[T]\r\n[S]\r\nb=old\r\n");
    TIniFile ini(path);
    ini.WriteString("S", "b", "new");  // shadows the later "b"
    ini.WriteString("S", "a", "2");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[S]", "a=2", "b=new", "[T]", "[S]", "b=old"}));
    EXPECT_EQ(ini.ReadString("S", "B", "0"), "new");
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
    EXPECT_EQ(ValidateNames("   ", "", ""), MissingName::Singleplayer);
    EXPECT_EQ(ValidateNames("a", "\t", ""), MissingName::Multiplayer);
    EXPECT_EQ(ValidateNames("a", "b", " "), MissingName::Server);
    EXPECT_EQ(ValidateNames("a", "b", "c"), MissingName::None);
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
    TIniFile ini(path);
    ini.WriteString("Einstellungen", "Name", "new");
    EXPECT_FALSE(ini.LastSaveFailed());
}

TEST_F(IniTest, ReadOnlyFolderIsSilentAndKeepsTheOldFile) {
    Put("[Einstellungen]\r\nName=old\r\n");
    Chmod(dir.Folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                            std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    const int rc = RunUnprivileged([&] {
        int faults = 0;
        {
            TIniFile ini(path);
            if (ini.ReadString("Einstellungen", "Name", "0") != "old") faults |= 1;
            ini.WriteString("Einstellungen", "Name", "new");
            if (!ini.LastSaveFailed()) faults |= 2;
        }
        if (WriteSettings(path, Settings{"a", "ja", "ja", "b", "c"})) faults |= 4;
        return faults;
    });
    if (rc == 77) GTEST_SKIP() << "cannot drop root's rights here";
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(Get(), "[Einstellungen]\r\nName=old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);  // no temporary left
}

TEST_F(IniTest, ReadOnlyFileIsReplaced) {
    Put("[Einstellungen]\r\nName=old\r\n");
    Chmod(path, std::filesystem::perms::owner_read);
    EXPECT_TRUE(WriteSettings(path, Settings{"a", "ja", "ja", "b", "c"}));
    EXPECT_EQ(ReadAllSettings(path).name, "a");
}

TEST_F(IniTest, UnreadableFileIsNotBlankedByReading) {
    const std::string settings = "[Einstellungen]\r\nName=old\r\n";
    Put(settings);
    Chmod(dir.Folder(), std::filesystem::perms::all);
    Chmod(path, std::filesystem::perms::none);
    const int rc = RunUnprivileged([&] {
        TIniFile ini(path);
        return ini.ReadString("Einstellungen", "Name", "0") == "0" ? 0 : 1;
    });
    if (rc == 77) GTEST_SKIP() << "cannot drop root's rights here";
    EXPECT_EQ(rc, 0);
    Chmod(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(Get(), settings);
    // A write is the caller's choice to replace it.
    EXPECT_EQ(RunUnprivileged([&] { return WriteSettings(path, Settings{"a", "ja", "ja", "b", "c"}) ? 0 : 1; }), 0);
    EXPECT_EQ(ReadAllSettings(path).name, "a");
}

TEST_F(IniTest, ThePlayersUnreadableFileIsReplacedReadable) {
    Put("[Einstellungen]\r\nName=old\r\n");
    Chmod(dir.Folder(), std::filesystem::perms::all);
    // The player's own file, so the child may clear its protection as the player would.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    Chmod(path, std::filesystem::perms::none);
    const int rc = RunUnprivileged([&] {
        if (!WriteSettings(path, Settings{"a", "ja", "ja", "b", "c"})) return 1;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || (st.st_mode & 0600) != 0600) return 2;
        return ReadAllSettings(path).name == "a" ? 0 : 3;  // and so at every later start
    });
    if (rc == 77) GTEST_SKIP() << "cannot drop root's rights here";
    EXPECT_EQ(rc, 0);
}

// Up to the bound the file is read and written as any; above it, it reads as
// empty and stays byte for byte. No save makes it larger than the bound; each
// refused save tells why.
TEST_F(IniTest, AFileAboveTheBoundIsNeitherReadNorReplaced) {
    const std::string entry = "[Einstellungen]\r\nName=old\r\n";
    for (const std::size_t size : {kLargestIniFile, kLargestIniFile + 1}) {
        SCOPED_TRACE(size);
        const bool read = size == kLargestIniFile;
        std::string content = std::string(size - entry.size() - 2, ' ') + "\r\n" + entry;
        Put(content);
        {
            TIniFile ini(path);
            EXPECT_EQ(ini.ReadString("Einstellungen", "Name", "0"), read ? "old" : "0");
            ini.WriteString("Einstellungen", "Name", "new");  // as long as before
            EXPECT_EQ(ini.LastSaveFailed(), !read);
        }
        if (read) content.replace(content.rfind("old"), 3, "new");
        qx::SystemText why;
        EXPECT_FALSE(WriteSettings(path, Settings{"new", "ja", "ja", "b", "c"}, &why));  // grows it
        EXPECT_NE(why.Bytes().find("larger than 1 MB"), std::string::npos) << why.Bytes();
        EXPECT_EQ(Get(), content);
    }
}

}  // namespace
