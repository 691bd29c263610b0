#include "core/stats/statfile.h"

#include "core/platform/files.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <filesystem>
#include <fstream>

using namespace quorvex;

namespace {

// Recovery of the figures as the file format documents it, deliberately
// written without the codec: a stored "0" is a set bit, keys are unkeyed
// bytes, values are bytes minus key bytes with 255 added when negative.
int StoredByte(const std::string& line, std::size_t at) {
    int v = 0;
    for (std::size_t i = 0; i < 8; ++i) v = v * 2 + (line.at(at + i) == '0' ? 1 : 0);
    return v;
}

std::array<std::string, 12> RecoverTexts(const std::vector<std::string>& lines) {
    std::array<std::string, 12> texts;
    for (std::size_t i = 0; i < 12; ++i) {
        std::string key;
        for (std::size_t g = 0; g < 20; ++g) key += static_cast<char>(StoredByte(lines.at(i), g * 8));
        const std::size_t n = static_cast<std::size_t>(StoredByte(lines.at(24 + i), 0));
        for (std::size_t g = 0; g < n / 8; ++g) {
            int v = StoredByte(lines.at(12 + i), g * 8) - static_cast<unsigned char>(key[g % key.size()]);
            if (v < 0) v += 255;
            texts[i] += static_cast<char>(v);
        }
    }
    return texts;
}

std::array<std::int32_t, 12> Recover(const std::vector<std::string>& lines) {
    std::array<std::int32_t, 12> figures{};
    const auto texts = RecoverTexts(lines);
    for (std::size_t i = 0; i < 12; ++i) figures[i] = static_cast<std::int32_t>(std::stoll(texts[i]));
    return figures;
}

std::array<std::int32_t, 12> Fields(const PlayerStatistics& s) {
    return {s.doubleKills, s.tripleKills, s.masterKills, s.ultraKills, s.victims, s.dragons,
            s.bombed,      s.hits,        s.misses,      s.turns,      s.moneyWon, s.moneyLost};
}

void ExpectWellFormed(const std::vector<std::string>& lines) {
    ASSERT_EQ(lines.size(), 36u);
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), 160u);
        EXPECT_EQ(line.find_first_not_of("01"), std::string::npos);
    }
}

