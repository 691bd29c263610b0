#include "core/records/records.h"

#include "core/platform/errnotext.h"
#include "core/platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <string_view>
#include <utility>

namespace quorvex {

namespace {

constexpr std::array<const char*, kRecordTables> kTableIds = {"victims100", "victims200", "endless"};
constexpr char kEnd[] = "end";

std::int64_t SaturatedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? INT64_MAX : INT64_MIN;
}

GameMode ModeOf(RecordTable table) {
    switch (table) {
        case RecordTable::Victims100: return 2;
        case RecordTable::Victims200: return 3;
        case RecordTable::Endless: return 1;
    }
    return 0;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto tab = line.find('\t');
        parts.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return parts;
        line.remove_prefix(tab + 1);
    }
}

template <class Int>
std::optional<Int> Number(std::string_view text) {
    Int v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || text[0] == '+') return std::nullopt;
    return v;
}

bool IsDate(std::string_view d) {
    if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
    for (std::size_t i = 0; i < d.size(); ++i)
        if (i != 4 && i != 7 && (d[i] < '0' || d[i] > '9')) return false;
    return true;
}

bool IsStamp(std::string_view s) {
    return !s.empty() && s.size() <= 40 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c > ' ' && c < 127; });
}

// The figures by their keys in the file, in the order they are written.
std::vector<std::pair<std::string, std::int64_t LifetimeFigures::*>> ScalarKeys() {
    return {{"turns", &LifetimeFigures::turns},         {"victims", &LifetimeFigures::victims},
            {"dragons", &LifetimeFigures::dragons},     {"bestStreak", &LifetimeFigures::bestStreak},
            {"moneyWon", &LifetimeFigures::moneyWon},   {"moneyLost", &LifetimeFigures::moneyLost}};
}

std::int64_t* FigureByKey(LifetimeFigures& f, std::string_view key) {
    for (const auto& [name, member] : ScalarKeys())
        if (key == name) return &(f.*member);
    for (std::size_t t = 0; t < kTableIds.size(); ++t) {
        const auto mode = static_cast<std::size_t>(ModeOf(static_cast<RecordTable>(t)));
        if (key == std::string("started.") + kTableIds[t]) return &f.started[mode];
        if (key == std::string("won.") + kTableIds[t]) return &f.won[mode];
    }
    return nullptr;
}

std::optional<RecordEntry> ParseEntry(const std::vector<std::string_view>& p) {
    // entry, table, money, turns, dragons, date, continued, stamp, name
    if (p.size() != 9) return std::nullopt;
    RecordEntry e;
    const auto money = Number<std::int64_t>(p[2]);
    const auto turns = Number<std::int32_t>(p[3]);
    const auto dragons = Number<std::int32_t>(p[4]);
    if (!money || !turns || !dragons || *turns < 0 || *dragons < 0) return std::nullopt;
    if (!IsDate(p[5]) || (p[6] != "0" && p[6] != "1") || !IsStamp(p[7]) || p[8].size() > kRecordNameBytes)
        return std::nullopt;
    e.money = *money;
    e.turns = *turns;
    e.dragons = *dragons;
    e.date = std::string(p[5]);
    e.continued = p[6] == "1";
    e.stamp = std::string(p[7]);
    e.name = std::string(p[8]);
    if (e.name != RecordName(e.name)) return std::nullopt;
    return e;
}

std::string NewStamp(unsigned n) {
    return std::to_string(static_cast<long long>(std::time(nullptr))) + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(n);
}

