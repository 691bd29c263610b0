#include "core/game/singleplayer.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using namespace quorvex;

namespace {
const Placement kPlacement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};

GameState NewGame(GameMode mode) {
    GameState g;
    StartNewGame(g, mode);
    return g;
}

void Mark(GameState& g, std::initializer_list<int> cells) {
    for (int c : cells) ToggleMark(g, c);
}
}  // namespace

TEST(Marking, StatusTextsFollowTheMarkCount) {
    GameState g = NewGame(1);
    const char* want[] = {"", "4 fields left", "3 fields left", "2 fields left", "1 fields left", "Ready to bomb!!!",
                          "Only 5 fields max!", "Only 5 fields max!"};
    for (int c = 1; c <= 7; ++c) {
        const FieldMark m = ToggleMark(g, c);
        EXPECT_TRUE(m.marked);
        EXPECT_EQ(m.marking.statusText, want[c]) << c;
        EXPECT_EQ(m.marking.canBomb, c == 5) << c;
        EXPECT_EQ(CanBomb(g), c == 5);
    }
    // Unmarking one of seven leaves six; one more makes five again.
    EXPECT_FALSE(ToggleMark(g, 7).marked);
    const FieldMark back = ToggleMark(g, 6);
    EXPECT_EQ(back.marking.statusText, "Ready to bomb!!!");
    EXPECT_TRUE(back.marking.canBomb);
    EXPECT_EQ(MarkingFor(0).statusText, "5 fields left");
    EXPECT_EQ(MarkingFor(0).kind, MarkingKind::FieldsLeft);
    EXPECT_EQ(MarkingFor(4).fieldsLeft, 1);
    EXPECT_EQ(MarkingFor(5).kind, MarkingKind::Ready);
    EXPECT_EQ(MarkingFor(6).kind, MarkingKind::TooMany);
    EXPECT_THROW(ToggleMark(g, 0), std::out_of_range);
    EXPECT_THROW(ToggleMark(g, 26), std::out_of_range);
    EXPECT_EQ(g.markCount, 5);
}

TEST(NewGame, StartsWith1000AndTheModesCounterAndAFreeSave) {
    for (GameMode mode : {GameMode(1), GameMode(2), GameMode(3)}) {
        GameState g;
        g.money = 5;
        g.dragonCount = 9;
        g.streakFlags.ultraKill = 2;
        g.marks[3] = true;
        g.markCount = 1;
        StartNewGame(g, mode);
        EXPECT_EQ(g.money, 1000);
        EXPECT_EQ(g.mode, mode);
        EXPECT_EQ(g.victimCount, StartVictimCount(mode));
        EXPECT_EQ(g.dragonCount, 0);
        EXPECT_TRUE(g.freeSave);
        EXPECT_EQ(g.savePrice, 0);
        EXPECT_EQ(g.gainPerVictim, 111);
        EXPECT_EQ(g.lossPerDragon, 100);
        EXPECT_EQ(g.streakFlags.ultraKill, 0);
        EXPECT_EQ(g.markCount, 0);
        EXPECT_FALSE(g.marks[3]);
    }
}

TEST(BombTurn, ScoresMoneyStreakCountersAndStatistics) {
    GameState g = NewGame(1);
    PlayerStatistics stats;
    Mark(g, {1, 2, 6, 11, 12});  // two Victims, one Dragon
    const BombTurn t = PlayTurn(g, kPlacement, stats);
    // 2 x 111 + 1010 - 100
    EXPECT_EQ(t.score.turnTotal, 1132);
    EXPECT_EQ(g.money, 2132);
    EXPECT_EQ(t.amountText, "+$1132");
    EXPECT_EQ(t.hits, 3);
    EXPECT_EQ(t.misses, 2);
    EXPECT_EQ(g.streakFlags.doubleKill, 1);
    EXPECT_EQ(g.victimCount, 2);
    EXPECT_EQ(g.dragonCount, 1);
    EXPECT_TRUE(t.canRestart);
    EXPECT_FALSE(t.won);
    EXPECT_EQ(stats.doubleKills, 1);
    EXPECT_EQ(stats.victims, 2);
    EXPECT_EQ(stats.dragons, 1);
    EXPECT_EQ(stats.moneyWon, 1132);
    // The save is no longer free and its price comes from the money before the bomb.
    EXPECT_FALSE(g.freeSave);
    EXPECT_EQ(g.savePrice, SavePriceFor(1000));

    // The streak flags count on until the next turn clears them.
    RestartTurn(g);
    EXPECT_EQ(g.streakFlags.doubleKill, 0);
    EXPECT_EQ(g.markCount, 0);
    EXPECT_EQ(g.savePrice, SavePriceFor(2132));
    EXPECT_EQ(g.gainPerVictim, GainPerVictim(2132));
    EXPECT_EQ(g.lossPerDragon, LossPerDragon(2132));
}

