// The host and the client window on two machines of one local network: each
// side runs in a network namespace of its own with its own avahi-daemon, made
// by lan_test.sh, which runs the two tests below side by side.
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/dialogs.h"
#include "core/net/transport/endpoint.h"
#include "core/net/transport/neterrors.h"
#include "net_window/play.h"
#include "support/controls.h"
#include "support/wait.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>

using namespace quorvex;
using qxtest::Find;
using qxtest::Click;
using qxtest::ConnW;
using qxtest::N;
using qxtest::WaitFor;

namespace {

constexpr int kWaitMs = 30000;

// The folder lan_test.sh shares between the two sides; empty when run alone.
std::string Shared(const char* file) {
    const char* dir = std::getenv("QUORVEX_LAN_DIR");
    return dir ? std::string(dir) + "/" + file : std::string();
}

// The monotonic clock is the machine's, the same in every namespace.
long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A number lan_test.sh gives both sides; fallback when run without it.
int Given(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}
// The announcements of other games on the network (lan_test.sh flood), and the host's port.
const int kFlood = Given("QUORVEX_LAN_FLOOD", 0);
const int kHostPort = Given("QUORVEX_LAN_PORT", kGamePort);

// The row of the list naming the game, or -1.
int RowOf(QAbstractItemModel* rows, const QString& name) {
    for (int row = 0; row < rows->rowCount(); ++row)
        if (rows->index(row, 1).data().toString() == name) return row;
    return -1;
}

bool Logged(TNetWindow& w, const std::string& line) {
    const auto log = w.LogLines();
    return std::find(log.begin(), log.end(), line) != log.end();
}

TEST(LocalNetwork, HostAnnouncesUntilItsClientLeaves) {
    if (Shared("").empty()) GTEST_SKIP() << "runs inside the namespaces of lan_test.sh";
    Tqx_host host;
    host.SetPort(kHostPort);
    Find<QLineEdit>(host, "nick")->setText(QStringLiteral("Hoster"));
    Find<QLineEdit>(host, "servername")->setText(QStringLiteral("Quorvex LAN"));
    host.show();
    // The client browses already, so the time to its list is the time to announce.
    ASSERT_TRUE(WaitFor([] { return std::ifstream(Shared("browsing")).good(); }, kWaitMs));
    std::ofstream(Shared("started")) << NowMs() << "\n";
    Click(Find<QPushButton>(host, "start"));
    ASSERT_TRUE(Logged(host, N("Server active")));
    ASSERT_TRUE(WaitFor([&] { return Logged(host, ConnW("Joiner")); }, kWaitMs));
    ASSERT_TRUE(WaitFor([&] { return Logged(host, N("Client lost")); }, kWaitMs));
    Click(Find<QPushButton>(host, "stop"));
    EXPECT_TRUE(Logged(host, N("Server closed")));
    // Stay until the client has seen the game withdrawn.
    EXPECT_TRUE(WaitFor([] { return std::ifstream(Shared("done")).good(); }, kWaitMs));
}

TEST(LocalNetwork, ClientFindsTheGameAndJoins) {
    if (Shared("").empty()) GTEST_SKIP() << "runs inside the namespaces of lan_test.sh";
    Tqx_client client;
    client.SetPollInterval(20);
    Find<QLineEdit>(client, "nick")->setText(QStringLiteral("Joiner"));
    client.show();
    QObject* games = Find<QLineEdit>(client, "adresse")->findChild<QObject*>(QStringLiteral("localGames"));
    ASSERT_NE(games, nullptr);
    ASSERT_TRUE(WaitFor([&] { return games->property("running").toBool(); }, kWaitMs)) << "no Avahi client";
    QCompleter* found = Find<QLineEdit>(client, "adresse")->completer();
    QAbstractItemModel* rows = found->model();
    // The other games are listed before the host starts, as a crowded network has them.
    const long long flooded = NowMs();
    ASSERT_TRUE(WaitFor([&] { return rows->rowCount() >= kFlood; }, kWaitMs)) << rows->rowCount() << " rows";
    if (kFlood) std::cout << rows->rowCount() << " rows of other games " << NowMs() - flooded << " ms after browsing" << std::endl;
    std::ofstream(Shared("browsing")) << "\n";

    const QString game = QStringLiteral("\u2068Quorvex LAN\u2069");
    ASSERT_TRUE(WaitFor([&] { return RowOf(rows, game) >= 0; }, kWaitMs)) << "the game was not found";
    long long started = 0;
    std::ifstream(Shared("started")) >> started;
    std::cout << "announced " << NowMs() - started << " ms after \"Start server\"" << std::endl;
    // Its IPv6 link-local address may come first; the IPv4 one is preferred once known.
    // A port other than the game's own is shown with it.
    const QString host = QString::fromLatin1(std::getenv("QUORVEX_LAN_HOST"));
    const QString expected = kHostPort == kGamePort ? host : host + QStringLiteral(":%1").arg(kHostPort);
    EXPECT_TRUE(WaitFor([&] { return rows->index(RowOf(rows, game), 0).data().toString() == expected; }, kWaitMs));
    if (kFlood)
        std::cout << rows->rowCount() << " rows with the game's" << std::endl;
    else
        EXPECT_EQ(rows->index(0, 1).data().toString(), game);

    // The player clicks into the address field and chooses the game (scrolled
    // to in a crowded list); nothing connects yet.
    QTest::mouseClick(Find<QLineEdit>(client, "adresse"), Qt::LeftButton);
    QAbstractItemView* list = found->popup();
    ASSERT_TRUE(WaitFor([&] { return list->isVisible(); }, kWaitMs));
    const QModelIndex chosen = list->model()->index(RowOf(rows, game), 0);
    list->scrollTo(chosen);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(chosen).center());
    EXPECT_EQ(Find<QLineEdit>(client, "adresse")->text().toStdString(), std::getenv("QUORVEX_LAN_HOST"));
    EXPECT_FALSE(client.Connected());

