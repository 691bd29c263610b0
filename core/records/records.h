// The hall of fame: the ten best games of each mode and the player's figures
// over every run, kept in "Quorvex.records" in the program folder. Ranking,
// the file's format and its safe replacement live here; the records window
// only shows what these give and words the problems they report.
#pragma once

#include "core/game/gamecore.h"
#include "core/game/gamerun.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// The three tables, in the order the window shows them. Their ids in the file
// are ASCII and never translated.
enum class RecordTable { Victims100 = 0, Victims200 = 1, Endless = 2 };
inline constexpr int kRecordTables = 3;
inline constexpr int kRecordsPerTable = 10;
inline constexpr std::size_t kRecordNameBytes = 32;
inline constexpr char kRecordsFileName[] = "Quorvex.records";

const char* RecordTableId(RecordTable table);
std::optional<RecordTable> RecordTableFromId(const std::string& id);
// The table a game mode's games go to; none for mode 0.
std::optional<RecordTable> RecordTableOf(GameMode mode);

struct RecordEntry {
    std::string name;  // Windows-1252, as typed, at most kRecordNameBytes
    std::int64_t money = 0;
    std::int32_t turns = 0;
    std::int32_t dragons = 0;
    std::string date;  // "YYYY-MM-DD"
    // Taken up from a savegame slot: the turns and Dragons before the save
    // are not in the slot, so only those since the load count.
    bool continued = false;
    // Tells this entry from any other, so a later name change finds it.
    std::string stamp;
    friend bool operator==(const RecordEntry&, const RecordEntry&) = default;
};
using RecordList = std::vector<RecordEntry>;

// Adds `more` to `figures`; the best streak is the larger one.
void AddFigures(LifetimeFigures& figures, const LifetimeFigures& more);

struct Records {
    std::array<RecordList, kRecordTables> tables;
    LifetimeFigures lifetime;
    RecordList& Table(RecordTable t) { return tables[static_cast<std::size_t>(t)]; }
    const RecordList& Table(RecordTable t) const { return tables[static_cast<std::size_t>(t)]; }
};

// Where `entry` would stand in `list` (0 first), or nullopt when it would not
// make the ten. More money ranks first; equal money, fewer turns; a full tie
// goes behind the entries there already.
std::optional<int> RankOf(const RecordList& list, const RecordEntry& entry);
// Inserts `entry` at its rank and drops the eleventh; returns the rank.
std::optional<int> InsertRecord(RecordList& list, RecordEntry entry);

// A name as the file keeps it: tabs and line breaks as blanks, at most
// kRecordNameBytes bytes.
std::string RecordName(const std::string& typed);

// --- the file ---
inline constexpr char kRecordsHeader[] = "Quorvex records";
inline constexpr int kRecordsVersion = 1;
// No records file of this game is larger; a larger one is refused unread.
inline constexpr std::size_t kRecordsFileLimit = 16 * 1024;

enum class RecordsProblemKind {
    Broken,   // the game's own header, but a line it cannot read
    Foreign,  // not a records file of this version (another file, a newer game)
};
struct RecordsProblem {
    RecordsProblemKind kind = RecordsProblemKind::Broken;
    std::string keptAs;  // where the file was moved aside
};

std::vector<std::string> FormatRecords(const Records& records);
// The records a file's lines hold, or the kind of problem they have.
struct ParsedRecords {
    Records records;
    std::optional<RecordsProblemKind> problem;
};
ParsedRecords ParseRecords(const std::vector<std::string>& lines);

// An entry that made its table.
struct TakenRecord {
    RecordTable table = RecordTable::Victims100;
    int rank = 0;
    std::string stamp;
};

// The records file at one path. Every change re-reads the file under a lock
// (a lock file beside it), applies itself and replaces the file atomically,
// so two games that end at once both keep their entries and figures.
class RecordsStore {
public:
    explicit RecordsStore(std::string path);
    // ProgramFolder() + kRecordsFileName.
    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // The file as it is now; a missing one holds no records. A broken or
    // foreign file is moved aside first (reported once through Problem()).
    // Throws qx::FileError when it cannot be read or moved aside.
    Records Load();
    // Re-reads, adds `figures`, enters `game` (when given) with `name` and
    // today's date `date`, and writes. Returns the entry when it made its table.
    std::optional<TakenRecord> Add(const LifetimeFigures& figures, const std::optional<FinishedGame>& game,
                                   const std::string& name, const std::string& date);
    // Names the entry with this stamp anew; false when it has left its table.
    bool Rename(const std::string& stamp, const std::string& name);
    // Empties the tables and the figures.
    void Clear();

    // The last problem found and not yet asked for; asking clears it.
    std::optional<RecordsProblem> TakeProblem();

private:
    template <class Change>
    void Update(Change&& change);
    Records ReadOrSetAside();
    void Write(const Records& records);

    std::string path_;
    std::optional<RecordsProblem> problem_;
    unsigned stamps_ = 0;
};

// The records' side of a run: the figures of every move gathered, written
// with the next finished game and at the run's end.
class RecordsKeeper {
public:
    explicit RecordsKeeper(std::string path) : store_(std::move(path)) {}
    RecordsStore& Store() { return store_; }
    // One move's news. A finished game, or the end of the run, writes what was
    // gathered (kept for the next try when the write fails: qx::FileError).
    // Returns the entry when the game made its table.
    std::optional<TakenRecord> Take(const RecordsNews& news, const std::string& name, const std::string& date);

private:
    RecordsStore store_;
    LifetimeFigures pending_;
};

// Today's local date as the file keeps it.
std::string TodayText();

}  // namespace quorvex
