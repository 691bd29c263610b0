// Game links: what joins a game and what is refused, the links the host hands
// out, the command line that carries one, and the socket through which a
// second start hands its link over; the list of games found on the local
// network.
#include "core/game/commandline.h"
#include "core/net/lan/gamelink.h"
#include "core/net/lan/gamelist.h"
#include "core/net/lan/linksocket.h"
#include "support/tempdir.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

// The system's epoll_ctl for this program, with a double's switch: the
// n-th addition from now fails (0: none fails).
static std::atomic<int> g_failedEpollAdd{0};
extern "C" int epoll_ctl(int set, int op, int fd, epoll_event* event) noexcept {
    using Real = int (*)(int, int, int, epoll_event*);
    static const auto real = reinterpret_cast<Real>(::dlsym(RTLD_NEXT, "epoll_ctl"));
    if (op == EPOLL_CTL_ADD && g_failedEpollAdd > 0 && --g_failedEpollAdd == 0) {
        errno = ENOMEM;
        return -1;
    }
    return real(set, op, fd, event);
}

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
        {{"--", "quorvex://host"}, {A::Play, "quorvex://host", ""}},  // "--" ends the options
        {{"--", "-h"}, {A::Play, "-h", ""}},
        {{"-x", "--", "a"}, {A::Wrong, "", "unknown option \"-x\""}},
        {{"--", "a", "--"}, {A::Wrong, "", "only one game link, please"}},
    };
    for (const auto& c : cases) {
        const CommandLine got = ParseCommandLine(c.arguments);
        EXPECT_EQ(got.action, c.expected.action) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(got.link, c.expected.link);
        EXPECT_EQ(got.problem, c.expected.problem);
    }
}

// One turn of a running game's loop: a short wait for its socket, then what came.
void Serve(LinkListener& game, std::vector<std::string>& taken) {
    pollfd p{game.Fd(), POLLIN, 0};
    ::poll(&p, 1, 10);
    for (std::string& line : game.Service()) taken.push_back(line);
}

// The lines a running game takes once one has arrived.
std::vector<std::string> FirstLines(LinkListener& game) {
    std::vector<std::string> taken;
    EXPECT_TRUE(qxtest::WaitUntil([&] { return !taken.empty(); }, [&] { Serve(game, taken); }));
    return taken;
}

// One connection per case to a running game's listener, whose peer check is a
// double: what arrives, and that the game closes the connection in every case.
struct HandedCase {
    const char* what;
    bool otherUser;
    std::string sent;
    bool endsWriting;
    std::vector<std::string> taken;
};

TEST(LinkSocket, TakesOneBoundedLineFromThePlayersOwnProgramsAndClosesEveryConnection) {
    const std::vector<HandedCase> cases = {
        {"a link", false, "quorvex://pc:4711\n", false, {"quorvex://pc:4711"}},
        {"a line ending CR LF", false, "quorvex://pc\r\n", false, {"quorvex://pc"}},
        {"another user", true, "quorvex://pc\n", false, {}},
        {"nothing sent", false, "", false, {}},
        {"a line too long", false, std::string(kMaxLinkLine, 'a') + "\n", false, {}},
        {"an end without a line break", false, "quorvex://pc", true, {}},
    };
    qxtest::TempDir dir;
    const std::string path = dir.File("links");
    for (const HandedCase& c : cases) {
        SCOPED_TRACE(c.what);
        LinkListener game([&](int) { return c.otherUser ? ::geteuid() + 1 : ::geteuid(); },
                          std::chrono::milliseconds(50));
        ASSERT_EQ(game.Listen(path), LinkListener::Outcome::Listening);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::send(fd, c.sent.data(), c.sent.size(), MSG_NOSIGNAL);
        if (c.endsWriting) ::shutdown(fd, SHUT_WR);
        std::vector<std::string> taken;
        auto closedByGame = [fd] {
            char byte;
            const ssize_t n = ::recv(fd, &byte, 1, MSG_DONTWAIT);
            return n == 0 || (n < 0 && errno != EAGAIN);
        };
        EXPECT_TRUE(qxtest::WaitUntil(closedByGame, [&] { Serve(game, taken); }));
        EXPECT_EQ(taken, c.taken);
        EXPECT_EQ(game.OpenConnections(), 0U);
        ::close(fd);
    }
}

