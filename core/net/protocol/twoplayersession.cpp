#include "core/net/protocol/twoplayersession.h"

#include <algorithm>

namespace quorvex {

TwoPlayerSession::TwoPlayerSession(NetSide side, ProtocolView& view)
    : protocol_(side, game_, view), view_(view) {}

PlaceView TwoPlayerSession::PlaceOwn(int cell) {
    const PlaceResult r = CycleOwnCell(game_, cell);
    PlaceView v;
    v.cell = cell;
    v.look = r.content == kCellVictim ? CellLook::Victim : r.content == kCellDragon ? CellLook::Dragon : CellLook::Smile;
    v.victimsLeft = r.victimsLeft;
    v.dragonsLeft = r.dragonsLeft;
    v.canSend = r.canSend;
    return v;
}

MarkView TwoPlayerSession::ToggleMark(int cell) {
    MarkResult r = ToggleBombMark(game_, cell);
    return {cell, r.marked ? CellLook::Mark : CellLook::Smile, std::move(r.fieldsLeftText), r.canBomb};
}

void TwoPlayerSession::NewGame() {
    ResetNetGame(game_);
    view_.ResetGameView();
}

BombView TwoPlayerSession::Bomb(LineChannel* peer) {
    BombView v;
    v.outcome = protocol_.Bomb(peer);
    const std::vector<OpponentFigure>& figures = v.outcome.figures;
    for (const OpponentFigure& f : figures) {
        const CellLook look = f.victim ? (f.marked ? CellLook::VictimHit : CellLook::Victim)
                                       : (f.marked ? CellLook::DragonHit : CellLook::Dragon);
        v.figures.emplace_back(f.cell, look);
    }
    // With every figure known, the other cells are known to be empty.
    if (figures.size() != 2 * kFiguresPerKind) return v;
    auto lock = game_.Lock();
    for (int n = 1; n <= kBombFieldCells; ++n) {
        const bool figure =
            std::any_of(figures.begin(), figures.end(), [n](const OpponentFigure& f) { return f.cell == n; });
        if (!figure) v.emptyCells.emplace_back(n, game_.BombMark(n));
    }
    return v;
}

std::size_t TwoPlayerSession::PendingBytes() const {
    const ConnectionPtr peer = protocol_.CurrentPeer();
    return peer ? peer->PendingBytes() : 0;
}

}  // namespace quorvex
