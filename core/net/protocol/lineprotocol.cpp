#include "core/net/protocol/lineprotocol.h"

#include "core/game/marking.h"
#include "core/platform/text.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

namespace quorvex {

namespace {

std::string PositionLine(int cell, std::uint8_t content) {
    return FormatLine({content == kCellVictim ? MessageKind::Victim : MessageKind::Dragon, cell, {}});
}

// The own figures in the order SendPositions sends them. The caller holds the lock.
std::vector<std::string> OwnPositionLines(const NetGameState& state) {
    std::vector<std::string> lines;
    for (int cell = kFirstOwnCell; cell <= kLastOwnCell; ++cell) {
        const std::uint8_t content = state.OwnCell(cell);
        if (content == kCellVictim || content == kCellDragon) lines.push_back(PositionLine(cell, content));
    }
    return lines;
}

// Opponent positions held of this game, 0..10. The caller holds the lock.
int HeldPositions(const NetGameState& state) { return std::min<int>(state.receivedCount, 2 * kFiguresPerKind); }

// Takes the own sending up where the peer's positions end: the first line to
// send, if any is left. The caller holds the lock.
std::optional<std::string> ResumeSending(NetGameState& state, int peerHas) {
    ResumeBook& b = state.resume;
    if (!b.sendWanted || b.sendRunning || state.confirmedCount >= 2 * kFiguresPerKind) return std::nullopt;
    b.resumedSend = true;
    // What the peer holds counts as confirmed, a confirmation lost on the old line too.
    state.confirmedCount = static_cast<std::uint8_t>(peerHas);
    const std::vector<std::string> lines = OwnPositionLines(state);
    if (static_cast<std::size_t>(peerHas) >= lines.size()) return std::nullopt;
    b.resendNext = peerHas + 1;
    return lines[static_cast<std::size_t>(peerHas)];
}

// What a side sends when the peer's note is in, and how its sending goes on.
struct Resumed {
    std::vector<std::string> out;  // what the peer missed, in order
    bool sending = false;          // the own positions go on
    bool sendDone = false;         // the peer had them all
};

// Compares the peer's note with what this side had at the handshake. The
// caller holds the lock.
void CatchUp(NetGameState& state, NetSide side, const ResumeNote& note, Resumed& r) {
    ResumeBook& b = state.resume;
    const auto& at = b.atHandshake;
    // The last result again if the peer missed one, unless a newer one already went on this line.
    const int newResults = b.resultsSent - at.resultsSent;
    const bool result = note.results < at.resultsSent && newResults == 0 && !b.lastResult.empty();
    if (result) r.out.push_back(b.lastResult);
    b.resultsSent = note.results + (result ? 1 : 0) + newResults;
    // The host's restart the client missed: one brings it to the current game.
    int peerHas = -1;  // the peer's positions of this game; -1: it is in another one
    if (side == NetSide::Host) {
        const int newRestarts = b.restarts - at.restarts;
        const bool restart = note.restarts < at.restarts && newRestarts == 0;
        if (restart) r.out.push_back(kRestartLine);
        b.restarts = note.restarts + (restart ? 1 : 0) + newRestarts;
        if (b.game == at.game) peerHas = restart ? 0 : note.restarts == at.restarts ? note.positions : -1;
    } else if (b.game == at.game && note.restarts == at.restarts) {
        peerHas = note.positions;
    }
    if (peerHas < 0) return;
    const bool unfinished = b.sendWanted && state.confirmedCount < 2 * kFiguresPerKind;
    if (std::optional<std::string> first = ResumeSending(state, peerHas)) {
        r.out.push_back(*first);
        r.sending = true;
    } else {
        r.sendDone = unfinished && b.resumedSend;
    }
}

// Changes collected under the state's lock and shown after it is released,
// because a view may itself read the state.
struct Shown {
    std::vector<std::pair<GameNoteKind, GameStatus>> items;  // a note, then a status
    void Add(GameNoteKind note, GameStatus status) { items.emplace_back(note, status); }
    void ApplyTo(ProtocolView& view) const {
        for (const auto& [note, status] : items) {
            view.AppendNote({note, {}, {}});
            view.SetStatus(status);
        }
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// Game state rules

void ResetNetGame(NetGameState& state) {
    auto lock = state.Lock();
    state.ownField.fill(kCellEmpty);
    state.bombMarks.fill(false);
    state.bombMarkCount = 0;
    state.victimsLeft = kFiguresPerKind;
    state.dragonsLeft = kFiguresPerKind;
    state.confirmedCount = 0;
    state.receivedCount = 0;
    state.nextVictimSlot = 1;
    state.nextDragonSlot = 1;
    state.resume.sendWanted = false;
    state.resume.resendNext = -1;
    ++state.resume.game;
}

PlaceResult CycleOwnCell(NetGameState& state, int cell) {
    if (cell < kFirstOwnCell || cell > kLastOwnCell) throw std::out_of_range("own battlefield cell out of range");
    auto lock = state.Lock();
    std::uint8_t& content = state.OwnCell(cell);
    switch (content) {
        case kCellEmpty:
            content = kCellVictim;
            --state.victimsLeft;
            break;
        case kCellVictim:
            content = kCellDragon;
            --state.dragonsLeft;
            ++state.victimsLeft;
            break;
        default:
            content = kCellEmpty;
            ++state.dragonsLeft;
            break;
    }
    PlaceResult r;
    r.content = content;
    r.victimsLeft = state.victimsLeft;
    r.dragonsLeft = state.dragonsLeft;
    r.canSend = state.victimsLeft == 0 && state.dragonsLeft == 0;
    return r;
}

MarkResult ToggleBombMark(NetGameState& state, int cell) {
    if (cell < 1 || cell > kBombFieldCells) throw std::out_of_range("bomb-field cell out of range");
    auto lock = state.Lock();
    bool& mark = state.BombMark(cell);
    mark = !mark;
    state.bombMarkCount = static_cast<std::int8_t>(state.bombMarkCount + (mark ? 1 : -1));
    // The same marking rule as the single-player field.
    const MarkingState marking = MarkingFor(state.bombMarkCount);
    MarkResult r;
    r.marked = mark;
    r.fieldsLeft = kFiguresPerKind - state.bombMarkCount;
    r.tooMany = r.fieldsLeft < 0;
    r.canBomb = marking.canBomb;
    return r;
}

namespace {

// The caller holds the state's lock.
std::vector<OpponentFigure> FiguresLocked(const NetGameState& state) {
    std::vector<OpponentFigure> figures;
    auto add = [&](int firstIndex, int filled, bool victim) {
        for (int k = 0; k < filled && k < kFiguresPerKind; ++k) {
            const int cell = state.opponentCells[static_cast<std::size_t>(firstIndex + k)];
            if (cell < 1 || cell > kBombFieldCells) continue;
            figures.push_back({cell, victim, state.BombMark(cell)});
        }
    };
    add(0, state.nextVictimSlot - 1, true);
    add(kFiguresPerKind, state.nextDragonSlot - 1, false);
    return figures;
}

bool AllInLocked(const NetGameState& state) {
    return state.nextVictimSlot > kFiguresPerKind && state.nextDragonSlot > kFiguresPerKind;
}

}  // namespace

std::vector<OpponentFigure> OpponentFigures(const NetGameState& state) {
    auto lock = state.Lock();
    return FiguresLocked(state);
}

bool AllPositionsReceived(const NetGameState& state) {
    auto lock = state.Lock();
    return AllInLocked(state);
}

// ---------------------------------------------------------------------------
// LineProtocol

void LineProtocol::SleepWait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

LineProtocol::LineProtocol(NetSide side, NetGameState& state, ProtocolView& view)
    : side_(side), state_(state), view_(view) {}

std::string LineProtocol::Nick() const {
    auto lock = state_.Lock();
    return state_.opponentNick;
}

bool LineProtocol::Send(LineChannel* peer, const std::string& line) {
    if (!peer || !peer->Connected()) return false;
    try {
        peer->WriteLn(line);
        return true;
    } catch (const ConnectionClosedError&) {
        // Gone between the check and the write: the same as no peer.
        return false;
    }
}

std::string LineProtocol::HostHandshake(const ConnectionPtr& conn, const std::string& nick,
                                        const std::string& serverName, const WaitFn& wait) {
    // The client's nick may not be here yet; ours goes out regardless.
    std::string line = conn->ReadLn(kProtocolReadMs);
    bool asked = line.empty() && !conn->ReadLnTimedOut();
    conn->WriteLn(qx::Trim(nick));
    line = AwaitNick(*conn, line, wait, asked);
    std::optional<ResumeNote> note;  // only for a client that asked
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        ++b.line;
        b.resendNext = -1;
        b.resumedSend = false;
        b.awaitingNote = asked && b.met && state_.opponentNick == line;
        if (b.awaitingNote) {
            b.atHandshake = {b.restarts, b.resultsSent, b.resultsGot, b.game, state_.opponentNick};
            note = ResumeNote{true, b.restarts, b.resultsGot, HeldPositions(state_)};
        } else {
            // Someone new, or someone who does not resume: the counts start here.
            b.restarts = b.resultsSent = b.resultsGot = 0;
            if (asked) note = ResumeNote{};
        }
        b.met = true;
        state_.opponentNick = line;
        state_.currentPeer = conn;
    }
    view_.AppendNote({GameNoteKind::Connected, line, {}});
    conn->WriteLn(ServerLine(serverName));
    conn->WriteLn(WelcomeLine(line));
    if (note) conn->WriteLn(ResumeLine(*note));
    return line;
}

std::string LineProtocol::ClientHandshake(LineChannel& channel, const std::string& nick, const WaitFn& wait) {
    bool ask;
    {
        auto lock = state_.Lock();
        ask = state_.resume.met;
    }
    if (ask) channel.WriteLn("");
    channel.WriteLn(nick);
    bool ignored = false;
    const std::string line = AwaitNick(channel, channel.ReadLn(kProtocolReadMs), wait, ignored);
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        ++b.line;
        b.resendNext = -1;
        b.resumedSend = false;
        b.awaitingNote = ask;
        b.linesSinceHandshake = 0;
        // Counted afresh unless the host's note says the game goes on (TakeNote adds these back).
        b.atHandshake = {b.restarts, b.resultsSent, b.resultsGot, b.game, state_.opponentNick};
        b.restarts = b.resultsSent = b.resultsGot = 0;
        b.met = true;
        state_.opponentNick = line;
    }
    view_.AppendNote({GameNoteKind::Connected, line, {}});
    return line;
}

std::string LineProtocol::AwaitNick(LineChannel& channel, std::string line, const WaitFn& wait, bool& asked) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(handshakeMs_.load());
    while (line.empty()) {
        if (std::chrono::steady_clock::now() >= deadline) throw NetTimeoutError({NetFailureKind::HandshakeTimedOut}, qx::SystemText(kHandshakeTimedOut));
        wait(std::min<int>(kHandshakeWaitMs, handshakeMs_.load()));
        if (!channel.Connected()) throw ConnectionClosedError(kNotConnected);
        line = channel.ReadLn(kProtocolReadMs);
        if (line.empty() && !channel.ReadLnTimedOut()) asked = true;
    }
    return line;
}

ConnectionPtr LineProtocol::CurrentPeer() const {
    auto lock = state_.Lock();
    return state_.currentPeer;
}

void LineProtocol::ForgetPeer(const ConnectionPtr& conn) {
    auto lock = state_.Lock();
    if (state_.currentPeer == conn) state_.currentPeer.reset();
    // One client at a time: whatever note was owed went with it.
    state_.resume.awaitingNote = false;
}

void LineProtocol::ReadPass(LineChannel& channel) {
    std::string line;
    try {
        line = channel.ReadLn(kProtocolReadMs);
    } catch (const LineTooLongError&) {
        // No message comes near the limit; its bytes are gone, reading goes on.
        view_.AppendNote({GameNoteKind::LineTooLong, {}, {}});
    }
    if (side_ == NetSide::Client) {
        // The host's note, if it has one, follows its two greetings at once;
        // a host that has none sends nothing more of its own.
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        if (b.awaitingNote) {
            if (!line.empty()) ++b.linesSinceHandshake;
            if (line.empty() && channel.ReadLnTimedOut() && b.linesSinceHandshake >= 2) b.awaitingNote = false;
        }
    }
    HandleLine(line, &channel);
    CheckCompletion();
}

void LineProtocol::HandleLine(const std::string& line, LineChannel* replyTo) {
    const Message m = ParseLine(line);
    switch (m.kind) {
        case MessageKind::None: return;
        case MessageKind::Victim:
        case MessageKind::Dragon: ReceivePosition(m, replyTo); return;
        case MessageKind::Confirm:
            {
                auto lock = state_.Lock();
                if (state_.confirmedCount < 255) ++state_.confirmedCount;
            }
            // Notice the completion before releasing the sender's wait, so that
            // the status it sets when done is the last one shown.
            CheckCompletion();
            ContinueSending(replyTo);
            state_.confirmFlag = true;
            return;
        case MessageKind::YouLost: TakeResult(BombResult::Lost, GameNoteKind::PeerWon); return;
        case MessageKind::YouWon: TakeResult(BombResult::Won, GameNoteKind::PeerLost); return;
        case MessageKind::Draw: TakeResult(BombResult::Draw, GameNoteKind::PeerDraw); return;
        case MessageKind::Restart:
            // Only the host starts the next game; a client's restart line is just shown.
            if (side_ != NetSide::Client) break;
            {
                auto lock = state_.Lock();
                ++state_.resume.restarts;
            }
            ResetNetGame(state_);
            view_.ResetGameView();
            view_.AppendNote({GameNoteKind::ClientRestart, {}, {}});
            return;
        case MessageKind::Resume:
            if (TakeNote(line, replyTo)) return;
            break;
        default: break;
    }
    view_.AppendLog(line);
}

void LineProtocol::TakeResult(BombResult result, GameNoteKind note) {
    {
        auto lock = state_.Lock();
        ++state_.resume.resultsGot;
    }
    view_.SetBattlefieldResult(result);
    view_.AppendNote({note, Nick(), {}});
}

void LineProtocol::ReceivePosition(const Message& message, LineChannel* replyTo) {
    const bool victim = message.kind == MessageKind::Victim;
    const int cell = message.cell;
    const std::string& line = message.line;
    bool refused = true;
    GameNoteKind why = GameNoteKind::InvalidPosition;
    {
        auto lock = state_.Lock();
        std::uint8_t& next = victim ? state_.nextVictimSlot : state_.nextDragonSlot;
        if (cell < 0) {
            why = GameNoteKind::InvalidPosition;
        } else if (next > kFiguresPerKind) {
            why = victim ? GameNoteKind::ExtraVictim : GameNoteKind::ExtraDragon;
        } else {
            const int index = (victim ? 0 : kFiguresPerKind) + next - 1;
            state_.opponentCells[static_cast<std::size_t>(index)] = cell - (kFirstOwnCell - 1);
            ++next;
            ++state_.receivedCount;
            refused = false;
        }
    }
    // Confirmed even when refused: the sender waits for it before its next line.
    Send(replyTo, kConfirmLine);
    if (refused)
        view_.AppendNote({why, {}, line});
    else
        view_.SetStatus(GameStatus::Receiving);
}

void LineProtocol::CheckCompletion() {
    Shown shown;
    {
        auto lock = state_.Lock();
        if (state_.confirmedCount == 10) {
            state_.confirmedCount = 11;
            shown.Add(GameNoteKind::AllSent, state_.receivedCount == 11 ? GameStatus::BombNow : GameStatus::Awaiting);
        }
        if (state_.receivedCount == 10) {
            state_.receivedCount = 11;
            shown.Add(GameNoteKind::AllReceived, state_.confirmedCount == 11 ? GameStatus::BombNow : GameStatus::SetUp);
        }
    }
    shown.ApplyTo(view_);
}

bool LineProtocol::SendPositions(LineChannel* peer, const WaitFn& wait) {
    bool wantedBefore, waited;
    unsigned line;
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        wantedBefore = b.sendWanted;
        // Wanted even without a peer: a peer that takes the game up again gets it.
        b.sendWanted = true;
        waited = b.awaitingNote;
        line = b.line;
    }
    if (!peer || !peer->Connected()) return false;
    // Ends with the connection it began on, also when a new one is up meanwhile.
    auto onLine = [&] {
        auto lock = state_.Lock();
        return state_.resume.line == line && peer->Connected();
    };
    if (!AwaitNote(onLine, wait)) return false;
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        if (b.resendNext >= 0 || (waited && wantedBefore && b.resumedSend)) return false;
        b.sendRunning = true;
    }
    struct Running {
        NetGameState& state;
        ~Running() {
            auto lock = state.Lock();
            state.resume.sendRunning = false;
        }
    } running{state_};
    view_.SetStatus(GameStatus::Sending);
    for (int cell = kFirstOwnCell; cell <= kLastOwnCell; ++cell) {
        // Read live: a restart during the waits empties the battlefield and
        // so ends the sending instead of carrying the old game over.
        std::uint8_t content;
        {
            auto lock = state_.Lock();
            content = state_.OwnCell(cell);
        }
        if (content != kCellVictim && content != kCellDragon) continue;
        state_.confirmFlag = false;
        if (!Send(peer, PositionLine(cell, content))) return false;
        while (!state_.confirmFlag) {
            if (!onLine()) return false;
            wait(kConfirmWaitMs);
        }
    }
    view_.SetStatus(GameStatus::BombNow);
    return true;
}

