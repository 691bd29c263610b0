// The two-player conversation over one line connection: the nickname
// handshake, the exchange of both hidden battlefields (stop-and-wait, one
// line per figure), the bombing results, the restart and chat. The same
// LineProtocol drives the host window (reading on the server's connection
// thread) and the client window (reading from its poll timer); it tells its
// window what to show through ProtocolView. The windows reach it only
// through their TwoPlayerSession.
//
// The lines themselves are core/net/messages; what the windows show of the game
// is core/net/protocoltexts, as values the windows word. Texts are Windows-1252 bytes.
#pragma once

#include "core/net/transport/linechannel.h"
#include "core/net/protocol/messages.h"
#include "core/net/protocol/protocoltexts.h"
#include "core/net/protocol/protocolview.h"
#include "core/net/transport/lineconnection.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace quorvex {

inline constexpr int kFiguresPerKind = 5;

// Contents of an own battlefield cell.
inline constexpr std::uint8_t kCellEmpty = 0;
inline constexpr std::uint8_t kCellVictim = 1;
inline constexpr std::uint8_t kCellDragon = 2;

// Milliseconds of the protocol's reads and waits.
inline constexpr int kProtocolReadMs = 5;
inline constexpr int kHandshakeWaitMs = 500;
inline constexpr int kConfirmWaitMs = 250;
// A peer that has not sent its nickname this long after the connection came
// up is given up (it would hold the host's only slot).
inline constexpr int kHandshakeTimeoutMs = 10000;
inline constexpr const char* kHandshakeTimedOut = "No nickname received in time.";

// What a side keeps to take a game up again when the same two players meet
// after a lost line (see LineProtocol's handshakes): counts since the two met,
// kept over lost connections, and the state of the own positions' sending.
struct ResumeBook {
    bool met = false;            // a handshake has been through with some peer
    int restarts = 0;            // host: "Play again" pressed; client: restarts taken
    int resultsSent = 0;         // bombings (with or without a peer to hear them)
    int resultsGot = 0;          // result lines received
    std::string lastResult;      // the last bombing's result line
    bool sendWanted = false;     // "Send battlefield" was pressed in this game
    bool sendRunning = false;    // SendPositions is under way
    int resendNext = -1;         // continuing the sending after a resume: the next figure's index
    unsigned game = 0;           // changes with every new game
    unsigned line = 0;           // changes with every handshake
    // From the handshake until the peer's note is in (host: the client asked to
    // resume; client: it asked), with what this side had at the handshake.
    bool awaitingNote = false;
    int linesSinceHandshake = 0;  // client: the host's note comes with its two greetings
    bool resumedSend = false;     // this line's note took the sending up (or found it done)
    struct {
        int restarts = 0, resultsSent = 0, resultsGot = 0;
        unsigned game = 0;
        std::string nick;  // the opponent before this handshake
    } atHandshake;
};

// One two-player game, as its session (twoplayersession.h) keeps it out of
// its window's sight. The host's connection thread and its user-interface
// thread share it: take Lock() around every access to the
// plain fields (confirmFlag is atomic). The free functions and LineProtocol
// below lock by themselves, so call them without holding the lock.
struct NetGameState {
    std::array<std::uint8_t, 25> ownField{};        // cell c (26..50) at [c - 26]: kCellEmpty/Victim/Dragon
    std::array<bool, 25> bombMarks{};               // cell c (1..25) at [c - 1]
    std::int8_t bombMarkCount = 0;
    std::int8_t victimsLeft = kFiguresPerKind;      // negative when too many are placed
    std::int8_t dragonsLeft = kFiguresPerKind;
    std::array<std::int32_t, 10> opponentCells{};   // slot k at [k - 1]: 1..5 Victims, 6..10 Dragons
    std::uint8_t nextVictimSlot = 1;
    std::uint8_t nextDragonSlot = 1;
    std::uint8_t confirmedCount = 0;                // 0..10, 11 once completion was noticed
    std::uint8_t receivedCount = 0;                 // the same for the opponent's positions
    std::atomic<bool> confirmFlag{false};
    std::string opponentNick;
    ConnectionPtr currentPeer;                      // host only: the handshaken connection
    ResumeBook resume;

    // A cell by its number, the one convention outside this record (bomb
    // field 1..25, own battlefield 26..50); only these know the arrays' offsets.
    std::uint8_t& OwnCell(int cell) { return ownField[static_cast<std::size_t>(cell - kFirstOwnCell)]; }
    std::uint8_t OwnCell(int cell) const { return ownField[static_cast<std::size_t>(cell - kFirstOwnCell)]; }
    bool& BombMark(int cell) { return bombMarks[static_cast<std::size_t>(cell - 1)]; }
    bool BombMark(int cell) const { return bombMarks[static_cast<std::size_t>(cell - 1)]; }

    std::unique_lock<std::mutex> Lock() const { return std::unique_lock<std::mutex>(mutex); }
    mutable std::mutex mutex;
};

// Starts the next game: own battlefield and bomb marks cleared, both "left"
// counters 5, confirmedCount and receivedCount 0, both next slots 1, no mark.
// Kept: opponentCells (stale until refilled, see OpponentFigures),
// opponentNick, confirmFlag, currentPeer. The window redraws both fields
// empty, enables its own cells, and shows the marking of no mark and "5" / "5".
void ResetNetGame(NetGameState& state);

// A click on own battlefield cell 26..50: empty -> Victim -> Dragon -> empty.
struct PlaceResult {
    std::uint8_t content = kCellEmpty;  // the cell's new content
    int victimsLeft = 0;
    int dragonsLeft = 0;
    bool canSend = false;  // exactly five of each placed
};
PlaceResult CycleOwnCell(NetGameState& state, int cell);

