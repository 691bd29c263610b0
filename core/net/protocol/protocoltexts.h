// What the network windows show of the two-player game, as what happened:
// the status, the log's notes and a bombing's result. The windows word them
// (ui/net/nettexts.h); the lines on the wire are core/net/messages.
#pragma once

#include <string>

namespace quorvex {

// The status panel.
enum class GameStatus {
    Sending,    // the own positions are going out
    Receiving,  // a position of the opponent came in
    BombNow,    // both battlefields are exchanged
    Awaiting,   // the own went out, the opponent's are still to come
    SetUp,      // the opponent's came in, the own are still to send
};

// A note of the log (the peer's own lines are logged as they came).
enum class GameNoteKind {
    Connected,        // the handshake with the peer `name` went through
    AllSent,          // all own positions were confirmed
    AllReceived,      // all the opponent's positions came in
    ClientRestart,    // the host started the next game
    HostRestart,      // this host started the next game
    InvalidPosition,  // `line`, a position naming no cell, was not stored
    ExtraVictim,      // `line`, a sixth Victim, was not stored
    ExtraDragon,      // `line`, a sixth Dragon, was not stored
    LineTooLong,      // an over-long line was skipped
    PeerWon,          // `name` bombed this side's battlefield and won
    PeerLost,         // ... and lost
    PeerDraw,         // ... and drew
    OwnChat,          // this player, `name`, said `line` (sent as ChatLine)
    Resumed,          // the same two players met again and took their game up where it stood
};

struct GameNote {
    GameNoteKind kind = GameNoteKind::AllSent;
    std::string name;  // a nickname, Windows-1252 bytes as the peer sent it
    std::string line;  // a line as received, or the chat text; Windows-1252
    bool operator==(const GameNote&) const = default;
};

// A bombing's result, as the bombing side's label shows it and as the bombed
// side's label shows the line it receives.
enum class BombResult { Won, Lost, Draw };

}  // namespace quorvex
