// The host window behind a real home router: miniupnpd runs in a network
// namespace of its own between a "LAN" and a "WAN" namespace, with its
// firewall dropping what comes from the WAN unless a mapping lets it in. The
// host window (in the LAN) maps its port by UPnP, or by NAT-PMP where the
// router speaks only that, a client window on the WAN side plays a game with
// it through the mapping, and after "Stop server" the mapping is gone.
//
// The test thread moves between the namespaces with setns(); every thread a
// window starts is born in the namespace the test thread is in at that moment.
// Needs root, ip, iptables-legacy and miniupnpd; without them it is skipped.
#include "game/application.h"
#include "game/main.h"
#include "net/multiclient.h"
#include "net/multihost.h"
#include "net/portmap.h"
#include "net_window/play.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "support/tempdir.h"
#include "support/wait.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvex;
using qxtest::Click;
using qxtest::ConnW;
using qxtest::Mark;
using qxtest::N;
using qxtest::Place;
using qxtest::WaitFor;
using Lines = std::vector<std::string>;

namespace {

constexpr const char* kDaemon = "/usr/sbin/miniupnpd";
// miniupnpd maps nothing on a private or reserved WAN address, so the WAN link
// uses one from a public block; it exists only inside the test's namespaces.
constexpr const char* kRouterWan = "11.27.0.1";

bool Sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string ShOutput(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p)) out += buffer;
        ::pclose(p);
    }
    return out;
}

// Moves the calling thread into a network namespace.
void Enter(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0) << path;
    EXPECT_EQ(::setns(fd, CLONE_NEWNET), 0) << path;
    ::close(fd);
}

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct RouterKind {
    const char* name;
    bool upnp;        // else NAT-PMP alone
    bool igd2;        // the second version, with its IPv6 firewall
    const char* log;  // what the host's log says once the router answered
    const char* dial; // the address the WAN client connects to
};

