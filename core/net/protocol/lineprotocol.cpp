#include "core/net/protocol/lineprotocol.h"

#include "core/game/marking.h"
#include "core/platform/text.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

namespace quorvex {

namespace {

std::string PositionLine(int cell, std::uint8_t content) {
    return FormatLine({content == kCellVictim ? MessageKind::Victim : MessageKind::Dragon, cell, {}});
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
    conn->WriteLn(qx::Trim(nick));
    line = AwaitNick(*conn, line, wait);
    {
        auto lock = state_.Lock();
        state_.opponentNick = line;
        state_.currentPeer = conn;
    }
    view_.AppendNote({GameNoteKind::Connected, line, {}});
    conn->WriteLn(ServerLine(serverName));
    conn->WriteLn(WelcomeLine(line));
    return line;
}

std::string LineProtocol::ClientHandshake(LineChannel& channel, const std::string& nick, const WaitFn& wait) {
    channel.WriteLn(nick);
    const std::string line = AwaitNick(channel, channel.ReadLn(kProtocolReadMs), wait);
    {
        auto lock = state_.Lock();
        state_.opponentNick = line;
    }
    view_.AppendNote({GameNoteKind::Connected, line, {}});
    return line;
}

std::string LineProtocol::AwaitNick(LineChannel& channel, std::string line, const WaitFn& wait) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(handshakeMs_.load());
    while (line.empty()) {
        if (std::chrono::steady_clock::now() >= deadline) throw NetTimeoutError(kHandshakeTimedOut);
        wait(std::min<int>(kHandshakeWaitMs, handshakeMs_.load()));
        if (!channel.Connected()) throw ConnectionClosedError(kNotConnected);
        line = channel.ReadLn(kProtocolReadMs);
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
}

void LineProtocol::ReadPass(LineChannel& channel) {
    std::string line;
    try {
        line = channel.ReadLn(kProtocolReadMs);
    } catch (const LineTooLongError&) {
        // No message comes near the limit; its bytes are gone, reading goes on.
        view_.AppendNote({GameNoteKind::LineTooLong, {}, {}});
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
            state_.confirmFlag = true;
            return;
        case MessageKind::YouLost:
            view_.SetBattlefieldResult(BombResult::Lost);
            view_.AppendNote({GameNoteKind::PeerWon, Nick(), {}});
            return;
        case MessageKind::YouWon:
            view_.SetBattlefieldResult(BombResult::Won);
            view_.AppendNote({GameNoteKind::PeerLost, Nick(), {}});
            return;
        case MessageKind::Draw:
            view_.SetBattlefieldResult(BombResult::Draw);
            view_.AppendNote({GameNoteKind::PeerDraw, Nick(), {}});
            return;
        case MessageKind::Restart:
            // Only the host starts the next game; a client's restart line is just shown.
            if (side_ != NetSide::Client) break;
            ResetNetGame(state_);
            view_.ResetGameView();
            view_.AppendNote({GameNoteKind::ClientRestart, {}, {}});
            return;
        case MessageKind::Text: break;
    }
    view_.AppendLog(line);
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
    if (!peer || !peer->Connected()) return false;
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
            if (!peer->Connected()) return false;
            wait(kConfirmWaitMs);
        }
    }
    view_.SetStatus(GameStatus::BombNow);
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
    Send(peer, kRestartLine);
    ResetNetGame(state_);
    view_.ResetGameView();
    view_.AppendNote({GameNoteKind::HostRestart, {}, {}});
}

}  // namespace quorvex
