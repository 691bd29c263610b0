#include "core/game/singleplayer.h"

#include <stdexcept>

namespace quorvex {

FieldMark ToggleMark(GameState& game, int cell) {
    if (cell < 1 || cell > kCells) throw std::out_of_range("field cell out of range");
    bool& mark = game.marks[static_cast<std::size_t>(cell)];
    mark = !mark;
    game.markCount += mark ? 1 : -1;
    return FieldMark{mark, MarkingFor(game.markCount)};
}

void ClearMarks(GameState& game) {
    game.marks.fill(false);
    game.markCount = 0;
}

void UpdateRates(GameState& game) {
    game.gainPerVictim = GainPerVictim(game.money);
    game.lossPerDragon = LossPerDragon(game.money);
}

void UpdateSavePrice(GameState& game) { game.savePrice = game.freeSave ? 0 : SavePriceFor(game.money); }

bool CanBomb(const GameState& game) { return game.markCount == 5; }

BombTurn PlayTurn(GameState& game, const Placement& placement, PlayerStatistics& statistics) {
    game.freeSave = false;
    UpdateSavePrice(game);

    BombTurn t;
    t.score = ScoreTurn(game.marks, placement, game.money, game.gainPerVictim, game.lossPerDragon);
    const TurnScore& s = t.score;
    game.killBonus = s.killBonus;
    switch (s.streak) {
        case 2: ++game.streakFlags.doubleKill; break;
        case 3: ++game.streakFlags.tripleKill; break;
        case 4: ++game.streakFlags.masterKill; break;
        case 5: ++game.streakFlags.ultraKill; break;
        default: break;
    }
    game.victimGain = s.victimGain;
    game.dragonLoss = s.dragonLoss;
    game.turnTotal = s.turnTotal;
    game.lastVictimHits = s.victimHits;
    game.lastDragonHits = s.dragonHits;
    const StreakFlags& f = game.streakFlags;
    RecordTurn(statistics, f.doubleKill, f.tripleKill, f.masterKill, f.ultraKill, game.lastVictimHits,
               game.lastDragonHits, game.turnTotal);
    // Money wraps as the 64-bit count it is rather than overflowing.
    game.money = static_cast<std::int64_t>(static_cast<std::uint64_t>(game.money) +
                                           static_cast<std::uint64_t>(game.turnTotal));

    t.hits = s.victimHits + s.dragonHits;
    t.misses = 5 - t.hits;
    t.amountText = SignedAmount(game.turnTotal);

    if (game.mode == 1) {
        game.victimCount = AddToCounter(game.victimCount, s.victimHits);
        game.dragonCount = AddToCounter(game.dragonCount, s.dragonHits);
        t.canRestart = true;
    } else if (game.mode == 2 || game.mode == 3) {
        game.victimCount = AddToCounter(game.victimCount, s.victimHits);
        game.dragonCount = AddToCounter(game.dragonCount, s.dragonHits);
        if (game.victimCount < 0) {
            t.canRestart = true;
        } else {
            game.victimCount = 0;
            t.won = true;
        }
    }
    return t;
}

void RestartTurn(GameState& game) {
    game.streakFlags.Clear();
    UpdateSavePrice(game);
    UpdateRates(game);
    ClearMarks(game);
}

void StartNewGame(GameState& game, GameMode mode) {
    game.freeSave = true;
    game.mode = mode;
    game.streakFlags.Clear();
    game.victimCount = StartVictimCount(mode);
    game.dragonCount = 0;
    game.money = 1000;
    ClearMarks(game);
    UpdateRates(game);
    UpdateSavePrice(game);
}

std::int64_t MoneyAfterSave(const GameState& game) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(game.money) -
                                     static_cast<std::uint64_t>(game.savePrice));
}

void PaySavePrice(GameState& game) {
    game.money = MoneyAfterSave(game);
    game.savePrice = 0;
}

void EndFreeSave(GameState& game) { game.freeSave = false; }

void ApplyLoadedGame(GameState& game, std::int64_t money, std::int32_t victims, std::int32_t dragons, GameMode mode) {
    game.freeSave = true;
    game.money = money;
    game.victimCount = victims;
    game.dragonCount = dragons;
    game.mode = mode;
    RestartTurn(game);
}

}  // namespace quorvex
