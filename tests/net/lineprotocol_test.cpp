// The two-player protocol, host and client sides talking over real loopback
// connections: the host reads on its server's connection thread, the client
// is polled from the test thread (as its window's timer would).
#include "core/net/protocol/lineprotocol.h"
#include "core/net/protocol/twoplayersession.h"
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineconnection.h"
#include "core/net/transport/lineserver.h"

#include "net_support.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

using namespace quorvex;
using nettest::RecordingView;
using nettest::Relay;
using nettest::RawListener;
using nettest::RawSocket;
using nettest::WaitUntil;

namespace {

const std::string R = kRaquo, L = kLaquo;
using K = GameNoteKind;
using St = GameStatus;
using Res = BombResult;
const GameNote kAllSent{K::AllSent, {}, {}}, kAllReceived{K::AllReceived, {}, {}};

// The handshake's 500 ms pauses shortened; their length is not under test.
void ShortWait(int) { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }

struct Host {
    NetGameState state;
    RecordingView view;
    LineProtocol proto{NetSide::Host, state, view};
    std::string nick = "  Hoster\t";
    LineServer server;

    Host() {
        server.SetDefaultPort(0);
        server.OnConnect = [this](const ConnectionPtr& c) { proto.HostHandshake(c, nick, "Srv", ShortWait); };
        server.OnExecute = [this](const ConnectionPtr& c) { proto.ReadPass(*c); };
        server.OnDisconnect = [this](const ConnectionPtr& c) {
            proto.ForgetPeer(c);
            view.AppendLog("lost");
        };
        server.SetActive(true);
    }
    int Port() const { return server.BoundPort(); }
};

struct Client {
    NetGameState state;
    RecordingView view;
    LineProtocol proto{NetSide::Client, state, view};
    std::string nick = "Cli ";
    int disconnects = 0;
    LineClient client;

    void Connect(int port) {
        client.SetHost("127.0.0.1");
        client.SetPort(port);
        client.OnConnected = [this] { proto.ClientHandshake(client, nick, ShortWait); };
        client.OnDisconnected = [this] { ++disconnects; };
        client.Connect(10000);
    }
    // The window's poll timer.
    void Poll() {
        if (client.Connected())
            proto.ReadPass(client);
        else
            proto.CheckCompletion();
    }
    // Polls until the view shows what is asked for.
    bool PollUntil(const std::function<bool()>& pred) {
        return WaitUntil(pred, [this] { Poll(); });
    }
    LineProtocol::WaitFn Pumping() {
        return [this](int) { Poll(); };
    }
};

void Place(NetGameState& s, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
    for (int c : victims) CycleOwnCell(s, c);
    for (int c : dragons) {
        CycleOwnCell(s, c);
        CycleOwnCell(s, c);
    }
}

void MarkOnly(NetGameState& s, std::initializer_list<int> cells) {
    for (int c = 1; c <= 25; ++c) {
        const bool want = std::find(cells.begin(), cells.end(), c) != cells.end();
        bool marked;
        {
            auto lock = s.Lock();
            marked = s.bombMarks[static_cast<std::size_t>(c - 1)];
        }
        if (marked != want) ToggleBombMark(s, c);
    }
}

using Fig = std::vector<std::pair<int, bool>>;
Fig Figures(const NetGameState& s) {
    Fig out;
    for (const OpponentFigure& f : OpponentFigures(s)) out.emplace_back(f.cell, f.victim);
    return out;
}

std::string Position(int cell, bool victim) {
    return victim ? "[100] [" + std::to_string(cell) + "] Victim" : "[200] [" + std::to_string(cell) + "] Dragon";
}

// A client whose host is a raw socket that sends exact lines.
struct ClientOnRaw {
    RawListener listener;
    RawSocket host;
    Client cli;

    ClientOnRaw() {
        std::thread accept([this] {
            host = listener.Accept();
            host.Send("RawHost\r\n");
        });
        cli.Connect(listener.Port());
        accept.join();
        EXPECT_EQ(host.ReceiveUntil("\r\n"), "Cli \r\n");
    }
};

// Host and client connected through a recording relay, greeting received.
struct Linked {
    Host host;
    Relay relay{host.Port()};
    Client cli;

