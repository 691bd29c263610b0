#include "core/net/protocol/messages.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {
struct Case {
    std::string line;
    MessageKind kind;
    int cell;
};

class Messages : public ::testing::TestWithParam<Case> {};

// A message is known by its first five characters; what follows them matters only for a position's cell.
INSTANTIATE_TEST_SUITE_P(
    Lines, Messages,
    ::testing::Values(Case{"", MessageKind::None, -1}, Case{"[100] [27] Victim", MessageKind::Victim, 27},
                      Case{"[200] [50] Dragon", MessageKind::Dragon, 50}, Case{"[100] [25] Victim", MessageKind::Victim, -1},
                      Case{"[200] [5", MessageKind::Dragon, -1}, Case{"[500] anything", MessageKind::Confirm, -1},
                      Case{"[700] You lost", MessageKind::YouLost, -1}, Case{"[701]", MessageKind::YouWon, -1},
                      Case{"[702] Draw", MessageKind::Draw, -1}, Case{"[900] Restart", MessageKind::Restart, -1},
                      Case{"<Anna> [100] hi", MessageKind::Text, -1}, Case{"[100", MessageKind::Text, -1},
                      Case{"[300] Resume 1 2 3", MessageKind::Resume, -1}),
    [](const ::testing::TestParamInfo<Case>& info) { return "Line" + std::to_string(info.index); });

TEST_P(Messages, ParseByTheCodeAndFormatBack) {
    const Message m = ParseLine(GetParam().line);
    EXPECT_EQ(m.kind, GetParam().kind);
    EXPECT_EQ(m.cell, GetParam().cell);
    EXPECT_EQ(m.line, GetParam().line);
    if (m.kind == MessageKind::None || ((m.kind == MessageKind::Victim || m.kind == MessageKind::Dragon) && m.cell < 0))
        return;
    const Message back = ParseLine(FormatLine(m));
    EXPECT_EQ(back.kind, m.kind);
    EXPECT_EQ(back.cell, m.cell);
}
}  // namespace

TEST(MessageLines, OutgoingLinesAreTheGamesOwn) {
    EXPECT_EQ(FormatLine({MessageKind::Victim, 26, {}}), "[100] [26] Victim");
    EXPECT_EQ(FormatLine({MessageKind::Dragon, 41, {}}), "[200] [41] Dragon");
    EXPECT_EQ(FormatLine({MessageKind::Confirm, -1, {}}), kConfirmLine);
    EXPECT_EQ(FormatLine({MessageKind::YouWon, -1, {}}), "[701] You won");
    EXPECT_EQ(FormatLine({MessageKind::Restart, -1, {}}), kRestartLine);
    EXPECT_EQ(ServerLine("Arena"), "[\xBB Arena \xAB]");
    EXPECT_EQ(WelcomeLine("Cleo"), "[server] Welcome, Cleo");
    EXPECT_EQ(ChatLine("Cleo", "hi"), "<Cleo> hi");
}

// A note carries three small counts and nothing else.
TEST(MessageLines, ResumeNotes) {
    EXPECT_EQ(ResumeLine(*ParseResume("[300] Resume 2 1 10")), "[300] Resume 2 1 10");
    EXPECT_EQ(ResumeLine(*ParseResume("[300] New")), "[300] New");
    for (const char* bad : {"[300] Resume 1 2", "[300] Resume 1 2 11", "[300] Resume 1 -2 3", "[300] Resume 1 2 3 "})
        EXPECT_FALSE(ParseResume(bad)) << bad;
}