TEST(LinkSocket, HandsOverOnlyToTheRunningGamesOwnSocketInAPrivateFolder) {
    qxtest::TempDir dir;
    const std::string path = dir.File("links");
    EXPECT_FALSE(HandLinkTo(path, "quorvex://pc"));  // no game runs
    LinkListener game;
    ASSERT_EQ(game.Listen(path), LinkListener::Outcome::Listening);
    EXPECT_EQ(LinkListener().Listen(path), LinkListener::Outcome::AnotherGame);
    std::thread second([&] { EXPECT_TRUE(HandLinkTo(path, "quorvex://pc")); });
    EXPECT_EQ(FirstLines(game), std::vector<std::string>{"quorvex://pc"});
    second.join();
    if (::geteuid() == 0) {  // only root can give the socket file to another user
        ASSERT_EQ(::lchown(path.c_str(), 4242, -1), 0);
        EXPECT_FALSE(HandLinkTo(path, "quorvex://pc"));
    }

    ::chmod(dir.File("").c_str(), 0700);
    const std::string linked = dir.File("linked");
    ::symlink(dir.File("").c_str(), linked.c_str());
    EXPECT_EQ(PrivateRuntimeFolder(dir.File("").c_str()), dir.File("").substr(0, dir.File("").size() - 1));
    for (const char* notPrivate : {static_cast<const char*>(nullptr), "", "relative/folder", linked.c_str()})
        EXPECT_FALSE(PrivateRuntimeFolder(notPrivate)) << (notPrivate ? notPrivate : "unset");
    ::chmod(dir.File("").c_str(), 0755);
    EXPECT_FALSE(PrivateRuntimeFolder(dir.File("").c_str()));
}

std::size_t OpenDescriptors() {
    const auto all = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(all), end(all)));
}