class RouterTest : public ::testing::TestWithParam<RouterKind> {
protected:
    void SetUp() override {
        if (::geteuid() != 0 || ::access(kDaemon, X_OK) != 0 || !Sh("command -v iptables-legacy") || !Sh("ip -V"))
            GTEST_SKIP() << "miniupnpd, iptables-legacy, ip or root rights missing: no router to test against";
        qx::SetProgramFolder(dir.Folder());
        const std::string id = std::to_string(::getpid());
        lan = "qxlan" + id;
        router = "qxrtr" + id;
        wan = "qxwan" + id;
        home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        ASSERT_GE(home, 0);
        const std::string r = "ip netns exec " + router + " ";
        const std::string ipt = r + "iptables-legacy ";
        const std::string ip6t = r + "ip6tables-legacy ";
        for (const std::string& command : {
                 "ip netns add " + lan, "ip netns add " + router, "ip netns add " + wan,
                 "ip -n " + lan + " link set lo up", "ip -n " + router + " link set lo up",
                 "ip -n " + wan + " link set lo up",
                 "ip link add lan0 netns " + lan + " type veth peer name rlan netns " + router,
                 "ip link add wan0 netns " + wan + " type veth peer name rwan netns " + router,
                 "ip -n " + lan + " addr add 192.168.27.2/24 dev lan0", "ip -n " + lan + " link set lan0 up",
                 "ip -n " + lan + " route add default via 192.168.27.1",
                 "ip -n " + router + " addr add 192.168.27.1/24 dev rlan", "ip -n " + router + " link set rlan up",
                 "ip -n " + router + " addr add " + kRouterWan + "/24 dev rwan",
                 "ip -n " + router + " link set rwan up", "ip -n " + wan + " addr add 11.27.0.2/24 dev wan0",
                 "ip -n " + wan + " link set wan0 up",
                 r + "sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1",
                 "ip -n " + lan + " addr add 2001:db8:27:1::2/64 dev lan0 nodad",
                 "ip -n " + lan + " route add default via 2001:db8:27:1::1",
                 "ip -n " + router + " addr add 2001:db8:27:1::1/64 dev rlan nodad",
                 "ip -n " + router + " addr add 2001:db8:27:2::1/64 dev rwan nodad",
                 "ip -n " + wan + " addr add 2001:db8:27:2::2/64 dev wan0 nodad",
                 "ip -n " + wan + " route add default via 2001:db8:27:2::1",
                 // The chains miniupnpd fills, hooked in as its own set-up script does,
                 // and a firewall that lets nothing in from the WAN unasked.
                 ipt + "-t nat -N MINIUPNPD", ipt + "-t nat -A PREROUTING -i rwan -j MINIUPNPD",
                 ipt + "-t nat -N MINIUPNPD-POSTROUTING",
                 ipt + "-t nat -A POSTROUTING -o rwan -j MINIUPNPD-POSTROUTING",
                 ipt + "-t nat -A POSTROUTING -o rwan -j MASQUERADE", ipt + "-N MINIUPNPD",
                 ipt + "-A FORWARD -i rwan ! -o rwan -j MINIUPNPD",
                 ipt + "-A FORWARD -i rwan -m conntrack --ctstate ESTABLISHED,RELATED -j ACCEPT",
                 ipt + "-A FORWARD -i rwan -j DROP", ip6t + "-N MINIUPNPD",
                 ip6t + "-A FORWARD -i rwan ! -o rwan -j MINIUPNPD",
                 ip6t + "-A FORWARD -i rwan -m conntrack --ctstate ESTABLISHED,RELATED -j ACCEPT",
                 ip6t + "-A FORWARD -i rwan -p icmpv6 -j ACCEPT", ip6t + "-A FORWARD -i rwan -j DROP"}) {
            ASSERT_TRUE(Sh(command)) << command;
        }
        const std::string conf = dir.Folder() + "miniupnpd.conf";
        std::ofstream(conf) << "ext_ifname=rwan\nlistening_ip=rlan\nhttp_port=0\n"
                            << "enable_upnp=" << (GetParam().upnp ? "yes" : "no") << "\nenable_natpmp=yes\n"
                            << "force_igd_desc_v1=" << (GetParam().igd2 ? "no" : "yes") << "\n"
                            << "secure_mode=yes\nsystem_uptime=yes\nuuid=3d3cec3a-8cf0-11e0-98ee-001a6bd2d07b\n"
                            << "allow 1024-65535 192.168.27.0/24 1024-65535\ndeny 0-65535 0.0.0.0/0 0-65535\n";
        daemonLog = dir.Folder() + "miniupnpd.log";
        daemon = ::fork();
        if (daemon == 0) {
            const int out = ::open(daemonLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, 1);
            ::dup2(out, 2);
            ::execlp("ip", "ip", "netns", "exec", router.c_str(), kDaemon, "-d", "-f", conf.c_str(), "-P",
                     (dir.Folder() + "miniupnpd.pid").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(daemon, 0);
        ASSERT_TRUE(WaitFor([&] { return ShOutput("cat " + daemonLog).find("NAT-PMP/PCP traffic") != std::string::npos; }))
            << ShOutput("cat " + daemonLog);
        SetRouterFactory(MakeSystemRouter);
    }

    void TearDown() override {
        SetRouterFactory({});
        client.reset();
        host.reset();
        if (home >= 0) {
            ::setns(home, CLONE_NEWNET);
            ::close(home);
        }
        if (daemon > 0) {
            ::kill(daemon, SIGTERM);
            ::waitpid(daemon, nullptr, 0);
        }
        for (const std::string& ns : {lan, router, wan})
            if (!ns.empty()) Sh("ip netns del " + ns);
    }

    void EnterNamespace(const std::string& ns) { Enter("/run/netns/" + ns); }

    // The router's forwarding rules (IPv4) and pinholes (IPv6).
    std::string Mappings() {
        return ShOutput("ip netns exec " + router + " iptables-legacy -t nat -S MINIUPNPD") +
               ShOutput("ip netns exec " + router + " ip6tables-legacy -S MINIUPNPD");
    }

    // A plain TCP connect from the WAN to the router's port 9999.
    bool WanReaches() {
        EnterNamespace(wan);
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(9999);
        ::inet_pton(AF_INET, kRouterWan, &to.sin_addr);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
        ::close(fd);
        EnterNamespace(lan);
        return ok;
    }

    qx::DialogScript script;
    qxtest::TempDir dir;
    std::string lan, router, wan, daemonLog;
    int home = -1;
    pid_t daemon = -1;
    std::unique_ptr<Tqx_host> host;
    std::unique_ptr<Tqx_client> client;
};

TEST_P(RouterTest, ClientOnTheWanSidePlaysThroughTheHostsMappingUntilTheServerStops) {
    const std::string opened = N(GetParam().log);
    EnterNamespace(lan);
    host = std::make_unique<Tqx_host>();
    host->nick->setText(QStringLiteral("Hank"));
    host->servername->setText(QStringLiteral("Arena of pain"));
    host->show();
    const auto started = std::chrono::steady_clock::now();
    Click(host->start);
    // "Server active" is there at once; the router answers later, in the log.
    EXPECT_EQ(host->LogLines(), Lines{N("Server active")});
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().size() == 2; })) << ShOutput("cat " + daemonLog);
    const auto mappedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    std::cout << "[ router ] " << GetParam().name << ": port mapped " << mappedMs << " ms after Start server\n";
    ASSERT_EQ(host->LogLines().back(), opened);
    EXPECT_NE(Mappings().find("--dport 9999"), std::string::npos);

    // The client's connection is made on a thread born in the WAN namespace.
    EnterNamespace(wan);
    client = std::make_unique<Tqx_client>();
    client->SetPort(9999);
    client->SetPollInterval(20);
    client->adresse->setText(QString::fromLatin1(GetParam().dial));
    client->nick->setText(QStringLiteral("Cleo"));
    client->show();
    Click(client->start);
    EnterNamespace(lan);
    ASSERT_TRUE(client->client.Connected());
    ASSERT_TRUE(WaitFor([&] { return client->LogLines().size() == 3 && host->send->isEnabled(); }));

    // The example game of the window tests: a draw for Cleo, a win for Hank.
    Place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    Click(host->sendit);
    Click(client->sendit);
    ASSERT_TRUE(WaitFor([&] { return Contains(host->LogLines(), "[game] All positions received!"); }));
    Mark(*host, {6, 7, 8, 16, 1});
    Click(host->BombIt);
    ASSERT_TRUE(WaitFor([&] { return qxtest::Text(client->Label11) == "[ You lost ]"; }));
    Mark(*client, {1, 21, 12, 13, 14});
    Click(client->BombIt);
    ASSERT_TRUE(WaitFor([&] { return qxtest::Text(host->Label11) == "[ Draw ]"; }));
    Click(host->RestartBut);
    ASSERT_TRUE(WaitFor([&] { return Contains(client->LogLines(), "[game] new game started"); }));
    host->sendtext->setText(QStringLiteral("hello client"));
    Click(host->send);
    ASSERT_TRUE(WaitFor([&] { return Contains(client->LogLines(), "<Hank> hello client"); }));
    client->sendtext->setText(QStringLiteral("hi host"));
    Click(client->send);
    ASSERT_TRUE(WaitFor([&] { return Contains(host->LogLines(), "<Cleo> hi host"); }));

    Lines hostLog = qxtest::ExampleGameHostLog();
    hostLog.insert(hostLog.begin() + 1, opened);
    EXPECT_EQ(host->LogLines(), hostLog);
    EXPECT_EQ(client->LogLines(), qxtest::ExampleGameClientLog());

    Click(client->stop);
    ASSERT_TRUE(WaitFor([&] { return Contains(host->LogLines(), N("Client lost")); }));
    Click(host->stop);
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().back() == N("Router: port 9999 closed"); }));
    EXPECT_EQ(Mappings().find("--dport 9999"), std::string::npos) << Mappings();
    EXPECT_FALSE(WanReaches());
}

