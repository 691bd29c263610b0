#include "core/game/playsession.h"

#include <utility>

namespace quorvex {

int SinglePlayerSession::AddListener(Listener listener) {
    listeners_.emplace_back(++nextListener_, std::move(listener));
    return nextListener_;
}

void SinglePlayerSession::RemoveListener(int id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

SessionView SinglePlayerSession::Publish(SessionView view) {
    for (const auto& l : listeners_) l.second(view);
    return view;
}

void SinglePlayerSession::Prices(SessionView& v) const {
    v.gainPerVictim = game_.gainPerVictim;
    v.lossPerDragon = game_.lossPerDragon;
    v.freeSave = game_.freeSave;
    v.price = game_.savePrice;
}

SessionView SinglePlayerSession::Start() {
    ClearStatistics(statistics_);
    game_.freeSave = true;
    game_.streakFlags.Clear();
    game_.victimCount = 0;
    game_.dragonCount = 0;
    ClearMarks(game_);
    UpdateRates(game_);
    SessionView v;
    v.rates = true;
    Prices(v);
    return Publish(v);
}

SessionView SinglePlayerSession::Mark(int cell) {
    const FieldMark m = ToggleMark(game_, cell);
    SessionView v;
    v.cell = {cell, m.marked ? CellLook::Mark : CellLook::Smile};
    v.marking = m.marking;
    v.markCount = game_.markCount;
    Prices(v);
    return Publish(v);
}

std::optional<FinishedGame> SinglePlayerSession::EndOpenGame() {
    const GameRun run = std::exchange(run_, GameRun{});
    // An endless game counts once a turn has ended; a game of mode 2 or 3
    // only by its win.
    if (!run.open || run.mode != 1 || run.turns == 0) return std::nullopt;
    return FinishedGame{run.mode, run.bestMoney, run.turns, run.dragons, run.continued};
}

RecordsNews SinglePlayerSession::TurnNews(const BombTurn& turn) {
    RecordsNews news;
    LifetimeFigures& f = news.figures;
    const TurnScore& s = turn.score;
    f.turns = 1;
    f.victims = s.victimHits;
    f.dragons = s.dragonHits;
    f.bestStreak = s.victimHits;
    (s.turnTotal > 0 ? f.moneyWon : f.moneyLost) = s.turnTotal;
    if (!run_.open) return news;
    ++run_.turns;
    run_.dragons += s.dragonHits;
    if (run_.mode == 1 && (run_.turns == 1 || game_.money > run_.bestMoney)) run_.bestMoney = game_.money;
    if (turn.won) {
        f.won[static_cast<std::size_t>(run_.mode)] = 1;
        news.finished = FinishedGame{run_.mode, game_.money, run_.turns, run_.dragons, run_.continued};
        run_ = GameRun{};
    }
    return news;
}

std::optional<SessionView> SinglePlayerSession::Bomb(const Placement& placement) {
    if (!CanBomb()) return std::nullopt;
    SessionView v;
    v.turn = TurnView{PlayTurn(game_, placement, statistics_), placement, game_.marks, game_.mode};
    v.records = TurnNews(v.turn->result);
    v.savePrice = true;
    v.money = std::to_string(game_.money);
    v.counters = {std::to_string(game_.victimCount), std::to_string(game_.dragonCount)};
    Prices(v);
    return Publish(v);
}

SessionView SinglePlayerSession::NextTurn() {
    RestartTurn(game_);
    SessionView v;
    v.turnCleared = v.resultsCleared = v.freshField = v.rates = v.savePrice = true;
    Prices(v);
    return Publish(v);
}

SessionView SinglePlayerSession::NewGame(GameMode mode) {
    SessionView v;
    v.records = RecordsNews{{}, EndOpenGame()};
    if (mode >= 1 && mode <= 3) {
        v.records->figures.started[static_cast<std::size_t>(mode)] = 1;
        run_ = GameRun{mode, 0, 0, 0, false, true};
    }
    StartNewGame(game_, mode);
    v.hideStartPanel = v.saveEntry = v.turnCleared = v.freshField = v.rates = v.savePrice = true;
    v.money = std::to_string(game_.money);
    v.counters = {std::to_string(game_.victimCount), std::to_string(game_.dragonCount)};
    v.gameType = mode;
    Prices(v);
    return Publish(v);
}

SessionView SinglePlayerSession::PaySavePrice() {
    quorvex::PaySavePrice(game_);
    SessionView v;
    v.money = std::to_string(game_.money);
    Prices(v);
    return Publish(v);
}

void SinglePlayerSession::WriteSlot(int n, const std::string& name, std::int64_t money) const {
    WriteSlotFile(n, name, money, game_.victimCount, game_.dragonCount, game_.mode);
}

SessionView SinglePlayerSession::SaveToSlot(int n, const std::string& name) {
    WriteSlot(n, name, MoneyAfterSave());
    return PaySavePrice();
}

void SinglePlayerSession::EndFreeSave() { quorvex::EndFreeSave(game_); }

SessionView SinglePlayerSession::LoadSlot(const LoadedSlot& slot) {
    SessionView v;
    v.records = RecordsNews{{}, EndOpenGame()};
    ApplyLoadedGame(game_, slot.money, slot.victims, slot.dragons, slot.mode);
    // A game taken up again counts, marked as such.
    if (slot.mode >= 1 && slot.mode <= 3) run_ = GameRun{slot.mode, 0, 0, 0, true, true};
    v.hideStartPanel = v.saveEntry = v.turnCleared = v.resultsCleared = v.freshField = v.rates = v.savePrice = true;
    v.playerName = slot.texts.name;
    // The labels show the texts as decoded ("0012" stays so).
    v.money = slot.texts.money;
    v.counters = {slot.texts.victims, slot.texts.dragons};
    // Any other mode text leaves the game type as it was.
    if (const GameMode type = LoadedGameMode(slot.texts.mode); type != 0) v.loadedGameType = type;
    Prices(v);
    return Publish(v);
}

SessionView SinglePlayerSession::EndRun(bool quiet) {
    SessionView v;
    v.records = RecordsNews{{}, EndOpenGame(), true, quiet};
    Prices(v);
    return Publish(v);
}

}  // namespace quorvex
