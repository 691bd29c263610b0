// What a cell of a field shows, in both games: the one vocabulary of the
// pictures and of what assistive tools say about a cell.
#pragma once

namespace quorvex {

enum class CellLook { Smile, Mark, Victim, VictimHit, Dragon, DragonHit };

// Marked by the player, hit or not.
constexpr bool IsMarked(CellLook look) {
    return look == CellLook::Mark || look == CellLook::VictimHit || look == CellLook::DragonHit;
}

}  // namespace quorvex
