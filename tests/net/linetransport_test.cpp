// The line transport on 127.0.0.1 with real sockets: framing, time-outs,
// over-long lines, closes, the one-client server and its stop; a peer that
// falls silent, in a network namespace of the test's own.
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/lineserver.h"

#include "net_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <set>

using namespace quorvex;
using nettest::RawListener;
using nettest::RawSocket;
using nettest::WaitUntil;

namespace {

constexpr int kLong = 20000;  // a read that must succeed long before this

// A LineClient connected to a raw server socket that sends exact bytes.
struct ClientOnRaw {
    RawListener listener;
    LineClient client;
    RawSocket server;
    int disconnects = 0;

    ClientOnRaw() {
        client.SetHost("127.0.0.1");
        client.SetPort(listener.Port());
        client.OnDisconnected = [this] { ++disconnects; };
        client.Connect(10000);
        server = listener.Accept();
    }
};

// A LineServer on a free port that echoes every line back.
struct EchoServer {
    LineServer server;
    std::atomic<int> connects{0}, disconnects{0};

    EchoServer() {
        server.SetDefaultPort(0);
        server.OnConnect = [this](const ConnectionPtr&) { ++connects; };
        server.OnExecute = [](const ConnectionPtr& conn) {
            const std::string line = conn->ReadLn(5);
            if (!line.empty()) conn->WriteLn("echo " + line);
        };
        server.OnDisconnect = [this](const ConnectionPtr&) { ++disconnects; };
        server.SetActive(true);
    }
    int Port() const { return server.BoundPort(); }
};

void ConnectTo(LineClient& client, int port) {
    client.SetHost("127.0.0.1");
    client.SetPort(port);
    client.Connect(10000);
}

std::string Echo(LineClient& client, const std::string& text) {
    client.WriteLn(text);
    return client.ReadLn(kLong);
}

}  // namespace