// A click on bomb-field cell 1..25 toggles its mark.
struct MarkResult {
    bool marked = false;   // the cell's new state
    int fieldsLeft = 0;    // marks still to set: 5 minus the marks, negative when too many
    bool tooMany = false;  // more than five marks
    bool canBomb = false;  // exactly five marks
};
MarkResult ToggleBombMark(NetGameState& state, int cell);

// Only the slots filled in this game, Victims first, each in arrival order;
// never a cell outside 1..25.
std::vector<OpponentFigure> OpponentFigures(const NetGameState& state);
// True once all five Victims and five Dragons of this game have arrived.
bool AllPositionsReceived(const NetGameState& state);

class LineProtocol {
public:
    // The waits default to a plain sleep.
    using WaitFn = quorvex::WaitFn;
    static void SleepWait(int ms);

    LineProtocol(NetSide side, NetGameState& state, ProtocolView& view);

    // How long a handshake may wait for the peer's nickname (kHandshakeTimeoutMs).
    void SetHandshakeTimeout(int ms) { handshakeMs_ = ms; }

    // Host side, on the connection thread: reads (5 ms), sends the trimmed
    // nick, then waits and reads until the client's nick is in (throwing
    // NetTimeoutError when it is not in within the handshake time-out); notes
    // Connected with the nick, makes conn the current peer and sends the
    // server line and the welcome line. Returns the client's nick. Throws
    // ConnectionClosedError (or another NetError) when the connection ends.
    //
    // Taking a game up again: a client that met a host before sends an empty
    // line ahead of its nickname (a host that does not resume ignores it).
    // The host answers such a client, after the welcome line, with its
    // ResumeNote ("[300] Resume ..." for its last opponent, else "[300] New");
    // the client answers a "Resume" of its last opponent with its own note.
    // Each side then sends what the other missed: the last result line, the
    // host's restart, the own positions from the first the peer lacks. Toward
    // any other peer nothing more goes out than before.
    std::string HostHandshake(const ConnectionPtr& conn, const std::string& nick, const std::string& serverName,
                              const WaitFn& wait = SleepWait);
    // Client side, inside LineClient::OnConnected: sends nick unchanged, then
    // reads (5 ms), waiting between reads, until the host's nick is in (or
    // the time-out ends it); logs it like the host. Returns the host's nick;
    // throws as above.
    // A client that met a host before first sends the empty line asking to resume.
    std::string ClientHandshake(LineChannel& channel, const std::string& nick, const WaitFn& wait = SleepWait);

    // Host: the connection all host sends go to; null when no client.
    ConnectionPtr CurrentPeer() const;
    // Host, in OnDisconnect: forgets conn if it is the current peer (and any
    // note it still owed).
    void ForgetPeer(const ConnectionPtr& conn);

    // One read pass: ReadLn with 5 ms, HandleLine (confirmations go back on
    // the same channel), then CheckCompletion. An over-long line is logged
    // and skipped; a closed connection throws ConnectionClosedError.
    void ReadPass(LineChannel& channel);
    // One received line, by the message it parses into. Every position is
    // confirmed on replyTo (if given and open), stored or not.
    void HandleLine(const std::string& line, LineChannel* replyTo);
    // Notices the tenth confirmation and the tenth received position.
    void CheckCompletion();

    // Sends the own battlefield, cells 26..50 in order, each line waiting for
    // its confirmation (checking every 250 ms through wait). False, with the
    // rest unsent, when there is no open peer or the connection ends. Just
    // after a reconnect it first waits (at most the handshake time-out) for
    // the peer's note, and sends nothing if the resume took the sending up.
    bool SendPositions(LineChannel* peer, const WaitFn& wait = SleepWait);
    // Judges the marks against this game's opponent figures, shows the bomb
    // result label and sends the result line. The window checks beforehand
    // that five cells are marked (and may insist on AllPositionsReceived).
    BombOutcome Bomb(LineChannel* peer);
    // Notes the chat (OwnChat) and sends its line if a peer is open; returns the line.
    std::string SendChat(LineChannel* peer, const std::string& nick, const std::string& text);
    // Host's "Play again": sends "[900] Restart", resets the game, asks the
    // view to redraw and notes HostRestart.
    void Restart(LineChannel* peer);

    // Sends one line if peer is open; false (nothing sent) otherwise.
    static bool Send(LineChannel* peer, const std::string& line);

private:
    void ReceivePosition(const Message& message, LineChannel* replyTo);
    // A result line: the battlefield's label and the log line with the peer's nick.
    void TakeResult(BombResult result, GameNoteKind note);
    // Reads until the peer's nickname is in, waiting between reads; an empty
    // line read on the way sets asked.
    std::string AwaitNick(LineChannel& channel, std::string line, const WaitFn& wait, bool& asked) const;
    // The peer's note after a reconnect; false if none was awaited (a plain line then).
    bool TakeNote(const std::string& line, LineChannel* replyTo);
    // Just after a reconnect, until the peer's note is in (at most the
    // handshake time-out); false when the line ended meanwhile.
    bool AwaitNote(const std::function<bool()>& onLine, const WaitFn& wait) const;
    // After a confirmation: the next position of a resumed sending, if any.
    void ContinueSending(LineChannel* replyTo);
    std::string Nick() const;

    const NetSide side_;
    NetGameState& state_;
    ProtocolView& view_;
    std::atomic<int> handshakeMs_{kHandshakeTimeoutMs};
};

}  // namespace quorvex