bool LineProtocol::AwaitNote(const std::function<bool()>& onLine, const WaitFn& wait) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(handshakeMs_.load());
    for (;;) {
        {
            auto lock = state_.Lock();
            if (!state_.resume.awaitingNote) return true;
        }
        if (!onLine()) return false;
        if (std::chrono::steady_clock::now() >= deadline) return true;
        wait(kConfirmWaitMs);
    }
}

void LineProtocol::ContinueSending(LineChannel* replyTo) {
    std::optional<std::string> next;
    bool done = false;
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        if (b.resendNext < 0) return;
        const std::vector<std::string> lines = OwnPositionLines(state_);
        if (static_cast<std::size_t>(b.resendNext) < lines.size()) {
            next = lines[static_cast<std::size_t>(b.resendNext++)];
        } else {
            b.resendNext = -1;
            done = true;
        }
    }
    if (next) Send(replyTo, *next);
    // As at the end of SendPositions.
    if (done) view_.SetStatus(GameStatus::BombNow);
}

bool LineProtocol::TakeNote(const std::string& line, LineChannel* replyTo) {
    const std::optional<ResumeNote> note = ParseResume(line);
    Resumed r;
    std::vector<std::string>& out = r.out;
    bool resumed = false;
    {
        auto lock = state_.Lock();
        ResumeBook& b = state_.resume;
        if (!b.awaitingNote || !note) return false;
        b.awaitingNote = false;
        const auto& at = b.atHandshake;
        if (side_ == NetSide::Client) {
            if (!note->known) return true;  // the host starts afresh, as the handshake counted
            if (at.nick != state_.opponentNick) {
                out.push_back(ResumeLine({}));  // another host: afresh on both sides
            } else {
                // The same game: the counts of the old lines go on.
                b.restarts += at.restarts;
                b.resultsSent += at.resultsSent;
                b.resultsGot += at.resultsGot;
                // As the host's note does: what came over the old lines.
                out.push_back(ResumeLine({true, at.restarts, at.resultsGot, HeldPositions(state_)}));
                resumed = true;
            }
        } else if (!note->known) {
            // The client starts afresh: count from the handshake on.
            b.restarts -= at.restarts;
            b.resultsSent -= at.resultsSent;
            b.resultsGot -= at.resultsGot;
            return true;
        } else {
            resumed = true;
        }
        if (resumed) CatchUp(state_, side_, *note, r);
    }
    if (resumed) view_.AppendNote({GameNoteKind::Resumed, {}, {}});
    if (r.sending) view_.SetStatus(GameStatus::Sending);
    for (const std::string& l : out) Send(replyTo, l);
    if (r.sendDone) {
        // The peer had them all: only the last confirmation was lost.
        CheckCompletion();
        view_.SetStatus(GameStatus::BombNow);
    }
    return true;
}