// What a game that was killed leaves: a socket file nobody listens at.
bool LeaveSocketFile(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// The set that cannot take the listening socket, or the timer: the failed
// Listen leaves no descriptor and no socket file behind, and the next one listens.
TEST(LinkSocket, AListenThatFailsLeavesNothingOpenAndTheNextOneListens) {
    qxtest::TempDir dir;
    const std::string path = dir.File("links");
    for (int failing : {1, 2}) {
        SCOPED_TRACE(failing);
        const std::size_t before = OpenDescriptors();
        {
            LinkListener game;
            std::string why;
            g_failedEpollAdd = failing;
            EXPECT_EQ(game.Listen(path, &why), LinkListener::Outcome::Failed);
            g_failedEpollAdd = 0;
            EXPECT_EQ(why, path + ": " + std::strerror(ENOMEM));
            EXPECT_EQ(OpenDescriptors(), before);
            EXPECT_FALSE(std::filesystem::exists(path));
            ASSERT_EQ(game.Listen(path), LinkListener::Outcome::Listening);
            EXPECT_EQ(OpenDescriptors(), before + 3);  // the socket, the set and the timer
        }
        EXPECT_EQ(OpenDescriptors(), before);
    }
}

// Two games started at the same moment, with or without the socket file of
// a game that was killed: one listens, the other finds it, and the socket
// file is the listening one's.
TEST(LinkSocket, TwoGamesStartedAtOnceLeaveOneListenerWhoseSocketTakesTheLink) {
    qxtest::TempDir dir;
    for (const bool leftBehind : {false, true}) {
        SCOPED_TRACE(leftBehind ? "a socket file left behind" : "no socket file");
        for (int round = 0; round < 100; ++round) {
            const std::string path = dir.File("links" + std::to_string(round) + (leftBehind ? "-left" : ""));
            if (leftBehind) {
                ASSERT_TRUE(LeaveSocketFile(path));
            }
            LinkListener games[2];
            LinkListener::Outcome outcomes[2];
            std::string whys[2];
            std::atomic<int> ready{0};
            const auto start = [&](int n) {
                // Both start together; a spin that yields hands the core to
                // the other thread when it has not been given one yet.
                for (++ready; ready < 2;) std::this_thread::yield();
                outcomes[n] = games[n].Listen(path, &whys[n]);
            };
            std::thread first(start, 0), second(start, 1);
            first.join();
            second.join();
            ASSERT_EQ((std::multiset<LinkListener::Outcome>{outcomes[0], outcomes[1]}),
                      (std::multiset{LinkListener::Outcome::Listening, LinkListener::Outcome::AnotherGame}))
                << whys[0] << " " << whys[1];
            LinkListener& listening = games[outcomes[0] == LinkListener::Outcome::Listening ? 0 : 1];
            std::thread hand([&] { EXPECT_TRUE(HandLinkTo(path, "quorvex://pc")); });
            EXPECT_EQ(FirstLines(listening), std::vector<std::string>{"quorvex://pc"});
            hand.join();
        }
    }
}

// A running game that takes its connections only after the second start has
// stopped waiting (its queue was full, or it was busy): the link is opened by
// exactly one of them, the running game or a new one.
TEST(LinkSocket, ALinkTakenLateIsOpenedOnceByOneGame) {
    qxtest::TempDir dir;
    const std::string path = dir.File("links");
    LinkListener game;
    ASSERT_EQ(game.Listen(path), LinkListener::Outcome::Listening);
    bool handed = true;
    std::thread([&] { handed = HandLinkTo(path, "quorvex://pc", std::chrono::milliseconds(100)); }).join();
    std::vector<std::string> taken;
    bool accepted = false;
    EXPECT_TRUE(qxtest::WaitUntil([&] { return !taken.empty() || (accepted && game.OpenConnections() == 0); }, [&] {
        Serve(game, taken);
        accepted = accepted || game.OpenConnections() > 0;
    }));
    EXPECT_EQ((handed ? 0U : 1U) + taken.size(), 1U) << (handed ? "handed" : "a new game opens it too");
}


// What the network tells the list, one step at a time: a service appears
// ("+"), resolves to an address ("="; none: it failed) or goes ("-").
struct ListStep {
    char what;
    int protocol;  // 0 IPv4, 1 IPv6: the same name is two services
    std::string name;
    std::string address;
    int port;
};

struct ListCase {
    const char* what;
    std::size_t bound;
    std::vector<ListStep> steps;
    std::vector<std::string> rows;  // the first rows, "name address:port"
    std::size_t shown;              // rows in all
    std::size_t size;               // services followed
};

// 200 names announced and resolved on both protocols, before anything else.
std::vector<ListStep> Flood(bool resolved) {
    std::vector<ListStep> steps;
    for (int i = 1; i <= 200; ++i)
        for (int protocol : {0, 1}) {
            const std::string name = "Flood " + std::to_string(i);
            steps.push_back({'+', protocol, name, "", 0});
            if (resolved) steps.push_back({'=', protocol, name, protocol ? "2001:db8::66" : "10.55.0.66", 9999});
        }
    return steps;
}

std::vector<ListStep> Then(std::vector<ListStep> first, const std::vector<ListStep>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(LanGameList, KeepsTheNewestUnderAFloodAndOneRowPerNameAndAddress) {
    const std::vector<ListStep> alice = {{'+', 0, "Alice", "", 0}, {'=', 0, "Alice", "10.55.0.1", 9999}};
    const ListCase cases[] = {
        {"one game", 8, alice, {"Alice 10.55.0.1:9999"}, 1, 1},
        {"unresolved is not shown", 8, {{'+', 0, "Alice", "", 0}}, {}, 0, 1},
        {"a failed resolution is not shown", 8, Then(alice, {{'=', 0, "Alice", "", 0}}), {}, 0, 1},
        {"gone", 8, Then(alice, {{'-', 0, "Alice", "", 0}}), {}, 0, 0},
        {"announced again starts unresolved", 8, Then(alice, {{'+', 0, "Alice", "", 0}}), {}, 0, 1},
        {"one name and address on both protocols is one row, with the latest port", 8,
         Then(alice, {{'+', 1, "Alice", "", 0}, {'=', 1, "Alice", "10.55.0.1", 4711}}), {"Alice 10.55.0.1:4711"}, 1, 2},
        {"two addresses are two rows, IPv4 first", 8,
         Then(alice, {{'+', 1, "Alice", "", 0}, {'=', 1, "Alice", "fe80::1%eth0", 9999}}),
         {"Alice 10.55.0.1:9999", "Alice fe80::1%eth0:9999"}, 2, 2},
        {"a flood of resolved names drops the oldest, never the newest", 64, Then(Flood(true), alice),
         {"Alice 10.55.0.1:9999", "Flood 169 2001:db8::66:9999"}, 64, 64},
        {"a flood that never resolves makes room for a game that does", 64,
         Then(Flood(false), {{'+', 0, "Alice", "", 0}, {'+', 0, "Bob", "", 0}, {'=', 0, "Alice", "10.55.0.1", 9999},
                             {'=', 0, "Bob", "10.55.0.2", 9999}}),
         {"Alice 10.55.0.1:9999", "Bob 10.55.0.2:9999"}, 2, 64},
        {"a game announced on both protocols after a resolved flood keeps both", 64,
         Then(Flood(true), {{'+', 0, "Alice", "", 0}, {'+', 1, "Alice", "", 0}, {'=', 1, "Alice", "fe80::1%eth0", 9999},
                            {'=', 0, "Alice", "10.55.0.1", 9999}}),
         {"Alice 10.55.0.1:9999", "Alice fe80::1%eth0:9999"}, 64, 64},
        {"when full, an unresolved entry goes before an older resolved one", 2,
         Then(alice, {{'+', 0, "Mallory", "", 0}, {'+', 0, "Bob", "", 0}, {'=', 0, "Bob", "10.55.0.2", 9999}}),
         {"Alice 10.55.0.1:9999", "Bob 10.55.0.2:9999"}, 2, 2},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        LanGameList list(c.bound);
        for (const ListStep& s : c.steps) {
            const LanService service{1, s.protocol, s.name, "local"};
            if (s.what == '+') {
                for (const LanService& dropped : list.Add(service)) EXPECT_FALSE(list.Contains(dropped));
                EXPECT_TRUE(list.Contains(service));
            } else if (s.what == '=') {
                list.Resolved(service, {"", s.address, s.port, s.address.find(':') == std::string::npos ? 0 : 2});
            } else {
                list.Remove(service);
            }
            EXPECT_LE(list.Size(), c.bound);
        }
        std::vector<std::string> rows;
        for (const LanGame& g : list.Rows()) rows.push_back(g.name + " " + g.address + ":" + std::to_string(g.port));
        EXPECT_EQ(rows.size(), c.shown);
        rows.resize(std::min(rows.size(), c.rows.size()));
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(list.Size(), c.size);
    }
}

}  // namespace
