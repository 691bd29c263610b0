// Files and input a player can make by hand: special files where the game's
// files belong, protected, private and linked files, line breaks in names,
// counters at their limit, and writers killed in the middle of a save.
#include "core/game/gamecore.h"
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/lineserver.h"
#include "net/net_support.h"
#include "core/platform/files.h"
#include "core/platform/random.h"
#include "core/platform/text.h"
#include "core/records/records.h"
#include "core/savegames/slotfile.h"
#include "core/savegames/valuecodec.h"
#include "core/settings/MyIniFiles.h"
#include "core/settings/settingsfile.h"
#include "core/stats/statfile.h"
#include "core/stats/statistics.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <thread>

using namespace quorvex;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

bool IsFifo(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

std::vector<std::string> Temporaries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().find(".tmp") != std::string::npos) names.push_back(e.path().filename());
    return names;
}

// Runs fn in a child process as an ordinary user (nobody) when this process
// is root, as itself otherwise. The child's exit code: fn's result, or 77
// when the rights could not be dropped.
int RunAsOrdinaryUser(const std::function<int()>& fn) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(77);
        ::_exit(fn());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// The twelve figures of a statistics file, decoded by its layout; throws or
// gives nothing for anything that is not a whole file.
std::vector<std::int32_t> DecodeStatistics(const std::string& path) {
    const std::vector<std::string> lines = qx::ReadLines(path);
    if (lines.size() != static_cast<std::size_t>(kStatisticsLines)) return {};
    std::vector<std::int32_t> figures;
    for (std::size_t i = 0; i < 12; ++i) {
        if (lines[i].size() != static_cast<std::size_t>(kStatisticsLineWidth)) return {};
        const std::string key = DecodeValue(std::string_view(lines[i]).substr(0, 160), "");
        const auto length = static_cast<std::size_t>(std::stoi(DecodeLength(lines[24 + i])));
        figures.push_back(static_cast<std::int32_t>(
            std::stol(DecodeValue(std::string_view(lines[12 + i]).substr(0, length), key))));
    }
    return figures;
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override { ::umask(oldUmask_); }

    // The folder open to everyone, as a shared program folder may be.
    void OpenFolderToAll() { fs::permissions(dir.Folder(), fs::perms::all); }

    qxtest::TempDir dir;
    mode_t oldUmask_ = ::umask(022);
};

// ---------------------------------------------------------------------------
// Special files: nothing waits, each reads as a file that cannot be read.

// What stands where a file belongs, and how to tell it is still there.
struct Unreadable {
    const char* name;
    std::function<void(const std::string&)> make;
    std::function<bool(const std::string&)> stillThere;
};

// Named in the test's name already; printed as that name alone.
void PrintTo(const Unreadable& u, std::ostream* os) { *os << u.name; }

class UnreadableEntries : public HostileFiles, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableEntries, NeitherBlockNorGetReplaced) {
    const std::vector<std::string> paths = {SettingsPath(), SlotPath(1), StatisticsPath()};
    for (const auto& p : paths) GetParam().make(p);

    for (const auto& p : paths) {
        try {
            qx::ReadFileBytes(p);
            ADD_FAILURE() << p << " read as a file";
        } catch (const qx::FileError& e) {
            EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
        }
    }
    // Settings: as a file that is there but unreadable, so no defaults are
    // written over it and every key reads as missing.
    EnsureSettingsFile(SettingsPath());
    const Settings s = ReadAllSettings(SettingsPath());
    EXPECT_EQ(s.name, "0");
    EXPECT_EQ(s.splash, "0");
    EXPECT_EQ(s.serverName, "0");
    EXPECT_TRUE(qx::FileExists(SlotPath(1)));
    EXPECT_THROW(ReadSlot(1, BlankRule::Preview), qx::FileError);
    EXPECT_THROW(ReadSlot(1, BlankRule::Loading), qx::FileError);
    // A save fails as a file error; the special file stays what it was.
    EXPECT_THROW(WriteSlotFile(1, "Anna", 1, 2, 3, 1), qx::FileError);
    qx::Rng rng(1);
    EXPECT_THROW(SaveStatistics(PlayerStatistics{}, StatisticsPath(), rng), qx::FileError);
    EXPECT_FALSE(WriteSettings(SettingsPath(), Settings{"a", "ja", "ja", "b", "c"}));
    for (const auto& p : paths) EXPECT_TRUE(GetParam().stillThere(p)) << p;
    EXPECT_TRUE(Temporaries(dir.Folder()).empty());
}