TEST(BombTurn, NoHitsShowsMinusZero) {
    GameState g = NewGame(1);
    PlayerStatistics stats;
    Mark(g, {11, 12, 13, 14, 15});
    const BombTurn t = PlayTurn(g, kPlacement, stats);
    EXPECT_EQ(t.hits, 0);
    EXPECT_EQ(t.misses, 5);
    EXPECT_EQ(t.amountText, "-$0");
    EXPECT_EQ(g.money, 1000);
    EXPECT_EQ(t.score.streak, 0);
}

TEST(BombTurn, AHundredVictimsGameIsWonWhenTheCounterReachesZero) {
    GameState g = NewGame(2);
    PlayerStatistics stats;
    g.victimCount = -3;
    Mark(g, {1, 2, 3, 4, 5});
    const BombTurn t = PlayTurn(g, kPlacement, stats);
    EXPECT_TRUE(t.won);
    EXPECT_FALSE(t.canRestart);
    EXPECT_EQ(g.victimCount, 0);
    EXPECT_EQ(g.money, 1000 + 5 * 111 + 5050);

    GameState h = NewGame(3);
    h.victimCount = -6;
    Mark(h, {1, 2, 3, 4, 5});
    const BombTurn u = PlayTurn(h, kPlacement, stats);
    EXPECT_FALSE(u.won);
    EXPECT_TRUE(u.canRestart);
    EXPECT_EQ(h.victimCount, -1);
}

TEST(BombTurn, CountersWrapAt32Bits) {
    GameState g = NewGame(1);
    PlayerStatistics stats;
    g.victimCount = std::numeric_limits<std::int32_t>::max();
    g.dragonCount = std::numeric_limits<std::int32_t>::max();
    Mark(g, {1, 6, 11, 12, 13});
    PlayTurn(g, kPlacement, stats);
    EXPECT_EQ(g.victimCount, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(g.dragonCount, std::numeric_limits<std::int32_t>::min());
}

TEST(SavePrice, PaidOnceAndChargedAgainAfterTheDialog) {
    GameState g = NewGame(1);
    PlayerStatistics stats;
    EXPECT_EQ(MoneyAfterSave(g), 1000);  // the first save is free
    Mark(g, {11, 12, 13, 14, 15});
    PlayTurn(g, kPlacement, stats);
    EXPECT_EQ(MoneyAfterSave(g), 960);
    PaySavePrice(g);
    EXPECT_EQ(g.money, 960);
    EXPECT_EQ(g.savePrice, 0);
    EXPECT_EQ(MoneyAfterSave(g), 960);

    // A loaded game may be saved once for free; closing the dialog ends that.
    ApplyLoadedGame(g, 500, 1, 2, 1);
    EXPECT_TRUE(g.freeSave);
    EXPECT_EQ(g.savePrice, 0);
    EndFreeSave(g);
    UpdateSavePrice(g);
    EXPECT_EQ(g.savePrice, 20);
}

TEST(LoadedGame, AppliesAllValuesAndStartsAFreshTurn) {
    GameState g = NewGame(2);
    PlayerStatistics stats;
    Mark(g, {1, 2, 3, 13, 14});
    PlayTurn(g, kPlacement, stats);
    ToggleMark(g, 20);
    ApplyLoadedGame(g, -5000, -43, 12, 3);
    EXPECT_EQ(g.money, -5000);
    EXPECT_EQ(g.victimCount, -43);
    EXPECT_EQ(g.dragonCount, 12);
    EXPECT_EQ(g.mode, 3);
    EXPECT_EQ(g.markCount, 0);
    EXPECT_FALSE(g.marks[20]);
    EXPECT_EQ(g.streakFlags.tripleKill, 0);
    EXPECT_EQ(g.gainPerVictim, GainPerVictim(-5000));
    EXPECT_EQ(g.lossPerDragon, LossPerDragon(-5000));
    EXPECT_TRUE(g.freeSave);
    EXPECT_EQ(g.savePrice, 0);
}
