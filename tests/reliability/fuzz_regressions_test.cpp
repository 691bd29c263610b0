// Faults the fuzz targets in fuzz/ found, kept as plain tests.
#include "core/net/protocol/lineprotocol.h"
#include "core/net/transport/lineconnection.h"
#include "net/recording_view.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

using namespace quorvex;

namespace {

// A connection over a socket pair; the test writes the peer's bytes.
struct Pair {
    Pair() {
        int fds[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0);
        conn = std::make_unique<LineConnection>(fds[0]);
        peer = fds[1];
    }
    ~Pair() {
        if (peer >= 0) ::close(peer);
    }
    void Send(const std::string& bytes) const { ASSERT_EQ(::send(peer, bytes.data(), bytes.size(), 0), ssize_t(bytes.size())); }
    void ClosePeer() {
        ::close(peer);
        peer = -1;
    }
    std::unique_ptr<LineConnection> conn;
    int peer = -1;
};

// Found by fuzz_framing: the bytes of a line left unfinished by the peer's
// close came back as an empty line, indistinguishable from a real one.
TEST(FuzzRegressions, UnfinishedLineAtTheCloseIsNoLine) {
    Pair p;
    int notices = 0;
    p.conn->SetDisconnectNotice([&] { ++notices; });
    p.Send("abc\r\nabc\nabc\r\r\n\r\n\nhalf");
    p.ClosePeer();
    for (const char* expected : {"abc", "abc", "abc\r", "", ""}) {
        EXPECT_EQ(p.conn->ReadLn(5), expected);
        EXPECT_FALSE(p.conn->ReadLnTimedOut()) << "a real line, empty or not";
    }
    EXPECT_EQ(p.conn->ReadLn(5), "");
    EXPECT_TRUE(p.conn->ReadLnTimedOut()) << "the unfinished line is not a line";
    EXPECT_EQ(notices, 1);
    EXPECT_THROW(p.conn->ReadLn(5), ConnectionClosedError);
}

// Raised by fuzz_protocol, where the harness was wrong and the game right: a
// nickname too long for the transport ends the client's handshake with the transport's error (its connect fails) instead
// of being taken for a nickname or read over and over.
TEST(FuzzRegressions, OverlongNicknameEndsTheHandshake) {
    Pair p;
    NetGameState state;
    nettest::RecordingView view;
    LineProtocol protocol(NetSide::Client, state, view);
    p.Send(std::string(kMaxLineLength + 1, 'n') + "\r\n");
    int waits = 0;
    EXPECT_THROW(protocol.ClientHandshake(*p.conn, "Remote Victim", [&](int) { ++waits; }), LineTooLongError);
    EXPECT_TRUE(state.opponentNick.empty());
    EXPECT_EQ(view.Entries(), 0u);
    // The same connection goes on with the next line.
    p.Send("Host\r\n");
    EXPECT_EQ(protocol.ClientHandshake(*p.conn, "Remote Victim", [&](int) { ++waits; }), "Host");
}

}  // namespace
