#include "core/game/playsession.h"

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

std::optional<SessionView> SinglePlayerSession::Bomb(const Placement& placement) {
    if (!CanBomb()) return std::nullopt;
    SessionView v;
    v.turn = TurnView{PlayTurn(game_, placement, statistics_), placement, game_.marks, game_.mode};
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
    StartNewGame(game_, mode);
    SessionView v;
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
    ApplyLoadedGame(game_, slot.money, slot.victims, slot.dragons, slot.mode);
    SessionView v;
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

}  // namespace quorvex
