// What a game gives the player's records, as the rules report it: the
// figures each move adds to those kept over every run, and the game that
// ended with its result. The records (core/records) rank and keep them.
#pragma once

#include "core/game/gamecore.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quorvex {

// Figures over every run, by game mode 1..3 where they count games. Additions
// saturate instead of wrapping (AddFigures in core/records).
struct LifetimeFigures {
    std::array<std::int64_t, 4> started{};  // [mode]; 0 unused
    std::array<std::int64_t, 4> won{};
    std::int64_t turns = 0;
    std::int64_t victims = 0;
    std::int64_t dragons = 0;
    std::int64_t bestStreak = 0;  // the most Victims hit in one turn
    std::int64_t moneyWon = 0;
    std::int64_t moneyLost = 0;   // 0 or negative
    friend bool operator==(const LifetimeFigures&, const LifetimeFigures&) = default;
};

// A game that ended with what it brings to its table: a won game of mode 2
// or 3 with the money at the win, or an endless game with the most money it
// held at the end of a turn.
struct FinishedGame {
    GameMode mode = 0;
    std::int64_t money = 0;
    std::int32_t turns = 0;
    std::int32_t dragons = 0;  // Dragons hit
    // Taken up from a savegame slot: the slot holds no turns or Dragons hit,
    // so those since the load count.
    bool continued = false;
    friend bool operator==(const FinishedGame&, const FinishedGame&) = default;
};

// The game being played, as far as the records follow it.
struct GameRun {
    GameMode mode = 0;
    std::int32_t turns = 0;
    std::int32_t dragons = 0;
    std::int64_t bestMoney = 0;
    bool continued = false;
    bool open = false;  // still to end (not won, not followed by another)
};

// What a move of the session gives the records.
struct RecordsNews {
    LifetimeFigures figures;
    std::optional<FinishedGame> finished;
    bool exiting = false;  // the run ends
    bool quiet = false;    // nothing may wait for the player (the session or the loop is ending)
};

}  // namespace quorvex