// A run with a few turns whose figures exercise the edges of the format.
PlayerStatistics SampleRun() {
    PlayerStatistics s;
    RecordTurn(s, 1, 0, 0, 0, 2, 1, 750);
    RecordTurn(s, 0, 1, 0, 0, 3, 0, 4'294'967'296LL + 1234);  // beyond 32 bits: low bits only, still won
    RecordTurn(s, 0, 0, 0, 0, 0, 2, -2'147'483'000LL);
    RecordTurn(s, 0, 0, 0, 0, 0, 1, -648);  // moneyLost reaches -2147483648
    return s;
}

}  // namespace

TEST(RecordTurn, TwoVictimsAndOneDragon) {
    PlayerStatistics s;
    RecordTurn(s, 1, 0, 0, 0, 2, 1, 350);
    EXPECT_EQ(Fields(s), (std::array<std::int32_t, 12>{1, 0, 0, 0, 2, 1, 1, 3, 2, 1, 350, 0}));
}

TEST(RecordTurn, LossesAndEmptyTurnsCountAsLost) {
    PlayerStatistics s;
    RecordTurn(s, 0, 0, 0, 0, 0, 1, -500);
    EXPECT_EQ(s.moneyLost, -500);
    EXPECT_EQ(s.moneyWon, 0);
    RecordTurn(s, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(s.moneyLost, -500);
    EXPECT_EQ(s.misses, 4 + 5);
    EXPECT_EQ(s.hits + s.misses, 5 * s.bombed);
    EXPECT_EQ(s.bombed, s.turns);
}

TEST(RecordTurn, TotalsBeyondThirtyTwoBitsAddLowBitsButKeepTheirSign) {
    PlayerStatistics s;
    RecordTurn(s, 0, 0, 0, 0, 5, 0, 0x1'0000'0000LL);  // positive, low bits 0
    EXPECT_EQ(s.moneyWon, 0);
    EXPECT_EQ(s.moneyLost, 0);
    RecordTurn(s, 0, 0, 0, 0, 5, 0, 0x1'8000'0005LL);  // positive, low bits negative as int32
    EXPECT_EQ(s.moneyWon, static_cast<std::int32_t>(0x8000'0005u));
    RecordTurn(s, 0, 0, 0, 0, 0, 5, -0x1'0000'0001LL);  // negative, low bits -1
    EXPECT_EQ(s.moneyLost, -1);
    EXPECT_EQ(s.moneyWon, static_cast<std::int32_t>(0x8000'0005u));
}

TEST(RecordTurn, AdditionsWrapAround) {
    PlayerStatistics s;
    s.victims = INT32_MAX;
    s.moneyWon = INT32_MAX;
    RecordTurn(s, 0, 0, 0, 0, 1, 0, 1);
    EXPECT_EQ(s.victims, INT32_MIN);
    EXPECT_EQ(s.moneyWon, INT32_MIN);
    ClearStatistics(s);
    EXPECT_EQ(Fields(s), (std::array<std::int32_t, 12>{}));
}

TEST(StatisticsLines, RunWithoutTurnsHoldsTwelveZeros) {
    qx::Rng rng(7);
    const auto lines = BuildStatisticsLines(PlayerStatistics{}, rng, false);
    ExpectWellFormed(lines);
    EXPECT_EQ(Recover(lines), (std::array<std::int32_t, 12>{}));
    for (std::size_t i = 24; i < 36; ++i) EXPECT_EQ(lines[i].substr(0, 8), "11110111") << i;
}

TEST(StatisticsLines, KeysAreTwentyPrintableCharacters) {
    qx::Rng rng(99);
    const auto lines = BuildStatisticsLines(SampleRun(), rng, false);
    for (std::size_t i = 0; i < 12; ++i)
        for (std::size_t g = 0; g < 20; ++g) {
            const int code = StoredByte(lines[i], g * 8);
            EXPECT_GE(code, 32);
            EXPECT_LE(code, 121);
        }
}

TEST(StatisticsLines, FiguresRecoverWithTheDocumentedProcedure) {
    const PlayerStatistics s = SampleRun();
    ASSERT_EQ(s.moneyLost, INT32_MIN);
    ASSERT_EQ(s.moneyWon, 750 + 1234);
    qx::Rng rng(2024);
    const auto lines = BuildStatisticsLines(s, rng, false);
    ExpectWellFormed(lines);
    EXPECT_EQ(Recover(lines), Fields(s));
    EXPECT_EQ(RecoverTexts(lines)[11], "-2147483648");
    EXPECT_EQ(lines[35].substr(0, 8), "10100111");  // an 88-character value line
}

TEST(StatisticsLines, KeysAndFillerAreDrawnAfreshForEveryWrite) {
    qx::Rng rng(1);
    const auto a = BuildStatisticsLines(PlayerStatistics{}, rng);
    const auto b = BuildStatisticsLines(PlayerStatistics{}, rng);
    EXPECT_NE(a[0], b[0]);
    EXPECT_EQ(Recover(a), Recover(b));
    // The filler of the value lines is not a constant pattern.
    std::string filler;
    for (std::size_t i = 12; i < 36; ++i) filler += a[i].substr(88);
    EXPECT_NE(filler.find('0'), std::string::npos);
    EXPECT_NE(filler.find('1'), std::string::npos);
}

TEST(StatisticsFile, WrittenFileIsExactlyThirtySixCrLfLines) {
    qxtest::TempDir dir;
    const std::string path = dir.File("Quorvex.stat");
    qx::Rng rng(5);
    SaveStatistics(SampleRun(), path, rng);
    const std::string bytes = qx::ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 5832u);
    for (std::size_t i = 0; i < 36; ++i) {
        EXPECT_EQ(bytes.substr(i * 162 + 160, 2), "\r\n") << i;
    }
    const auto lines = qx::ReadLines(path);
    ExpectWellFormed(lines);
    EXPECT_EQ(Recover(lines), Fields(SampleRun()));
}

TEST(StatisticsFile, ExitWritesTheRunsRecordIntoTheProgramFolderAndReplacesTheLastRun) {
    qxtest::TempDir dir;
    qx::SetProgramFolder(dir.Folder());
    EXPECT_EQ(StatisticsPath(), dir.Folder() + "Quorvex.stat");

    PlayerStatistics run;
    RecordTurn(run, 0, 0, 0, 1, 5, 0, 100000);
    SaveStatistics(run);
    EXPECT_EQ(Recover(qx::ReadLines(StatisticsPath())), Fields(run));

    ClearStatistics(run);  // the next run starts from zero
    RecordTurn(run, 0, 0, 0, 0, 0, 0, 0);
    SaveStatistics(run);
    const auto lines = qx::ReadLines(StatisticsPath());
    ExpectWellFormed(lines);
    EXPECT_EQ(Recover(lines), (std::array<std::int32_t, 12>{0, 0, 0, 0, 0, 0, 1, 0, 5, 1, 0, 0}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);
}

TEST(StatisticsFile, FailedWriteThrowsAndKeepsTheOldFile) {
    qxtest::TempDir dir;
    const std::string path = dir.File("Quorvex.stat");
    { std::ofstream(path) << "last run"; }
    qx::Rng rng(3);
    qx::SetWriteFaultForTests(1000);
    EXPECT_THROW(SaveStatistics(SampleRun(), path, rng), qx::FileError);
    qx::SetWriteFaultForTests(std::nullopt);
    EXPECT_EQ(qx::ReadFileBytes(path), "last run");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);
}

TEST(StatisticsFile, ReadOnlyFolderThrowsAndLeavesNoFile) {
    qxtest::TempDir dir;
    namespace fs = std::filesystem;
    fs::permissions(dir.Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir.File("probe"))) {
        std::filesystem::remove(dir.File("probe"));
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    qx::Rng rng(4);
    EXPECT_THROW(SaveStatistics(SampleRun(), dir.File("Quorvex.stat"), rng), qx::FileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Folder()), {}), 0);
}

TEST(StatisticsFile, MissingFolderThrows) {
    qxtest::TempDir dir;
    qx::Rng rng(4);
    EXPECT_THROW(SaveStatistics(PlayerStatistics{}, dir.File("gone/Quorvex.stat"), rng), qx::FileError);
}
