// The host and client windows against peers that stop reading, and a whole
// game over IPv6. Real sockets on 127.0.0.1 and ::1; the windows are driven
// through their controls, and every wait is for a condition.
#include "support/controls.h"
#include "support/wait.h"
#include "net_window/play.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "net/net_support.h"
#include "ui/platform/ansi.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "support/tempdir.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

using namespace quorvex;
using qxtest::Find;
using nettest::RawListener;
using nettest::RawSocket;
using Lines = std::vector<std::string>;
using qxtest::WaitFor;

namespace {

using qxtest::Click;
using qxtest::ConnW;
using qxtest::Mark;
using qxtest::N;
using qxtest::Place;
using qxtest::Text;

constexpr int kSmallReceiveBuffer = 4096;
// A chat text long enough to fill the buffers with a few dozen lines.
const std::string kLongChat(4000, 'z');

enum class Family { IPv4, IPv6 };
const char* Loopback(Family f) { return f == Family::IPv6 ? "::1" : "127.0.0.1"; }

class NetWindowFaults : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }

    Tqx_host& MakeHost() {
        host = std::make_unique<Tqx_host>();
        host->SetPort(0);
        Find<QLineEdit>(*host, "nick")->setText(QStringLiteral("Hank"));
        Find<QLineEdit>(*host, "servername")->setText(QStringLiteral("Arena of pain"));
        host->show();
        return *host;
    }
    int StartHost() {
        Click(Find<QPushButton>(*host, "start"));
        EXPECT_TRUE(host->ServerActive());
        return host->ListeningPort();
    }
    static std::unique_ptr<Tqx_client> MakeClient(int port, const char* nick, const char* address) {
        auto c = std::make_unique<Tqx_client>();
        c->SetPort(port);
        c->SetPollInterval(20);
        Find<QLineEdit>(*c, "adresse")->setText(QString::fromLatin1(address));
        Find<QLineEdit>(*c, "nick")->setText(QString::fromLatin1(nick));
        c->show();
        return c;
    }
    // A chat line with Enter; returns once the handler has returned.
    static void Chat(TNetWindow& w, const std::string& text) {
        Find<QLineEdit>(w, "sendtext")->setText(qx::FromAnsi(text));
        QTest::keyClick(Find<QLineEdit>(w, "sendtext"), Qt::Key_Return);
    }
    static bool Logged(TNetWindow& w, const std::string& line) {
        const Lines lines = w.LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // Bytes the host holds for its client beyond what the socket took.
    std::size_t HostPending() { return host->PendingBytes(); }
    // The window still answers: a click on an own cell changes its counter.
    static void ExpectAnswers(TNetWindow& w) {
        const QString before = Find<QLabel>(w, "vLeft")->text();
        Click(Find<qx::PictureCell>(w, "Image", 50));
        EXPECT_NE(Find<QLabel>(w, "vLeft")->text(), before);
        Click(Find<qx::PictureCell>(w, "Image", 50));
        Click(Find<qx::PictureCell>(w, "Image", 50));
        EXPECT_EQ(Find<QLabel>(w, "vLeft")->text(), before);
    }

    // stallMs 0: the game's stall time of 10 s.
    void HostDropsAPeerThatNeverReads(Family family, int stallMs);
    void ClientDropsAHostThatNeverReads(Family family, int stallMs);

    qx::DialogScript script;
    qxtest::TempDir dir;
    std::unique_ptr<Tqx_host> host;
    std::unique_ptr<Tqx_client> client;
};

