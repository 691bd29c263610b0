#include "core/savegames/slotfile.h"

#include "core/platform/files.h"
#include "core/savegames/valuecodec.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

using namespace quorvex;

namespace {

// Reading a slot as the format documents it, without the codec or the
// reader: the five keys as published, lengths from lines 6..10 (first eight
// characters, stored "0" is a set bit), bytes minus key bytes (+255 when
// negative).
std::vector<std::string> Recover(const std::vector<std::string>& lines) {
    const char* keys[] = {"k42p7wqe1tyu5m3zc9rb", "91kt4a7m2q6w8e3r5y0u", "p7c2v9b4n1m6x3z8l5k0",
                          "w3e8r1t6y4u9i2o7p5a0", "j6h1g8f3d5s2a9q4w7e0"};
    auto stored = [](const std::string& line, std::size_t at) {
        int v = 0;
        for (std::size_t i = 0; i < 8; ++i) v = v * 2 + (line.at(at + i) == '0' ? 1 : 0);
        return v;
    };
    std::vector<std::string> values(5);
    for (std::size_t i = 0; i < 5; ++i) {
        const std::size_t n = static_cast<std::size_t>(stored(lines.at(5 + i), 0));
        for (std::size_t g = 0; g < n / 8; ++g) {
            int v = stored(lines.at(i), g * 8) - static_cast<unsigned char>(keys[i][g % 20]);
            if (v < 0) v += 255;
            values[i] += static_cast<char>(v);
        }
    }
    return values;
}

std::vector<std::string> Texts(const SlotTexts& t) { return {t.name, t.money, t.victims, t.dragons, t.mode}; }

void ExpectUniformWidth(const std::vector<std::string>& lines, std::size_t width) {
    ASSERT_EQ(lines.size(), 10u);
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), width);
        EXPECT_EQ(line.find_first_not_of("01"), std::string::npos);
    }
}

void WriteRaw(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::size_t FilesIn(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator{}));
}

class SlotFolder : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override { qx::SetWriteFaultForTests(std::nullopt); }
    qxtest::TempDir dir;
};

}  // namespace

TEST(SlotLines, ExampleGame) {
    qx::Rng rng(11);
    const auto lines = BuildSlotLines("Anna", 1000, 0, 0, 1, rng, false);
    ExpectUniformWidth(lines, 80);
    EXPECT_EQ(lines[0].substr(0, 32), EncodeValue("Anna", SlotKeyName));
    EXPECT_EQ(lines[1].substr(0, 32), EncodeValue("1000", SlotKeyMoney));
    EXPECT_EQ(lines[2].substr(0, 8), EncodeValue("0", SlotKeyVictims));
    EXPECT_EQ(lines[3].substr(0, 8), EncodeValue("0", SlotKeyDragons));
    EXPECT_EQ(lines[4].substr(0, 8), EncodeValue("1", SlotKeyMode));
    const char* lengths[] = {"11011111", "11011111", "11110111", "11110111", "11110111"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(lines[5 + i].substr(0, 8), lengths[i]) << i;
    EXPECT_EQ(Recover(lines), (std::vector<std::string>{"Anna", "1000", "0", "0", "1"}));
}

TEST(SlotLines, WidthFollowsTheLongestValue) {
    qx::Rng rng(12);
    ExpectUniformWidth(BuildSlotLines("TenLetters", 1234567890, -43, 7, 2, rng, false), 80);
    ExpectUniformWidth(BuildSlotLines("ElevenChars", 1000, 0, 0, 1, rng, false), 88);
    ExpectUniformWidth(BuildSlotLines("x", LLONG_MIN, INT_MIN, INT_MIN, -128, rng, false), 160);
}

TEST(SlotLines, FillerIsRandomForEverySave) {
    qx::Rng rng(13);
    const auto a = BuildSlotLines("Anna", 1000, 0, 0, 1, rng);
    const auto b = BuildSlotLines("Anna", 1000, 0, 0, 1, rng);
    EXPECT_NE(a, b);
    EXPECT_EQ(Recover(a), Recover(b));
}

TEST(SlotLines, EmptyName) {
    qx::Rng rng(14);
    const auto lines = BuildSlotLines("", 5, 0, 0, 1, rng, false);
    ExpectUniformWidth(lines, 80);
    EXPECT_EQ(lines[5].substr(0, 8), "11111111");
    EXPECT_EQ(Recover(lines)[0], "");
}

TEST_F(SlotFolder, PathIsInTheProgramFolder) {
    EXPECT_EQ(SlotPath(1), dir.Folder() + "Slot1.save");
    EXPECT_EQ(SlotPath(3), dir.Folder() + "Slot3.save");
}

TEST_F(SlotFolder, WrittenSlotDecodesWithTheDocumentedProcedure) {
    WriteSlotFile(2, "Gunnar", -5000, -43, 12, 2);
    const std::string bytes = qx::ReadFileBytes(SlotPath(2));
    EXPECT_EQ(bytes.size(), 10u * 82);
    const auto lines = qx::ReadLines(SlotPath(2));
    ExpectUniformWidth(lines, 80);
    EXPECT_EQ(Recover(lines), (std::vector<std::string>{"Gunnar", "-5000", "-43", "12", "2"}));
    for (auto rule : {BlankRule::Preview, BlankRule::Loading})
        EXPECT_EQ(Texts(ReadSlot(2, rule)), Recover(lines));
}

TEST_F(SlotFolder, LongNameIsWrittenInFullButReadsBackShortened) {
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";  // 40 characters
    WriteSlotFile(1, name, 1, 2, 3, 1);
    const auto lines = qx::ReadLines(SlotPath(1));
    ExpectUniformWidth(lines, 320);
    EXPECT_EQ(lines[0], EncodeValue(name, SlotKeyName));
    EXPECT_EQ(ReadSlot(1, BlankRule::Preview).name, name.substr(0, 20));
}

TEST_F(SlotFolder, ByteTwoFiftyFiveInANameComesBackAsZero) {
    const std::string name = std::string("A") + static_cast<char>(255) + "B";
    WriteSlotFile(1, name, 1, 0, 0, 1);
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, (std::string{'A', '\0', 'B'}));
}