    Linked() {
        cli.Connect(relay.Port());
        EXPECT_TRUE(cli.PollUntil([&] { return cli.view.Logged("[server] Welcome, Cli "); }));
    }
    ConnectionPtr Peer() { return host.proto.CurrentPeer(); }
    // Both battlefields placed and exchanged, as in the example game.
    void Exchange() {
        Place(host.state, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
        Place(cli.state, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
        EXPECT_TRUE(host.proto.SendPositions(Peer().get(), cli.Pumping()));
        EXPECT_TRUE(cli.proto.SendPositions(&cli.client, cli.Pumping()));
        EXPECT_TRUE(WaitUntil([&] { return host.view.Noted(kAllReceived); }));
    }
};

}  // namespace

TEST(LineProtocol, WholeExampleGameOnTheWire) {
    Linked g;
    EXPECT_TRUE(g.host.view.Noted({K::Connected, "Cli ", {}}));
    EXPECT_TRUE(g.cli.view.Noted({K::Connected, "Hoster", {}}));
    EXPECT_TRUE(g.cli.view.Logged("[" + R + " Srv " + L + "]"));

    Place(g.host.state, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    Place(g.cli.state, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    ASSERT_TRUE(g.host.proto.SendPositions(g.Peer().get(), g.cli.Pumping()));
    EXPECT_TRUE(g.host.view.Noted(kAllSent));
    EXPECT_EQ(g.host.view.Status(), St::BombNow);
    EXPECT_TRUE(g.cli.view.Noted(kAllReceived));
    EXPECT_EQ(g.cli.view.Status(), St::SetUp);

    ASSERT_TRUE(g.cli.proto.SendPositions(&g.cli.client, g.cli.Pumping()));
    EXPECT_TRUE(g.cli.view.Noted(kAllSent));
    EXPECT_EQ(g.cli.view.Status(), St::BombNow);
    ASSERT_TRUE(WaitUntil([&] { return g.host.view.Noted(kAllReceived) && g.host.view.Status() == St::BombNow; }));

    EXPECT_EQ(Figures(g.cli.state), (Fig{{1, true}, {2, true}, {3, true}, {4, true}, {5, true},
                                         {21, false}, {22, false}, {23, false}, {24, false}, {25, false}}));
    EXPECT_EQ(Figures(g.host.state), (Fig{{6, true}, {7, true}, {8, true}, {9, true}, {10, true},
                                          {16, false}, {17, false}, {18, false}, {19, false}, {20, false}}));

    // The host hits 3 Victims and 1 Dragon.
    MarkOnly(g.host.state, {6, 7, 8, 16, 1});
    const BombOutcome hostBomb = g.host.proto.Bomb(g.Peer().get());
    EXPECT_EQ(hostBomb.result, Res::Won);
    EXPECT_EQ(hostBomb.victimHits, 3);
    EXPECT_EQ(hostBomb.dragonHits, 1);
    EXPECT_TRUE(hostBomb.complete && hostBomb.sent);
    EXPECT_EQ(g.host.view.BombResult(), Res::Won);
    ASSERT_TRUE(g.cli.PollUntil([&] { return g.cli.view.Battlefield() == Res::Lost; }));
    EXPECT_TRUE(g.cli.view.Noted({K::PeerWon, "Hoster", {}}));

    // The client hits 1 Victim and 1 Dragon.
    MarkOnly(g.cli.state, {1, 21, 10, 11, 12});
    EXPECT_EQ(g.cli.proto.Bomb(&g.cli.client).result, Res::Draw);
    ASSERT_TRUE(WaitUntil([&] { return g.host.view.Battlefield() == Res::Draw; }));
    EXPECT_TRUE(g.host.view.Noted({K::PeerDraw, "Cli ", {}}));

    g.host.proto.Restart(g.Peer().get());
    EXPECT_EQ(g.host.view.LastNote(), (GameNote{K::HostRestart, {}, {}}));
    ASSERT_TRUE(g.cli.PollUntil([&] { return g.cli.view.Resets() == 1; }));
    EXPECT_EQ(g.cli.view.LastNote(), (GameNote{K::ClientRestart, {}, {}}));

    // Handshake lines, each way in order (the two nicks may cross on the wire).
    const auto fromClient = g.relay.LinesFrom(true);
    const auto fromHost = g.relay.LinesFrom(false);
    ASSERT_GE(fromClient.size(), 1u);
    ASSERT_GE(fromHost.size(), 3u);
    EXPECT_EQ(fromClient[0], "Cli ");
    EXPECT_EQ(std::vector<std::string>(fromHost.begin(), fromHost.begin() + 3),
              (std::vector<std::string>{"Hoster", "[" + R + " Srv " + L + "]", "[server] Welcome, Cli "}));

    // Everything after the handshake is stop-and-wait, so its order is fixed.
    std::vector<Relay::Line> expected;
    for (int c : {26, 27, 28, 29, 30, 46, 47, 48, 49, 50}) {
        expected.push_back({false, Position(c, c < 46)});
        expected.push_back({true, kConfirmLine});
    }
    for (int c : {31, 32, 33, 34, 35, 41, 42, 43, 44, 45}) {
        expected.push_back({true, Position(c, c < 41)});
        expected.push_back({false, kConfirmLine});
    }
    expected.push_back({false, "[700] You lost"});
    expected.push_back({true, "[702] Draw"});
    expected.push_back({false, kRestartLine});
    ASSERT_TRUE(WaitUntil([&] { return g.relay.Lines().size() >= expected.size() + 4; }));
    const auto lines = g.relay.Lines();
    EXPECT_EQ(std::vector<Relay::Line>(lines.end() - static_cast<long>(expected.size()), lines.end()), expected);

    // A new game: this game's positions are not in yet, the old cells are not used.
    EXPECT_TRUE(Figures(g.cli.state).empty());
    EXPECT_FALSE(AllPositionsReceived(g.cli.state));
    const BombOutcome early = g.cli.proto.Bomb(nullptr);
    EXPECT_EQ(early.result, Res::Draw);
    EXPECT_FALSE(early.complete || early.sent);
    auto lock = g.cli.state.Lock();
    EXPECT_EQ(g.cli.state.opponentNick, "Hoster");
    EXPECT_EQ(g.cli.state.opponentCells[0], 1);  // kept, but no longer counted
    EXPECT_EQ(g.cli.state.victimsLeft, 5);
}

TEST(LineProtocol, DragonOn26GoesBeforeVictimOn27) {
    Linked g;
    Place(g.cli.state, {27}, {26});
    ASSERT_TRUE(g.cli.proto.SendPositions(&g.cli.client, g.cli.Pumping()));
    const auto fromClient = g.relay.LinesFrom(true);
    ASSERT_GE(fromClient.size(), 3u);
    EXPECT_EQ(fromClient[1], "[200] [26] Dragon");
    EXPECT_EQ(fromClient[2], "[100] [27] Victim");
    EXPECT_EQ(Figures(g.host.state), (Fig{{2, true}, {1, false}}));
}

TEST(LineProtocol, ShortConfirmationNearCodesAndChat) {
    ClientOnRaw t;
    Client& cli = t.cli;
    t.host.Send("[500]\r\n");
    ASSERT_TRUE(cli.PollUntil([&] { return cli.state.confirmFlag.load(); }));
    {
        auto lock = cli.state.Lock();
        EXPECT_EQ(cli.state.confirmedCount, 1);
    }

    const std::vector<std::string> plain = {"[1000] [26] Victim", " [100] [26] Victim", "[10", "[50",
                                            "<RawHost> [100] [26] Victim", "[600] what", "[100)[26] Victim"};
    for (const auto& line : plain) t.host.Send(line + "\r\n");
    t.host.Send("end\r\n");
    ASSERT_TRUE(cli.PollUntil([&] { return cli.view.Logged("end"); }));
    for (const auto& line : plain) EXPECT_TRUE(cli.view.Logged(line)) << line;
    EXPECT_FALSE(AllPositionsReceived(cli.state));
    EXPECT_TRUE(Figures(cli.state).empty());

    // Only real position lines are confirmed: the first reply is this one's.
    t.host.Send(Position(26, true) + "\r\n");
    ASSERT_TRUE(cli.PollUntil([&] { return Figures(cli.state).size() == 1; }));
    EXPECT_EQ(t.host.ReceiveUntil("\r\n"), std::string(kConfirmLine) + "\r\n");

    // Chat is logged here and sent with the nick in front, whatever its text.
    EXPECT_EQ(cli.proto.SendChat(&cli.client, "Cli ", "[900] Restart"), "<Cli > [900] Restart");
    EXPECT_EQ(cli.view.LastNote(), (GameNote{K::OwnChat, "Cli ", "[900] Restart"}));
    EXPECT_EQ(t.host.ReceiveUntil("\r\n"), "<Cli > [900] Restart\r\n");

    // The client knows "[900]".
    t.host.Send("[900] Restart\r\n");
    ASSERT_TRUE(cli.PollUntil([&] { return cli.view.Resets() == 1; }));
    EXPECT_EQ(cli.view.LastNote(), (GameNote{K::ClientRestart, {}, {}}));
}

TEST(LineProtocol, HostTakesRestartAsPlainLine) {
    Host host;
    RawSocket raw = RawSocket::Connect(host.Port());
    raw.Send("RawCli\r\n");
    EXPECT_EQ(raw.ReceiveUntil("RawCli\r\n"), "Hoster\r\n[" + R + " Srv " + L + "]\r\n[server] Welcome, RawCli\r\n");
    raw.Send("[900] Restart\r\n<RawCli> hi\r\n");
    ASSERT_TRUE(WaitUntil([&] { return host.view.Logged("<RawCli> hi"); }));
    EXPECT_TRUE(host.view.Logged("[900] Restart"));
    EXPECT_EQ(host.view.Resets(), 0);
}

TEST(LineProtocol, MalformedAndExtraPositionsAreIgnored) {
    ClientOnRaw t;
    Client& cli = t.cli;
    const std::vector<std::string> bad = {"[100] [xx] Victim", "[100] [25] Victim", "[200] [51] Dragon",
                                          "[100] [2", "[200] [4a] Dragon"};
    std::string burst;
    for (const auto& line : bad) burst += line + "\r\n";
    for (int c = 26; c <= 31; ++c) burst += Position(c, true) + "\r\n";  // a sixth Victim
    for (int c = 46; c <= 50; ++c) burst += Position(c, false) + "\r\n";
    t.host.Send(burst);
    ASSERT_TRUE(cli.PollUntil([&] { return cli.view.Noted(kAllReceived); }));

    for (const auto& line : bad) EXPECT_TRUE(cli.view.Noted({K::InvalidPosition, {}, line})) << line;
    EXPECT_TRUE(cli.view.Noted({K::ExtraVictim, {}, Position(31, true)}));
    EXPECT_EQ(Figures(cli.state), (Fig{{1, true}, {2, true}, {3, true}, {4, true}, {5, true},
                                       {21, false}, {22, false}, {23, false}, {24, false}, {25, false}}));
    // Positions in before the own battlefield was sent.
    EXPECT_EQ(cli.view.Status(), St::SetUp);
    {
        auto lock = cli.state.Lock();
        EXPECT_EQ(cli.state.receivedCount, 11);
    }
    // Every position line was answered, so a sender never waits for ever.
    const std::string confirm = std::string(kConfirmLine) + "\r\n";
    std::string replies;
    while (replies.size() < 16 * confirm.size()) {
        const std::string more = t.host.ReceiveUntil("\n");
        if (more.empty()) break;
        replies += more;
    }
    std::string all16;
    for (int i = 0; i < 16; ++i) all16 += confirm;
    EXPECT_EQ(replies, all16);

    // A sixth Dragon is refused the same way; reading goes on.
    t.host.Send(Position(45, false) + "\r\nafter\r\n");
    ASSERT_TRUE(cli.PollUntil([&] { return cli.view.Logged("after"); }));
    EXPECT_TRUE(cli.view.Noted({K::ExtraDragon, {}, Position(45, false)}));
    EXPECT_EQ(Figures(cli.state).size(), 10u);
}

TEST(LineProtocol, BombingResults) {
    Linked g;
    g.Exchange();
    auto bomb = [&](std::initializer_list<int> marks, Res label, Res hostSees, GameNoteKind hostLog) {
        const std::size_t before = g.host.view.Entries();
        MarkOnly(g.cli.state, marks);
        EXPECT_EQ(g.cli.proto.Bomb(&g.cli.client).result, label);
        EXPECT_EQ(g.cli.view.BombResult(), label);
        ASSERT_TRUE(WaitUntil([&] { return g.host.view.Entries() > before; }));
        EXPECT_EQ(g.host.view.LastNote(), (GameNote{hostLog, "Cli ", {}}));
        EXPECT_EQ(g.host.view.Battlefield(), hostSees);
    };
    // Victims of the host are on 1..5, Dragons on 21..25.
    bomb({1, 2, 21, 22, 13}, Res::Draw, Res::Draw, K::PeerDraw);
    bomb({11, 12, 13, 14, 15}, Res::Draw, Res::Draw, K::PeerDraw);
    bomb({1, 11, 12, 13, 14}, Res::Won, Res::Lost, K::PeerWon);
    bomb({21, 11, 12, 13, 14}, Res::Lost, Res::Won, K::PeerLost);
    const auto fromClient = g.relay.LinesFrom(true);
    EXPECT_EQ(std::vector<std::string>(fromClient.end() - 4, fromClient.end()),
              (std::vector<std::string>{"[702] Draw", "[702] Draw", "[700] You lost", "[701] You won"}));
}

TEST(LineProtocol, WaitsEndWithTheConnection) {
    // A client that never sends its nick and leaves: the host's handshake ends.
    Host host;
    {
        RawSocket raw = RawSocket::Connect(host.Port());
        EXPECT_EQ(raw.ReceiveUntil("\r\n"), "Hoster\r\n");
    }
    ASSERT_TRUE(WaitUntil([&] { return host.view.Logged("lost") && !host.server.Serving(); }));

    // A host that never sends its nick and leaves: the client's connect fails.
    {
        RawListener listener;
        std::thread leave([&] { listener.Accept().ReceiveUntil("\r\n"); });
        Client cli;
        EXPECT_THROW(cli.Connect(listener.Port()), ConnectionClosedError);
        leave.join();
        EXPECT_FALSE(cli.client.Connected());
        EXPECT_EQ(cli.disconnects, 1);
    }

    // A peer that never confirms and leaves: sending stops after one line.
    RawSocket raw = RawSocket::Connect(host.Port());
    raw.Send("RawCli\r\n");
    raw.ReceiveUntil("Welcome, RawCli\r\n");
    ASSERT_TRUE(WaitUntil([&] { return host.proto.CurrentPeer() != nullptr; }));
    Place(host.state, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    std::string got;
    std::thread peer([&] {
        got = raw.ReceiveUntil("Victim\r\n");
        raw.Close();
    });
    EXPECT_FALSE(host.proto.SendPositions(host.proto.CurrentPeer().get()));
    peer.join();
    EXPECT_EQ(got, Position(26, true) + "\r\n");
    ASSERT_TRUE(WaitUntil([&] { return host.proto.CurrentPeer() == nullptr; }));

    // No peer at all: nothing is sent and the status stays.
    const auto status = host.view.Status();
    EXPECT_FALSE(host.proto.SendPositions(nullptr));
    EXPECT_EQ(host.view.Status(), status);
    EXPECT_EQ(host.proto.SendChat(nullptr, "Hoster", "anyone?"), "<Hoster> anyone?");
    EXPECT_TRUE(host.view.Noted({K::OwnChat, "Hoster", "anyone?"}));
}

TEST(LineProtocol, SecondClientFailsItsHandshake) {
    Linked g;
    Client second;
    EXPECT_THROW(second.Connect(g.host.Port()), ConnectionClosedError);
    EXPECT_EQ(second.disconnects, 1);
    g.cli.proto.SendChat(&g.cli.client, "Cli ", "still fine");
    EXPECT_TRUE(WaitUntil([&] { return g.host.view.Logged("<Cli > still fine"); }));
}

TEST(NetGameRules, PlacingMarkingAndReset) {
    NetGameState s;
    PlaceResult p = CycleOwnCell(s, 26);
    EXPECT_EQ(p.content, kCellVictim);
    p = CycleOwnCell(s, 26);
    EXPECT_EQ(p.content, kCellDragon);
    EXPECT_EQ(p.victimsLeft, 5);
    EXPECT_EQ(p.dragonsLeft, 4);
    p = CycleOwnCell(s, 26);
    EXPECT_EQ(p.content, kCellEmpty);
    EXPECT_EQ(p.dragonsLeft, 5);
    for (int c = 26; c <= 31; ++c) p = CycleOwnCell(s, c);
    EXPECT_EQ(p.victimsLeft, -1);
    EXPECT_FALSE(p.canSend);
    CycleOwnCell(s, 31);  // the sixth Victim becomes a Dragon
    for (int c = 32; c <= 35; ++c) p = CycleOwnCell(s, c), p = CycleOwnCell(s, c);
    EXPECT_TRUE(p.canSend);
    EXPECT_THROW(CycleOwnCell(s, 25), std::out_of_range);

    MarkResult m;
    for (int c = 1; c <= 4; ++c) m = ToggleBombMark(s, c);
    EXPECT_EQ(m.fieldsLeft, 1);
    EXPECT_FALSE(m.tooMany || m.canBomb);
    m = ToggleBombMark(s, 5);
    EXPECT_EQ(m.fieldsLeft, 0);
    EXPECT_TRUE(m.canBomb);
    EXPECT_FALSE(m.tooMany);
    m = ToggleBombMark(s, 6);
    EXPECT_TRUE(m.tooMany);
    EXPECT_FALSE(m.canBomb);
    m = ToggleBombMark(s, 6);
    EXPECT_FALSE(m.marked);
    EXPECT_TRUE(m.canBomb);

    ResetNetGame(s);
    auto lock = s.Lock();
    EXPECT_EQ(s.bombMarkCount, 0);
    EXPECT_EQ(s.victimsLeft, 5);
    EXPECT_EQ(s.dragonsLeft, 5);
    EXPECT_TRUE(std::all_of(s.ownField.begin(), s.ownField.end(), [](auto v) { return v == kCellEmpty; }));
    EXPECT_TRUE(std::none_of(s.bombMarks.begin(), s.bombMarks.end(), [](bool b) { return b; }));
}

// The session hands its window cell numbers and looks, never its state: a
// bombing names the figures' looks and, with all ten in, the empty cells.
TEST(TwoPlayerSessionTest, ViewsNameCellsAndLooks) {
    RawListener listener;
    RawSocket host;  // the peer's lines
    std::thread accept([&] {
        host = listener.Accept();
        std::string lines = "RawHost\r\n";
        for (int c = 26; c <= 35; ++c) lines += Position(c, c <= 30) + "\r\n";  // bomb field 1..5, 6..10
        host.Send(lines);
    });
    RecordingView view;
    TwoPlayerSession s(NetSide::Client, view);
    EXPECT_EQ(s.PlaceOwn(30).look, CellLook::Victim);
    const PlaceView dragon = s.PlaceOwn(30);
    EXPECT_EQ((std::tuple{dragon.cell, dragon.look, dragon.victimsLeft, dragon.dragonsLeft}),
              (std::tuple{30, CellLook::Dragon, 5, 4}));
    s.Connect("127.0.0.1", listener.Port(), 10000, [] { return std::string("Cli"); }, ShortWait);
    accept.join();
    EXPECT_TRUE(WaitUntil([&] { return s.AllPositionsReceived(); }, [&] { s.Poll(); }));
    for (int c : {1, 6, 20}) s.ToggleMark(c);
    EXPECT_EQ(s.ToggleMark(21).look, CellLook::Mark);
    const BombView v = s.Bomb();
    std::vector<std::pair<int, CellLook>> figures{{1, CellLook::VictimHit}, {6, CellLook::DragonHit}};
    for (int c = 2; c <= 5; ++c) figures.emplace_back(c, CellLook::Victim);
    for (int c = 7; c <= 10; ++c) figures.emplace_back(c, CellLook::Dragon);
    std::sort(figures.begin(), figures.end());
    std::vector<std::pair<int, CellLook>> shown = v.figures;
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, figures);
    std::vector<std::pair<int, bool>> empty;
    for (int c = 11; c <= 25; ++c) empty.emplace_back(c, c == 20 || c == 21);
    EXPECT_EQ(v.emptyCells, empty);
    EXPECT_EQ(v.outcome.result, Res::Draw);
}

namespace {

// A raw peer read line by line.
struct RawPeer {
    RawSocket s;
    std::string buffered = {};

    // The next n lines, each with its CR LF.
    std::string Lines(int n) {
        std::string out;
        while (n-- > 0) out += Next() + "\r\n";
        return out;
    }
    std::string Next() {
        for (std::size_t lf; (lf = buffered.find('\n')) == std::string::npos;) {
            const std::string more = s.ReceiveUntil("\n");
            if (more.empty()) return "<closed>";
            buffered += more;
        }
        const std::size_t lf = buffered.find('\n');
        std::string line = buffered.substr(0, lf > 0 && buffered[lf - 1] == '\r' ? lf - 1 : lf);
        buffered.erase(0, lf + 1);
        return line;
    }
};

std::string Greeting(const std::string& host, const std::string& client) {
    return host + "\r\n[" + R + " Srv " + L + "]\r\n[server] Welcome, " + client + "\r\n";
}

void PlaceOn(TwoPlayerSession& s, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
    for (int c : victims) s.PlaceOwn(c);
    for (int c : dragons) s.PlaceOwn(c), s.PlaceOwn(c);
}

}  // namespace

// The host's position that was never confirmed and its result, both sent into
// a line that died, reach the same client once when it comes again; the
// positions it had are not sent again.
TEST(TwoPlayerSessionTest, TheSameClientAgainGetsWhatTheDeadLineLost) {
    RecordingView view;
    TwoPlayerSession host(NetSide::Host, view);
    LineServer server;
    server.SetDefaultPort(0);
    host.ServeOn(server, {[] { return std::string("Hoster"); }, [] { return std::string("Srv"); }, {}, {}});
    server.SetActive(true);

    RawPeer first{RawSocket::Connect(server.BoundPort())};
    first.s.Send("Cli\r\n");
    EXPECT_EQ(first.Lines(3), Greeting("Hoster", "Cli"));
    ASSERT_TRUE(WaitUntil([&] { return host.HasPeer(); }));
    PlaceOn(host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    bool sent = true;
    std::thread sending([&] { sent = host.SendPositions(LineProtocol::SleepWait); });
    EXPECT_EQ(first.Next(), Position(26, true));
    first.s.Send(std::string(kConfirmLine) + "\r\n");
    EXPECT_EQ(first.Next(), Position(27, true));  // held, its confirmation lost
    for (int c = 1; c <= 5; ++c) host.ToggleMark(c);
    EXPECT_EQ(host.Bomb().outcome.resultLine, "[702] Draw");
    first.s.Abort();
    sending.join();
    EXPECT_FALSE(sent);
    ASSERT_TRUE(WaitUntil([&] { return !host.HasPeer(); }));

    RawPeer again{RawSocket::Connect(server.BoundPort())};
    again.s.Send("\r\nCli\r\n");
    EXPECT_EQ(again.Lines(3), Greeting("Hoster", "Cli"));
    EXPECT_EQ(again.Next(), "[300] Resume 0 0 0");
    again.s.Send("[300] Resume 0 0 2\r\n");
    EXPECT_EQ(again.Next(), "[702] Draw");
    for (int c : {28, 29, 30, 46, 47, 48, 49, 50}) {
        EXPECT_EQ(again.Next(), Position(c, c <= 30));
        again.s.Send(std::string(kConfirmLine) + "\r\n");
    }
    ASSERT_TRUE(WaitUntil([&] { return view.Status() == GameStatus::BombNow; }));
    EXPECT_EQ(view.NoteCount({GameNoteKind::AllSent, {}, {}}), 1u);
    EXPECT_EQ(view.NoteCount({GameNoteKind::Resumed, {}, {}}), 1u);
    // Nothing more to send: a chat line is the next line.
    host.SendChat("Hoster", "go on");
    EXPECT_EQ(again.Next(), "<Hoster> go on");
    server.SetActive(false);
}

// The client's last position, held by the host though its confirmation was
// lost, is not sent again; its result, bombed with no host, goes once to a host
// that answers. A host that does not answer gets the empty line and no more.
TEST(TwoPlayerSessionTest, TheClientTakesTheGameUpOnlyWithAHostThatAnswers) {
    RawListener listener;
    RecordingView view;
    TwoPlayerSession cli(NetSide::Client, view);
    auto poll = [&](int = 0) {
        try {
            cli.Poll();
        } catch (const ConnectionClosedError&) {
        }
    };
    auto join = [&](const std::string& greeting) {
        RawPeer host;
        std::thread accept([&] {
            host.s = listener.Accept();
            host.s.Send(greeting);
        });
        cli.Connect("127.0.0.1", listener.Port(), 10000, [] { return std::string("Cli"); }, ShortWait);
        accept.join();
        return host;
    };

    RawPeer first = join("RawHost\r\n");
    EXPECT_EQ(first.Next(), "Cli");  // no empty line on a first meeting
    PlaceOn(cli, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    std::thread hostSide([&] {
        for (int i = 0; i < 10; ++i) {
            first.Next();
            if (i < 9) first.s.Send(std::string(kConfirmLine) + "\r\n");
        }
        first.s.Abort();
    });
    EXPECT_FALSE(cli.SendPositions(poll));
    hostSide.join();
    ASSERT_TRUE(WaitUntil([&] { return !cli.Connected(); }, [&] { poll(); }));
    for (int c = 1; c <= 5; ++c) cli.ToggleMark(c);
    EXPECT_FALSE(cli.Bomb().outcome.sent);

    RawPeer again = join(Greeting("RawHost", "Cli") + "[300] Resume 0 0 10\r\n");
    EXPECT_EQ(again.Next(), "");
    EXPECT_EQ(again.Next(), "Cli");
    ASSERT_TRUE(WaitUntil([&] { return view.NotedKind(GameNoteKind::Resumed); }, [&] { poll(); }));
    EXPECT_EQ(again.Next(), "[300] Resume 0 0 0");
    EXPECT_EQ(again.Next(), "[702] Draw");
    EXPECT_EQ(view.NoteCount({GameNoteKind::AllSent, {}, {}}), 1u);
    EXPECT_EQ(view.Status(), GameStatus::BombNow);
    cli.SendChat("Cli", "back");
    EXPECT_EQ(again.Next(), "<Cli> back");
    cli.Disconnect();

    RawPeer plain = join(Greeting("RawHost", "Cli"));
    EXPECT_EQ(plain.Next(), "");
    EXPECT_EQ(plain.Next(), "Cli");
    for (int i = 0; i < 5; ++i) poll();
    cli.SendChat("Cli", "anyone?");
    EXPECT_EQ(plain.Next(), "<Cli> anyone?");
    EXPECT_EQ(view.NoteCount({GameNoteKind::Resumed, {}, {}}), 1u);
    cli.Disconnect();
}
