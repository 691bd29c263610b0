#include "core/game/playsession.h"

#include "core/platform/files.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {
const Placement kPlacement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};

struct Recorded : SinglePlayerSession {
    Recorded() {
        id = AddListener([this](const SessionView& v) { views.push_back(v); });
    }
    std::vector<SessionView> views;
    int id;
};
}  // namespace

TEST(Session, EveryMoveHandsItsViewToTheListeners) {
    Recorded s;
    s.Start();
    const SessionView game = s.NewGame(2);
    EXPECT_TRUE(game.hideStartPanel && game.saveEntry && game.freshField && game.turnCleared);
    EXPECT_FALSE(game.resultsCleared);  // a new game keeps the last turn's figures in view
    EXPECT_EQ(game.money, "1000");
    EXPECT_EQ(game.counters, (std::pair<std::string, std::string>{"-100", "0"}));
    EXPECT_EQ(game.gameType, GameMode{2});
    EXPECT_TRUE(game.freeSave);

    EXPECT_FALSE(s.Bomb(kPlacement));  // no marks: nothing happens
    for (int c : {1, 2, 11, 12, 13}) s.Mark(c);
    EXPECT_EQ(s.views.back().cell, (std::pair<int, CellLook>{13, CellLook::Mark}));
    EXPECT_EQ(s.views.back().marking->statusText, "Ready to bomb!!!");
    EXPECT_EQ(s.views.back().markCount, 5);
    const SessionView bomb = *s.Bomb(kPlacement);
    ASSERT_TRUE(bomb.turn);
    EXPECT_EQ(bomb.turn->result.score.victimHits, 2);
    EXPECT_TRUE(bomb.turn->marks[11]);
    EXPECT_EQ(bomb.turn->result.score.streak, 2);
    EXPECT_EQ(bomb.turn->mode, 2);
    EXPECT_EQ(bomb.counters->first, "-98");
    EXPECT_TRUE(bomb.savePrice);
    EXPECT_EQ(bomb.price, 40);
    EXPECT_EQ(s.Statistics().doubleKills, 1);
    ASSERT_EQ(s.views.size(), 8u);  // start, new game, five marks, the bomb
    EXPECT_EQ(s.views.back().money, bomb.money);

    s.RemoveListener(s.id);
    s.NextTurn();
    EXPECT_EQ(s.views.size(), 8u);
}

TEST(Session, TheSaveIsPaidOnceAndChargedAgainAfterTheDialog) {
    const qxtest::TempDir dir;
    qx::SetProgramFolder(dir.Folder());
    SinglePlayerSession s;
    s.NewGame(1);
    for (int c = 1; c <= 5; ++c) s.Mark(c);
    s.Bomb(kPlacement);
    ASSERT_EQ(s.SavePrice(), 40);
    EXPECT_EQ(s.MoneyAfterSave(), s.Game().money - 40);
    const std::int64_t after = s.MoneyAfterSave();
    const SessionView paid = s.SaveToSlot(2, "Ann");
    const SlotTexts slot = ReadSlot(2, BlankRule::Loading);
    EXPECT_EQ((std::vector<std::string>{slot.name, slot.money, slot.victims, slot.dragons, slot.mode}),
              (std::vector<std::string>{"Ann", std::to_string(after), "5", "0", "1"}));
    EXPECT_EQ(paid.money, std::to_string(after));
    EXPECT_FALSE(paid.savePrice);  // the menu keeps its price until the next turn
    EXPECT_EQ(s.SavePrice(), 0);
    s.EndFreeSave();
    EXPECT_EQ(s.NextTurn().price, SavePriceFor(after));
}

TEST(Session, ALoadedSlotShowsItsTextsAsDecoded) {
    SinglePlayerSession s;
    LoadedSlot slot;
    slot.texts = {"Bob", "0012", "3", "4", "9"};
    slot.money = 12;
    slot.victims = 3;
    slot.dragons = 4;
    slot.mode = 9;
    const SessionView v = s.LoadSlot(slot);
    EXPECT_TRUE(v.hideStartPanel && v.saveEntry && v.turnCleared && v.resultsCleared && v.freshField);
    EXPECT_EQ(v.playerName, "Bob");
    EXPECT_EQ(v.money, "0012");
    EXPECT_FALSE(v.gameType);  // an unknown mode text leaves the game type as it was
    EXPECT_FALSE(v.loadedGameType);
    EXPECT_TRUE(v.freeSave);
    EXPECT_EQ(s.Game().money, 12);
}
