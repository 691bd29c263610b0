// The records file: ranking and ties, the bound of ten, a broken and a
// foreign file set aside, two writers at once, and what the session's games
// give it (a game taken up from a slot is marked).
#include "core/records/records.h"

#include "core/game/playsession.h"
#include "core/platform/files.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

using namespace quorvex;

namespace {

FinishedGame Won100(std::int64_t money, std::int32_t turns) { return FinishedGame{2, money, turns, 3, false}; }

// Bombs cells 1..5 with every Victim under them (or none of them).
void PlayOneTurn(SinglePlayerSession& s, bool hitVictims) {
    for (int c = 1; c <= 5; ++c) s.Mark(c);
    Placement p;
    p.victims = hitVictims ? std::array<int, 5>{1, 2, 3, 4, 5} : std::array<int, 5>{11, 12, 13, 14, 15};
    p.dragons = {6, 7, 8, 9, 10};
    s.Bomb(p);
    s.NextTurn();
}

struct Case {
    const char* name;
    std::string fileBefore;  // empty: no file
    std::function<void(RecordsStore&, const std::string& path)> act;
    std::vector<std::string> names100;  // the 100 Victims table afterwards, best first
    std::optional<RecordsProblemKind> problem = {};
    std::function<void(const Records&)> check = {};
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

auto Adding(std::vector<std::pair<std::string, FinishedGame>> games) {
    return [games](RecordsStore& s, const std::string&) {
        for (const auto& [name, game] : games) s.Add({}, game, name, "2026-12-09");
    };
}

const std::vector<Case> kCases = {
    {"MoreMoneyRanksFirst", "", Adding({{"a", Won100(500, 5)}, {"b", Won100(900, 9)}, {"c", Won100(700, 3)}}),
     {"b", "c", "a"}},
    {"TiesGoToFewerTurnsThenToTheEarlier", "",
     Adding({{"a", Won100(800, 7)}, {"b", Won100(800, 5)}, {"c", Won100(800, 7)}}), {"b", "a", "c"}},
    {"TenKeptTheEleventhDropsAndALowerOneIsNotTaken", "",
     [](RecordsStore& s, const std::string&) {
         for (int i = 0; i <= 10; ++i) s.Add({}, Won100(100 * (i + 1), 9), "n" + std::to_string(i), "2026-12-09");
         EXPECT_FALSE(s.Add({}, Won100(50, 1), "low", "2026-12-09"));
     },
     {"n10", "n9", "n8", "n7", "n6", "n5", "n4", "n3", "n2", "n1"}},
    {"BrokenFileSetAsideOnceAndNewOneStarted", "Quorvex records 1\r\nentry\tvictims100\tlots\r\nend\r\n",
     Adding({{"new", Won100(1500, 40)}}), {"new"}, RecordsProblemKind::Broken},
    {"ForeignFileSetAside", "[Einstellungen]\r\nName=Mr. Victim\r\n", Adding({{"new", Won100(1500, 40)}}), {"new"},
     RecordsProblemKind::Foreign},
    {"NewerVersionIsForeign", "Quorvex records 2\r\nend\r\n", [](RecordsStore& s, const std::string&) { s.Load(); }, {},
     RecordsProblemKind::Foreign},
    {"TwoWritersAtOnceLoseNoEntryNorFigure", "",
     [](RecordsStore&, const std::string& path) {
         std::vector<pid_t> writers;
         for (const std::string who : {"x", "y"}) {
             const pid_t child = ::fork();
             if (child == 0) {
                 RecordsStore mine(path);
                 LifetimeFigures turn;
                 turn.turns = 1;
                 for (int i = 0; i < 5; ++i) mine.Add(turn, Won100((who == "x" ? 1000 : 1005) + 10 * i, 9), who + std::to_string(i), "2026-12-09");
                 ::_exit(0);
             }
             writers.push_back(child);
         }
         for (const pid_t w : writers) {
             int status = 1;
             ::waitpid(w, &status, 0);
             EXPECT_EQ(status, 0);
         }
     },
     {"y4", "x4", "y3", "x3", "y2", "x2", "y1", "x1", "y0", "x0"}, std::nullopt,
     [](const Records& r) { EXPECT_EQ(r.lifetime.turns, 10); }},
    {"GameFromASlotCountsMarkedAndTheEndlessBestStays", "",
     [](RecordsStore& s, const std::string& path) {
         RecordsKeeper keeper(path);
         SinglePlayerSession session;
         std::vector<TakenRecord> taken;
         session.AddListener([&](const SessionView& v) {
             if (!v.records) return;
             if (auto t = keeper.Take(*v.records, "Anna", "2026-12-09")) taken.push_back(*t);
         });
         session.Start();
         // Endless: the money after the first turn is the best, the second loses.
         session.NewGame(1);
         PlayOneTurn(session, true);
         const std::int64_t best = session.Game().money;
         PlayOneTurn(session, false);
         // Taken up from a slot one Victim before the win, which the next turn gives.
         session.LoadSlot(LoadedSlot{.texts = {}, .money = 2000, .victims = -1, .dragons = 0, .mode = 2});
         PlayOneTurn(session, true);
         ASSERT_EQ(taken.size(), 2u);
         EXPECT_EQ(taken[0].table, RecordTable::Endless);
         EXPECT_EQ(s.Load().Table(RecordTable::Endless).at(0).money, best);
         EXPECT_EQ(taken[1].table, RecordTable::Victims100);
         EXPECT_EQ(taken[1].rank, 0);
         EXPECT_TRUE(keeper.Store().Rename(taken[1].stamp, "Anna B."));
     },
     {"Anna B."}, std::nullopt,
     [](const Records& r) {
         const RecordEntry& won = r.Table(RecordTable::Victims100).at(0);
         EXPECT_TRUE(won.continued);
         EXPECT_EQ(won.turns, 1);
         EXPECT_FALSE(r.Table(RecordTable::Endless).at(0).continued);
         EXPECT_EQ(r.Table(RecordTable::Endless).at(0).turns, 2);
         EXPECT_EQ(r.lifetime.started[1], 1);
         EXPECT_EQ(r.lifetime.won[2], 1);
         EXPECT_EQ(r.lifetime.turns, 3);
         EXPECT_EQ(r.lifetime.victims, 10);
         EXPECT_EQ(r.lifetime.bestStreak, 5);
     }},
};

class RecordsFile : public ::testing::TestWithParam<Case> {};

TEST_P(RecordsFile, KeepsWhatItPromises) {
    const Case& c = GetParam();
    qxtest::TempDir dir;
    const std::string path = dir.File(kRecordsFileName);
    if (!c.fileBefore.empty()) qx::WriteBytesAtomic(path, c.fileBefore);
    RecordsStore store(path);
    c.act(store, path);

    const auto problem = store.TakeProblem();
    ASSERT_EQ(problem.has_value(), c.problem.has_value());
    if (problem) {
        EXPECT_EQ(problem->kind, *c.problem);
        // Kept byte for byte under its new name, and told only once.
        EXPECT_EQ(qx::ReadFileBytes(problem->keptAs), c.fileBefore);
        EXPECT_FALSE(store.TakeProblem());
    }
    const Records r = RecordsStore(path).Load();
    std::vector<std::string> names;
    for (const RecordEntry& e : r.Table(RecordTable::Victims100)) names.push_back(e.name);
    EXPECT_EQ(names, c.names100);
    if (c.check) c.check(r);
    // What is written reads back as it was.
    EXPECT_FALSE(ParseRecords(FormatRecords(r)).problem);
    EXPECT_EQ(FormatRecords(ParseRecords(FormatRecords(r)).records), FormatRecords(r));
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordsFile, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
