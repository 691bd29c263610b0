// The line transport on 127.0.0.1 with real sockets: framing, time-outs,
// over-long lines, closes, the one-client server and its stop.
#include "net/linetransport.h"

#include "net_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
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
