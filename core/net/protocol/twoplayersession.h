// One window's two-player game, as SinglePlayerSession is for the
// single-player game: it owns the game's state, its conversation with the
// peer and the connection to the peer (the host's current client as its
// server hands it over, the client's own connection to the host), takes the
// window's clicks, and returns views of what changed, by cell number (the
// bomb field 1..25, the own battlefield 26..50) and CellLook. The window
// renders the views and forwards its clicks; it holds no connection, never
// takes the game's lock nor reads its fields (they live in the .cpp).
//
// A lost connection ends only the connection: when the same opponent comes
// again, the conversation takes the game up where it stood (LineProtocol's
// handshakes say how), with nothing lost and nothing counted twice.
//
// What the conversation itself shows (log lines, the status, the two result
// labels, the redraw of a restart) goes to the ProtocolView, which the host
// window also gets called from its connection thread.
#pragma once

#include "core/game/celllook.h"
#include "core/net/protocol/messages.h"
#include "core/net/protocol/protocolview.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

class LineServer;

// A click on an own battlefield cell.
struct PlaceView {
    int cell = 0;
    CellLook look = CellLook::Smile;  // Smile (empty), Victim or Dragon
    int victimsLeft = 0;
    int dragonsLeft = 0;
    bool canSend = false;  // exactly five of each placed
};

// A click on a bomb-field cell; as made, the bomb field without marks (a new game).
struct MarkView {
    int cell = 0;
    CellLook look = CellLook::Smile;  // Smile or Mark
    int fieldsLeft = 5;               // marks still to set, negative when too many
    bool tooMany = false;             // more than five marks
    bool canBomb = false;             // exactly five
};

// A bombing as the bomb field shows it.
struct BombView {
    BombOutcome outcome;
    // The opponent's figures of this game that arrived: Victim, VictimHit, Dragon, DragonHit.
    std::vector<std::pair<int, CellLook>> figures;
    // With every figure known, the other cells: each with whether it was marked.
    std::vector<std::pair<int, bool>> emptyCells;
};

// What the host window does as its clients come and go; all on the server's
// connection thread, so each must hand its changes over.
struct HostHooks {
    // The names a client is greeted with, read as it comes.
    std::function<std::string()> nick;
    std::function<std::string()> serverName;
    // Its handshake went through: it is the peer now.
    std::function<void()> joined;
    // It left; it is the peer no more.
    std::function<void()> left;
};

class TwoPlayerSession {
public:
    TwoPlayerSession(NetSide side, ProtocolView& view);
    ~TwoPlayerSession();
    TwoPlayerSession(const TwoPlayerSession&) = delete;
    TwoPlayerSession& operator=(const TwoPlayerSession&) = delete;

    // --- the player's clicks; the lines go to the peer, if there is one ---
    PlaceView PlaceOwn(int cell);     // 26..50: empty -> Victim -> Dragon -> empty
    MarkView ToggleMark(int cell);    // 1..25
    // Clears the game for the next one and has the view redraw both fields.
    void NewGame();
    // Sends the own battlefield, each line waiting through wait for its
    // confirmation; false when there is no peer or not everything went out.
    bool SendPositions(const WaitFn& wait);
    BombView Bomb();
    void SendChat(const std::string& nick, const std::string& text);
    // Host's "Play again".
    void Restart();

    // How long a peer may take to send its nickname (kHandshakeTimeoutMs).
    void SetHandshakeTimeout(int ms);
    // Bytes queued for the peer beyond what its socket took; 0 without one.
    std::size_t PendingBytes() const;

    // --- the host's side: its server's client is the peer ---
    // Takes over the server's OnConnect, OnExecute and OnDisconnect: each
    // client is greeted (the handshake's waits end with its connection),
    // becomes the peer and is read on the connection thread until it goes.
    // The server must end its connection thread before the session goes.
    void ServeOn(LineServer& server, HostHooks hooks);
    // Whether a handshaken client is the peer.
    bool HasPeer() const;

    // --- the client's side: its own connection to the host is the peer ---
    // Runs once after the connection closed: by Disconnect, by a read or
    // write that found it closed or broken, or by a failed handshake.
    std::function<void()> OnDisconnected;
    // Called while the connection waits, so that the window stays responsive.
    void SetIdleHook(std::function<void()> hook);
    void SetStallTimeout(int ms);
    // Connects to host:port within timeoutMs; once the connection is up,
    // `connected` runs and the player is introduced with the nickname it
    // returns, waiting through wait for the host's. Throws what the
    // connect (LineClient::Connect) or the handshake threw, not connected then.
    void Connect(const std::string& host, int port, int timeoutMs, const std::function<std::string()>& connected,
                 const WaitFn& wait);
    // Closes the connection (runs OnDisconnected) or cancels a pending connect.
    void Disconnect();
    bool Connected() const;
    // One poll: while connected, a read pass (true); otherwise only the
    // check for a completed exchange (false). A read that finds the
    // connection closed throws ConnectionClosedError.
    bool Poll();
    // Bytes received from the host and not yet read as lines.
    std::size_t BufferedBytes() const;

    // --- what the game holds of the peer (the tests read it) ---
    std::string OpponentNick() const;
    // The opponent's figures of this game that arrived, Victims first.
    std::vector<OpponentFigure> OpponentFigures() const;
    bool AllPositionsReceived() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    ProtocolView& view_;
};

}  // namespace quorvex
