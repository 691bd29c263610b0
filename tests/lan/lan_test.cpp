// The host and the client window on two machines of one local network: each
// side runs in a network namespace of its own with its own avahi-daemon, made
// by lan_test.sh, which runs the two tests below side by side.
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "net_window/play.h"
#include "support/controls.h"
#include "support/wait.h"

#include <QAbstractItemView>
#include <QCompleter>
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

bool Logged(TNetWindow& w, const std::string& line) {
    const auto log = w.LogLines();
    return std::find(log.begin(), log.end(), line) != log.end();
}

TEST(LocalNetwork, HostAnnouncesUntilItsClientLeaves) {
    if (Shared("").empty()) GTEST_SKIP() << "runs inside the namespaces of lan_test.sh";
    Tqx_host host;
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
    std::ofstream(Shared("browsing")) << "\n";

    QCompleter* found = Find<QLineEdit>(client, "adresse")->completer();
    ASSERT_TRUE(WaitFor([&] { return found->model()->rowCount() > 0; }, kWaitMs)) << "the game was not found";
    long long started = 0;
    std::ifstream(Shared("started")) >> started;
    std::cout << "announced " << NowMs() - started << " ms after \"Start server\"" << std::endl;
    // Its IPv6 link-local address may come first; the IPv4 one is preferred once known.
    const QString expected = QString::fromLatin1(std::getenv("QUORVEX_LAN_HOST"));
    EXPECT_TRUE(WaitFor([&] { return found->model()->index(0, 0).data().toString() == expected; }, kWaitMs));
    EXPECT_EQ(found->model()->index(0, 1).data().toString(), QStringLiteral("\u2068Quorvex LAN\u2069"));

    // The player clicks into the address field and chooses the game; nothing connects yet.
    QTest::mouseClick(Find<QLineEdit>(client, "adresse"), Qt::LeftButton);
    QAbstractItemView* list = found->popup();
    ASSERT_TRUE(WaitFor([&] { return list->isVisible(); }, kWaitMs));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(Find<QLineEdit>(client, "adresse")->text().toStdString(), std::getenv("QUORVEX_LAN_HOST"));
    EXPECT_FALSE(client.Connected());

    Click(Find<QPushButton>(client, "start"));
    ASSERT_TRUE(WaitFor([&] { return Logged(client, ConnW("Hoster")); }, kWaitMs));
    Click(Find<QPushButton>(client, "stop"));
    // The host stops its server when its client has left: the game is withdrawn.
    EXPECT_TRUE(WaitFor([&] { return found->model()->rowCount() == 0; }, kWaitMs));
    std::ofstream(Shared("done")) << "\n";
}

}  // namespace