TEST_P(RouterTest, TheEndOfASessionWithTheServerActiveRemovesTheMapping) {
    std::ofstream(dir.File("setup.ini"), std::ios::binary)
        << "[Einstellungen]\r\nName=Solo\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Hank\r\n"
           "Server=Den\r\n";
    EnterNamespace(lan);
    CreateForms();
    Haupt->Spielbeitreten1->trigger();
    Click(qx_host->start);
    ASSERT_TRUE(WaitFor([&] { return qx_host->LogLines().size() == 2; })) << ShOutput("cat " + daemonLog);
    ASSERT_EQ(qx_host->LogLines().back(), N(GetParam().log));
    // What the game does when its session ends: close, then destroy the windows.
    Haupt->CloseForSessionEnd();
    DestroyForms();
    EXPECT_EQ(Mappings().find("--dport 9999"), std::string::npos) << Mappings();
}

INSTANTIATE_TEST_SUITE_P(Protocols, RouterTest,
                         ::testing::Values(RouterKind{"UPnP", true, false, "Router: port 9999 open at 11.27.0.1", kRouterWan},
                                           RouterKind{"NatPmp", false, false, "Router: port 9999 open at 11.27.0.1",
                                                      kRouterWan},
                                           // The WAN client comes in through the pinhole, to the host's own address.
                                           RouterKind{"UPnPWithIPv6", true, true,
                                                      "Router: port 9999 open at 11.27.0.1 and for IPv6",
                                                      "2001:db8:27:1::2"}),
                         [](const ::testing::TestParamInfo<RouterKind>& info) { return std::string(info.param.name); });

}  // namespace
