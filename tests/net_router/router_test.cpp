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
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "core/net/router/portmap.h"
#include "net_window/play.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "core/settings/settingsfile.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using qxtest::Click;
using qxtest::ConnW;
using qxtest::Mark;
using qxtest::N;
using qxtest::Place;
using qxtest::WaitFor;
using Lines = std::vector<std::string>;

namespace {

// The three namespaces ($1 LAN, $2 router, $3 WAN) and the router daemon; $4
// its folder, $5 whether it speaks UPnP, $6 whether only as the IGD's first
// version. miniupnpd maps nothing on a private or reserved WAN address, so the
// WAN link uses one from a public block; it exists only inside these namespaces.
constexpr const char* kTopology = R"(set -e
ip netns add $2; ip netns add $3
for n in $1 $2 $3; do ip -n $n link set lo up; done
ip link add lan0 netns $1 type veth peer name rlan netns $2
ip link add wan0 netns $3 type veth peer name rwan netns $2
addr() { ip -n $1 addr add $3 dev $2 nodad; ip -n $1 link set $2 up; }
addr $1 lan0 192.168.27.2/24; addr $1 lan0 2001:db8:27:1::2/64
addr $2 rlan 192.168.27.1/24; addr $2 rlan 2001:db8:27:1::1/64
addr $2 rwan 11.27.0.1/24; addr $2 rwan 2001:db8:27:2::1/64
addr $3 wan0 11.27.0.2/24; addr $3 wan0 2001:db8:27:2::2/64
ip -n $1 route add default via 192.168.27.1; ip -n $1 -6 route add default via 2001:db8:27:1::1
ip -n $3 -6 route add default via 2001:db8:27:2::1
R="ip netns exec $2"
$R sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1
# The chains miniupnpd fills, hooked in as its own set-up script does, and a
# firewall that lets nothing in from the WAN unasked.
for t in iptables-legacy ip6tables-legacy; do
  $R $t -N MINIUPNPD; $R $t -A FORWARD -i rwan ! -o rwan -j MINIUPNPD
  $R $t -A FORWARD -i rwan -m conntrack --ctstate ESTABLISHED,RELATED -j ACCEPT
done
$R ip6tables-legacy -A FORWARD -i rwan -p icmpv6 -j ACCEPT
for t in iptables-legacy ip6tables-legacy; do $R $t -A FORWARD -i rwan -j DROP; done
$R iptables-legacy -t nat -N MINIUPNPD; $R iptables-legacy -t nat -A PREROUTING -i rwan -j MINIUPNPD
$R iptables-legacy -t nat -N MINIUPNPD-POSTROUTING
$R iptables-legacy -t nat -A POSTROUTING -o rwan -j MINIUPNPD-POSTROUTING
$R iptables-legacy -t nat -A POSTROUTING -o rwan -j MASQUERADE
printf '%s\n' ext_ifname=rwan listening_ip=rlan http_port=0 enable_upnp=$5 enable_natpmp=yes \
  force_igd_desc_v1=$6 secure_mode=yes uuid=3d3cec3a-8cf0-11e0-98ee-001a6bd2d07b \
  'allow 1024-65535 192.168.27.0/24 1024-65535' 'deny 0-65535 0.0.0.0/0 0-65535' > $4/miniupnpd.conf
$R /usr/sbin/miniupnpd -d -f $4/miniupnpd.conf -P $4/miniupnpd.pid > $4/miniupnpd.log 2>&1 &
)";
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

bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct RouterKind {
    const char* name;
    bool upnp;         // else NAT-PMP alone
    bool igd2;         // the second version, with its IPv6 firewall
    const char* log;   // what the host's log says once the router answered
    const char* dial;  // the address the WAN client connects to
};
void PrintTo(const RouterKind& kind, std::ostream* out) { *out << kind.name; }

class RouterTest : public ::testing::TestWithParam<RouterKind> {
protected:
    void SetUp() override {
        if (::geteuid() != 0 || ::access("/usr/sbin/miniupnpd", X_OK) != 0 || !Sh("command -v iptables-legacy") ||
            !Sh("ip -V"))
            GTEST_SKIP() << "miniupnpd, iptables-legacy, ip or root rights missing: no router to test against";
        qx::SetProgramFolder(dir.Folder());
        const std::string id = std::to_string(::getpid());
        lan = "qxlan" + id, router = "qxrtr" + id, wan = "qxwan" + id;
        home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        if (!Sh("ip netns add " + lan)) GTEST_SKIP() << "no network namespaces here: no router to test against";
        std::ofstream(dir.File("topology.sh")) << kTopology;
        ASSERT_TRUE(Sh("sh " + dir.File("topology.sh") + " " + lan + " " + router + " " + wan + " " + dir.Folder() +
                       (GetParam().upnp ? " yes" : " no") + (GetParam().igd2 ? " no" : " yes")));
        ASSERT_TRUE(WaitFor([&] { return Log().find("NAT-PMP/PCP traffic") != std::string::npos; })) << Log();
        SetRouterFactory(MakeSystemRouter);
        // The player agreed to ask the router.
        SetAskRouter(dir.File("setup.ini"), true);
    }

    void TearDown() override {
        SetRouterFactory({});
        client.reset();
        host.reset();
        if (home >= 0) ::setns(home, CLONE_NEWNET), ::close(home);
        Sh("p=$(cat " + dir.File("miniupnpd.pid") + ") && kill $p && while kill -0 $p; do sleep 0.05; done");
        for (const std::string& ns : {lan, router, wan})
            if (!ns.empty()) Sh("ip netns del " + ns);
    }

    std::string Log() { return ShOutput("cat " + dir.File("miniupnpd.log")); }