TEST(LineFraming, LineEndings) {
    ClientOnRaw t;
    t.server.Send("abc\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "abc");
    t.server.Send("abc\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "abc");
    t.server.Send("abc\r\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "abc\r");
    // An empty line reads like a time-out, but it is none.
    t.server.Send("\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "");
    EXPECT_FALSE(t.client.ReadLnTimedOut());
}

TEST(LineFraming, SegmentsAndTimeOut) {
    ClientOnRaw t;
    t.server.Send("one\r\ntwo\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "one");
    EXPECT_EQ(t.client.ReadLn(kLong), "two");

    // Nothing buffered and nothing arriving: the default 5 ms read gives up.
    EXPECT_EQ(t.client.ReadLn(), "");
    EXPECT_TRUE(t.client.ReadLnTimedOut());

    t.server.Send("spl");
    EXPECT_EQ(t.client.ReadLn(50), "");
    EXPECT_TRUE(t.client.ReadLnTimedOut());
    t.server.Send("it\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "split");
    EXPECT_FALSE(t.client.ReadLnTimedOut());
}

TEST(LineFraming, OverlongLineIsDiscardedOnce) {
    ClientOnRaw t;
    // Whole line with its LF already buffered.
    t.server.Send(std::string(20000, 'x') + "\r\nnext\r\n");
    EXPECT_THROW(t.client.ReadLn(kLong), LineTooLongError);
    EXPECT_EQ(t.client.ReadLn(kLong), "next");

    // The limit is hit before the LF arrives: the tail is dropped as it comes.
    t.server.Send(std::string(17000, 'y'));
    EXPECT_THROW(t.client.ReadLn(kLong), LineTooLongError);
    t.server.Send(std::string(3000, 'y') + "\r\nafter\r\n");
    EXPECT_EQ(t.client.ReadLn(kLong), "after");

    // Exactly the maximum is still a line.
    t.server.Send(std::string(kMaxLineLength, 'z') + "\n");
    EXPECT_EQ(t.client.ReadLn(kLong).size(), kMaxLineLength);
    EXPECT_TRUE(t.client.Connected());
}

TEST(LineConnection, PeerCloseAfterBufferedLines) {
    ClientOnRaw t;
    t.server.Send("last\r\nhalf");
    t.server.Close();
    EXPECT_EQ(t.client.ReadLn(kLong), "last");
    // The unfinished line ends this read quietly; the next one fails.
    EXPECT_EQ(t.client.ReadLn(kLong), "");
    EXPECT_FALSE(t.client.Connected());
    EXPECT_EQ(t.disconnects, 1);
    try {
        t.client.ReadLn(kLong);
        FAIL() << "read after close succeeded";
    } catch (const ConnectionClosedError& e) {
        EXPECT_STREQ(e.what(), kClosedGracefully);
        EXPECT_EQ(e.Failure().kind, NetFailureKind::ClosedGracefully);
    }
    EXPECT_THROW(t.client.WriteLn("x"), ConnectionClosedError);
    EXPECT_EQ(t.disconnects, 1);
}

TEST(LineConnection, WritesFromTwoThreadsGoOutWhole) {
    ClientOnRaw t;
    const std::string pad(300, '.');
    auto writer = [&](char tag) {
        for (int i = 0; i < 200; ++i) t.client.WriteLn(std::string(1, tag) + std::to_string(i) + pad);
    };
    std::thread a(writer, 'A'), b(writer, 'B');
    a.join();
    b.join();
    std::string all;
    while (all.find("A199" + pad + "\r\n") == std::string::npos || all.find("B199" + pad + "\r\n") == std::string::npos) {
        // What the socket did not take at once waits in the queue until the
        // connection's reading side sends it, as the client window's poll does.
        t.client.ReadLn(5);
        const std::string more = t.server.ReceiveUntil("\n");
        if (more.empty()) break;
        all += more;
    }
    int next[2] = {0, 0};
    std::size_t pos = 0, lines = 0;
    for (std::size_t crlf; (crlf = all.find("\r\n", pos)) != std::string::npos; pos = crlf + 2, ++lines) {
        const std::string line = all.substr(pos, crlf - pos);
        ASSERT_TRUE(line[0] == 'A' || line[0] == 'B') << line;
        const int who = line[0] == 'A' ? 0 : 1;
        EXPECT_EQ(line, std::string(1, line[0]) + std::to_string(next[who]++) + pad);
    }
    EXPECT_EQ(lines, 400u);
}

TEST(LineClient, IdleHookRunsWhileWaiting) {
    ClientOnRaw t;
    int idle = 0;
    t.client.SetIdleHook([&] { ++idle; });
    EXPECT_EQ(t.client.ReadLn(5), "");
    EXPECT_EQ(idle, 1);
    idle = 0;
    EXPECT_EQ(t.client.ReadLn(600), "");
    EXPECT_GE(idle, 3);  // slices of at most 250 ms

    // The hook may close the connection under the waiting read.
    t.client.SetIdleHook([&] { t.client.Disconnect(); });
    EXPECT_EQ(t.client.ReadLn(kLong), "");
    EXPECT_FALSE(t.client.Connected());
    EXPECT_EQ(t.disconnects, 1);
    bool eof = false;
    t.server.ReceiveUntil("", &eof);
    EXPECT_TRUE(eof);
}

TEST(LineClient, ConnectFailures) {
    LineClient client;
    int disconnects = 0;
    client.OnDisconnected = [&] { ++disconnects; };
    client.SetHost("127.0.0.1");
    client.SetPort(nettest::UnusedPort());
    EXPECT_THROW(client.Connect(10000), SocketError);
    EXPECT_FALSE(client.Connected());
    EXPECT_THROW(client.ReadLn(), ConnectionClosedError);

    // A failing OnConnected closes the fresh connection and fails the call.
    RawListener listener;
    client.SetHost("localhost");
    client.SetPort(listener.Port());
    client.OnConnected = [&] {
        client.WriteLn("hello");
        throw std::runtime_error("handshake failed");
    };
    EXPECT_THROW(client.Connect(10000), std::runtime_error);
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(disconnects, 1);
    RawSocket server = listener.Accept();
    bool eof = false;
    EXPECT_EQ(server.ReceiveUntil("", &eof), "hello\r\n");
    EXPECT_TRUE(eof);

    client.OnConnected = nullptr;
    client.Connect(10000);
    EXPECT_TRUE(client.Connected());
    EXPECT_THROW(client.Connect(10000), NetError);
    client.Disconnect();
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(disconnects, 2);
    client.Disconnect();
    EXPECT_EQ(disconnects, 2);
}

TEST(LineServer, OneClientAtATime) {
    EchoServer s;
    LineClient first;
    ConnectTo(first, s.Port());
    EXPECT_EQ(Echo(first, "ping"), "echo ping");

    RawSocket second = RawSocket::Connect(s.Port());
    bool eof = false;
    EXPECT_EQ(second.ReceiveUntil("", &eof), "");
    EXPECT_TRUE(eof);
    EXPECT_EQ(Echo(first, "still here"), "echo still here");
    EXPECT_EQ(s.connects, 1);

    first.Disconnect();
    ASSERT_TRUE(WaitUntil([&] { return !s.server.Serving(); }));
    EXPECT_EQ(s.disconnects, 1);
    LineClient third;
    ConnectTo(third, s.Port());
    EXPECT_EQ(Echo(third, "again"), "echo again");
    EXPECT_EQ(s.connects, 2);
}

TEST(LineServer, StopClosesTheClientAndCanRestartOnItsPort) {
    EchoServer s;
    const int port = s.Port();
    LineClient client;
    int clientDisconnects = 0;
    client.OnDisconnected = [&] { ++clientDisconnects; };
    ConnectTo(client, port);
    EXPECT_EQ(Echo(client, "ping"), "echo ping");

    s.server.SetActive(false);
    EXPECT_FALSE(s.server.Active());
    EXPECT_EQ(s.disconnects, 1);  // ran before the stop returned
    EXPECT_THROW(client.ReadLn(kLong), ConnectionClosedError);
    EXPECT_EQ(clientDisconnects, 1);

    s.server.SetDefaultPort(port);
    s.server.SetActive(true);
    LineClient next;
    ConnectTo(next, port);
    EXPECT_EQ(Echo(next, "back"), "echo back");
}

TEST(LineServer, PortAlreadyTaken) {
    EchoServer s;
    LineServer other;
    other.SetDefaultPort(s.Port());
    try {
        other.SetActive(true);
        FAIL() << "second server bound a taken port";
    } catch (const SocketError& e) {
        EXPECT_NE(std::string(e.what()).find("in use"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(other.Active());
}

TEST(LineServer, StopTimesOutWhileAHandlerHangs) {
    std::mutex m;
    std::condition_variable cv;
    bool release = false;
    std::atomic<bool> inside{false};
    std::atomic<int> disconnects{0};
    LineServer server;
    server.SetDefaultPort(0);
    server.SetTerminateWaitTime(300);
    server.OnExecute = [&](const ConnectionPtr&) {
        inside = true;
        std::unique_lock<std::mutex> lock(m);
        cv.wait(lock, [&] { return release; });
    };
    server.OnDisconnect = [&](const ConnectionPtr&) { ++disconnects; };
    server.SetActive(true);
    LineClient client;
    ConnectTo(client, server.BoundPort());
    ASSERT_TRUE(WaitUntil([&] { return inside.load(); }));

    try {
        server.SetActive(false);
        FAIL() << "stop did not time out";
    } catch (const NetTimeoutError& e) {
        EXPECT_STREQ(e.what(), kTerminateTimedOut);
    }
    EXPECT_TRUE(server.Active());
    {
        std::lock_guard<std::mutex> lock(m);
        release = true;
    }
    cv.notify_all();
    server.SetActive(false);
    EXPECT_FALSE(server.Active());
    EXPECT_EQ(disconnects, 1);
}

TEST(LineServer, DisconnectRunsWhenConnectFails) {
    std::atomic<int> executes{0}, disconnects{0};
    LineServer server;
    server.SetDefaultPort(0);
    server.OnConnect = [](const ConnectionPtr&) { throw std::runtime_error("refused"); };
    server.OnExecute = [&](const ConnectionPtr&) { ++executes; };
    server.OnDisconnect = [&](const ConnectionPtr&) { ++disconnects; };
    server.SetActive(true);
    LineClient client;
    ConnectTo(client, server.BoundPort());
    EXPECT_THROW(client.ReadLn(kLong), ConnectionClosedError);
    ASSERT_TRUE(WaitUntil([&] { return disconnects == 1; }));
    EXPECT_EQ(executes, 0);
}

// ---------------------------------------------------------------------------
// Peers that do not read, an event-driven connection thread, and IPv6.

namespace {

constexpr int kSmallReceiveBuffer = 4096;

// A server whose OnConnect hands the connection to the test and whose
// passes run only on input, counting them.
struct QuietServer {
    LineServer server;
    std::mutex mutex;
    ConnectionPtr conn;
    std::atomic<int> passes{0}, disconnects{0};

    explicit QuietServer(const LineLiveness& liveness = {}) {
        server.SetDefaultPort(0);
        server.SetLiveness(liveness);
        server.SetExecuteOnInput(true);
        server.OnConnect = [this](const ConnectionPtr& c) {
            std::lock_guard<std::mutex> lock(mutex);
            conn = c;
        };
        server.OnExecute = [this](const ConnectionPtr& c) {
            const std::string line = c->ReadLn(5);
            if (!line.empty()) c->WriteLn("echo " + line);
            ++passes;  // counted once the pass is over
        };
        server.OnDisconnect = [this](const ConnectionPtr&) { ++disconnects; };
        server.SetActive(true);
    }
    ConnectionPtr Conn() {
        std::lock_guard<std::mutex> lock(mutex);
        return conn;
    }
    int Port() const { return server.BoundPort(); }
};

}  // namespace

TEST(LineServer, ExecuteOnInputRunsOnePassPerLineAndStopsAtOnce) {
    QuietServer s;
    RawSocket client = RawSocket::Connect(s.Port());
    client.Send("one\r\n");
    EXPECT_EQ(client.ReceiveUntil("echo one\r\n"), "echo one\r\n");
    client.Send("two\r\n");
    EXPECT_EQ(client.ReceiveUntil("echo two\r\n"), "echo two\r\n");

    // Two lines in one segment are still handled one per pass.
    client.Send("three\r\nfour\r\n");
    EXPECT_EQ(client.ReceiveUntil("echo four\r\n"), "echo three\r\necho four\r\n");
    ASSERT_TRUE(WaitUntil([&] { return s.passes >= 4; }));
    // Half a line takes a pass that reads nothing, its end another.
    client.Send("fi");
    ASSERT_TRUE(WaitUntil([&] { return s.passes >= 5; }));
    client.Send("ve\r\n");
    EXPECT_EQ(client.ReceiveUntil("echo five\r\n"), "echo five\r\n");

    // The sleeping thread wakes for a stop: no time-out error, and no pass
    // ran without input (back to back they would have been hundreds).
    s.server.SetActive(false);
    EXPECT_FALSE(s.server.Active());
    EXPECT_EQ(s.disconnects, 1);
    EXPECT_EQ(s.passes, 6);
    bool eof = false;
    client.ReceiveUntil("", &eof);
    EXPECT_TRUE(eof);
}

TEST(LineConnection, QueueForAPeerThatNeverReadsIsBounded) {
    QuietServer s;  // its stall time (10 s) is far beyond this test
    RawSocket stalled = RawSocket::Connect(s.Port(), kSmallReceiveBuffer);
    ASSERT_TRUE(WaitUntil([&] { return s.Conn() != nullptr; }));
    const ConnectionPtr conn = s.Conn();
    const std::string line(8000, 'b');
    std::size_t most = 0;
    bool closed = false;
    for (int i = 0; i < 20000 && !closed; ++i) {
        try {
            conn->WriteLn(line);
            most = std::max(most, conn->PendingBytes());
        } catch (const ConnectionClosedError& e) {
            EXPECT_STREQ(e.what(), kPeerStalled);
            closed = true;
        }
    }
    ASSERT_TRUE(closed);
    EXPECT_LE(most, kMaxPendingBytes);
    EXPECT_GT(most, kMaxPendingBytes - 2 * line.size());
    EXPECT_TRUE(conn->Stalled());
    ASSERT_TRUE(WaitUntil([&] { return s.disconnects == 1; }));
}

TEST(LineConnection, QueuedLinesGoOutWholeAndInOrder) {
    QuietServer s;
    RawSocket peer = RawSocket::Connect(s.Port(), kSmallReceiveBuffer);
    ASSERT_TRUE(WaitUntil([&] { return s.Conn() != nullptr; }));
    const ConnectionPtr conn = s.Conn();
    std::string expected;
    int i = 0;
    for (; i < 20000 && conn->PendingBytes() == 0; ++i) {
        const std::string line = std::to_string(i) + std::string(3000, '.');
        conn->WriteLn(line);
        expected += line + "\r\n";
    }
    ASSERT_GT(conn->PendingBytes(), 0u);
    for (int k = 0; k < 50; ++k, ++i) {
        const std::string line = std::to_string(i) + "/tail";
        conn->WriteLn(line);
        expected += line + "\r\n";
    }
    // The peer starts reading: the connection thread sends the queue as it is taken.
    std::string got;
    while (got.size() < expected.size()) {
        const std::string more = peer.ReceiveUntil(std::to_string(i - 1) + "/tail\r\n");
        if (more.empty()) break;
        got += more;
    }
    EXPECT_TRUE(got == expected) << got.size() << " of " << expected.size() << " bytes";
    EXPECT_EQ(conn->PendingBytes(), 0u);
    EXPECT_TRUE(conn->Connected());
}

TEST(LineServer, PeerAddressesAreReadable) {
    QuietServer s;
    RawSocket v6 = RawSocket::Connect6(s.Port());
    ASSERT_TRUE(WaitUntil([&] { return s.Conn() != nullptr; }));
    EXPECT_EQ(s.Conn()->PeerAddress().rfind("[::1]:", 0), 0u) << s.Conn()->PeerAddress();
    v6.Close();
    ASSERT_TRUE(WaitUntil([&] { return !s.server.Serving(); }));
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.conn.reset();
    }
    RawSocket v4 = RawSocket::Connect(s.Port());
    ASSERT_TRUE(WaitUntil([&] { return s.Conn() != nullptr; }));
    // An IPv4 client of the dual-stack socket shows as plain IPv4.
    EXPECT_EQ(s.Conn()->PeerAddress().rfind("127.0.0.1:", 0), 0u) << s.Conn()->PeerAddress();
}

TEST(LineServer, IPv4AloneWhenIPv6IsOff) {
    LineServer server;
    server.SetDefaultPort(0);
    server.SetIPv6(false);
    server.SetActive(true);
    EXPECT_THROW(RawSocket::Connect6(server.BoundPort()), std::runtime_error);
    RawSocket v4 = RawSocket::Connect(server.BoundPort());
    ASSERT_TRUE(WaitUntil([&] { return server.Serving(); }));
}

TEST(LineClient, ConnectsOverIPv6WithOrWithoutBrackets) {
    RawListener v6only(true);
    LineClient client;
    for (const char* address : {"[::1]", "::1"}) {
        client.SetHost(address);
        client.SetPort(v6only.Port());
        client.Connect(10000);
        RawSocket server = v6only.Accept();
        server.Send("over six\r\n");
        EXPECT_EQ(client.ReadLn(kLong), "over six");
        client.Disconnect();
    }

    // Nothing listens on 127.0.0.1 at that port: refused, and the error names
    // the address the way it was tried.
    client.SetHost("127.0.0.1");
    try {
        client.Connect(10000);
        FAIL() << "connected to nothing";
    } catch (const SocketError& e) {
        EXPECT_NE(std::string(e.what()).find("127.0.0.1:" + std::to_string(v6only.Port())), std::string::npos)
            << e.what();
        // And says it as values for the windows to word.
        EXPECT_EQ(e.Failure(), (NetFailure{NetFailureKind::Connect, ECONNREFUSED, v6only.Port(),
                                           qx::SystemText("127.0.0.1")}));
    }
    RawListener v4only;
    client.SetHost("[::1]");
    client.SetPort(v4only.Port());
    try {
        client.Connect(10000);
        FAIL() << "connected to nothing";
    } catch (const SocketError& e) {
        EXPECT_NE(std::string(e.what()).find("[::1]:" + std::to_string(v4only.Port())), std::string::npos) << e.what();
    }
}

namespace {

// The test thread in a network namespace of its own, loopback up, until the
// end of the scope; threads started meanwhile (the server's) are born in it.
// Loopback always acknowledges: a firewall rule there silences a peer.
class OwnNetwork {
public:
    OwnNetwork() {
        home_ = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        if (::geteuid() != 0 || home_ < 0 || ::unshare(CLONE_NEWNET) != 0) return;
        entered_ = true;
        ready_ = Sh("ip link set lo up") && Sh("command -v iptables-legacy");
    }
    ~OwnNetwork() {
        if (entered_) ::setns(home_, CLONE_NEWNET);
        if (home_ >= 0) ::close(home_);
    }
    OwnNetwork(const OwnNetwork&) = delete;
    OwnNetwork& operator=(const OwnNetwork&) = delete;
    bool Ready() const { return ready_; }
    // Drops, from now on, every packet of this namespace that matches.
    bool Drop(const std::string& match) { return Sh("iptables-legacy -A OUTPUT " + match + " -j DROP"); }

private:
    static bool Sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }
    int home_ = -1;
    bool entered_ = false, ready_ = false;
};

// The text a read on a closed channel fails with ("" if it does not fail).
std::string ClosedText(LineChannel& channel) {
    try {
        // Lines still under way may come first; a read that waits in vain ends it.
        while (!channel.ReadLn(kLong).empty() || !channel.ReadLnTimedOut()) {
        }
    } catch (const ConnectionClosedError& e) {
        return e.what();
    }
    return {};
}

struct SilentPeerCase {
    const char* name;
    bool linesInFlight;  // both sides send into the dead line: unacknowledged bytes
    bool clientWritesOn;  // the client only writes, never reads: a write is told of the loss
};
void PrintTo(const SilentPeerCase& c, std::ostream* out) { *out << c.name; }

class DeadLine : public ::testing::TestWithParam<SilentPeerCase> {};

}  // namespace

TEST_P(DeadLine, BothSidesLoseAPeerThatStopsAnswering) {
    OwnNetwork net;
    if (!net.Ready()) GTEST_SKIP() << "needs root, network namespaces, ip and iptables-legacy";
    // The shortest the kernel takes: a second before the first probe and one
    // between probes; unacknowledged lines give up after two seconds, as one
    // second let a busy machine end one side before the other had probed.
    const LineLiveness quick{1, 1, 2, 2000};
    QuietServer s(quick);
    LineClient client;
    client.SetLiveness(quick);
    int clientLost = 0;
    client.OnDisconnected = [&] { ++clientLost; };
    ConnectTo(client, s.Port());
    ASSERT_EQ(Echo(client, "hello"), "echo hello");

    // The cable is pulled: nothing passes either way from here on, so each side
    // must find the silence by itself (a reset from the side that gave up first
    // would otherwise tell the other).
    ASSERT_TRUE(net.Drop("-p tcp --dport " + std::to_string(s.Port())));
    ASSERT_TRUE(net.Drop("-p tcp --sport " + std::to_string(s.Port())));
    const ConnectionPtr host = s.Conn();
    if (GetParam().linesInFlight) {
        host->WriteLn("[701] You won");
        client.WriteLn("<Cleo> still there?");
    }
    if (GetParam().clientWritesOn) {
        // As a window sending its battlefield: every line returns at once,
        // the first one after the kernel gave the line up fails with the loss.
        std::string told;
        ASSERT_TRUE(WaitUntil(
            [&] {
                try {
                    client.WriteLn("[100] [31] Victim");
                } catch (const ConnectionClosedError& e) {
                    told = e.what();
                }
                return !told.empty();
            },
            [] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }));
        EXPECT_EQ(told, kPeerSilent);
    }
    // The host's sleeping connection thread wakes and ends the connection.
    ASSERT_TRUE(WaitUntil([&] { return s.disconnects == 1; }));
    EXPECT_EQ(ClosedText(*host), kPeerSilent);
    EXPECT_EQ(ClosedText(client), kPeerSilent);
    EXPECT_EQ(clientLost, 1);
    EXPECT_FALSE(client.Connected());
}

INSTANTIATE_TEST_SUITE_P(LineTransport, DeadLine,
                         ::testing::Values(SilentPeerCase{"idle", false, false},
                                           SilentPeerCase{"linesInFlight", true, false},
                                           SilentPeerCase{"clientWritesOn", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });
