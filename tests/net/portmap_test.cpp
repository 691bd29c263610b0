// The port mapper's thread against a router double: a stop never waits for a
// slow router, nor does the end, requests are carried out in order, leases
// are renewed, outcomes are told as they are. Then the bounded conversation
// itself. The real protocols are tried against miniupnpd (net_router). The
// host service starts and stops the server, the announcement and the router
// in one order, and reports each outcome typed; a stop that times out still
// withdraws the game.
#include "core/net/lan/avahilib.h"
#include "core/net/hostservice.h"
#include "core/net/router/portmap.h"
#include "core/net/router/routerlibs.h"
#include "core/net/router/upnpclient.h"
#include "core/net/transport/neterrors.h"
#include "net/net_support.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <condition_variable>
#include <optional>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <variant>

using namespace quorvex;
using Lines = std::vector<std::string>;

namespace {

// The double's calls and the mapper's reports; Open blocks while the gate is shut.
struct Record : Router {
    std::mutex m;
    std::condition_variable gate;
    bool shut = false, inOpen = false;
    RouterAnswer answer{true, "198.51.100.7", false, {}, 3600, 0};
    std::vector<bool> renewals;  // the answers of the next renewals; then true
    RouterFailure closeFailure;  // what the removal answers
    Lines calls, reports;

    RouterAnswer Open(int port, int lease) override {
        std::unique_lock<std::mutex> lock(m);
        calls.push_back("open " + std::to_string(port) + " for " + std::to_string(lease));
        inOpen = true;
        gate.wait(lock, [this] { return !shut; });
        return answer;
    }
    bool Renew() override {
        std::lock_guard<std::mutex> lock(m);
        calls.push_back("renew");
        const bool ok = renewals.empty() || renewals.front();
        if (!renewals.empty()) renewals.erase(renewals.begin());
        return ok;
    }
    RouterFailure Close() override {
        Note(calls, "close");
        return closeFailure;
    }
    void Interrupt() override { Note(calls, "interrupt"); }
    void Note(Lines& lines, const std::string& s) {
        std::lock_guard<std::mutex> lock(m);
        lines.push_back(s);
    }
    Lines Get(const Lines& lines) {
        std::lock_guard<std::mutex> lock(m);
        return lines;
    }
};

// A failure as a value to compare: "why <kind> <port> <code>" (the windows word it).
std::string Why(const RouterFailure& f) {
    return "why " + std::to_string(static_cast<int>(f.kind)) + " " + std::to_string(f.port) + " " +
           std::to_string(f.code);
}

// A report in the shape of the host's log, one line to compare.
std::string Said(const RouterReport& r) {
    const std::string port = "Router: port " + std::to_string(r.port);
    if (r.closed) return port + (r.failure.Failed() ? " not closed (" + Why(r.failure) + ")" : " closed");
    if (r.answer.open)
        return port + " open" + (r.answer.externalAddress.empty() ? "" : " at " + r.answer.externalAddress) +
               (r.answer.pinhole ? " and for IPv6" : "");
    return r.answer.pinhole ? port + " open for IPv6" : "Router: no port opened (" + Why(r.answer.reason) + ")";
}

using K = RouterFailureKind;

struct Forward : Router {  // the mapper owns its router; the test keeps the record
    explicit Forward(Record& r) : r(r) {}
    RouterAnswer Open(int port, int lease) override { return r.Open(port, lease); }
    bool Renew() override { return r.Renew(); }
    RouterFailure Close() override { return r.Close(); }
    void Interrupt() override { r.Interrupt(); }
    Record& r;
};

class PortMapperTest : public ::testing::Test {
protected:
    // A mapper's thread outlives it until its removal is done; the record goes after.
    void TearDown() override { EXPECT_TRUE(PortMapper::AwaitEnds(std::chrono::seconds(10))); }
    // A mapper asking for 9999 of a router that answers once record.shut is cleared.
    std::unique_ptr<PortMapper> OpenWhileTheRouterHangs() {
        record.shut = true;
        auto mapper = Make();
        mapper->Open(9999);
        return mapper;
    }
    bool RouterIsAsked() {
        return qxtest::WaitUntil([&] {
            std::lock_guard<std::mutex> lock(record.m);
            return record.inOpen;
        });
    }
    std::unique_ptr<PortMapper> Make(int lease = 3600) {
        return std::make_unique<PortMapper>([this] { return std::make_unique<Forward>(record); },
                                            [this](const RouterReport& r) { record.Note(record.reports, Said(r)); },
                                            lease);
    }
    bool ReportsAre(const Lines& expected) {
        return qxtest::WaitUntil([&] { return record.Get(record.reports) == expected; });
    }
    Record record;
};

const std::string kOpen = "Router: port 9999 open at 198.51.100.7";

TEST_F(PortMapperTest, AStopDuringASlowDiscoveryReturnsAtOnceAndTheMappingGoesWhenTheRouterAnswers) {
    auto mapper = OpenWhileTheRouterHangs();
    ASSERT_TRUE(RouterIsAsked());
    // The router has not answered yet; none of these calls waits for it.
    mapper->Close();
    mapper->Open(9999);
    mapper->Close();
    EXPECT_TRUE(record.Get(record.reports).empty());
    {
        std::lock_guard<std::mutex> lock(record.m);
        record.shut = false;
    }
    record.gate.notify_all();
    ASSERT_TRUE(ReportsAre({kOpen, "Router: port 9999 closed"}));
    // The second start was over before the router could be asked: nothing asked for it.
    EXPECT_EQ(record.Get(record.calls), (Lines{"open 9999 for 3600", "close"}));
}

TEST_F(PortMapperTest, RenewsTheLeaseAndAsksAgainWhenTheRouterForgotTheMapping) {
    record.answer.leaseSeconds = 2;  // renewed every second
    record.renewals = {false};
    auto mapper = Make(2);
    mapper->Open(9999);
    ASSERT_TRUE(qxtest::WaitUntil([&] { return record.Get(record.calls).size() >= 4; }));
    const Lines calls = record.Get(record.calls);
    EXPECT_EQ(Lines(calls.begin(), calls.begin() + 4), (Lines{"open 9999 for 2", "renew", "open 9999 for 2", "renew"}));
    EXPECT_EQ(record.Get(record.reports), (Lines{kOpen, kOpen}));
}

TEST_F(PortMapperTest, NothingOpenedIsNothingToRemove) {
    record.answer = RouterAnswer{false, "", false, {K::NoRouter}, 0, 0};
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({"Router: no port opened (" + Why({K::NoRouter}) + ")"}));
    mapper->Close();
    mapper.reset();
    EXPECT_EQ(record.Get(record.calls), Lines{"open 9999 for 3600"});
}

}  // namespace