void NetWindowFaults::HostDropsAPeerThatNeverReads(Family family, int stallMs) {
    MakeHost();
    if (stallMs > 0) host->SetStallTimeout(stallMs);
    const int port = StartHost();
    RawSocket peer = family == Family::IPv6 ? RawSocket::Connect6(port, kSmallReceiveBuffer)
                                            : RawSocket::Connect(port, kSmallReceiveBuffer);
    peer.Send("Stally\r\n");  // and never reads a byte
    ASSERT_TRUE(
        WaitFor([&] { return Logged(*host, ConnW("Stally")) && Find<QPushButton>(*host, "send")->isEnabled(); }));

    // The host player chats until the socket takes no more: each line returns
    // at once and the rest waits in the connection's queue.
    int chats = 0;
    while (HostPending() == 0 && chats < 5000) {
        Chat(*host, kLongChat);
        ++chats;
    }
    ASSERT_GT(HostPending(), 0u);
    EXPECT_TRUE(Logged(*host, "<Hank> " + kLongChat));

    // The peer sends positions: the connection thread's confirmations queue
    // up too, and it goes on handling lines.
    peer.Send("[100] [26] Victim\r\n[100] [27] Victim\r\n");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*host, "info")) == "receiving positions..."; }));

    // The window keeps answering, and a chat line from the host returns at once.
    Chat(*host, "are you there?");
    EXPECT_TRUE(Logged(*host, "<Hank> are you there?"));
    ExpectAnswers(*host);

    // The peer is dropped (about 10 s after it last took a byte); the host listens on.
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, N("Client lost")); }));
    EXPECT_TRUE(host->ServerActive());
    EXPECT_FALSE(Find<QLineEdit>(*host, "sendtext")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*host, "send")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(*host, "stop")->isEnabled());
    bool eof = false;
    while (!eof) peer.ReceiveUntil("\n\n", &eof);  // what got through, then the close
    EXPECT_TRUE(script.Texts(qx::BoxKind::Error).empty());

    // A new client is served.
    client = MakeClient(port, "Cleo", Loopback(family));
    Click(Find<QPushButton>(*client, "start"));
    ASSERT_TRUE(client->Connected());
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, ConnW("Cleo")) && Find<QPushButton>(*host, "send")->isEnabled(); }));
    Chat(*host, "welcome back");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "<Hank> welcome back"); }));
    Click(Find<QPushButton>(*client, "stop"));
}

// One family at the game's stall time, the other at a shorter one, so that
// the pair costs one stall time.
TEST_F(NetWindowFaults, HostDropsAPeerThatNeverReadsOverIPv4) { HostDropsAPeerThatNeverReads(Family::IPv4, 0); }
TEST_F(NetWindowFaults, HostDropsAPeerThatNeverReadsOverIPv6) { HostDropsAPeerThatNeverReads(Family::IPv6, 1000); }

TEST_F(NetWindowFaults, StopEndsAtOnceWhileThePeerTakesNothing) {
    MakeHost();
    const int port = StartHost();
    RawSocket peer = RawSocket::Connect(port, kSmallReceiveBuffer);
    peer.Send("Stally\r\n");
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(*host, "send")->isEnabled(); }));
    for (int chats = 0; HostPending() == 0 && chats < 5000; ++chats) Chat(*host, kLongChat);
    ASSERT_GT(HostPending(), 0u);
    // The connection thread's confirmations go to the queue too.
    peer.Send("[200] [50] Dragon\r\n");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*host, "info")) == "receiving positions..."; }));

    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_FALSE(host->ServerActive());
    EXPECT_TRUE(script.Texts(qx::BoxKind::Error).empty());
    const Lines log = host->LogLines();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], N("Client lost"));
    EXPECT_EQ(log.back(), N("Server closed"));
    EXPECT_TRUE(Find<QPushButton>(*host, "start")->isEnabled());
}

void NetWindowFaults::ClientDropsAHostThatNeverReads(Family family, int stallMs) {
    RawListener listener(family == Family::IPv6);
    RawSocket stalledHost;
    client = MakeClient(listener.Port(), "Cleo", Loopback(family));
    if (stallMs > 0) client->SetStallTimeout(stallMs);
    // The host answers the handshake while the client waits in it, then never reads again.
    QTimer::singleShot(0, client.get(), [&] {
        stalledHost = listener.Accept();
        stalledHost.SetReceiveBuffer(kSmallReceiveBuffer);
        stalledHost.Send("Hank\r\n");
    });
    Click(Find<QPushButton>(*client, "start"));
    ASSERT_TRUE(client->Connected());
    EXPECT_EQ(client->LogLines(), Lines{ConnW("Hank")});

    int chats = 0;
    while (client->PendingBytes() == 0 && chats < 5000) {
        Chat(*client, kLongChat);
        ++chats;
    }
    ASSERT_GT(client->PendingBytes(), 0u);
    Chat(*client, "are you there?");
    EXPECT_TRUE(Logged(*client, "<Cleo> are you there?"));
    ExpectAnswers(*client);
    // Lines from the host still arrive meanwhile.
    stalledHost.Send("[server] still talking\r\n");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "[server] still talking"); }));

    // Dropped by a poll: the usual notice, then the closed connection's message.
    ASSERT_TRUE(WaitFor([&] { return !script.Texts(qx::BoxKind::Error).empty(); }));
    EXPECT_EQ(script.Texts(qx::BoxKind::Error), Lines{kPeerStalled});
    EXPECT_EQ(client->LogLines().back(), N("disconnected!"));
    EXPECT_FALSE(client->Connected());
    EXPECT_FALSE(Find<QTimer>(*client, "Timer1")->isActive());
    EXPECT_TRUE(Find<QPushButton>(*client, "start")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(*client, "stop")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(*client, "sendtext")->isEnabled());
    EXPECT_TRUE(client->close());
}

