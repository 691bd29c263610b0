#include "core/net/protocol/twoplayersession.h"

#include "core/net/protocol/lineprotocol.h"
#include "core/net/transport/lineclient.h"
#include "core/net/transport/lineserver.h"

#include <algorithm>

namespace quorvex {

struct TwoPlayerSession::Parts {
    Parts(NetSide side, ProtocolView& view) : side(side), protocol(side, game, view) {}

    // The peer the clicks' lines go to: the host's current client (held while
    // in use), the client's own connection.
    std::shared_ptr<LineChannel> Peer() {
        if (side == NetSide::Host) return protocol.CurrentPeer();
        return {std::shared_ptr<void>(), &client};
    }

    const NetSide side;
    NetGameState game;
    LineProtocol protocol;
    LineClient client;  // the client's side only
};

TwoPlayerSession::TwoPlayerSession(NetSide side, ProtocolView& view)
    : parts_(std::make_unique<Parts>(side, view)), view_(view) {
    LineClient& client = parts_->client;
    client.SetReadTimeout(kProtocolReadMs);
    client.OnDisconnected = [this] {
        if (OnDisconnected) OnDisconnected();
    };
}

TwoPlayerSession::~TwoPlayerSession() = default;

PlaceView TwoPlayerSession::PlaceOwn(int cell) {
    const PlaceResult r = CycleOwnCell(parts_->game, cell);
    PlaceView v;
    v.cell = cell;
    v.look = r.content == kCellVictim ? CellLook::Victim : r.content == kCellDragon ? CellLook::Dragon : CellLook::Smile;
    v.victimsLeft = r.victimsLeft;
    v.dragonsLeft = r.dragonsLeft;
    v.canSend = r.canSend;
    return v;
}

MarkView TwoPlayerSession::ToggleMark(int cell) {
    MarkResult r = ToggleBombMark(parts_->game, cell);
    return {cell, r.marked ? CellLook::Mark : CellLook::Smile, r.fieldsLeft, r.tooMany, r.canBomb};
}

void TwoPlayerSession::NewGame() {
    ResetNetGame(parts_->game);
    view_.ResetGameView();
}

bool TwoPlayerSession::SendPositions(const WaitFn& wait) {
    const std::shared_ptr<LineChannel> peer = parts_->Peer();
    return parts_->protocol.SendPositions(peer.get(), wait);
}

BombView TwoPlayerSession::Bomb() {
    BombView v;
    const std::shared_ptr<LineChannel> peer = parts_->Peer();
    v.outcome = parts_->protocol.Bomb(peer.get());
    const std::vector<OpponentFigure>& figures = v.outcome.figures;
    for (const OpponentFigure& f : figures) {
        const CellLook look = f.victim ? (f.marked ? CellLook::VictimHit : CellLook::Victim)
                                       : (f.marked ? CellLook::DragonHit : CellLook::Dragon);
        v.figures.emplace_back(f.cell, look);
    }
    // With every figure known, the other cells are known to be empty.
    if (figures.size() != 2 * kFiguresPerKind) return v;
    const NetGameState& game = parts_->game;
    auto lock = game.Lock();
    for (int n = 1; n <= kBombFieldCells; ++n) {
        const bool figure =
            std::any_of(figures.begin(), figures.end(), [n](const OpponentFigure& f) { return f.cell == n; });
        if (!figure) v.emptyCells.emplace_back(n, game.BombMark(n));
    }
    return v;
}

void TwoPlayerSession::SendChat(const std::string& nick, const std::string& text) {
    const std::shared_ptr<LineChannel> peer = parts_->Peer();
    parts_->protocol.SendChat(peer.get(), nick, text);
}

void TwoPlayerSession::Restart() {
    const std::shared_ptr<LineChannel> peer = parts_->Peer();
    parts_->protocol.Restart(peer.get());
}

void TwoPlayerSession::SetHandshakeTimeout(int ms) { parts_->protocol.SetHandshakeTimeout(ms); }

std::size_t TwoPlayerSession::PendingBytes() const {
    if (parts_->side == NetSide::Client) return parts_->client.PendingBytes();
    const ConnectionPtr peer = parts_->protocol.CurrentPeer();
    return peer ? peer->PendingBytes() : 0;
}

// ---------------------------------------------------------------------------
// The host's side

void TwoPlayerSession::ServeOn(LineServer& server, HostHooks hooks) {
    auto shared = std::make_shared<HostHooks>(std::move(hooks));
    LineProtocol& protocol = parts_->protocol;
    server.OnConnect = [&protocol, shared](const ConnectionPtr& conn) {
        const std::string nick = shared->nick ? shared->nick() : std::string();
        const std::string serverName = shared->serverName ? shared->serverName() : std::string();
        // The handshake's waits end as soon as the connection does (a stop, the client leaving).
        protocol.HostHandshake(conn, nick, serverName, [&conn](int ms) { conn->Pause(ms); });
        if (shared->joined) shared->joined();
    };
    server.OnExecute = [&protocol](const ConnectionPtr& conn) { protocol.ReadPass(*conn); };
    server.OnDisconnect = [&protocol, shared](const ConnectionPtr& conn) {
        protocol.ForgetPeer(conn);
        if (shared->left) shared->left();
    };
}

bool TwoPlayerSession::HasPeer() const { return parts_->protocol.CurrentPeer() != nullptr; }

// ---------------------------------------------------------------------------
// The client's side

void TwoPlayerSession::SetIdleHook(std::function<void()> hook) { parts_->client.SetIdleHook(std::move(hook)); }

void TwoPlayerSession::SetStallTimeout(int ms) { parts_->client.SetStallTimeout(ms); }

void TwoPlayerSession::Connect(const std::string& host, int port, int timeoutMs,
                               const std::function<std::string()>& connected, const WaitFn& wait) {
    LineClient& client = parts_->client;
    client.SetHost(host);
    client.SetPort(port);
    client.OnConnected = [this, &client, connected, wait] {
        const std::string nick = connected ? connected() : std::string();
        parts_->protocol.ClientHandshake(client, nick, wait);
    };
    client.Connect(timeoutMs);
}

void TwoPlayerSession::Disconnect() { parts_->client.Disconnect(); }

bool TwoPlayerSession::Connected() const { return parts_->client.Connected(); }

bool TwoPlayerSession::Poll() {
    if (!parts_->client.Connected()) {
        parts_->protocol.CheckCompletion();
        return false;
    }
    parts_->protocol.ReadPass(parts_->client);
    return true;
}

std::size_t TwoPlayerSession::BufferedBytes() const { return parts_->client.BufferedBytes(); }

// ---------------------------------------------------------------------------
// What the game holds of the peer

std::string TwoPlayerSession::OpponentNick() const {
    auto lock = parts_->game.Lock();
    return parts_->game.opponentNick;
}

std::vector<OpponentFigure> TwoPlayerSession::OpponentFigures() const { return quorvex::OpponentFigures(parts_->game); }

bool TwoPlayerSession::AllPositionsReceived() const { return quorvex::AllPositionsReceived(parts_->game); }

}  // namespace quorvex