// An exclusive flock on "<path>.lock" for as long as it lives. Where the lock
// file cannot be made (a read-only folder), nothing is held: the write that
// follows fails and says why.
class FileLock {
public:
    explicit FileLock(const std::string& path) {
        fd_ = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace

const char* RecordTableId(RecordTable table) { return kTableIds[static_cast<std::size_t>(table)]; }

std::optional<RecordTable> RecordTableFromId(const std::string& id) {
    for (std::size_t t = 0; t < kTableIds.size(); ++t)
        if (id == kTableIds[t]) return static_cast<RecordTable>(t);
    return std::nullopt;
}

std::optional<RecordTable> RecordTableOf(GameMode mode) {
    switch (mode) {
        case 1: return RecordTable::Endless;
        case 2: return RecordTable::Victims100;
        case 3: return RecordTable::Victims200;
        default: return std::nullopt;
    }
}

void AddFigures(LifetimeFigures& f, const LifetimeFigures& more) {
    for (std::size_t t = 0; t < f.started.size(); ++t) {
        f.started[t] = SaturatedAdd(f.started[t], more.started[t]);
        f.won[t] = SaturatedAdd(f.won[t], more.won[t]);
    }
    f.turns = SaturatedAdd(f.turns, more.turns);
    f.victims = SaturatedAdd(f.victims, more.victims);
    f.dragons = SaturatedAdd(f.dragons, more.dragons);
    f.bestStreak = std::max(f.bestStreak, more.bestStreak);
    f.moneyWon = SaturatedAdd(f.moneyWon, more.moneyWon);
    f.moneyLost = SaturatedAdd(f.moneyLost, more.moneyLost);
}

std::optional<int> RankOf(const RecordList& list, const RecordEntry& entry) {
    const auto behind = [&entry](const RecordEntry& e) {
        return e.money > entry.money || (e.money == entry.money && e.turns <= entry.turns);
    };
    const auto rank = static_cast<int>(std::find_if_not(list.begin(), list.end(), behind) - list.begin());
    if (rank >= kRecordsPerTable) return std::nullopt;
    return rank;
}

std::optional<int> InsertRecord(RecordList& list, RecordEntry entry) {
    const auto rank = RankOf(list, entry);
    if (!rank) return std::nullopt;
    list.insert(list.begin() + *rank, std::move(entry));
    if (list.size() > static_cast<std::size_t>(kRecordsPerTable)) list.resize(kRecordsPerTable);
    return rank;
}

std::string RecordName(const std::string& typed) {
    std::string name = typed.substr(0, kRecordNameBytes);
    for (char& c : name)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return name;
}

std::vector<std::string> FormatRecords(const Records& r) {
    std::vector<std::string> lines{std::string(kRecordsHeader) + " " + std::to_string(kRecordsVersion)};
    for (std::size_t t = 0; t < r.tables.size(); ++t)
        for (const RecordEntry& e : r.tables[t])
            lines.push_back(std::string("entry\t") + kTableIds[t] + "\t" + std::to_string(e.money) + "\t" +
                            std::to_string(e.turns) + "\t" + std::to_string(e.dragons) + "\t" + e.date + "\t" +
                            (e.continued ? "1" : "0") + "\t" + e.stamp + "\t" + RecordName(e.name));
    const LifetimeFigures& f = r.lifetime;
    for (std::size_t t = 0; t < kTableIds.size(); ++t) {
        const auto mode = static_cast<std::size_t>(ModeOf(static_cast<RecordTable>(t)));
        lines.push_back(std::string("figure\tstarted.") + kTableIds[t] + "\t" + std::to_string(f.started[mode]));
        lines.push_back(std::string("figure\twon.") + kTableIds[t] + "\t" + std::to_string(f.won[mode]));
    }
    for (const auto& [key, member] : ScalarKeys()) lines.push_back("figure\t" + key + "\t" + std::to_string(f.*member));
    lines.emplace_back(kEnd);
    return lines;
}

ParsedRecords ParseRecords(const std::vector<std::string>& lines) {
    ParsedRecords out;
    const std::string head = std::string(kRecordsHeader) + " ";
    if (lines.empty() || lines[0].compare(0, head.size(), head) != 0 ||
        Number<int>(std::string_view(lines[0]).substr(head.size())) != kRecordsVersion) {
        out.problem = RecordsProblemKind::Foreign;
        return out;
    }
    const auto broken = [&out] {
        out.records = Records{};
        out.problem = RecordsProblemKind::Broken;
        return out;
    };
    // Written whole or not at all: a file without its last line is broken.
    if (lines.size() < 2 || lines.back() != kEnd) return broken();
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const auto p = SplitTabs(lines[i]);
        if (p[0] == "entry" && p.size() > 1) {
            const auto table = RecordTableFromId(std::string(p[1]));
            const auto entry = ParseEntry(p);
            if (!table || !entry) return broken();
            RecordList& list = out.records.Table(*table);
            // Kept in rank order, at most ten: anything else was not written by the game.
            if (list.size() == static_cast<std::size_t>(kRecordsPerTable) || RankOf(list, *entry) != static_cast<int>(list.size()))
                return broken();
            list.push_back(*entry);
        } else if (p[0] == "figure" && p.size() == 3) {
            std::int64_t* figure = FigureByKey(out.records.lifetime, p[1]);
            const auto value = Number<std::int64_t>(p[2]);
            if (!figure || !value) return broken();
            *figure = *value;
        } else {
            return broken();
        }
    }
    return out;
}

RecordsStore::RecordsStore(std::string path) : path_(std::move(path)) {}

std::string RecordsStore::DefaultPath() { return qx::ProgramFolder() + kRecordsFileName; }

Records RecordsStore::ReadOrSetAside() {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 && errno == ENOENT) return Records{};
    std::optional<RecordsProblemKind> kind;
    Records records;
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > kRecordsFileLimit) {
        kind = RecordsProblemKind::Foreign;
    } else {
        ParsedRecords parsed = ParseRecords(qx::ReadLines(path_, kRecordsFileLimit));
        kind = parsed.problem;
        records = std::move(parsed.records);
    }
    if (!kind) return records;
    // Kept as it is under the first free name; the player decides what to do with it.
    const std::string base = path_ + (*kind == RecordsProblemKind::Broken ? ".broken" : ".unknown");
    std::string aside = base;
    for (int n = 2; qx::FileExists(aside); ++n) aside = base + "." + std::to_string(n);
    if (::rename(path_.c_str(), aside.c_str()) != 0)
        throw qx::FileError("Cannot move file \"" + qx::SystemText(path_) + "\" aside. " + qx::ErrnoText(errno));
    problem_ = RecordsProblem{*kind, aside};
    return Records{};
}