TEST_F(SlotFolder, BlankLinesArePreviewedAndLoadedByDifferentRules) {
    qx::Rng rng(15);
    const auto lines = BuildSlotLines("Anna", 1000, 0, 0, 1, rng, false);
    std::string text = " \t\r\n";  // blank to a preview, a line to loading
    for (const auto& l : lines) text += l + "\n\n";  // empty lines: dropped by both
    text += "0101\r\n";  // lines after the tenth are ignored
    WriteRaw(SlotPath(1), text);

    EXPECT_EQ(Texts(ReadSlot(1, BlankRule::Preview)), (std::vector<std::string>{"Anna", "1000", "0", "0", "1"}));
    // Loading takes the blank line as line 1, so every value shifts.
    EXPECT_NE(ReadSlot(1, BlankRule::Loading).name, "Anna");

    // Nine lines plus a blank one: enough only for loading.
    std::string nine = "   \r\n";
    for (std::size_t i = 0; i < 9; ++i) nine += lines[i] + "\r";
    WriteRaw(SlotPath(2), nine);
    EXPECT_THROW(ReadSlot(2, BlankRule::Preview), std::runtime_error);
    EXPECT_NO_THROW(ReadSlot(2, BlankRule::Loading));
}

TEST_F(SlotFolder, UnreadableOrShortSlotsFailWithAClearText) {
    try {
        ReadSlot(3, BlankRule::Preview);
        ADD_FAILURE() << "a missing slot was read";
    } catch (const qx::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("Slot3.save"), std::string::npos) << e.what();
    }
    WriteRaw(SlotPath(3), "");
    EXPECT_THROW(ReadSlot(3, BlankRule::Loading), std::runtime_error);
}

TEST_F(SlotFolder, EditedContentIsAcceptedWithoutComplaint) {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "xyz 2\r\n";
    WriteRaw(SlotPath(1), text);
    EXPECT_NO_THROW(ReadSlot(1, BlankRule::Preview));
}

TEST_F(SlotFolder, FailedWriteLeavesTheOldSlotIntact) {
    WriteSlotFile(1, "Old", 500, 1, 2, 1);
    const std::string before = qx::ReadFileBytes(SlotPath(1));
    qx::SetWriteFaultForTests(100);
    EXPECT_THROW(WriteSlotFile(1, "New", 900, 3, 4, 3), qx::FileError);
    qx::SetWriteFaultForTests(std::nullopt);
    EXPECT_EQ(qx::ReadFileBytes(SlotPath(1)), before);
    EXPECT_EQ(FilesIn(dir.Folder()), 1u);
    EXPECT_EQ(ReadSlot(1, BlankRule::Loading).name, "Old");
}

TEST_F(SlotFolder, ReadOnlyFolderRefusesTheWrite) {
    WriteSlotFile(1, "Old", 500, 1, 2, 1);
    const std::string before = qx::ReadFileBytes(SlotPath(1));
    namespace fs = std::filesystem;
    fs::permissions(dir.Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir.File("probe"))) {
        fs::remove(dir.File("probe"));
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_THROW(WriteSlotFile(1, "New", 900, 3, 4, 3), qx::FileError);
    EXPECT_EQ(qx::ReadFileBytes(SlotPath(1)), before);
    EXPECT_EQ(FilesIn(dir.Folder()), 1u);
}

TEST(SlotLoading, ValuesConvertAsTheGameNeedsThem) {
    const LoadedSlot s = ParseSlotForLoading({"Anna", "0012", "-43", "7", "300"});
    EXPECT_EQ(s.money, 12);
    EXPECT_EQ(s.texts.money, "0012");  // the label shows the text as decoded
    EXPECT_EQ(s.victims, -43);
    EXPECT_EQ(s.dragons, 7);
    EXPECT_EQ(s.mode, 44);
    EXPECT_EQ(ParseSlotForLoading({"", "-9223372036854775808", "0", "0", "5"}).money, LLONG_MIN);
    EXPECT_EQ(ParseSlotForLoading({"", "0", "0", "0", "5"}).mode, 5);
    EXPECT_EQ(ParseSlotForLoading({"", "0", "0", "0", "255"}).mode, -1);
    EXPECT_EQ(ParseSlotForLoading({"", "0", "0", "0", "-1"}).mode, -1);
}

TEST(SlotLoading, AnyInvalidNumberRejectsTheWholeSlot) {
    const SlotTexts good{"Anna", "1000", "0", "0", "1"};
    auto with = [&](int field, const std::string& text) {
        SlotTexts t = good;
        std::string* fields[] = {&t.money, &t.victims, &t.dragons, &t.mode};
        *fields[field] = text;
        return t;
    };
    const std::pair<int, std::string> bad[] = {
        {0, "12a"}, {0, "9223372036854775808"}, {0, ""}, {1, "2147483648"}, {1, "-"},
        {2, "1e3"}, {2, " 5"}, {3, "x"}, {3, "4294967340"},
    };
    for (const auto& [field, text] : bad) {
        try {
            ParseSlotForLoading(with(field, text));
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
        }
    }
    // Money is checked even when a later value is fine, and vice versa.
    EXPECT_THROW(ParseSlotForLoading({"Anna", "1000", "0", "0", "one"}), std::runtime_error);
}