namespace quorvex {
void PrintTo(const HostOutcome& o, std::ostream* os) {
    *os << "outcome " << static_cast<int>(o.state) << " port " << o.port << " \"" << o.text << "\""
        << (o.pinhole ? " pinhole" : "") << " why " << static_cast<int>(o.why.kind) << " " << o.why.port << " "
        << o.why.code;
}
}  // namespace quorvex

namespace {

// A double's call ("announce Game", "router close") or an outcome of the
// service, in one list, so the list shows the order.
using Step = std::variant<std::string, HostOutcome>;
using Steps = std::vector<Step>;

// An outcome on the port listened on (0 here; the test fills it in).
Step Out(HostState state, std::string text = {}, bool pinhole = false, RouterFailure why = {}) {
    return HostOutcome{state, 0, std::move(text), pinhole, std::move(why)};
}

Steps OnPort(Steps steps, int port) {
    for (Step& s : steps)
        if (auto* o = std::get_if<HostOutcome>(&s)) o->port = port;
    return steps;
}

// Announces under the name it is given, at once.
struct Names : Announcer {
    Steps& log;
    std::string as;
    Names(Steps& l, std::string a) : log(l), as(std::move(a)) {}
    void Start(const std::string& name, int, Announced announced) override {
        log.push_back("announce " + name);
        announced(as);
    }
    void Stop() override { log.push_back("withdraw"); }
};

// Answers at once; a removal of what it opened fails with closeFailure when that is set.
struct Port : RouterPort {
    Steps& log;
    RouterAnswer answer;
    RouterFailure closeFailure;
    PortMapper::TypedReport report;
    int opened = 0;
    Port(Steps& l, RouterAnswer a, RouterFailure f, PortMapper::TypedReport r)
        : log(l), answer(std::move(a)), closeFailure(std::move(f)), report(std::move(r)) {}
    void Open(int port) override {
        log.push_back("router open");
        report({port, false, answer, {}});
        if (answer.open || answer.pinhole) opened = port;
    }
    void Close() override {
        log.push_back("router close");
        if (opened) report({opened, true, {}, closeFailure});
        opened = 0;
    }
};

std::unique_ptr<HostService> MakeService(Steps& log, const std::optional<RouterAnswer>& router,
                                         const std::string& announcedAs, const RouterFailure& closeFailure = {}) {
    RouterPortMaker maker;
    if (router)
        maker = [&log, router, closeFailure](PortMapper::TypedReport r) {
            return std::make_unique<Port>(log, *router, closeFailure, std::move(r));
        };
    auto service = std::make_unique<HostService>(std::make_unique<Names>(log, announcedAs), maker,
                                                 [&log](const HostOutcome& o) { log.push_back(o); });
    service->Server().SetDefaultPort(0);
    return service;
}

// The router answers at once, the announcer renames as told.
struct ServiceCase {
    const char* name;
    std::optional<RouterAnswer> router;  // none: no router is asked
    std::string announcedAs;
    RouterFailure closeFailure;  // the router's, on removal
    bool stopByEnd;            // the window goes away instead of "Stop server"
    Steps expected;
};

void PrintTo(const ServiceCase& c, std::ostream* os) { *os << c.name; }

class HostServiceTest : public ::testing::TestWithParam<ServiceCase> {};

TEST_P(HostServiceTest, StartsAndStopsInOneOrderAndReportsEachOutcome) {
    const ServiceCase& c = GetParam();
    Steps log;
    auto service = MakeService(log, c.router, c.announcedAs, c.closeFailure);
    service->Start("Game");
    const int port = service->Server().BoundPort();
    c.stopByEnd ? service.reset() : service->Stop();
    EXPECT_EQ(log, OnPort(c.expected, port));
}

using S = HostState;
const RouterAnswer kMapped{true, "198.51.100.7", false, {}, 3600};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, HostServiceTest,
    ::testing::Values(
        ServiceCase{"Mapped", kMapped, "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::Mapped, "198.51.100.7"), "withdraw", Out(S::Closed), "router close", Out(S::RouterClosed)}},
        ServiceCase{"MappedWithPinholeAndRenamed", RouterAnswer{true, "", true, {}, 0}, "Game #2", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game #2"), Out(S::Renamed, "Game #2"),
                     "router open", Out(S::Mapped, "", true), "withdraw", Out(S::Closed), "router close",
                     Out(S::RouterClosed)}},
        ServiceCase{"PinholeOnlyAndWhyNotIPv4", RouterAnswer{false, "", true, {K::PortInUse, 0}, 0},
                    "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::PinholeOpen, "", true, {K::PortInUse, 0}), "withdraw", Out(S::Closed),
                     "router close", Out(S::RouterClosed)}},
        ServiceCase{"AnswersFromOtherMachinesIgnored",
                    RouterAnswer{false, "", false, {K::NoGatewayAnswer}, 0, 0,
                                 {{"192.168.27.66", upnp::IgnoredAnswer::Why::NotTheGateway},
                                  {"192.168.27.1", upnp::IgnoredAnswer::Why::LocationElsewhere}}},
                    "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::NotTheGateway, "192.168.27.66"), Out(S::LocationElsewhere, "192.168.27.1"),
                     Out(S::Refused, "", false, {K::NoGatewayAnswer}), "withdraw", Out(S::Closed),
                     "router close"}},
        ServiceCase{"PinholeOnly", RouterAnswer{false, "", true, {}, 0}, "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::PinholeOpen, "", true), "withdraw", Out(S::Closed), "router close", Out(S::RouterClosed)}},
        ServiceCase{"Refused", RouterAnswer{false, "", false, {K::NoRouter}, 0}, "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::Refused, "", false, {K::NoRouter}), "withdraw", Out(S::Closed), "router close"}},
        ServiceCase{"NotClosed", kMapped, "Game", {K::Late}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::Mapped, "198.51.100.7"), "withdraw", Out(S::Closed), "router close",
                     Out(S::NotClosed, "", false, {K::Late})}},
        ServiceCase{"NoRouter", std::nullopt, "Game", {}, false,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "withdraw", Out(S::Closed)}},
        ServiceCase{"EndOfTheWindowReportsNothing", kMapped, "Game", {}, true,
                    {Out(S::Listening), "announce Game", Out(S::Announced, "Game"), "router open",
                     Out(S::Mapped, "198.51.100.7"), "withdraw", "router close"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The listening sockets close before the stop waits for the connection
// thread: when that wait runs out, the game is withdrawn all the same.
TEST(HostServiceStop, AStopThatTimesOutWithdrawsTheGameAndTheNextStopEndsIt) {
    Steps log;
    // The handler hangs until the test lets it go (at the latest when it ends).
    std::atomic<bool> hanging{true};
    auto service = MakeService(log, kMapped, "Game");
    struct LetGo {
        std::atomic<bool>& hanging;
        ~LetGo() { hanging = false; }
    } letGo{hanging};
    service->Server().SetTerminateWaitTime(300);
    service->Server().OnConnect = [&hanging](const ConnectionPtr&) {
        while (hanging) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    service->Start("Game");
    const int port = service->Server().BoundPort();
    nettest::RawSocket client = nettest::RawSocket::Connect(port);
    ASSERT_TRUE(nettest::WaitUntil([&] { return service->Server().Serving(); }));
    log.clear();
    try {
        service->Stop();
        ADD_FAILURE() << "the stop did not time out";
    } catch (const NetTimeoutError& e) {
        EXPECT_STREQ(e.what(), kTerminateTimedOut);
    }
    EXPECT_TRUE(service->Server().Active());
    EXPECT_EQ(log, OnPort({"withdraw", Out(S::Withdrawn), "router close", Out(S::RouterClosed)}, port));
    EXPECT_THROW(nettest::RawSocket::Connect(port), std::runtime_error);  // nobody listens
    // The player lets the router be asked again: nothing is, the game is withdrawn.
    log.clear();
    service->RouterConsentChanged(true);
    EXPECT_TRUE(log.empty());
    hanging = false;
    ASSERT_TRUE(nettest::WaitUntil([&] { return !service->Server().Serving(); }));
    service->Stop();
    EXPECT_FALSE(service->Server().Active());
    EXPECT_EQ(log, OnPort({Out(S::Closed)}, port));
    service.reset();
    EXPECT_EQ(log, OnPort({Out(S::Closed)}, port));  // the end has nothing left to withdraw
}

TEST_F(PortMapperTest, TheEndDuringARouterSearchReturnsWhileTheRouterIsStillAsked) {
    auto mapper = OpenWhileTheRouterHangs();
    ASSERT_TRUE(RouterIsAsked());
    mapper.reset();
    // Back while the router still holds the search: the search was told to end.
    EXPECT_EQ(record.Get(record.calls), (Lines{"open 9999 for 3600", "interrupt"}));
    EXPECT_FALSE(PortMapper::AwaitEnds(std::chrono::milliseconds(0)));
    {
        std::lock_guard<std::mutex> lock(record.m);
        record.shut = false;
    }
    record.gate.notify_all();
    // What the search opened after all is removed, without a word to the gone window.
    EXPECT_TRUE(PortMapper::AwaitEnds(std::chrono::seconds(10)));
    EXPECT_EQ(record.Get(record.calls), (Lines{"open 9999 for 3600", "interrupt", "close"}));
    EXPECT_TRUE(record.Get(record.reports).empty());
}

TEST_F(PortMapperTest, ThePinholeIsRenewedOnItsOwnLeaseWithoutAnIPv4Mapping) {
    record.answer = RouterAnswer{false, "", true, {K::PortInUse, 9999}, 0, 2};
    auto mapper = Make(2);
    mapper->Open(9999);
    ASSERT_TRUE(qxtest::WaitUntil([&] { return record.Get(record.calls).size() >= 2; }));
    EXPECT_EQ(record.Get(record.calls)[1], "renew");
    EXPECT_EQ(record.Get(record.reports), Lines{"Router: port 9999 open for IPv6"});
}

TEST_F(PortMapperTest, AFailedRemovalIsLoggedWithItsReason) {
    record.closeFailure = {K::Late};
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({kOpen}));
    mapper->Close();
    ASSERT_TRUE(ReportsAre({kOpen, "Router: port 9999 not closed (" + Why({K::Late}) + ")"}));
}

TEST(RouterConversation, ALocationIsBelievedOnlyAtTheAddressThatAnswered) {
    const struct {
        const char* location;
        const char* responder;
        bool accepted;
    } cases[] = {
        {"http://192.168.27.1:5000/rootDesc.xml", "192.168.27.1", true},
        {"http://[2001:db8:27:1::1]:5000/rootDesc.xml", "2001:db8:27:1::1", true},
        {"http://192.168.27.9:5000/rootDesc.xml", "192.168.27.1", false},   // another host
        {"http://127.0.0.1:8631/anything?x=1", "127.0.0.1", false},         // loopback
        {"http://[::1]:8631/", "::1", false},
        {"http://router.local:5000/rootDesc.xml", "192.168.27.1", false},   // a name to look up
        {"https://192.168.27.1/rootDesc.xml", "192.168.27.1", false},
        {"http://192.168.27.1:5000/a\r\nHost: x", "192.168.27.1", false},    // a header of its own
    };
    for (const auto& c : cases)
        EXPECT_EQ(upnp::LocationAccepted(c.location, c.responder), c.accepted) << c.location;
}

// The default route's gateway of the interface an answer came on, as the
// kernel lists its routes; the lowest metric wins, other interfaces and
// routes that are not the default one do not count.
TEST(RouterConversation, TheGatewayIsTheDefaultRoutesOfTheInterface) {
    const std::string v4 =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
        "eth0\t00000000\t011BA8C0\t0003\t0\t0\t200\t00000000\t0\t0\t0\n"
        "eth0\t00000000\t091BA8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
        "eth0\t001BA8C0\t421BA8C0\t0003\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
        "wlan0\t00000000\t0137000A\t0001\t0\t0\t0\t00000000\t0\t0\t0\n"
        "eth1\t00000000\t0137000A\t0003\t0\t0\t0\t00000000\t0\t0\t0\n";
    const std::string v6 =
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "fe800000000000000000000000000001 00000400 00000001 00000000 00000003 eth0\n"
        "20010db8002700010000000000000000 40 00000000000000000000000000000000 00 "
        "20010db8002700010000000000000042 00000100 00000001 00000000 00000003 eth0\n"
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200 lo\n"
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "20010db8002700010000000000000001 00000100 00000001 00000000 00000003 eth1\n";
    const struct {
        const std::string* routes;
        bool ipv6;
        const char* iface;
        const char* gateway;
    } cases[] = {
        {&v4, false, "eth0", "192.168.27.9"},  // the lower metric of two defaults
        {&v4, false, "wlan0", ""},             // no gateway flag
        {&v4, false, "eth1", "10.0.55.1"},
        {&v4, false, "eth9", ""},
        {&v6, true, "eth0", "fe80::1"},        // not the /64 beside it
        {&v6, true, "lo", ""},                 // an unreachable route, no next hop
        {&v6, true, "eth1", "2001:db8:27:1::1"},
        {&v4, true, "eth0", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(upnp::DefaultGateway(*c.routes, c.ipv6, c.iface), c.gateway) << c.iface << (c.ipv6 ? " IPv6" : "");
}

// A router's answer that comes a byte at a time ends with the exchange's limit.
TEST(RouterConversation, ADrippingAnswerEndsAtTheTimeLimit) {
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&at), &size);
    std::atomic<bool> gaveUp{false};
    std::atomic<int> dripped{0};
    std::thread router([&] {
        const int c = ::accept(listener, nullptr, nullptr);
        const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n";
        ::send(c, head.data(), head.size(), MSG_NOSIGNAL);
        while (!gaveUp && ::send(c, "<", 1, MSG_NOSIGNAL) == 1) {
            ++dripped;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::close(c);
    });
    const auto url = upnp::ParseUrl("http://127.0.0.1:" + std::to_string(ntohs(at.sin_port)) + "/rootDesc.xml");
    ASSERT_TRUE(url.has_value());
    const auto reply = upnp::Http(*url, "", "", upnp::Deadline(std::chrono::milliseconds(300)));
    const int sent = dripped;
    gaveUp = true;
    router.join();
    ::close(listener);
    EXPECT_FALSE(reply.has_value());
    EXPECT_LT(sent, 1000);  // the answer was still coming
}

}  // namespace

namespace {

// The network libraries are loaded on first use: every function is found, and
// a library or function that is not there is told, not called.
TEST(NetworkLibraries, AreLoadedWholeOrNotAtAll) {
    std::string why = "unset";
    const RouterLibraries* router = LoadRouterLibraries(&why);
    ASSERT_NE(router, nullptr) << why;
    EXPECT_EQ(why, "");
    EXPECT_NE(router->readnatpmpresponseorretry, nullptr);
    EXPECT_NE(router->ClearNameValueList, nullptr);
    const AvahiLibraries* avahi = LoadAvahiLibraries(&why);
    ASSERT_NE(avahi, nullptr) << why;
    EXPECT_NE(avahi->avahi_service_resolver_free, nullptr);

    qx::SharedLibrary missing("libquorvex-nowhere.so.1");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_NE(missing.Error().find("libquorvex-nowhere.so.1"), std::string::npos) << missing.Error();
    int (*fn)() = nullptr;
    EXPECT_FALSE(missing.Bind(fn, "initnatpmp"));
    qx::SharedLibrary natpmp(QUORVEX_TEST_NATPMP_SONAME);
    ASSERT_TRUE(natpmp.Loaded()) << natpmp.Error();
    EXPECT_FALSE(natpmp.Bind(fn, "no_such_function"));
    EXPECT_EQ(fn, nullptr);
    EXPECT_EQ(natpmp.Error(), std::string(QUORVEX_TEST_NATPMP_SONAME) + " has no no_such_function");
}

}  // namespace