void RecordsStore::Write(const Records& records) { qx::WriteLinesAtomic(path_, FormatRecords(records)); }

template <class Change>
void RecordsStore::Update(Change&& change) {
    const FileLock lock(path_);
    Records records = ReadOrSetAside();
    change(records);
    Write(records);
}

Records RecordsStore::Load() {
    const FileLock lock(path_);
    return ReadOrSetAside();
}

std::optional<TakenRecord> RecordsStore::Add(const LifetimeFigures& figures, const std::optional<FinishedGame>& game,
                                             const std::string& name, const std::string& date) {
    std::optional<TakenRecord> taken;
    Update([&](Records& r) {
        AddFigures(r.lifetime, figures);
        if (!game) return;
        const auto table = RecordTableOf(game->mode);
        if (!table) return;
        RecordEntry e{RecordName(name), game->money, game->turns, game->dragons, date, game->continued,
                      NewStamp(++stamps_)};
        const std::string stamp = e.stamp;
        if (const auto rank = InsertRecord(r.Table(*table), std::move(e))) taken = TakenRecord{*table, *rank, stamp};
    });
    return taken;
}

bool RecordsStore::Rename(const std::string& stamp, const std::string& name) {
    bool found = false;
    Update([&](Records& r) {
        for (RecordList& list : r.tables)
            for (RecordEntry& e : list)
                if (e.stamp == stamp) {
                    e.name = RecordName(name);
                    found = true;
                }
    });
    return found;
}

void RecordsStore::Clear() {
    Update([](Records& r) { r = Records{}; });
}

std::optional<RecordsProblem> RecordsStore::TakeProblem() { return std::exchange(problem_, std::nullopt); }

std::optional<TakenRecord> RecordsKeeper::Take(const RecordsNews& news, const std::string& name,
                                               const std::string& date) {
    AddFigures(pending_, news.figures);
    if (!news.finished && !news.exiting) return std::nullopt;
    if (!news.finished && pending_ == LifetimeFigures{}) return std::nullopt;
    const auto taken = store_.Add(pending_, news.finished, name, date);
    pending_ = LifetimeFigures{};
    return taken;
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace quorvex
