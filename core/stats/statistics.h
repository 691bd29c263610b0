// The figures of the current run's single-player bombing turns.
#pragma once

#include <cstdint>

namespace quorvex {

struct PlayerStatistics {
    std::int32_t doubleKills = 0;
    std::int32_t tripleKills = 0;
    std::int32_t masterKills = 0;
    std::int32_t ultraKills = 0;
    std::int32_t victims = 0;
    std::int32_t dragons = 0;
    std::int32_t bombed = 0;
    std::int32_t hits = 0;
    std::int32_t misses = 0;
    std::int32_t turns = 0;
    std::int32_t moneyWon = 0;
    std::int32_t moneyLost = 0;
};

void ClearStatistics(PlayerStatistics& s);

// Adds one bombing turn. All additions wrap around as 32-bit two's complement;
// won or lost is decided on the full 64-bit total.
void RecordTurn(PlayerStatistics& s, std::int8_t doubleKill, std::int8_t tripleKill, std::int8_t masterKill,
                std::int8_t ultraKill, std::int32_t victimHits, std::int32_t dragonHits, std::int64_t turnTotal);

}  // namespace quorvex