bool IsLink(const std::string& path) { return fs::is_symlink(path); }

INSTANTIATE_TEST_SUITE_P(
    HostileFiles, UnreadableEntries,
    ::testing::Values(
        Unreadable{"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0) << p; }, IsFifo},
        Unreadable{"LinkToItself", [](const std::string& p) { fs::create_symlink(fs::path(p).filename(), p); }, IsLink},
        Unreadable{"LoopOfTwoLinks",
                   [](const std::string& p) {
                       fs::create_symlink(fs::path(p).filename(), p + ".other");
                       fs::create_symlink(fs::path(p).filename().string() + ".other", p);
                   },
                   IsLink}),
    [](const ::testing::TestParamInfo<Unreadable>& info) { return std::string(info.param.name); });

TEST_F(HostileFiles, ADanglingLinkedSettingsFileCreatesItsTarget) {
    fs::create_symlink("nowhere/setup.ini", SettingsPath());
    fs::create_directory(dir.File("nowhere"));
    EXPECT_FALSE(qx::FileExists(SettingsPath()));
    EnsureSettingsFile(SettingsPath());
    EXPECT_TRUE(fs::is_symlink(SettingsPath()));
    EXPECT_EQ(ReadAllSettings(SettingsPath()).name, kDefaultName);
}

TEST_F(HostileFiles, ADeviceBehindALinkIsNotReadForEver) {
    fs::create_symlink("/dev/zero", SlotPath(2));
    EXPECT_THROW(ReadSlot(2, BlankRule::Loading), qx::FileError);
    fs::create_symlink("/dev/null", SettingsPath());
    EXPECT_EQ(ReadAllSettings(SettingsPath()).name, "0");
    EXPECT_TRUE(fs::is_symlink(SettingsPath()));
}

// Over-long lines are broken after their last blank within the width, or anywhere.
struct Breaking {
    const char* name;
    std::vector<std::string> lines;
    std::size_t width;
    std::vector<std::string> expected;
};

void PrintTo(const Breaking& b, std::ostream* os) { *os << b.name; }

class LongLines : public ::testing::TestWithParam<Breaking> {};

TEST_P(LongLines, AreBrokenIntoPiecesOfTheWidth) {
    EXPECT_EQ(qx::BreakLongLines(GetParam().lines, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    HelpText, LongLines,
    ::testing::Values(Breaking{"LinesThatFitStay", {"short", "", "fits"}, 5, {"short", "", "fits"}},
                      Breaking{"NoBlankAnywhere", {"xxxxxxxxxxx"}, 4, {"xxxx", "xxxx", "xxx"}},
                      Breaking{"AfterTheLastBlank", {"ab cd efgh ij"}, 6, {"ab cd ", "efgh ", "ij"}},
                      Breaking{"AWordLongerThanTheWidth", {"abcdefgh ij"}, 4, {"abcd", "efgh", " ij"}},
                      Breaking{"EachLineOnItsOwn", {"abc", "defghi"}, 3, {"abc", "def", "ghi"}}),
    [](const ::testing::TestParamInfo<Breaking>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Permissions, owners and links survive a save.

TEST_F(HostileFiles, APrivateFileStaysPrivateThroughEveryWrite) {
    WriteSettings(SettingsPath(), Settings{"Anna", "ja", "nein", "Anna", "Server"});
    WriteSlotFile(1, "Anna", 1000, 1, 2, 1);
    qx::Rng rng(3);
    SaveStatistics(PlayerStatistics{}, StatisticsPath(), rng);
    for (const auto& p : {SettingsPath(), SlotPath(1), StatisticsPath()}) fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write);

    ReadStartupSettings(SettingsPath());  // the release rewrites it
    WriteSettings(SettingsPath(), Settings{"Bert", "ja", "nein", "Bert", "Server"});
    WriteSlotFile(1, "Bert", 2000, 1, 2, 1);
    SaveStatistics(PlayerStatistics{}, StatisticsPath(), rng);
    for (const auto& p : {SettingsPath(), SlotPath(1), StatisticsPath()}) EXPECT_EQ(ModeOf(p), 0600u) << p;
    EXPECT_EQ(ReadAllSettings(SettingsPath()).name, "Bert");
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, "Bert");
}

TEST_F(HostileFiles, ANewFileTakesItsModeFromTheUmask) {
    ::umask(027);
    WriteSlotFile(3, "Anna", 1000, 1, 2, 1);
    EnsureSettingsFile(SettingsPath());
    EXPECT_EQ(ModeOf(SlotPath(3)), 0640u);
    EXPECT_EQ(ModeOf(SettingsPath()), 0640u);
}

TEST_F(HostileFiles, RootKeepsTheOwnerAndGroupOfAFileItReplaces) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    WriteSlotFile(1, "Anna", 1000, 1, 2, 1);
    ASSERT_EQ(::chown(SlotPath(1).c_str(), kNobody, kNobody), 0);
    fs::permissions(SlotPath(1), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteSlotFile(1, "Bert", 2000, 1, 2, 1);
    struct stat st {};
    ASSERT_EQ(::stat(SlotPath(1).c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNobody);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, "Bert");
}

TEST_F(HostileFiles, ALinkedSettingsFileIsWrittenThroughTheLink) {
    // setup.ini links to a file in another folder, by a relative path.
    const std::string real = dir.File("elsewhere/");
    fs::create_directory(real);
    Put(real + "my.ini", "[Einstellungen]\r\nName=Anna\r\nSplash=nein\r\nFade=nein\r\n");
    fs::permissions(real + "my.ini", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(dir.File("program"));
    qx::SetProgramFolder(dir.File("program"));
    fs::create_symlink("../elsewhere/my.ini", SettingsPath());

    EnsureSettingsFile(SettingsPath());
    EXPECT_EQ(ReadStartupSettings(SettingsPath()).name, "Anna");
    EXPECT_TRUE(WriteSettings(SettingsPath(), Settings{"Bert", "ja", "nein", "Bert", "Server"}));

    EXPECT_TRUE(fs::is_symlink(SettingsPath()));
    EXPECT_EQ(fs::read_symlink(SettingsPath()), "../elsewhere/my.ini");
    EXPECT_EQ(ReadAllSettings(real + "my.ini").name, "Bert");
    EXPECT_EQ(ModeOf(real + "my.ini"), 0600u);
    EXPECT_TRUE(Temporaries(real).empty());
    EXPECT_TRUE(Temporaries(dir.File("program")).empty());
}

TEST_F(HostileFiles, ALinkedSlotIsReplacedThroughALinkChain) {
    fs::create_directory(dir.File("saves"));
    WriteSlotFile(1, "Anna", 1000, 1, 2, 1);
    fs::rename(SlotPath(1), dir.File("saves/one.save"));
    fs::create_symlink(dir.File("saves/one.save"), dir.File("hop"));
    fs::create_symlink("hop", SlotPath(1));
    WriteSlotFile(1, "Bert", 2000, 1, 2, 1);
    EXPECT_TRUE(fs::is_symlink(SlotPath(1)));
    EXPECT_TRUE(fs::is_symlink(dir.File("hop")));
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, "Bert");
    // Removing a slot removes the link, never the file behind it.
    EXPECT_TRUE(qx::RemoveFile(SlotPath(1)));
    EXPECT_TRUE(fs::exists(dir.File("saves/one.save")));
}

// ---------------------------------------------------------------------------
// Write protection counts for the user the game runs as.

TEST_F(HostileFiles, AWriteProtectedSlotOrStatisticsFileIsNeitherReplacedNorDeleted) {
    OpenFolderToAll();
    WriteSlotFile(1, "Anna", 1000, 1, 2, 1);
    qx::Rng rng(5);
    SaveStatistics(PlayerStatistics{}, StatisticsPath(), rng);
    const std::string slotBefore = qx::ReadFileBytes(SlotPath(1));
    const std::string statBefore = qx::ReadFileBytes(StatisticsPath());
    for (const auto& p : {SlotPath(1), StatisticsPath()})
        fs::permissions(p, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const int faults = RunAsOrdinaryUser([] {
        int f = 0;
        try {
            WriteSlotFile(1, "Bert", 2000, 1, 2, 1);
            f |= 1;
        } catch (const qx::FileError& e) {
            // The file layer's own error, naming the file.
            if (std::string(e.what()).find("Slot1.save") == std::string::npos) f |= 2;
            if (std::string(e.what()).find("Permission denied") == std::string::npos) f |= 4;
        }
        try {
            qx::Rng r(6);
            SaveStatistics(PlayerStatistics{}, StatisticsPath(), r);
            f |= 8;
        } catch (const qx::FileError&) {
        }
        if (qx::RemoveFile(SlotPath(1))) f |= 16;
        // A slot that is not protected is still deleted.
        try {
            WriteSlotFile(2, "Carla", 3000, 1, 2, 1);
            if (!qx::RemoveFile(SlotPath(2))) f |= 32;
        } catch (...) {
            f |= 64;
        }
        return f;
    });
    if (faults == 77) GTEST_SKIP() << "cannot drop root's rights here";
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(qx::ReadFileBytes(SlotPath(1)), slotBefore);
    EXPECT_EQ(qx::ReadFileBytes(StatisticsPath()), statBefore);
    EXPECT_EQ(ModeOf(SlotPath(1)), 0444u);
    EXPECT_TRUE(Temporaries(dir.Folder()).empty());
}

TEST_F(HostileFiles, RootStillReplacesAndDeletesAWriteProtectedSlot) {
    if (::geteuid() != 0) GTEST_SKIP() << "the root case";
    WriteSlotFile(1, "Anna", 1000, 1, 2, 1);
    fs::permissions(SlotPath(1), fs::perms::owner_read);
    WriteSlotFile(1, "Bert", 2000, 1, 2, 1);
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, "Bert");
    EXPECT_EQ(ModeOf(SlotPath(1)), 0400u);
    EXPECT_TRUE(qx::RemoveFile(SlotPath(1)));
}

// ---------------------------------------------------------------------------
// Line breaks never reach a file or the wire.

TEST_F(HostileFiles, TheStoreRefusesLineBreaksAndChangesNothing) {
    WriteSettings(SettingsPath(), Settings{"Anna", "ja", "nein", "Anna", "Server"});
    const std::string before = qx::ReadFileBytes(SettingsPath());
    {
        TIniFile ini(SettingsPath());
        const std::vector<std::string> lines = ini.Lines();
        EXPECT_THROW(ini.WriteString(kSectionSettings, "Name", "Line1\nName2\r[Multiplayer]\rServer=evil"),
                     LineBreakError);
        EXPECT_THROW(ini.WriteString(kSectionSettings, "Na\rme", "x"), LineBreakError);
        EXPECT_THROW(ini.WriteString("Einst\nellungen", "Name", "x"), LineBreakError);
        EXPECT_EQ(ini.Lines(), lines);
    }
    EXPECT_THROW(WriteSettings(SettingsPath(), Settings{"a\r\nb", "ja", "ja", "b", "c"}), LineBreakError);
    EXPECT_EQ(qx::ReadFileBytes(SettingsPath()), before);
    EXPECT_EQ(ReadAllSettings(SettingsPath()).serverName, "Server");
}

TEST(LineBreaksOnTheWire, ALineHoldingABreakIsRefusedAndNothingIsSent) {
    LineServer server;
    server.SetDefaultPort(0);
    server.OnExecute = [](const ConnectionPtr& conn) {
        const std::string line = conn->ReadLn(5);
        if (line.empty()) return;
        conn->WriteLn("echo " + line);
        // The server's side of the same guard.
        try {
            conn->WriteLn("two\nlines");
        } catch (const NetError&) {
            conn->WriteLn("refused");
        }
    };
    server.SetActive(true);
    LineClient client;
    client.SetHost("127.0.0.1");
    client.SetPort(server.BoundPort());
    client.Connect(10000);
    EXPECT_THROW(client.WriteLn("chat\r\n[server] Welcome, evil"), NetError);
    EXPECT_THROW(client.WriteLn("a\rb"), NetError);
    EXPECT_TRUE(client.Connected());
    client.WriteLn("fine");
    // The first line that arrives is the echo of the first line sent.
    EXPECT_EQ(client.ReadLn(20000), "echo fine");
    EXPECT_EQ(client.ReadLn(20000), "refused");
    client.Disconnect();
    server.SetActive(false);
}

// ---------------------------------------------------------------------------
// Counters from an edited slot add with a defined result.

TEST(Counters, AddWithWrapAroundAtTheirLimits) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(AddToCounter(kMax, 1), kMin);
    EXPECT_EQ(AddToCounter(kMax, 5), kMin + 4);
    EXPECT_EQ(AddToCounter(kMin, 0), kMin);
    EXPECT_EQ(AddToCounter(-200, 5), -195);
    // Loaded from a slot, a counter at the limit is accepted as it is.
    const LoadedSlot slot = ParseSlotForLoading({"x", "1000", "2147483647", "-2147483648", "1"});
    EXPECT_EQ(AddToCounter(slot.victims, 1), kMin);
    EXPECT_EQ(AddToCounter(slot.dragons, 5), kMin + 5);
    // The run's statistics wrap the same way.
    PlayerStatistics s{};
    s.victims = kMax;
    RecordTurn(s, 0, 0, 0, 0, 1, 0, 0);
    EXPECT_EQ(s.victims, kMin);
}

TEST(Counters, MoneyAtItsLimitsScoresATurnWithADefinedResult) {
    // Money from an edited slot may be any 64-bit value; rates, bonus and
    // total are worked out without overflow (sums wrap as the money does).
    std::array<bool, kCells + 1> marks{};
    for (int c = 1; c <= 5; ++c) marks[c] = true;
    const Placement allVictims{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
    const Placement allDragons{{6, 7, 8, 9, 10}, {1, 2, 3, 4, 5}};
    for (const std::int64_t m : {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
                                 std::numeric_limits<std::int64_t>::min() + 1}) {
        SCOPED_TRACE(m);
        const TurnScore win = ScoreTurn(marks, allVictims, m, GainPerVictim(m), LossPerDragon(m));
        EXPECT_EQ(win.victimHits, 5);
        EXPECT_EQ(win.killBonus, RoundDiv(5.0L * static_cast<long double>(m) / 100.0L + 5000.0L, 1.0L));
        const TurnScore loss = ScoreTurn(marks, allDragons, m, GainPerVictim(m), LossPerDragon(m));
        EXPECT_EQ(loss.dragonHits, 5);
        EXPECT_EQ(static_cast<std::uint64_t>(loss.turnTotal), 0 - 5 * static_cast<std::uint64_t>(LossPerDragon(m)));
        EXPECT_FALSE(SignedAmount(loss.turnTotal).empty());
        EXPECT_GE(SavePriceFor(m), std::numeric_limits<std::int64_t>::min() / 25 - 1);
    }
}

// ---------------------------------------------------------------------------
// Temporary files of killed writers.

TEST_F(HostileFiles, StaleTemporariesOfDeadWritersAreRemovedOnly) {
    // A pid that is surely gone: a child that has ended and been reaped.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone);
    const std::string alive = "1";  // init outlives every test
    const std::vector<std::string> stale = {"Slot1.save.tmp" + dead + "_0", "setup.ini.tmp" + dead + "_12",
                                            "Quorvex.stat.tmp" + dead + "_3"};
    const std::vector<std::string> kept = {"Slot2.save.tmp" + alive + "_0",       // its writer still runs
                                           "Slot3.save.tmp" + std::to_string(::getpid()) + "_0",  // ours
                                           "notes.txt.tmp" + dead + "_0",          // not a game file
                                           "Slot1.save.tmp" + dead,                // not our pattern
                                           "Slot1.save.tmp" + dead + "_x", "Slot1.save.bak"};
    for (const auto& n : stale) Put(dir.File(n), "part");
    for (const auto& n : kept) Put(dir.File(n), "part");
    fs::create_directory(dir.File("Slot2.save.tmp" + dead + "_1"));  // not a file

    EXPECT_EQ(qx::RemoveStaleTemporaries({SettingsPath(), StatisticsPath(), SlotPath(1), SlotPath(2), SlotPath(3)}),
              3);
    for (const auto& n : stale) EXPECT_FALSE(fs::exists(dir.File(n))) << n;
    for (const auto& n : kept) EXPECT_TRUE(fs::exists(dir.File(n))) << n;
    EXPECT_TRUE(fs::is_directory(dir.File("Slot2.save.tmp" + dead + "_1")));
}

TEST_F(HostileFiles, StaleTemporariesBesideALinkedFileGoToo) {
    fs::create_directory(dir.File("real"));
    fs::create_directory(dir.File("program"));
    qx::SetProgramFolder(dir.File("program"));
    fs::create_symlink("../real/setup.ini", SettingsPath());
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    Put(dir.File("real/setup.ini.tmp" + std::to_string(gone) + "_0"), "part");
    EXPECT_EQ(qx::RemoveStaleTemporaries({SettingsPath()}), 1);
    EXPECT_TRUE(Temporaries(dir.File("real")).empty());
}

// ---------------------------------------------------------------------------
// Writers killed at random moments: the file is always the old or the new
// version, and at most one temporary is left, which the next start removes.

struct Progress {
    std::atomic<long> started{0};  // the version being written
    std::atomic<long> done{0};     // the last version completely written
};

struct FileKind {
    std::string name;
    std::function<std::string()> path;
    std::function<void(long version)> write;
    // The version the file holds; -1 when it is not a whole file.
    std::function<long()> read;
};

std::vector<FileKind> Kinds() {
    std::vector<FileKind> kinds;
    kinds.push_back({"settings", SettingsPath,
                     [](long v) {
                         TIniFile ini(SettingsPath());
                         ini.WriteString(kSectionSettings, "Name", "v" + std::to_string(v));
                     },
                     []() -> long {
                         const std::string bytes = qx::ReadFileBytes(SettingsPath());
                         const std::string head = "[Einstellungen]\r\nName=v";
                         if (bytes.compare(0, head.size(), head) != 0 || bytes.size() < head.size() + 3) return -1;
                         const std::string number = bytes.substr(head.size(), bytes.size() - head.size() - 2);
                         if (bytes.substr(bytes.size() - 2) != "\r\n" ||
                             number.find_first_not_of("0123456789") != std::string::npos)
                             return -1;
                         return std::stol(number);
                     }});
    kinds.push_back({"slot", [] { return SlotPath(1); },
                     [](long v) { WriteSlotFile(1, "Anna", 1000 + v, static_cast<std::int32_t>(v), 7, 1); },
                     []() -> long {
                         const std::vector<std::string> lines = qx::ReadLines(SlotPath(1));
                         if (lines.size() != kSlotLines) return -1;
                         const LoadedSlot s = ParseSlotForLoading(ReadSlot(1, BlankRule::Loading));
                         if (s.texts.name != "Anna" || s.money != 1000 + s.victims || s.dragons != 7) return -1;
                         return s.victims;
                     }});
    kinds.push_back({"statistics", StatisticsPath,
                     [](long v) {
                         PlayerStatistics s{};
                         s.victims = static_cast<std::int32_t>(v);
                         s.turns = static_cast<std::int32_t>(v) * 2;
                         qx::Rng rng(static_cast<std::uint32_t>(v));
                         SaveStatistics(s, StatisticsPath(), rng);
                     },
                     []() -> long {
                         const std::vector<std::int32_t> f = DecodeStatistics(StatisticsPath());
                         if (f.size() != 12 || f[9] != f[4] * 2) return -1;
                         return f[4];
                     }});
    // Each write adds a turn and an endless game of that much money, through
    // the lock and the re-read a finished game takes.
    kinds.push_back({"records", RecordsStore::DefaultPath,
                     [](long v) {
                         RecordsStore store(RecordsStore::DefaultPath());
                         if (v == 0) return store.Clear();
                         LifetimeFigures turn;
                         turn.turns = 1;
                         store.Add(turn, FinishedGame{1, v, 1, 0, false}, "Anna", "2026-12-09");
                     },
                     []() -> long {
                         const ParsedRecords r = ParseRecords(qx::ReadLines(RecordsStore::DefaultPath()));
                         const RecordList& best = r.records.Table(RecordTable::Endless);
                         if (r.problem || (r.records.lifetime.turns != 0 && best.at(0).money != r.records.lifetime.turns))
                             return -1;
                         return static_cast<long>(r.records.lifetime.turns);
                     }});
    return kinds;
}

TEST_F(HostileFiles, WritersKilledAtRandomMomentsLeaveTheOldOrTheNewFile) {
    constexpr int kKillsPerKind = 120;
    // In memory where the system has such a folder: the guarantee lies in the
    // order of writing and renaming, and a disk's flushes only make each kill slow.
    qxtest::TempDir memory(fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path());
    qx::SetProgramFolder(memory.Folder());
    auto* progress = static_cast<Progress*>(
        ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(progress, MAP_FAILED);
    new (progress) Progress;
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> pause(0, 1000);

    int kills = 0, midWrite = 0, leftTemporary = 0;
    for (const FileKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        kind.write(0);
        long version = 0;
        for (int k = 0; k < kKillsPerKind; ++k) {
            progress->started = version;
            progress->done = version;
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                try {
                    for (long v = version + 1;; ++v) {
                        progress->started = v;
                        kind.write(v);
                        progress->done = v;
                    }
                } catch (...) {
                }
                ::_exit(3);
            }
            // Let it write at least once, then kill it at a random moment. Waiting
            // sleeps: a spinning parent would take the core the writer needs.
            while (progress->done.load() == version && ::waitpid(child, nullptr, WNOHANG) == 0)
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
            ::kill(child, SIGKILL);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status));
            ++kills;
            const long started = progress->started, done = progress->done;
            midWrite += started != done;

            const long found = kind.read();
            EXPECT_TRUE(found == done || found == started)
                << "kill " << k << ": file holds version " << found << ", expected " << done << " or " << started;
            const std::size_t temporaries = Temporaries(memory.Folder()).size();
            EXPECT_LE(temporaries, 1u) << "kill " << k;
            leftTemporary += temporaries != 0;
            // The next start removes what the killed writer left.
            qx::RemoveStaleTemporaries({kind.path()});
            EXPECT_TRUE(Temporaries(memory.Folder()).empty()) << "kill " << k;
            version = found < 0 ? done : found;
            if (HasFailure()) break;
        }
    }
    ::munmap(progress, sizeof(Progress));
    std::printf("[ figures  ] %d kills, %d in the middle of a write, %d left a temporary file\n", kills, midWrite,
                leftTemporary);
}

}  // namespace
