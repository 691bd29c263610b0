// The host window against hostile peers on 127.0.0.1: control characters in
// a received line, a peer that never finishes the handshake, a long chat, and
// a listening socket that breaks under the server.
#include "support/wait.h"
#include "net_window/play.h"
#include "net/multihost.h"
#include "net/net_support.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "support/tempdir.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/socket.h>

#include <memory>
#include <string>
#include <vector>

using namespace quorvex;
using nettest::RawSocket;
using qxtest::Click;
using qxtest::ConnW;
using qxtest::N;
using qxtest::WaitFor;
using Lines = std::vector<std::string>;

namespace {

class HostilePeerWindows : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        host = std::make_unique<Tqx_host>();
        host->SetPort(0);
        host->nick->setText(QStringLiteral("Hank"));
        host->servername->setText(QStringLiteral("Arena of pain"));
        host->show();
    }
    int Start() {
        Click(host->start);
        EXPECT_TRUE(host->server->Active());
        return host->ListeningPort();
    }
    // A raw client that has done the handshake under the nickname P.
    static RawSocket Peer(int port) {
        RawSocket s = RawSocket::Connect(port);
        s.Send("P\r\n");
        EXPECT_NE(s.ReceiveUntil("[server] Welcome, P\r\n").find("Welcome, P"), std::string::npos);
        return s;
    }

    qx::DialogScript script;
    qxtest::TempDir dir;
    std::unique_ptr<Tqx_host> host;
};

struct ControlCase {
    const char* name;
    std::string received;
    QString shown;
};
void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

class ControlCharacters : public HostilePeerWindows, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlCharacters, AreShownAsPicturesOneLineOneRowAndTheTextStaysWhole) {
    RawSocket peer = Peer(Start());
    peer.Send(GetParam().received + "\r\n<P> after\r\n");
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().size() == 4; }));
    const QString expected = qx::FromAnsi(N("Server active") + "\n" + ConnW("P") + "\n") + GetParam().shown +
                             QStringLiteral("\n<P> after");
    EXPECT_EQ(host->Memo1->toPlainText(), expected);
    EXPECT_EQ(host->Memo1->document()->blockCount(), 4);
    QAccessibleInterface* log = QAccessible::queryAccessibleInterface(host->Memo1);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->text(QAccessible::Value), expected);
    Click(host->stop);
}

INSTANTIATE_TEST_SUITE_P(
    ReceivedLine, ControlCharacters,
    ::testing::Values(ControlCase{"Nul", std::string("<P> a\0b", 7), QString::fromUtf16(u"<P> a\u2400b")},
                      ControlCase{"LoneCr", "<P> a\rb", QString::fromUtf16(u"<P> a\u240Db")},
                      ControlCase{"Escape", "<P> \x1b[2Jx", QString::fromUtf16(u"<P> \u241B[2Jx")},
                      ControlCase{"TabStays", "<P> a\tb", QStringLiteral("<P> a\tb")}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return std::string(info.param.name); });

TEST_F(HostilePeerWindows, APeerWithoutNicknameIsDroppedAtTheTimeOutAndTheNextIsServed) {
    host->SetHandshakeTimeout(300);
    const int port = Start();
    RawSocket silent = RawSocket::Connect(port);
    bool closed = false;
    silent.ReceiveUntil("", &closed);  // the host's nickname, then its close
    EXPECT_TRUE(closed);
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().size() == 3 && !host->server->Serving(); }));
    EXPECT_EQ(host->LogLines(), (Lines{N("Server active"), N(kHandshakeTimedOut), N("Client lost")}));
    RawSocket next = Peer(port);
    ASSERT_TRUE(WaitFor([&] { return host->LogLines().back() == ConnW("P"); }));
    Click(host->stop);
}

TEST_F(HostilePeerWindows, ALongChatKeepsOnlyTheNewestLines) {
    for (int i = 0; i < kLogLines + 3; ++i) host->AppendLog("<P> " + std::to_string(i));
    const Lines log = host->LogLines();
    ASSERT_EQ(log.size(), static_cast<std::size_t>(kLogLines));
    EXPECT_EQ(log.front(), "<P> 3");
    EXPECT_EQ(log.back(), "<P> " + std::to_string(kLogLines + 2));
}

// The descriptor of this process's socket listening on the port.
int ListeningSocket(int port) {
    DIR* d = ::opendir("/proc/self/fd");
    int found = -1;
    while (dirent* e = d ? ::readdir(d) : nullptr) {
        const int fd = std::atoi(e->d_name);
        int listening = 0;
        socklen_t len = sizeof listening;
        sockaddr_storage a{};
        socklen_t alen = sizeof a;
        if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &len) != 0 || !listening) continue;
        if (::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &alen) != 0) continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(&a);  // the port sits in the same place for IPv6
        if (ntohs(in->sin_port) == port) found = fd;
    }
    if (d) ::closedir(d);
    return found;
}

TEST_F(HostilePeerWindows, AListenerEndingOnAnErrorIsLoggedAndTheServerStops) {
    const int fd = ListeningSocket(Start());
    ASSERT_GE(fd, 0);
    ::shutdown(fd, SHUT_RDWR);  // the next accept fails for good
    ASSERT_TRUE(WaitFor([&] { return host->start->isEnabled(); }));
    EXPECT_FALSE(host->server->Active());
    EXPECT_FALSE(host->stop->isEnabled());
    const Lines log = host->LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind(N("Could not accept a connection:").substr(0, 34), 0), 0u) << log[1];
    EXPECT_EQ(log[2], N("Server closed"));
    Start();  // and it can start again
    Click(host->stop);
}

}  // namespace
