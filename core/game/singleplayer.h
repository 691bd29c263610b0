// The single-player game's moves on its record: marking cells, the bombing
// turn, a new game, the next turn, the save price and applying a loaded game.
// Each move changes the record and returns what the window has to show, so
// the main window and the slot dialogs only read controls and show results.
#pragma once

#include "core/game/gamecore.h"
#include "core/game/marking.h"
#include "core/stats/statistics.h"

#include <cstdint>
#include <string>

namespace quorvex {

// A click on cell 1..25 toggles its mark; throws std::out_of_range otherwise.
struct FieldMark {
    bool marked = false;  // the cell's new state
    MarkingState marking;
};
FieldMark ToggleMark(GameState& game, int cell);

// Clears all 25 marks and the mark count.
void ClearMarks(GameState& game);

// The turn's rates from the money held now.
void UpdateRates(GameState& game);
// The save price: 0 while the save is free, else worked out from the money
// held now.
void UpdateSavePrice(GameState& game);

// A turn may be bombed with exactly five marks.
bool CanBomb(const GameState& game);

struct BombTurn {
    TurnScore score;
    int hits = 0;
    int misses = 0;
    std::string amountText;  // "+$1132", "-$100", "-$0"
    bool canRestart = false; // false once a game of mode 2 or 3 is won
    bool won = false;        // the windows tell it with the mode and the money
};

// Bombs the marked cells with the given placement: the save stops being free
// and its price is fixed from the money before the turn; the turn is scored,
// its streak flag counted and the turn handed to the run's statistics; the
// money and counters (wrapping at 32 bits) take the result, and a game of
// mode 2 or 3 is won once the Victim counter is no longer negative (it then
// shows 0). Call only when CanBomb holds.
BombTurn PlayTurn(GameState& game, const Placement& placement, PlayerStatistics& statistics);

// The next turn of the same game: streak flags and marks cleared, save price
// and rates worked out again.
void RestartTurn(GameState& game);

// A new game of this mode with $1000; the first save is free.
void StartNewGame(GameState& game, GameMode mode);

// The money a save leaves: the price is taken from it.
std::int64_t MoneyAfterSave(const GameState& game);
// A save was written: the price is paid and the next one costs nothing
// until the price is worked out again.
void PaySavePrice(GameState& game);
// The save dialog was closed: the price is charged again from now on.
void EndFreeSave(GameState& game);

// A loaded game, applied whole: its values were all checked beforehand.
// The turn starts fresh and the next save is free.
void ApplyLoadedGame(GameState& game, std::int64_t money, std::int32_t victims, std::int32_t dragons, GameMode mode);

}  // namespace quorvex
