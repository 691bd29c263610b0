// What the two-player conversation shows and returns, apart from the
// conversation itself (core/net/protocol/lineprotocol.h): the view a window
// implements, the outcome of a bombing, and the wait a window lends the
// protocol. The window's session (twoplayersession.h) needs no more of the
// protocol than this.
#pragma once

#include "core/net/protocol/protocoltexts.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvex {

// Waits the given milliseconds; the windows pass a wait that processes their
// events (PumpingDelay).
using WaitFn = std::function<void(int ms)>;

// An opponent figure of this game on the bomb field.
struct OpponentFigure {
    int cell = 0;  // 1..25
    bool victim = false;
    bool marked = false;
};

// What the protocol shows in its window. The host calls it from its
// connection thread as well as from the user-interface thread; the host
// window must hand those calls over in order and never wait for them.
struct ProtocolView {
    virtual ~ProtocolView() = default;
    // A line from the peer, logged as it came (Windows-1252 bytes).
    virtual void AppendLog(const std::string& line) = 0;
    // What happened, logged in the window's words.
    virtual void AppendNote(const GameNote& note) = 0;
    virtual void SetStatus(GameStatus status) = 0;
    // Label beside the own battlefield: how the opponent's bombing went.
    virtual void SetBattlefieldResult(BombResult result) = 0;
    // Label beside the bomb field: how this side's bombing went.
    virtual void SetBombResult(BombResult result) = 0;
    // ResetNetGame has run (restart): redraw both fields and the counters.
    virtual void ResetGameView() = 0;
};

enum class NetSide { Host, Client };

struct BombOutcome {
    int victimHits = 0;
    int dragonHits = 0;
    BombResult result = BombResult::Draw;  // for the label
    std::string resultLine;   // on the wire: "[700] You lost", "[701] You won", "[702] Draw"
    std::vector<OpponentFigure> figures;  // what to reveal
    bool complete = false;    // all ten positions of this game were in
    bool sent = false;        // the result line went out
};

}  // namespace quorvex