TEST_F(NetWindowFaults, ClientDropsAHostThatNeverReadsOverIPv6) { ClientDropsAHostThatNeverReads(Family::IPv6, 0); }
TEST_F(NetWindowFaults, ClientDropsAHostThatNeverReadsOverIPv4) { ClientDropsAHostThatNeverReads(Family::IPv4, 1000); }

TEST_F(NetWindowFaults, WholeGameOverIPv6AndASecondClientOverIPv4IsRefused) {
    qxtest::QuickWaits quick;
    MakeHost();
    const int port = StartHost();
    client = MakeClient(port, "Cleo", "[::1]");
    Click(Find<QPushButton>(*client, "start"));
    ASSERT_TRUE(client->Connected());
    ASSERT_TRUE(
        WaitFor([&] { return client->LogLines().size() == 3 && Find<QPushButton>(*host, "send")->isEnabled(); }));

    // Another client over IPv4 while this one plays: closed without a byte,
    // and a client window gives up its connect.
    {
        RawSocket raw = RawSocket::Connect(port);
        bool eof = false;
        EXPECT_EQ(raw.ReceiveUntil("", &eof), "");
        EXPECT_TRUE(eof);
        auto second = MakeClient(port, "Otto", "127.0.0.1");
        Click(Find<QPushButton>(*second, "start"));
        EXPECT_FALSE(second->Connected());
        EXPECT_EQ(second->LogLines().back(), N("Could not connect to 127.0.0.1"));
    }

    Place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    Click(Find<QPushButton>(*host, "sendit"));
    EXPECT_EQ(Text(Find<QLabel>(*host, "info")), "please bomb now");
    Click(Find<QPushButton>(*client, "sendit"));
    EXPECT_EQ(Text(Find<QLabel>(*client, "info")), "please bomb now");
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, "[game] All positions received!"); }));

    Mark(*host, {6, 7, 8, 16, 1});
    Click(Find<QPushButton>(*host, "BombIt"));
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label12")), "[ You won ]");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*client, "Label11")) == "[ You lost ]"; }));
    Mark(*client, {1, 21, 12, 13, 14});
    Click(Find<QPushButton>(*client, "BombIt"));
    EXPECT_EQ(Text(Find<QLabel>(*client, "Label12")), "[ Draw ]");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*host, "Label11")) == "[ Draw ]"; }));

    Click(Find<QPushButton>(*host, "RestartBut"));
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "[game] new game started"); }));
    Chat(*host, "hello client");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "<Hank> hello client"); }));
    Chat(*client, "hi host");
    ASSERT_TRUE(WaitFor([&] { return Logged(*host, "<Cleo> hi host"); }));

    EXPECT_EQ(host->LogLines(), qxtest::ExampleGameHostLog());
    EXPECT_EQ(client->LogLines(), qxtest::ExampleGameClientLog());

    Click(Find<QPushButton>(*host, "stop"));
    EXPECT_EQ(host->LogLines().back(), N("Server closed"));
    ASSERT_TRUE(WaitFor([&] { return !script.Texts(qx::BoxKind::Error).empty(); }));
    EXPECT_EQ(script.Texts(qx::BoxKind::Error), Lines{kClosedGracefully});
    EXPECT_EQ(client->LogLines().back(), N("disconnected!"));
}

TEST_F(NetWindowFaults, SecondClientOverIPv6IsRefusedWhileOnePlaysOverIPv4) {
    MakeHost();
    const int port = StartHost();
    client = MakeClient(port, "Cleo", "127.0.0.1");
    Click(Find<QPushButton>(*client, "start"));
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(*host, "send")->isEnabled(); }));

    RawSocket raw = RawSocket::Connect6(port);
    bool eof = false;
    EXPECT_EQ(raw.ReceiveUntil("", &eof), "");
    EXPECT_TRUE(eof);
    auto second = MakeClient(port, "Otto", "::1");
    Click(Find<QPushButton>(*second, "start"));
    EXPECT_FALSE(second->Connected());
    EXPECT_EQ(second->LogLines().back(), N("Could not connect to ::1"));

    Chat(*host, "still here");
    ASSERT_TRUE(WaitFor([&] { return Logged(*client, "<Hank> still here"); }));
    EXPECT_EQ(host->LogLines(), (Lines{N("Server active"), ConnW("Cleo"), "<Hank> still here"}));
    Click(Find<QPushButton>(*client, "stop"));
}

}  // namespace
