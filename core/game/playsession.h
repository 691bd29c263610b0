// One run of the single-player game: the record of the game being played and
// the run's statistics, and the moves a player makes on them. Every move
// returns one view of what changed and hands the same view to the listeners
// (the main window, the save dialog), so the windows only render views.
#pragma once

#include "core/game/celllook.h"
#include "core/game/gamecore.h"
#include "core/game/gamerun.h"
#include "core/game/singleplayer.h"
#include "core/savegames/slotfile.h"
#include "core/stats/statistics.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// A bombed turn as the field shows it.
struct TurnView {
    BombTurn result;
    Placement placement;
    std::array<bool, kCells + 1> marks{};  // the marks the turn was bombed with
    GameMode mode = 0;                     // the game's mode, for the message of a won game
};

// What changed; a part left empty did not change. Texts are 8-bit.
struct SessionView {
    bool hideStartPanel = false;  // a game is on the field
    bool saveEntry = false;       // the "Save game" entry becomes available
    bool turnCleared = false;     // no kill shown, neither bomb nor next turn pressable
    bool resultsCleared = false;  // the last turn's figures back to nothing
    bool freshField = false;      // every cell smiles and takes clicks again
    std::optional<std::pair<int, CellLook>> cell;  // one cell's new look
    std::optional<MarkingState> marking;
    int markCount = 0;  // with marking: the cells marked now
    std::optional<TurnView> turn;
    std::optional<std::string> money;
    std::optional<std::pair<std::string, std::string>> counters;  // Victims, Dragons
    std::optional<GameMode> gameType;  // a new game's mode
    std::optional<GameMode> loadedGameType;  // a loaded game's mode, worded as loaded
    std::optional<std::string> playerName;
    std::optional<RecordsNews> records;  // what the move gives the player's records
    bool rates = false;      // gain per Victim and loss per Dragon
    bool savePrice = false;  // the price of the next save
    // The record's values the parts above refer to.
    std::int64_t gainPerVictim = 0;
    std::int64_t lossPerDragon = 0;
    bool freeSave = false;
    std::int64_t price = 0;
};

class SinglePlayerSession {
public:
    using Listener = std::function<void(const SessionView&)>;

    // Every view a move returns goes to each listener, in the order added.
    // The number given back removes the listener again.
    int AddListener(Listener listener);
    void RemoveListener(int id);

    const GameState& Game() const { return game_; }
    const PlayerStatistics& Statistics() const { return statistics_; }
    // Tests set up a record or figures directly.
    GameState& GameForTests() { return game_; }
    PlayerStatistics& StatisticsForTests() { return statistics_; }

    // A fresh run: no figures, no game, the first save free.
    SessionView Start();
    // A click on cell 1..25; throws std::out_of_range otherwise.
    SessionView Mark(int cell);
    bool CanBomb() const { return quorvex::CanBomb(game_); }
    // Bombs the five marked cells; nothing happens without five marks.
    std::optional<SessionView> Bomb(const Placement& placement);
    SessionView NextTurn();
    SessionView NewGame(GameMode mode);

    // The money a save leaves, and the price shown for it.
    std::int64_t MoneyAfterSave() const { return quorvex::MoneyAfterSave(game_); }
    std::int64_t SavePrice() const { return game_.savePrice; }
    // A save was written: the price is paid.
    SessionView PaySavePrice();
    // Writes slot n with the game's figures, the player's name and money
    // (throws qx::FileError, the old slot left intact).
    void WriteSlot(int n, const std::string& name, std::int64_t money) const;
    // Saves the game to slot n at the money after the price, then pays the
    // price: a failed write costs nothing.
    SessionView SaveToSlot(int n, const std::string& name);
    // The save dialog closed: the price is charged again from now on.
    void EndFreeSave();
    // A checked slot, applied whole: a fresh turn that shows the slot's texts.
    SessionView LoadSlot(const LoadedSlot& slot);
    // The run ends (the window closes): an endless game under way ends with
    // it. Quiet when nothing may wait for the player any more.
    SessionView EndRun(bool quiet = false);

private:
    SessionView Publish(SessionView view);
    void Prices(SessionView& view) const;
    // Ends an endless game under way: what it brings to its table.
    std::optional<FinishedGame> EndOpenGame();
    // The records' side of a bombed turn.
    RecordsNews TurnNews(const BombTurn& turn);

    GameState game_;
    PlayerStatistics statistics_;
    GameRun run_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 0;
};

}  // namespace quorvex
