#include "core/game/gamecore.h"

#include <cfenv>
#include <cmath>

namespace quorvex {

std::int64_t RoundDiv(long double numerator, long double denominator) {
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<std::int64_t>(std::nearbyint(numerator / denominator));
}

std::int64_t GainPerVictim(std::int64_t money) { return RoundDiv(static_cast<long double>(money), 9.0L); }
std::int64_t LossPerDragon(std::int64_t money) { return RoundDiv(static_cast<long double>(money), 10.0L); }
std::int64_t SavePriceFor(std::int64_t money) { return RoundDiv(static_cast<long double>(money), 25.0L); }

Placement PlaceFigures(qx::Rng& rng) {
    Placement p;
    auto taken = [](const std::array<int, 5>& a, int upTo, int cell) {
        for (int j = 0; j < upTo; ++j)
            if (a[j] == cell) return true;
        return false;
    };
    for (int i = 0; i < 5; ++i) {
        int c;
        do c = rng.Uniform(1, kCells);
        while (taken(p.victims, i, c));
        p.victims[i] = c;
    }
    for (int i = 0; i < 5; ++i) {
        int c;
        do c = rng.Uniform(1, kCells);
        while (taken(p.dragons, i, c) || taken(p.victims, 5, c));
        p.dragons[i] = c;
    }
    return p;
}

TurnScore ScoreTurn(const std::array<bool, kCells + 1>& marks, const Placement& placement, std::int64_t m,
                    std::int64_t gainPerVictim, std::int64_t lossPerDragon) {
    TurnScore s;
    for (int c : placement.victims) s.victimHits += marks[c] ? 1 : 0;
    for (int c : placement.dragons) s.dragonHits += marks[c] ? 1 : 0;
    const long double money = static_cast<long double>(m);
    switch (s.victimHits) {
        // The double kill takes m / 100 + 1000, not 2 x m / 100 + 2000.
        case 2: s.killBonus = RoundDiv(money / 100.0L + 1000.0L, 1.0L); break;
        case 3: s.killBonus = RoundDiv(3.0L * money / 100.0L + 3000.0L, 1.0L); break;
        case 4: s.killBonus = RoundDiv(4.0L * money / 100.0L + 4000.0L, 1.0L); break;
        case 5: s.killBonus = RoundDiv(5.0L * money / 100.0L + 5000.0L, 1.0L); break;
        default: break;
    }
    s.streak = s.victimHits >= 2 ? s.victimHits : 0;
    s.victimGain = static_cast<std::int64_t>(static_cast<std::uint64_t>(s.victimHits) * static_cast<std::uint64_t>(gainPerVictim));
    s.dragonLoss = static_cast<std::int64_t>(static_cast<std::uint64_t>(s.dragonHits) * static_cast<std::uint64_t>(lossPerDragon));
    s.turnTotal = static_cast<std::int64_t>(static_cast<std::uint64_t>(s.victimGain) + static_cast<std::uint64_t>(s.killBonus) -
                                            static_cast<std::uint64_t>(s.dragonLoss));
    return s;
}

GameMode LoadedGameMode(const std::string& modeText) {
    if (modeText == "1") return 1;
    if (modeText == "2") return 2;
    if (modeText == "3") return 3;
    return 0;
}

std::int32_t AddToCounter(std::int32_t counter, std::int32_t hits) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + static_cast<std::uint32_t>(hits));
}

std::int32_t StartVictimCount(GameMode mode) { return mode == 2 ? -100 : (mode == 3 ? -200 : 0); }

std::string SignedAmount(std::int64_t total) {
    if (total > 0) return "+$" + std::to_string(total);
    // Magnitude as unsigned, so the lowest 64-bit value cannot overflow.
    std::uint64_t mag = 0 - static_cast<std::uint64_t>(total);
    return "-$" + std::to_string(mag);
}

}  // namespace quorvex
