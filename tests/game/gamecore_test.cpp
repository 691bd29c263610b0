#include "core/game/gamecore.h"

#include <gtest/gtest.h>

#include <set>

using namespace quorvex;

namespace {
std::array<bool, kCells + 1> Marks(std::initializer_list<int> cells) {
    std::array<bool, kCells + 1> m{};
    for (int c : cells) m[c] = true;
    return m;
}
const Placement kPlacement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
}  // namespace

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    // 1050: double kill 10.5 + 1000 -> 1010; 1055 / 10 = 105.5 -> 106; 1045 / 10 = 104.5 -> 104.
    EXPECT_EQ(ScoreTurn(Marks({1, 2, 11, 12, 13}), kPlacement, 1050, 0, 0).killBonus, 1010);
    EXPECT_EQ(LossPerDragon(1055), 106);
    EXPECT_EQ(LossPerDragon(1045), 104);
    EXPECT_EQ(GainPerVictim(1000), 111);
    EXPECT_EQ(LossPerDragon(1000), 100);
    EXPECT_EQ(SavePriceFor(1000), 40);
    EXPECT_EQ(LossPerDragon(-1055), -106);
}

TEST(Scoring, KillRowsWithMoney1000) {
    struct Row { std::initializer_list<int> marks; int hits; std::int64_t bonus; int streak; };
    const Row rows[] = {
        {{11, 12, 13, 14, 15}, 0, 0, 0},
        {{1, 12, 13, 14, 15}, 1, 0, 0},
        {{1, 2, 13, 14, 15}, 2, 1010, 2},
        {{1, 2, 3, 14, 15}, 3, 3030, 3},
        {{1, 2, 3, 4, 15}, 4, 4040, 4},
        {{1, 2, 3, 4, 5}, 5, 5050, 5},
    };
    for (const Row& r : rows) {
        TurnScore s = ScoreTurn(Marks(r.marks), kPlacement, 1000, 111, 100);
        EXPECT_EQ(s.victimHits, r.hits);
        EXPECT_EQ(s.killBonus, r.bonus) << r.hits;
        EXPECT_EQ(s.streak, r.streak);
        EXPECT_EQ(s.turnTotal, r.hits * 111 + r.bonus);
    }
}

TEST(Scoring, WorkedExampleThreeVictimsOneDragon) {
    TurnScore s = ScoreTurn(Marks({1, 2, 3, 6, 20}), kPlacement, 1000, 111, 100);
    EXPECT_EQ(s.killBonus, 3030);
    EXPECT_EQ(s.victimGain, 333);
    EXPECT_EQ(s.dragonLoss, 100);
    EXPECT_EQ(s.turnTotal, 3263);
}

TEST(Scoring, NegativeMoneyTurnsRatesAndBonusesAround) {
    const std::int64_t m = -200000;
    TurnScore s = ScoreTurn(Marks({1, 2, 6, 7, 8}), kPlacement, m, GainPerVictim(m), LossPerDragon(m));
    EXPECT_EQ(s.killBonus, -2000 + 1000);
    EXPECT_EQ(s.victimGain, 2 * GainPerVictim(m));
    EXPECT_GT(s.dragonLoss * -1, 0);  // hitting Dragons now raises the money
}

TEST(Placement, TenDifferentCellsOverManySeededTurns) {
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        qx::Rng rng(seed);
        Placement p = PlaceFigures(rng);
        std::set<int> cells;
        for (int c : p.victims) cells.insert(c);
        for (int c : p.dragons) cells.insert(c);
        ASSERT_EQ(cells.size(), 10u) << "seed " << seed;
        EXPECT_GE(*cells.begin(), 1);
        EXPECT_LE(*cells.rbegin(), 25);
    }
}

TEST(Texts, AmountsModesAndWinMessages) {
    EXPECT_EQ(SignedAmount(1132), "+$1132");
    EXPECT_EQ(SignedAmount(-100), "-$100");
    EXPECT_EQ(SignedAmount(0), "-$0");
    EXPECT_EQ(SignedAmount(INT64_MIN), "-$9223372036854775808");
    EXPECT_EQ(StartVictimCount(1), 0);
    EXPECT_EQ(StartVictimCount(2), -100);
    EXPECT_EQ(StartVictimCount(3), -200);
    EXPECT_EQ(LoadedGameMode("1"), 1);
    EXPECT_EQ(LoadedGameMode("2"), 2);
    EXPECT_EQ(LoadedGameMode("3"), 3);
    EXPECT_EQ(LoadedGameMode("5"), 0);
    EXPECT_EQ(LoadedGameMode("02"), 0);
}
