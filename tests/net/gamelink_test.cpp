// Game links: what joins a game and what is refused, and the links the host hands out.
#include "net/gamelink.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

struct LinkCase {
    const char* text;
    bool valid;
    const char* host;
    int port;
};

class GameLinkParse : public ::testing::TestWithParam<LinkCase> {};

TEST_P(GameLinkParse, ReadsHostAndPortOrRefuses) {
    const LinkCase& c = GetParam();
    const auto link = ParseGameLink(c.text);
    ASSERT_EQ(link.has_value(), c.valid) << c.text;
    if (!c.valid) return;
    EXPECT_EQ(link->host, c.host);
    EXPECT_EQ(link->port, c.port);
}

INSTANTIATE_TEST_SUITE_P(
    Links, GameLinkParse,
    ::testing::Values(LinkCase{"quorvex://192.168.1.20", true, "192.168.1.20", 9999},
                      LinkCase{"quorvex://game-pc.local:4711", true, "game-pc.local", 4711},
                      LinkCase{"QUORVEX://Host/", true, "Host", 9999},
                      LinkCase{"quorvex://[fd00::5]", true, "fd00::5", 9999},
                      LinkCase{"quorvex://[2001:db8::1]:65535", true, "2001:db8::1", 65535},
                      LinkCase{"quorvex://10.0.0.1:1", true, "10.0.0.1", 1},
                      LinkCase{"quorvex://", false, "", 0},
                      LinkCase{"http://host", false, "", 0},
                      LinkCase{"quorvex:host", false, "", 0},
                      LinkCase{"quorvex://2001:db8::1", false, "", 0},
                      LinkCase{"quorvex://[host]", false, "", 0},
                      LinkCase{"quorvex://[::1", false, "", 0},
                      LinkCase{"quorvex://[::1]x", false, "", 0},
                      LinkCase{"quorvex://host:", false, "", 0},
                      LinkCase{"quorvex://host:0", false, "", 0},
                      LinkCase{"quorvex://host:65536", false, "", 0},
                      LinkCase{"quorvex://host:99x", false, "", 0},
                      LinkCase{"quorvex://host/path", false, "", 0},
                      LinkCase{"quorvex://host?join=1", false, "", 0},
                      LinkCase{"quorvex://user@host", false, "", 0},
                      LinkCase{"quorvex://-host", false, "", 0},
                      LinkCase{"quorvex://ho st", false, "", 0}));

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

}  // namespace
