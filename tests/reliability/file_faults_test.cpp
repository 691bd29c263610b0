// Every file the game writes - the settings, the statistics, the three
// savegame slots - against a full disk and a read-only program folder: the
// failure is reported the way each file's owner promises (the settings
// silently, the others by a FileError for the error report), the previous
// file stays byte for byte, and no temporary file is left behind.
#include "fault_folder.h"

#include "core/platform/files.h"
#include "core/platform/random.h"
#include "core/platform/text.h"
#include "core/savegames/slotfile.h"
#include "core/settings/MyIniFiles.h"
#include "core/settings/settingsfile.h"
#include "core/stats/statfile.h"
#include "core/stats/statistics.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace quorvex;
using reltest::FaultFolder;

namespace {

const Settings kOldSettings{"Anna", "ja", "nein", "Anna im Netz", "Annas Server"};
const Settings kNewSettings{"Bert", "nein", "ja", "Bert im Netz", "Berts Server"};

PlayerStatistics SomeStatistics(int seed) {
    PlayerStatistics s{};
    s.victims = 40 + seed;
    s.turns = 9;
    s.moneyWon = 123456;
    s.moneyLost = -789;
    return s;
}

// One file the game writes: its path, and a write of an old or a new version
// that says whether it went through. Errors that should reach the player
// come out as the FileError they are.
struct GameFile {
    std::string name;
    std::function<std::string()> path;
    std::function<bool(bool newVersion)> write;
};

std::vector<GameFile> AllGameFiles() {
    std::vector<GameFile> files;
    files.push_back({"settings", SettingsPath, [](bool v) { return WriteSettings(SettingsPath(), v ? kNewSettings : kOldSettings); }});
    files.push_back({"statistics", StatisticsPath, [](bool v) {
                         qx::Rng rng(v ? 2 : 1);
                         SaveStatistics(SomeStatistics(v ? 2 : 1), StatisticsPath(), rng);
                         return true;
                     }});
    for (int n = 1; n <= kSlotCount; ++n)
        files.push_back({"slot " + std::to_string(n), [n] { return SlotPath(n); }, [n](bool v) {
                             WriteSlotFile(n, v ? "Bert" : "Anna", v ? 2000 : 1000, n, v ? 7 : 3, 1);
                             return true;
                         }});
    return files;
}

// A failed write, as its owner reports it: false from the settings, a
// FileError naming the file from the others. Returns the error text.
std::string ExpectRefused(const GameFile& f) {
    std::string error;
    try {
        EXPECT_FALSE(f.write(true)) << f.name << ": a refused write is reported";
    } catch (const qx::FileError& e) {
        error = e.what();
        EXPECT_NE(error.find(f.path()), std::string::npos) << f.name << ": " << error;
        EXPECT_EQ(qx::ErrorReportText(error).back(), '.');
    }
    EXPECT_NE(f.name == "settings", !error.empty()) << f.name << ": only the settings fail silently";
    return error;
}

class FileFaults : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(folder.Path()); }
    void TearDown() override { qx::SetWriteFaultForTests(std::nullopt); }

    // Writes the old version of every file and returns their bytes.
    std::vector<std::string> WriteOldVersions() {
        std::vector<std::string> old;
        for (const GameFile& f : files) {
            EXPECT_TRUE(f.write(false)) << f.name;
            old.push_back(qx::ReadFileBytes(f.path()));
        }
        return old;
    }
    void ExpectUnchanged(const std::vector<std::string>& old) {
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_EQ(qx::ReadFileBytes(files[i].path()), old[i]) << files[i].name << " was touched";
    }
    // The old slot still loads as it was saved.
    void ExpectOldSlotsLoad() {
        for (int n = 1; n <= kSlotCount; ++n) {
            const LoadedSlot slot = ParseSlotForLoading(ReadSlot(n, BlankRule::Loading));
            EXPECT_EQ(slot.texts.name, "Anna");
            EXPECT_EQ(slot.money, 1000);
            EXPECT_EQ(slot.victims, n);
        }
        EXPECT_EQ(ReadAllSettings(SettingsPath()).name, "Anna");
    }

    // Every write is refused (naming `reason` where the error is shown), and
    // nothing is lost: the start-up steps only read (what the store only read
    // it leaves as it was, even when its release cannot save), the old files
    // and no others are there, the slots still load.
    void ExpectEveryWriteRefusedAndNothingLost(const std::vector<std::string>& old,
                                               const std::vector<std::string>& names, const std::string& reason = {}) {
        for (const GameFile& f : files) {
            SCOPED_TRACE(f.name);
            const std::string error = ExpectRefused(f);
            if (!error.empty() && !reason.empty()) {
                EXPECT_NE(error.find(reason), std::string::npos) << error;
            }
        }
        EnsureSettingsFile(SettingsPath());
        EXPECT_EQ(ReadStartupSettings(SettingsPath()).name, "Anna");
        ExpectUnchanged(old);
        EXPECT_EQ(folder.Names(), names);
        ExpectOldSlotsLoad();
    }
    // Once the fault is gone, every file is written again.
    void ExpectEveryWriteGoesThrough() {
        for (const GameFile& f : files) EXPECT_TRUE(f.write(true)) << f.name;
    }

    qxtest::TempDir dir;
    FaultFolder folder{dir.Folder()};
    const std::vector<GameFile> files = AllGameFiles();
};