    // The connect goes to the port the game announced: nothing listens on any other.
    Click(Find<QPushButton>(client, "start"));
    ASSERT_TRUE(WaitFor([&] { return Logged(client, ConnW("Hoster")); }, kWaitMs));
    Click(Find<QPushButton>(client, "stop"));
    // The host stops its server when its client has left: the game is withdrawn.
    EXPECT_TRUE(WaitFor([&] { return kFlood ? RowOf(rows, game) < 0 : rows->rowCount() == 0; }, kWaitMs));
    std::ofstream(Shared("done")) << "\n";
}

// A player's check, not a ctest entry (lan_test.sh dropped): the client's
// packets are dropped mid-game for 40 s; both sides tell of the lost line, and
// after the line is back and connect is pressed the game ends alike on both.
bool Arrived(const char* file) { return std::ifstream(Shared(file)).good(); }
void Tell(const char* file, const std::string& text = {}) { std::ofstream(Shared(file)) << text << "\n"; }
void Shot(QWidget& window, const char* name) {
    if (const char* dir = std::getenv("QUORVEX_LAN_SHOTS")) window.grab().save(QString::fromLatin1(dir) + "/" + name);
}
constexpr int kLineMs = 120000;

TEST(LocalNetwork, HostPlaysAcrossADroppedLine) {
    if (!std::getenv("QUORVEX_LAN_DROP")) GTEST_SKIP() << "runs inside the namespaces of lan_test.sh dropped";
    qxtest::QuickWaits quick;
    Tqx_host host;
    Find<QLineEdit>(host, "nick")->setText(QStringLiteral("Hank"));
    host.show();
    Click(Find<QPushButton>(host, "start"));
    ASSERT_TRUE(WaitFor([&] { return Logged(host, ConnW("Cleo")) && Find<QPushButton>(host, "send")->isEnabled(); }, kLineMs));
    qxtest::Place(host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Click(Find<QPushButton>(host, "sendit"));
    ASSERT_TRUE(WaitFor([] { return Arrived("drop"); }, kLineMs));
    const long long dropped = NowMs();
    ASSERT_TRUE(WaitFor([&] { return Logged(host, N("Client lost")); }, kLineMs));
    std::cout << "host: \"Client lost\" " << NowMs() - dropped << " ms after the drop" << std::endl;
    Shot(host, "host-lost.png");
    ASSERT_TRUE(WaitFor([&] { return Logged(host, "[game] All positions received!"); }, 3 * kLineMs));
    qxtest::Mark(host, {6, 7, 8, 16, 1});
    Click(Find<QPushButton>(host, "BombIt"));
    Tell("host-result", qxtest::Text(Find<QLabel>(host, "Label11")));
    ASSERT_TRUE(WaitFor([] { return Arrived("client-result"); }, kLineMs));
    Shot(host, "host-end.png");
    for (const std::string& line : host.LogLines()) std::cout << "host log: " << line << std::endl;
}

TEST(LocalNetwork, ClientPlaysAcrossADroppedLine) {
    if (!std::getenv("QUORVEX_LAN_DROP")) GTEST_SKIP() << "runs inside the namespaces of lan_test.sh dropped";
    qxtest::QuickWaits quick;
    // The poll that finds the line dead ends with the transport's error in a
    // box; headless, nobody would ever press its OK, and the press of "Send
    // battlefield" that it interrupts would never return.
    qx::DialogScript script;
    Tqx_client client;
    client.SetPollInterval(20);
    Find<QLineEdit>(client, "nick")->setText(QStringLiteral("Cleo"));
    Find<QLineEdit>(client, "adresse")->setText(QString::fromLatin1(std::getenv("QUORVEX_LAN_HOST")));
    client.show();
    ASSERT_TRUE(WaitFor([&] {
        if (!client.Connected()) Click(Find<QPushButton>(client, "start"));
        return Logged(client, "[game] All positions received!");
    }, kLineMs));
    Tell("drop");
    ASSERT_TRUE(WaitFor([] { return Arrived("dropping"); }, kLineMs));
    const long long dropped = NowMs();
    qxtest::Place(client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    qxtest::Mark(client, {1, 21, 12, 13, 14});
    Click(Find<QPushButton>(client, "BombIt"));
    Click(Find<QPushButton>(client, "sendit"));  // returns when the line is found broken
    ASSERT_TRUE(WaitFor([&] { return Logged(client, N("disconnected!")); }, kLineMs));
    std::cout << "client: \"disconnected!\" " << NowMs() - dropped << " ms after the drop" << std::endl;
    for (const std::string& box : script.Texts(qx::BoxKind::Error)) std::cout << "client box: " << box << std::endl;
    EXPECT_EQ(script.Texts(qx::BoxKind::Error), std::vector<std::string>{kPeerSilent});
    Shot(client, "client-lost.png");
    ASSERT_TRUE(WaitFor([] { return Arrived("restored"); }, kLineMs));
    Click(Find<QPushButton>(client, "start"));  // the address is still there
    ASSERT_TRUE(client.Connected());
    ASSERT_TRUE(WaitFor([&] { return qxtest::Text(Find<QLabel>(client, "Label11")) == "[ You lost ]"; }, kLineMs));
    ASSERT_TRUE(WaitFor([] { return Arrived("host-result"); }, kLineMs));
    std::string host;
    std::getline(std::ifstream(Shared("host-result")), host);
    EXPECT_EQ(host, "[ Draw ]");
    Tell("client-result", qxtest::Text(Find<QLabel>(client, "Label11")));
    Shot(client, "client-end.png");
    for (const std::string& line : client.LogLines()) std::cout << "client log: " << line << std::endl;
    Click(Find<QPushButton>(client, "stop"));
}

}  // namespace
