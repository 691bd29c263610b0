// The single-player game's rules: the process-wide record, money rounding,
// placement of Victims and Dragons, and the scoring of one bombing turn.
#pragma once

#include "core/platform/random.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

// 0 no game yet, 1 endless, 2 "100 dead Victims", 3 "200 dead Victims".
using GameMode = std::int8_t;

inline constexpr int kCells = 25;

struct StreakFlags {
    std::int8_t doubleKill = 0;
    std::int8_t tripleKill = 0;
    std::int8_t masterKill = 0;
    std::int8_t ultraKill = 0;
    void Clear() { *this = StreakFlags{}; }
};

struct GameState {
    std::int64_t money = 0;
    std::int32_t victimCount = 0;
    std::int32_t dragonCount = 0;
    GameMode mode = 0;
    bool freeSave = false;
    std::int64_t savePrice = 0;
    std::int64_t gainPerVictim = 0;
    std::int64_t lossPerDragon = 0;
    std::array<bool, kCells + 1> marks{};  // index 1..25
    std::int32_t markCount = 0;
    StreakFlags streakFlags;
    std::int64_t victimGain = 0;
    std::int64_t dragonLoss = 0;
    std::int64_t killBonus = 0;
    std::int64_t turnTotal = 0;
    std::int32_t lastVictimHits = 0;
    std::int32_t lastDragonHits = 0;
};

// numerator / denominator in extended precision, rounded to nearest, ties to even.
std::int64_t RoundDiv(long double numerator, long double denominator);

std::int64_t GainPerVictim(std::int64_t money);  // money / 9
std::int64_t LossPerDragon(std::int64_t money);  // money / 10
std::int64_t SavePriceFor(std::int64_t money);   // money / 25

// Cells 1..25 of the five Victims and the five Dragons, ten different cells.
struct Placement {
    std::array<int, 5> victims{};
    std::array<int, 5> dragons{};
};

// Draws as the game does: a Victim is drawn again while it repeats a Victim;
// a Dragon while it repeats a Dragon or any Victim.
Placement PlaceFigures(qx::Rng& rng);

struct TurnScore {
    int victimHits = 0;
    int dragonHits = 0;
    int streak = 0;              // 0 none, 2..5 the Victims hit when a bonus applies
    std::int64_t killBonus = 0;
    std::int64_t victimGain = 0;
    std::int64_t dragonLoss = 0;
    std::int64_t turnTotal = 0;
};

// Scores a turn from the marks, the placement, the money before the turn and
// the turn's rates.
TurnScore ScoreTurn(const std::array<bool, kCells + 1>& marks, const Placement& placement, std::int64_t moneyBefore,
                    std::int64_t gainPerVictim, std::int64_t lossPerDragon);

// The mode a loaded game's mode text "1", "2" or "3" stands for; 0 for any
// other text. The windows word the modes (ui/game/gametexts.h).
GameMode LoadedGameMode(const std::string& modeText);

// counter + hits with two's-complement wrap-around at 32 bits, as the run's
// statistics add: a counter loaded from an edited slot may stand anywhere.
std::int32_t AddToCounter(std::int32_t counter, std::int32_t hits);

// Victim counter at the start of a game of this mode (0, -100, -200).
std::int32_t StartVictimCount(GameMode mode);

// "+$1132", "-$100", "-$0": the sign and magnitude of a turn total.
std::string SignedAmount(std::int64_t total);

}  // namespace quorvex
