// Hostile peers against a real host side (a LineServer serving the host's
// TwoPlayerSession, as the host window has it) and a real client side (the
// client's TwoPlayerSession on its own connection, polled as the client
// window polls it):
// resets in the middle of a line, half lines, a 1 MiB line, a silent peer, a
// burst of connection attempts during a game, and a peer that trickles one
// byte every 10 ms. Each time the game side survives, its input buffer stays
// within the maximum line length plus one receive, and no thread is left
// behind once the server has stopped.
#include "core/platform/handover.h"
#include "core/net/protocol/lineprotocol.h"
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/protocol/protocoltexts.h"
#include "core/net/protocol/twoplayersession.h"
#include "core/net/transport/lineserver.h"
#include "net/net_support.h"
#include "net/recording_view.h"
#include "support/threads.h"

#include <gtest/gtest.h>

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

using namespace quorvex;
using nettest::RawListener;
using nettest::RawSocket;
using nettest::RecordingView;
using nettest::WaitUntil;
using qxtest::ThreadCount;

namespace {

constexpr std::size_t kBufferBound = kMaxLineLength + kReceiveSize;
constexpr const char* kHostNick = "Host";
constexpr const char* kClientNick = "Remote Victim";

// The handshake's pauses as plain sleeps.
void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The host window's server and session, without the window.
struct HostSide {
    RecordingView view;
    TwoPlayerSession session{NetSide::Host, view};
    LineServer server;
    std::atomic<std::size_t> maxBuffered{0};
    std::atomic<int> disconnects{0};

    HostSide() {
        server.SetDefaultPort(0);
        server.SetExecuteOnInput(true);
        session.ServeOn(server, {[] { return std::string(kHostNick); }, [] { return std::string("Server of sadism"); },
                                 {}, [this] { ++disconnects; }});
        // The buffer is measured around the session's own handlers.
        server.OnConnect = Measured(server.OnConnect, false);
        server.OnExecute = Measured(server.OnExecute, true);
        server.SetActive(true);
    }
    ~HostSide() {
        if (server.Active()) server.SetActive(false);
    }
    int Port() const { return server.BoundPort(); }
    LineServer::Handler Measured(LineServer::Handler handler, bool afterEachPass) {
        return [this, handler, afterEachPass](const ConnectionPtr& c) {
            try {
                handler(c);
            } catch (...) {
                Note(*c);
                throw;
            }
            if (afterEachPass) Note(*c);
        };
    }
    // Runs on the connection thread, the buffer's only reader.
    void Note(const LineConnection& c) {
        const std::size_t now = c.BufferedBytes();
        std::size_t seen = maxBuffered.load();
        while (now > seen && !maxBuffered.compare_exchange_weak(seen, now)) {
        }
    }
    bool WaitForDisconnects(int n) {
        return WaitUntil([&] { return disconnects.load() >= n && !server.Serving(); });
    }
};

// The client window's session, polled by the test's thread.
struct ClientSide {
    RecordingView view;
    TwoPlayerSession session{NetSide::Client, view};
    int port;
    int disconnects = 0;
    int idleCalls = 0;
    std::size_t maxBuffered = 0;