TEST_F(FileFaults, FullDiskAtChosenBytesKeepsEveryPreviousFile) {
    const std::vector<std::string> old = WriteOldVersions();
    const std::vector<std::string> names = folder.Names();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::size_t size = old[i].size();
        for (const std::size_t at : {std::size_t{0}, std::size_t{1}, std::size_t{79}, size / 2, size - 2, size - 1}) {
            SCOPED_TRACE(files[i].name + " full after byte " + std::to_string(at));
            qx::SetWriteFaultForTests(at);
            const std::string error = ExpectRefused(files[i]);
            if (!error.empty()) {
                EXPECT_NE(error.find("No space left"), std::string::npos) << error;
            }
            qx::SetWriteFaultForTests(std::nullopt);
            EXPECT_EQ(qx::ReadFileBytes(files[i].path()), old[i]);
            EXPECT_EQ(folder.Names(), names) << "a part file was left behind";
        }
    }
    ExpectOldSlotsLoad();
    ExpectEveryWriteGoesThrough();
    EXPECT_EQ(ReadAllSettings(SettingsPath()).name, "Bert");
    EXPECT_EQ(ReadSlot(2, BlankRule::Loading).name, "Bert");
}

TEST_F(FileFaults, StoreKeepsWorkingInMemoryWhenItsSavesFail) {
    WriteOldVersions();
    const std::string before = qx::ReadFileBytes(SettingsPath());
    qx::SetWriteFaultForTests(5);
    {
        TIniFile ini(SettingsPath());
        ini.WriteString(kSectionSettings, "Name", "Carla");
        EXPECT_TRUE(ini.LastSaveFailed());
        // The game goes on with what it set; only the disk did not follow.
        EXPECT_EQ(ini.ReadString(kSectionSettings, "Name", "0"), "Carla");
    }  // the release saves again, and fails silently again
    qx::SetWriteFaultForTests(std::nullopt);
    EXPECT_EQ(qx::ReadFileBytes(SettingsPath()), before);
}

TEST_F(FileFaults, RealFullTmpfsKeepsEveryPreviousFile) {
    if (!folder.MountTmpfs(64 * 1024)) GTEST_SKIP() << "this process may not mount a tmpfs (needs root)";
    const std::vector<std::string> old = WriteOldVersions();
    const std::vector<std::string> names = folder.Names();
    ASSERT_TRUE(folder.FillUp());
    ExpectEveryWriteRefusedAndNothingLost(old, names, "No space left");
    folder.Drain();
    ExpectEveryWriteGoesThrough();
}

TEST_F(FileFaults, ReadOnlyFolderRefusesEveryWriteAndKeepsTheFiles) {
    // A read-only medium where this process may mount one; otherwise an
    // immutable folder (root) or permission bits (other users).
    folder.MountTmpfs(256 * 1024);
    const std::vector<std::string> old = WriteOldVersions();
    const std::vector<std::string> names = folder.Names();
    if (!folder.MakeReadOnly()) GTEST_SKIP() << "no way to make a folder read-only for this process";
    ExpectEveryWriteRefusedAndNothingLost(old, names);
    folder.MakeWritable();
    ExpectEveryWriteGoesThrough();
}

TEST_F(FileFaults, ReadOnlyFolderWithoutSettingsStartsOnDefaults) {
    folder.MountTmpfs(64 * 1024);
    if (!folder.MakeReadOnly()) GTEST_SKIP() << "no way to make a folder read-only for this process";
    // The file cannot be created; the store is silent and reads its defaults.
    EnsureSettingsFile(SettingsPath());
    EXPECT_FALSE(qx::FileExists(SettingsPath()));
    const StartupSettings s = ReadStartupSettings(SettingsPath());
    EXPECT_EQ(s.splash, "0");
    EXPECT_EQ(s.name, "0");
    EXPECT_THROW(SaveStatistics(PlayerStatistics{}), qx::FileError);
    EXPECT_THROW(WriteSlotFile(1, "Anna", 1, 0, 0, 1), qx::FileError);
    EXPECT_FALSE(qx::FileExists(SlotPath(1)));
    // An empty slot reads as a file error, which the previews never reach.
    EXPECT_THROW(ReadSlot(1, BlankRule::Preview), qx::FileError);
}

TEST_F(FileFaults, ProgramFolderUnderARegularFile) {
    // Holds for root as well: no folder can be made where a file stands.
    qx::SetProgramFolder(reltest::FolderUnderAFile(dir.Folder()));
    for (const GameFile& f : files) {
        SCOPED_TRACE(f.name);
        ExpectRefused(f);
        EXPECT_FALSE(qx::FileExists(f.path()));
    }
    EnsureSettingsFile(SettingsPath());
    EXPECT_EQ(ReadAllSettings(SettingsPath()).serverName, "0");
}

// A folder opens like a file but cannot be read: that is a read failure
// naming the file, not an empty file (nor a damaged savegame).
TEST_F(FileFaults, AFolderWhereAFileBelongsIsAReadFailure) {
    for (const GameFile& f : files) std::filesystem::create_directory(f.path());
    for (const GameFile& f : files) {
        SCOPED_TRACE(f.name);
        try {
            qx::ReadFileBytes(f.path());
            ADD_FAILURE() << "read as a file";
        } catch (const qx::FileError& e) {
            EXPECT_NE(std::string(e.what()).find(f.path()), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(ReadSlot(1, BlankRule::Loading), qx::FileError);
    EXPECT_EQ(ReadAllSettings(SettingsPath()).name, "0");  // read as no file
}

TEST_F(FileFaults, ReadOnlySettingsFileIsStillUpdated) {
    // The store clears a file's read-only attribute before each save.
    WriteOldVersions();
    std::filesystem::permissions(SettingsPath(), std::filesystem::perms::owner_read);
    EXPECT_TRUE(WriteSettings(SettingsPath(), kNewSettings));
    EXPECT_EQ(ReadAllSettings(SettingsPath()).multiName, "Bert im Netz");
}

}  // namespace