    // Moves the test thread into one of the namespaces.
    void Enter(const std::string& ns) {
        const int fd = ::open(("/run/netns/" + ns).c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_EQ(::setns(fd, CLONE_NEWNET), 0) << ns;
        ::close(fd);
    }

    // The router's forwarding rules (IPv4) and pinholes (IPv6).
    std::string Mappings() {
        return ShOutput("ip netns exec " + router + " iptables-legacy -t nat -S MINIUPNPD") +
               ShOutput("ip netns exec " + router + " ip6tables-legacy -S MINIUPNPD");
    }

    // A plain TCP connect from the WAN to the router's port 9999.
    bool WanReaches() {
        Enter(wan);
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(9999);
        ::inet_pton(AF_INET, kRouterWan, &to.sin_addr);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
        ::close(fd);
        Enter(lan);
        return ok;
    }

    qx::DialogScript script;
    qxtest::TempDir dir;
    std::string lan, router, wan;
    int home = -1;
    std::unique_ptr<Tqx_host> host;
    std::unique_ptr<Tqx_client> client;
};

TEST_P(RouterTest, ClientOnTheWanSidePlaysThroughTheHostsMappingUntilTheServerStops) {
    const std::string opened = N(GetParam().log);
    Enter(lan);
    host = std::make_unique<Tqx_host>();
    Find<QLineEdit>(*host, "nick")->setText(QStringLiteral("Hank"));
    Find<QLineEdit>(*host, "servername")->setText(QStringLiteral("Arena of pain"));
    host->show();
    const auto started = std::chrono::steady_clock::now();
    Click(Find<QPushButton>(*host, "start"));
    // "Server active" is there at once; the router answers later, in the log.
    EXPECT_EQ(host->LogLines(), Lines{N("Server active")});
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().size() == 2; })) << Log();
    std::cout
        << "[ router ] " << GetParam().name << ": port mapped "
        << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count()
        << " ms after Start server\n";
    ASSERT_EQ(host->LogLines().back(), opened);

    // The client's connection is made on a thread born in the WAN namespace.
    Enter(wan);
    client = std::make_unique<Tqx_client>();
    client->SetPort(9999);
    client->SetPollInterval(20);
    Find<QLineEdit>(*client, "adresse")->setText(QString::fromLatin1(GetParam().dial));
    Find<QLineEdit>(*client, "nick")->setText(QStringLiteral("Cleo"));
    client->show();
    Click(Find<QPushButton>(*client, "start"));
    Enter(lan);
    ASSERT_TRUE(
        WaitFor([&] { return client->LogLines().size() == 3 && Find<QPushButton>(*host, "send")->isEnabled(); }));
    Place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    Click(Find<QPushButton>(*host, "sendit"));
    Click(Find<QPushButton>(*client, "sendit"));
    ASSERT_TRUE(WaitFor([&] { return Contains(host->LogLines(), "[game] All positions received!"); }));
    Mark(*host, {6, 7, 8, 16, 1});
    Click(Find<QPushButton>(*host, "BombIt"));
    Mark(*client, {1, 21, 12, 13, 14});
    Click(Find<QPushButton>(*client, "BombIt"));
    ASSERT_TRUE(WaitFor([&] { return Contains(host->LogLines(), "[game] Cleo bombed a draw!"); }));
    ASSERT_TRUE(WaitFor([&] { return qxtest::Text(Find<QLabel>(*client, "Label11")) == "[ You lost ]"; }));
    EXPECT_EQ(qxtest::Text(Find<QLabel>(*host, "Label11")), "[ Draw ]");
    EXPECT_EQ(host->LogLines(), (Lines{N("Server active"), opened, ConnW("Cleo"), "[game] All positions send!",
                                       "[game] All positions received!", "[game] Cleo bombed a draw!"}));

    Click(Find<QPushButton>(*client, "stop"));
    Click(Find<QPushButton>(*host, "stop"));
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().back() == N("Router: port 9999 closed"); }));
    EXPECT_EQ(Mappings().find("--dport 9999"), std::string::npos) << Mappings();
    EXPECT_FALSE(WanReaches());
}

TEST_P(RouterTest, TheEndOfASessionWithTheServerActiveRemovesTheMapping) {
    std::ofstream(dir.File("setup.ini"), std::ios::binary)
        << "[Einstellungen]\r\nName=Solo\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Hank\r\nServer=Den\r\n"
           "AskRouter=ja\r\n";
    Enter(lan);
    CreateForms();
    Find<QAction>(*Haupt, "Spielbeitreten1")->trigger();
    Click(Find<QPushButton>(*qx_host, "start"));
    ASSERT_TRUE(WaitFor([&] { return qx_host->LogLines().size() == 2; })) << Log();
    ASSERT_NE(Mappings().find("--dport 9999"), std::string::npos);
    // What the game does when its session ends: close, then destroy the windows.
    Haupt->CloseForSessionEnd();
    DestroyForms();
    EXPECT_EQ(Mappings().find("--dport 9999"), std::string::npos) << Mappings();
}

INSTANTIATE_TEST_SUITE_P(
    Protocols, RouterTest,
    ::testing::Values(RouterKind{"UPnP", true, false, "Router: port 9999 open at 11.27.0.1", kRouterWan},
                      RouterKind{"NatPmp", false, false, "Router: port 9999 open at 11.27.0.1", kRouterWan},
                      // The WAN client comes in through the pinhole, to the host's own address.
                      RouterKind{"UPnPWithIPv6", true, true, "Router: port 9999 open at 11.27.0.1 and for IPv6",
                                 "2001:db8:27:1::2"}),
    [](const ::testing::TestParamInfo<RouterKind>& info) { return std::string(info.param.name); });

}  // namespace