    explicit ClientSide(int port) : port(port) {
        session.SetIdleHook([this] { ++idleCalls; });
        session.OnDisconnected = [this] { ++disconnects; };
    }
    void Connect() { session.Connect("127.0.0.1", port, 10000, [] { return std::string(kClientNick); }, Sleep); }
    // One poll of the client window; false once the connection is gone.
    bool Poll() {
        try {
            if (!session.Poll()) return false;
        } catch (const ConnectionClosedError&) {
            return false;
        }
        maxBuffered = std::max(maxBuffered, session.BufferedBytes());
        return session.Connected();
    }
    // Polls until pred holds or the connection ends.
    bool PollUntil(const std::function<bool()>& pred) {
        bool open = true;
        return WaitUntil([&] { return pred() || !open; }, [&] { open = Poll(); }) && pred();
    }
};

// A raw client that has done the host's handshake.
RawSocket HandshakenPeer(int port, const std::string& nick) {
    RawSocket s = RawSocket::Connect(port);
    s.Send(nick + "\r\n");
    const std::string got = s.ReceiveUntil("[server] Welcome, " + nick + "\r\n");
    EXPECT_NE(got.find("[server] Welcome, " + nick), std::string::npos) << got;
    return s;
}

// A raw host: accepts one client, answers its nickname, then runs `then`.
class RawHost {
public:
    explicit RawHost(std::function<void(RawSocket&)> then) : then_(std::move(then)) {
        thread_ = std::thread([this] {
            try {
                RawSocket s = listener_.Accept();
                s.ReceiveUntil(std::string(kClientNick) + "\r\n");
                then_(s);
            } catch (const std::exception&) {
                // The test's own checks tell what went wrong.
            }
        });
    }
    ~RawHost() { thread_.join(); }
    int Port() const { return listener_.Port(); }

private:
    RawListener listener_;
    std::function<void(RawSocket&)> then_;
    std::thread thread_;
};

void ResetOnClose(const RawSocket& s) {
    linger l{1, 0};
    ::setsockopt(s.Fd(), SOL_SOCKET, SO_LINGER, &l, sizeof l);
}

const std::string kGreeting = std::string(kHostNick) + "\r\n[\xBB Server of sadism \xAB]\r\n[server] Welcome, " +
                              kClientNick + "\r\n";

class HostilePeers : public ::testing::Test {
protected:
    void SetUp() override {
        // A first thread makes a sanitizer start its own helper thread, which
        // then lives for the rest of the process: count after that.
        std::thread([] {}).join();
        threadsBefore = ThreadCount();
    }
    // The next client gets the whole handshake and its position confirmed.
    static void ExpectServedAgain(HostSide& host, const std::string& nick) {
        RawSocket next = HandshakenPeer(host.Port(), nick);
        next.Send("[100] [26] Victim\r\n");
        EXPECT_NE(next.ReceiveUntil(kConfirmLine).find(kConfirmLine), std::string::npos);
        EXPECT_EQ(host.session.OpponentNick(), nick);
    }
    void ExpectNoThreadLeft() { EXPECT_EQ(ThreadCount(), threadsBefore); }