BombOutcome LineProtocol::Bomb(LineChannel* peer) {
    BombOutcome r;
    {
        auto lock = state_.Lock();
        r.figures = FiguresLocked(state_);
        r.complete = AllInLocked(state_);
    }
    for (const OpponentFigure& f : r.figures)
        if (f.marked) ++(f.victim ? r.victimHits : r.dragonHits);
    // The peer's battlefield lost what this side won.
    MessageKind result = MessageKind::Draw;
    r.result = BombResult::Draw;
    if (r.victimHits > r.dragonHits) {
        r.result = BombResult::Won;
        result = MessageKind::YouLost;
    } else if (r.victimHits < r.dragonHits) {
        r.result = BombResult::Lost;
        result = MessageKind::YouWon;
    }
    r.resultLine = FormatLine({result, -1, {}});
    view_.SetBombResult(r.result);
    {
        auto lock = state_.Lock();
        ++state_.resume.resultsSent;
        state_.resume.lastResult = r.resultLine;
    }
    r.sent = Send(peer, r.resultLine);
    return r;
}

std::string LineProtocol::SendChat(LineChannel* peer, const std::string& nick, const std::string& text) {
    // The log words the chat itself; the line goes out as the protocol has it.
    const std::string line = ChatLine(nick, text);
    view_.AppendNote({GameNoteKind::OwnChat, nick, text});
    Send(peer, line);
    return line;
}

void LineProtocol::Restart(LineChannel* peer) {
    {
        auto lock = state_.Lock();
        ++state_.resume.restarts;
    }
    Send(peer, kRestartLine);
    ResetNetGame(state_);
    view_.ResetGameView();
    view_.AppendNote({GameNoteKind::HostRestart, {}, {}});
}

}  // namespace quorvex
