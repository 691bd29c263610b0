// Game links: what joins a game and what is refused, and the links the host hands out.
#include "core/game/commandline.h"
#include "core/net/gamelink.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

struct LinkCase {
    const char* text;
    const char* host;
    int port;
};

class GameLinkParse : public ::testing::TestWithParam<LinkCase> {};

TEST_P(GameLinkParse, ReadsHostAndPort) {
    const auto link = ParseGameLink(GetParam().text);
    ASSERT_TRUE(link.has_value()) << GetParam().text;
    EXPECT_EQ(*link, (GameLink{GetParam().host, GetParam().port}));
}

INSTANTIATE_TEST_SUITE_P(Valid, GameLinkParse,
                         ::testing::Values(LinkCase{"quorvex://192.168.1.20", "192.168.1.20", 9999},
                                           LinkCase{"quorvex://game-pc.local:4711", "game-pc.local", 4711},
                                           LinkCase{"QUORVEX://Host/", "Host", 9999},
                                           LinkCase{"quorvex://[fd00::5]", "fd00::5", 9999},
                                           LinkCase{"quorvex://[2001:db8::1]:65535", "2001:db8::1", 65535},
                                           LinkCase{"quorvex://10.0.0.1:1", "10.0.0.1", 1}));

class MalformedGameLink : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedGameLink, IsRefused) { EXPECT_FALSE(ParseGameLink(GetParam()).has_value()) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(Links, MalformedGameLink,
                         ::testing::Values("quorvex://", "http://host", "quorvex:host", "quorvex://2001:db8::1",
                                           "quorvex://[host]", "quorvex://[::1", "quorvex://[::1]x", "quorvex://host:",
                                           "quorvex://host:0", "quorvex://host:65536", "quorvex://host:99x",
                                           "quorvex://host/path", "quorvex://host?join=1", "quorvex://user@host",
                                           "quorvex://-host", "quorvex://ho st"));

TEST(GameLink, FormatsWhatParsingReadsBack) {
    EXPECT_EQ(FormatGameLink("10.0.0.5", 9999), "quorvex://10.0.0.5");
    EXPECT_EQ(FormatGameLink("fd00::5", 4711), "quorvex://[fd00::5]:4711");
    for (const auto& [host, port] : {std::pair<std::string, int>{"fd00::5", 4711}, {"pc.local", 9999}})
        EXPECT_EQ(ParseGameLink(FormatGameLink(host, port)), (GameLink{host, port}));
}

TEST(GameLink, SharesPrivateIPv4FirstAndLeavesOutLocalOnlyAddresses) {
    EXPECT_EQ(ShareableAddresses({"127.0.0.1", "2001:db8::7", "fe80::1", "203.0.113.9", "::1", "192.168.1.4",
                                  "169.254.3.3", "fd12::3", "192.168.1.4", "not an address"}),
              (std::vector<std::string>{"192.168.1.4", "203.0.113.9", "2001:db8::7", "fd12::3"}));
}

// The command line that carries a link: the questions win, anything else
// that looks like an option or a second link is wrong.
TEST(CommandLineParse, DecidesWhatTheArgumentsAsk) {
    using A = CommandLine::Action;
    const struct {
        std::vector<std::string> arguments;
        CommandLine expected;
    } cases[] = {
        {{}, {A::Play, "", ""}},
        {{"quorvex://host"}, {A::Play, "quorvex://host", ""}},
        {{"not a link"}, {A::Play, "not a link", ""}},  // the game's box says so
        {{"quorvex://host", "-h"}, {A::Usage, "", ""}},
        {{"--version", "--help"}, {A::Usage, "", ""}},
        {{"--version", "--bogus"}, {A::Version, "", ""}},
        {{"-x"}, {A::Wrong, "", "unknown option \"-x\""}},
        {{"a", "b"}, {A::Wrong, "", "only one game link, please"}},
    };
    for (const auto& c : cases) {
        const CommandLine got = ParseCommandLine(c.arguments);
        EXPECT_EQ(got.action, c.expected.action) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(got.link, c.expected.link);
        EXPECT_EQ(got.problem, c.expected.problem);
    }
}

}  // namespace
