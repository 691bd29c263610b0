#include "core/stats/statistics.h"

namespace quorvex {

namespace {
// Two's-complement addition that wraps instead of overflowing.
void Add(std::int32_t& field, std::int64_t amount) {
    field = static_cast<std::int32_t>(static_cast<std::uint32_t>(field) + static_cast<std::uint32_t>(amount));
}
}  // namespace

void ClearStatistics(PlayerStatistics& s) { s = PlayerStatistics{}; }

void RecordTurn(PlayerStatistics& s, std::int8_t doubleKill, std::int8_t tripleKill, std::int8_t masterKill,
                std::int8_t ultraKill, std::int32_t victimHits, std::int32_t dragonHits, std::int64_t turnTotal) {
    Add(s.doubleKills, doubleKill);
    Add(s.tripleKills, tripleKill);
    Add(s.masterKills, masterKill);
    Add(s.ultraKills, ultraKill);
    Add(s.victims, victimHits);
    Add(s.dragons, dragonHits);
    Add(s.turns, 1);
    Add(s.bombed, 1);
    const std::int64_t hits = static_cast<std::int64_t>(victimHits) + dragonHits;
    Add(s.hits, hits);
    Add(s.misses, 5 - hits);
    if (turnTotal > 0)
        Add(s.moneyWon, turnTotal);
    else
        Add(s.moneyLost, turnTotal);
}

}  // namespace quorvex