    int threadsBefore = 0;
};

TEST_F(HostilePeers, ResetInTheMiddleOfALine) {
    {
        HostSide host;
        {
            RawSocket peer = HandshakenPeer(host.Port(), "Evil");
            peer.Send("[100] [2");
            ResetOnClose(peer);
        }
        ASSERT_TRUE(host.WaitForDisconnects(1));
        EXPECT_FALSE(host.session.HasPeer());
        EXPECT_FALSE(host.session.AllPositionsReceived());
        EXPECT_FALSE(host.view.AnyContains("[100]")) << "half a line was taken for a line";
        ExpectServedAgain(host, "Next");
        host.server.SetActive(false);
        EXPECT_LE(host.maxBuffered.load(), kBufferBound);
    }
    ExpectNoThreadLeft();

    // The client side: its next read finds the reset, it notices once.
    RawHost evil([](RawSocket& s) {
        s.Send(kGreeting + "[100] [3");
        ResetOnClose(s);
    });
    ClientSide side(evil.Port());
    side.Connect();
    EXPECT_FALSE(side.PollUntil([] { return false; }));
    EXPECT_FALSE(side.session.Connected());
    EXPECT_EQ(side.disconnects, 1);
    EXPECT_FALSE(side.view.AnyContains("[100]"));
    EXPECT_FALSE(side.session.Poll()) << "a closed connection is read no more";
    EXPECT_EQ(side.disconnects, 1);
}

TEST_F(HostilePeers, HalfALineThenClose) {
    {
        HostSide host;
        {
            RawSocket peer = HandshakenPeer(host.Port(), "Half");
            peer.Send("<Half> this line never ends");
        }
        ASSERT_TRUE(host.WaitForDisconnects(1));
        EXPECT_FALSE(host.view.AnyContains("never ends"));
        ExpectServedAgain(host, "Whole");
        host.server.SetActive(false);
    }
    ExpectNoThreadLeft();

    RawHost half([](RawSocket& s) { s.Send(kGreeting + "<Host> complete\r\n<Host> this one is not"); });
    ClientSide side(half.Port());
    side.Connect();
    EXPECT_FALSE(side.PollUntil([] { return false; }));
    EXPECT_EQ(side.view.Count("<Host> complete"), 1u) << "a line that arrived before the close is read";
    EXPECT_FALSE(side.view.AnyContains("is not"));
    EXPECT_EQ(side.disconnects, 1);
}

TEST_F(HostilePeers, OneMebibyteLineIsSkippedOnceWithBoundedMemory) {
    const std::string huge(1 << 20, 'x');
    {
        HostSide host;
        RawSocket peer = HandshakenPeer(host.Port(), "Big");
        peer.Send(huge + "\r\n[100] [26] Victim\r\n");
        EXPECT_NE(peer.ReceiveUntil(kConfirmLine).find(kConfirmLine), std::string::npos);
        EXPECT_EQ(host.view.NoteCount({GameNoteKind::LineTooLong, {}, {}}), 1u);
        EXPECT_FALSE(host.view.AnyContains("xxxx"));
        // The connection goes on: the next lines are handled as usual.
        peer.Send("<Big> still here\r\n");
        EXPECT_TRUE(WaitUntil([&] { return host.view.Count("<Big> still here") == 1; }));
        EXPECT_TRUE(host.server.Serving());
        // The measure sees what waits in the buffer between two passes.
        peer.Send("[100] [27] Vic");
        EXPECT_TRUE(WaitUntil([&] { return host.maxBuffered.load() >= 14; }));
        peer.Close();
        ASSERT_TRUE(host.WaitForDisconnects(1));

        // A 1 MiB nickname: the handshake fails, the peer is dropped, the next one is served.
        RawSocket bigNick = RawSocket::Connect(host.Port());
        try {
            bigNick.Send(huge + "\r\n");
        } catch (const std::runtime_error&) {
            // The host may drop the peer before all of it has gone out.
        }
        bool eof = false;
        bigNick.ReceiveUntil("", &eof);
        EXPECT_TRUE(eof);
        ASSERT_TRUE(host.WaitForDisconnects(2));
        ExpectServedAgain(host, "Next");
        host.server.SetActive(false);
        EXPECT_LE(host.maxBuffered.load(), kBufferBound);
    }
    ExpectNoThreadLeft();

    RawHost big([&](RawSocket& s) { s.Send(kGreeting + huge + "\r\n<Host> after\r\n"); });
    ClientSide side(big.Port());
    side.Connect();
    EXPECT_TRUE(side.PollUntil([&] { return side.view.Count("<Host> after") == 1; }));
    EXPECT_EQ(side.view.NoteCount({GameNoteKind::LineTooLong, {}, {}}), 1u);
    EXPECT_LE(side.maxBuffered, kBufferBound);
    EXPECT_TRUE(side.session.Connected());
    side.session.Disconnect();
}

TEST_F(HostilePeers, OneMebibyteNicknameFailsTheClientsConnect) {
    RawHost big([](RawSocket& s) { s.Send(std::string(1 << 20, 'n') + "\r\n"); });
    ClientSide side(big.Port());
    EXPECT_THROW(side.Connect(), LineTooLongError);
    EXPECT_FALSE(side.session.Connected());
    EXPECT_EQ(side.disconnects, 1);
    EXPECT_TRUE(side.session.OpponentNick().empty());
}

TEST_F(HostilePeers, PeerThatNeverSendsItsNickname) {
    {
        HostSide host;
        {
            RawSocket silent = RawSocket::Connect(host.Port());
            // The host's own nickname comes while it waits for the peer's.
            EXPECT_EQ(silent.ReceiveUntil("\r\n"), std::string(kHostNick) + "\r\n");
            EXPECT_TRUE(host.server.Serving());
        }
        ASSERT_TRUE(host.WaitForDisconnects(1));
        EXPECT_FALSE(host.session.HasPeer());
        EXPECT_FALSE(host.view.NotedKind(GameNoteKind::Connected));
        EXPECT_TRUE(host.session.OpponentNick().empty());
        ExpectServedAgain(host, "Talker");
        host.server.SetActive(false);
    }
    ExpectNoThreadLeft();
}

TEST_F(HostilePeers, BurstOfConnectionsWhileAClientPlays) {
    constexpr int kAttempts = 200;
    constexpr int kChats = 100;
    {
        HostSide host;
        ClientSide player(host.Port());
        player.Connect();
        ASSERT_TRUE(WaitUntil([&] { return host.session.HasPeer(); }));

        // The host places a whole battlefield to send during the burst.
        for (int cell = 26; cell <= 30; ++cell) host.session.PlaceOwn(cell);
        for (int cell = 46; cell <= 50; ++cell) {
            host.session.PlaceOwn(cell);
            host.session.PlaceOwn(cell);
        }

        std::vector<std::size_t> received(kAttempts, 0);
        std::vector<bool> ended(kAttempts, false);
        std::thread burst([&] {
            // Waves of simultaneous attempts, each wave small enough for the
            // listen queue: beyond it the kernel drops handshakes and leaves
            // the retries to its own back-off (minutes), which says nothing
            // about the game.
            constexpr int kWave = LineServer::kListenQueue - 3;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
            for (int first = 0; first < kAttempts; first += kWave) {
                const int last = std::min(kAttempts, first + kWave);
                std::vector<int> fds;
                for (int i = first; i < last; ++i) {
                    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
                    const sockaddr_in a = nettest::Loopback(host.Port());
                    ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
                    fds.push_back(fd);
                }
                // Each is closed by the host; a refused or reset attempt ends as
                // well. Every attempt sends one byte once connected, so that one
                // still waiting in the queue is noticed when it is closed.
                std::vector<bool> poked(fds.size(), false);
                int open = last - first;
                while (open > 0 && std::chrono::steady_clock::now() < deadline) {
                    std::vector<pollfd> p;
                    for (int i = first; i < last; ++i)
                        if (!ended[i]) p.push_back({fds[i - first], static_cast<short>(POLLIN | (poked[i - first] ? 0 : POLLOUT)), 0});
                    if (::poll(p.data(), p.size(), 50) <= 0) continue;
                    for (const pollfd& q : p) {
                        if (q.revents == 0) continue;
                        const auto k = static_cast<std::size_t>(std::find(fds.begin(), fds.end(), q.fd) - fds.begin());
                        const auto i = static_cast<std::size_t>(first) + k;
                        if ((q.revents & POLLOUT) && !poked[k]) {
                            poked[k] = true;
                            ::send(q.fd, "?", 1, MSG_NOSIGNAL);
                        }
                        if (!(q.revents & (POLLIN | POLLERR | POLLHUP))) continue;
                        char buf[256];
                        const ssize_t n = ::recv(q.fd, buf, sizeof buf, 0);
                        if (n > 0) {
                            received[i] += static_cast<std::size_t>(n);
                        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                            ended[i] = true;
                            --open;
                        }
                    }
                }
                for (int fd : fds) ::close(fd);
            }
        });
        // The host's window thread: the battlefield and chat lines. It looks
        // for each confirmation every 10 ms, not every 250 ms as the game
        // does: the ten positions still take longer than the burst.
        std::atomic<bool> sent{false};
        std::thread hostWindow([&] {
            host.session.SendPositions([](int) { Sleep(10); });
            for (int i = 0; i < kChats; ++i) host.session.SendChat(kHostNick, "h" + std::to_string(i));
            sent = true;
        });
        // The client window: polls, confirms, answers with chat lines.
        for (int i = 0; i < kChats; ++i) player.session.SendChat(kClientNick, "c" + std::to_string(i));
        EXPECT_TRUE(player.PollUntil([&] {
            return sent && player.view.Starting("<Host> ").size() == kChats && player.session.AllPositionsReceived();
        }));
        hostWindow.join();
        burst.join();

        for (int i = 0; i < kAttempts; ++i) {
            EXPECT_TRUE(ended[i]) << "attempt " << i << " was never closed";
            EXPECT_EQ(received[i], 0u) << "attempt " << i << " received bytes";
        }
        std::vector<std::string> hostLines, clientLines;
        for (int i = 0; i < kChats; ++i) {
            hostLines.push_back("<Host> h" + std::to_string(i));
            clientLines.push_back(std::string("<") + kClientNick + "> c" + std::to_string(i));
        }
        EXPECT_EQ(player.view.Starting("<Host> "), hostLines);
        EXPECT_TRUE(WaitUntil([&] { return host.view.Starting("<Remote").size() == kChats; }));
        EXPECT_EQ(host.view.Starting("<Remote"), clientLines);
        const std::vector<OpponentFigure> figures = player.session.OpponentFigures();
        ASSERT_EQ(figures.size(), 10u);
        EXPECT_EQ(figures[0].cell, 1);
        EXPECT_EQ(figures[9].cell, 25);
        EXPECT_TRUE(player.session.Connected());
        EXPECT_EQ(host.disconnects.load(), 0);
        player.session.Disconnect();
        ASSERT_TRUE(host.WaitForDisconnects(1));
        host.server.SetActive(false);
        EXPECT_LE(host.maxBuffered.load(), kBufferBound);
    }
    ExpectNoThreadLeft();
}

// Sends bytes one at a time, 10 ms apart.
void Trickle(const RawSocket& s, const std::string& bytes) {
    for (char c : bytes) {
        s.Send(std::string(1, c));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TEST_F(HostilePeers, PeerWritingOneByteEveryTenMilliseconds) {
    {
        HostSide host;
        RawSocket peer = RawSocket::Connect(host.Port());
        Trickle(peer, "Slow\r\n[100] [26] Victim\r\n[200] [50] Dragon\r\n<Slow> hi\r\n");
        const std::string got = peer.ReceiveUntil(std::string(kConfirmLine) + "\r\n" + kConfirmLine + "\r\n");
        EXPECT_NE(got.find("[server] Welcome, Slow\r\n"), std::string::npos) << got;
        EXPECT_TRUE(WaitUntil([&] { return host.view.Count("<Slow> hi") == 1; }));
        const std::vector<OpponentFigure> figures = host.session.OpponentFigures();
        ASSERT_EQ(figures.size(), 2u);
        EXPECT_EQ(figures[0].cell, 1);
        EXPECT_EQ(figures[1].cell, 25);
        // Stopping in the middle of a trickled line ends the connection thread.
        Trickle(peer, "[100] [2");
        host.server.SetActive(false);
        EXPECT_FALSE(host.server.Active());
        EXPECT_LE(host.maxBuffered.load(), kBufferBound);
    }
    ExpectNoThreadLeft();

    RawHost slow([](RawSocket& s) { Trickle(s, kGreeting + "[100] [30] Victim\r\n"); });
    ClientSide side(slow.Port());
    side.Connect();
    EXPECT_TRUE(side.PollUntil([&] { return side.session.OpponentFigures().size() == 1; }));
    EXPECT_EQ(side.view.Count("[server] Welcome, Remote Victim"), 1u);
    EXPECT_GT(side.idleCalls, 0) << "the window is given its events while it waits";
    side.session.Disconnect();
}

TEST_F(HostilePeers, AFloodingPeerIsHeldBackAtTheWindowsLimitAndLosesNoLine) {
    constexpr int kLines = 3000;
    std::vector<std::string> shown;  // the window's, in the order applied
    {
        HandOver window([] {}, 16);
        std::atomic<std::size_t> maxBacklog{0};
        LineServer server;
        server.SetDefaultPort(0);
        server.SetExecuteOnInput(true);
        server.SetInputGate([&](std::function<void()> resume) { return window.HasRoom(std::move(resume)); });
        server.OnExecute = [&](const ConnectionPtr& c) {
            if (std::string line = c->ReadLn(kProtocolReadMs); !line.empty())
                window.Post([&shown, line] { shown.push_back(line); });
            maxBacklog = std::max(maxBacklog.load(), window.Backlog());
        };
        server.SetActive(true);
        RawSocket peer = RawSocket::Connect(server.BoundPort());
        std::string flood;
        for (int i = 0; i < kLines; ++i) flood += std::to_string(i) + "\r\n";
        std::thread sender([&] { peer.Send(flood); });
        EXPECT_TRUE(WaitUntil([&] { return shown.size() == kLines; },
                              [&] { window.ApplyBatch(std::chrono::microseconds(0)); }));  // one line a turn
        sender.join();
        EXPECT_LE(maxBacklog.load(), 16u);
        server.SetActive(false);
    }
    for (std::size_t i = 0; i < shown.size(); ++i) ASSERT_EQ(shown[i], std::to_string(i));
    ExpectNoThreadLeft();
}

}  // namespace
