// One window's two-player game, as SinglePlayerSession is for the
// single-player game: it owns the game's state and its conversation with the
// peer, takes the window's clicks, and returns views of what changed, by cell
// number (the bomb field 1..25, the own battlefield 26..50) and CellLook. The
// window renders the views and forwards its clicks; it never takes the game's
// lock nor reads its fields.
//
// What the conversation itself shows (log lines, the status, the two result
// labels, the redraw of a restart) goes to the ProtocolView, which the host
// window also gets called from its connection thread.
#pragma once

#include "core/game/celllook.h"
#include "core/net/protocol/lineprotocol.h"
#include "core/net/transport/lineconnection.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

// A click on an own battlefield cell.
struct PlaceView {
    int cell = 0;
    CellLook look = CellLook::Smile;  // Smile (empty), Victim or Dragon
    int victimsLeft = 0;
    int dragonsLeft = 0;
    bool canSend = false;  // exactly five of each placed
};

// A click on a bomb-field cell.
struct MarkView {
    int cell = 0;
    CellLook look = CellLook::Smile;  // Smile or Mark
    std::string fieldsLeftText;       // "3 fields left", "Only 5 fields max!", "Ready to bomb!!!"
    bool canBomb = false;
};

// A bombing as the bomb field shows it.
struct BombView {
    BombOutcome outcome;
    // The opponent's figures of this game that arrived: Victim, VictimHit, Dragon, DragonHit.
    std::vector<std::pair<int, CellLook>> figures;
    // With every figure known, the other cells: each with whether it was marked.
    std::vector<std::pair<int, bool>> emptyCells;
};

class TwoPlayerSession {
public:
    TwoPlayerSession(NetSide side, ProtocolView& view);
    TwoPlayerSession(const TwoPlayerSession&) = delete;
    TwoPlayerSession& operator=(const TwoPlayerSession&) = delete;

    // --- the player's clicks ---
    PlaceView PlaceOwn(int cell);     // 26..50: empty -> Victim -> Dragon -> empty
    MarkView ToggleMark(int cell);    // 1..25
    // Clears the game for the next one and has the view redraw both fields.
    void NewGame();
    bool SendPositions(LineChannel* peer, const LineProtocol::WaitFn& wait) {
        return protocol_.SendPositions(peer, wait);
    }
    BombView Bomb(LineChannel* peer);
    void SendChat(LineChannel* peer, const std::string& nick, const std::string& text) {
        protocol_.SendChat(peer, nick, text);
    }
    void Restart(LineChannel* peer) { protocol_.Restart(peer); }

    // --- the connection (see LineProtocol) ---
    void SetHandshakeTimeout(int ms) { protocol_.SetHandshakeTimeout(ms); }
    std::string HostHandshake(const ConnectionPtr& conn, const std::string& nick, const std::string& serverName,
                              const LineProtocol::WaitFn& wait) {
        return protocol_.HostHandshake(conn, nick, serverName, wait);
    }
    std::string ClientHandshake(LineChannel& channel, const std::string& nick, const LineProtocol::WaitFn& wait) {
        return protocol_.ClientHandshake(channel, nick, wait);
    }
    void ReadPass(LineChannel& channel) { protocol_.ReadPass(channel); }
    void CheckCompletion() { protocol_.CheckCompletion(); }
    ConnectionPtr CurrentPeer() const { return protocol_.CurrentPeer(); }
    void ForgetPeer(const ConnectionPtr& conn) { protocol_.ForgetPeer(conn); }
    // Host: bytes queued for the current client beyond what its socket took; 0 without one.
    std::size_t PendingBytes() const;

private:
    NetGameState game_;
    LineProtocol protocol_;
    ProtocolView& view_;
};

}  // namespace quorvex
