// The host window against hostile peers on 127.0.0.1: control characters in
// a received line, a peer that never finishes the handshake, a long chat, and
// a listening socket that breaks under the server.
#include "support/controls.h"
#include "support/wait.h"
#include "net_window/play.h"
#include "ui/net/multihost.h"
#include "net/net_support.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "support/tempdir.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <dirent.h>

using namespace quorvex;
using qxtest::Find;
using nettest::RawSocket;
using qxtest::Click;
using qxtest::N;
using qxtest::WaitFor;
using Lines = std::vector<std::string>;

namespace {

class HostilePeerWindows : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        host.SetPort(0);
        Find<QLineEdit>(host, "nick")->setText(QStringLiteral("Hank"));
        host.show();
        Click(Find<QPushButton>(host, "start"));
    }
    // A raw client that has done the handshake under the nickname P.
    RawSocket Peer() {
        RawSocket s = RawSocket::Connect(host.ListeningPort());
        s.Send("P\r\n");
        EXPECT_NE(s.ReceiveUntil("Welcome, P\r\n").find("Welcome, P"), std::string::npos);
        return s;
    }

    qx::DialogScript script;
    qxtest::TempDir dir;
    Tqx_host host;
};

struct ControlCase {
    const char* name;
    std::string received;
    QString shown;
};
void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

class ControlCharacters : public HostilePeerWindows, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlCharacters, AreShownAsPicturesOneLineOneRowAndTheTextStaysWhole) {
    RawSocket peer = Peer();
    peer.Send(GetParam().received + "\r\n<P> after\r\n");
    ASSERT_TRUE(WaitFor([&] { return host.LogLines().size() == 4; }));
    const QString expected = qx::FromAnsi(N("Server active") + "\n" + qxtest::ConnW("P") + "\n") + GetParam().shown +
                             QStringLiteral("\n<P> after");
    EXPECT_EQ(Find<QPlainTextEdit>(host, "Memo1")->toPlainText(), expected);
    EXPECT_EQ(Find<QPlainTextEdit>(host, "Memo1")->document()->blockCount(), 4);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Find<QPlainTextEdit>(host, "Memo1"))->text(QAccessible::Value),
              expected);
    Click(Find<QPushButton>(host, "stop"));
}

INSTANTIATE_TEST_SUITE_P(
    ReceivedLine, ControlCharacters,
    ::testing::Values(ControlCase{"Nul", std::string("<P> a\0b", 7), QString::fromUtf16(u"<P> a\u2400b")},
                      ControlCase{"LoneCr", "<P> a\rb", QString::fromUtf16(u"<P> a\u240Db")},
                      ControlCase{"Escape", "<P> \x1b[2Jx", QString::fromUtf16(u"<P> \u241B[2Jx")},
                      ControlCase{"TabStays", "<P> a\tb", QStringLiteral("<P> a\tb")}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return std::string(info.param.name); });

TEST_F(HostilePeerWindows, APeerWithoutNicknameIsDroppedAtTheTimeOutWithItsReasonAndTheNextIsServed) {
    Click(Find<QPushButton>(host, "stop"));
    host.SetHandshakeTimeout(300);
    Click(Find<QPushButton>(host, "start"));
    RawSocket silent = RawSocket::Connect(host.ListeningPort());
    bool closed = false;
    silent.ReceiveUntil("", &closed);  // the host's nickname, then its close
    EXPECT_TRUE(closed);
    ASSERT_TRUE(WaitFor([&] { return host.LogLines().size() == 5 && !host.ServingClient(); }));
    EXPECT_EQ(host.LogLines(), (Lines{N("Server active"), N("Server closed"), N("Server active"),
                                      N(kHandshakeTimedOut), N("Client lost")}));
    RawSocket next = Peer();
    Click(Find<QPushButton>(host, "stop"));
}

TEST_F(HostilePeerWindows, ALongChatKeepsOnlyTheNewestLines) {
    for (int i = 0; i < kLogLines + 3; ++i) host.AppendLog("<P> " + std::to_string(i));
    const Lines log = host.LogLines();
    ASSERT_EQ(log.size(), static_cast<std::size_t>(kLogLines));
    EXPECT_EQ(log.front(), "<P> 3");
    EXPECT_EQ(log.back(), "<P> " + std::to_string(kLogLines + 2));
    Click(Find<QPushButton>(host, "stop"));
}

TEST_F(HostilePeerWindows, AListenerEndingOnAnErrorIsLoggedAndTheServerStops) {
    // This process's socket listening on the server's port: shut down, its next accept fails for good.
    DIR* fds = ::opendir("/proc/self/fd");
    while (dirent* e = ::readdir(fds)) {
        const int fd = std::atoi(e->d_name);
        int listening = 0;
        socklen_t len = sizeof listening;
        sockaddr_in6 a{};  // the port sits at the same place for IPv4
        socklen_t alen = sizeof a;
        if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &len) == 0 && listening &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &alen) == 0 &&
            ntohs(a.sin6_port) == host.ListeningPort())
            ::shutdown(fd, SHUT_RDWR);
    }
    ::closedir(fds);
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(host, "start")->isEnabled(); }));
    EXPECT_FALSE(host.ServerActive());
    EXPECT_FALSE(Find<QPushButton>(host, "stop")->isEnabled());
    const Lines log = host.LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind(N("Could not accept a connection:").substr(0, 34), 0), 0u) << log[1];
    EXPECT_EQ(log[2], N("Server closed"));
}

}  // namespace
