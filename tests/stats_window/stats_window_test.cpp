// The statistics window opened from the real main window's menu after real turns.
#include "game/application.h"
#include "game/main.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "stats/statistics.h"
#include "stats/statistik.h"
#include "support/tempdir.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <memory>

using quorvex::Placement;
using quorvex::Statistics;
using quorvex::THaupt;
using quorvex::Tstat;

namespace {

constexpr int kWait = 5000;  // generous bound for the 100 ms fill timer

class StatsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=Tester\r\nSplash=nein\r\nFade=nein\r\n";
        main = std::make_unique<THaupt>();
        quorvex::Haupt = main.get();
        window = std::make_unique<Tstat>();
        quorvex::stat = window.get();
        main->UpdateMenuAvailability();
        main->SetPlacementSource([] { return Placement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}; });
        main->N1Spieler1Click();
    }
    void TearDown() override {
        quorvex::stat = nullptr;
        quorvex::Haupt = nullptr;
    }

    // One turn with the given marks; Victims lie on 1..5, Dragons on 6..10.
    void Turn(std::initializer_list<int> cells) {
        for (int c : cells) QTest::mouseClick(main->Image[c], Qt::LeftButton);
        QTest::mouseClick(main->BombIt, Qt::LeftButton);
        QTest::mouseClick(main->RestartBut, Qt::LeftButton);
    }
    void OpenFromMenu() {
        ASSERT_TRUE(main->PlayerStat1->isEnabled());
        main->PlayerStat1->trigger();
        EXPECT_TRUE(window->Timer1->isActive());
        EXPECT_TRUE(window->isVisible());
    }
    std::vector<QLabel*> Numbers() const {
        Tstat& w = *window;
        return {w.DKillsL, w.TKillsL, w.MKillsL, w.UKillsL, w.BombedL, w.HitsL,
                w.MissesL, w.VictimsL, w.DragonsL, w.WonL, w.LostL};
    }
    static std::string Text(const QLabel* l) { return l->text().toStdString(); }
    static int RightEdge(const QLabel* l) { return l->x() + l->width(); }
    // Each number keeps the right edge of its frame.
    void ExpectRightAligned() {
        const auto n = Numbers();
        for (std::size_t i = 0; i < n.size(); ++i) {
            EXPECT_EQ(RightEdge(n[i]), i < 4 ? 168 : 374) << n[i]->objectName().toStdString();
            EXPECT_GE(n[i]->width(), n[i]->sizeHint().width()) << n[i]->objectName().toStdString();
        }
    }

    qxtest::TempDir dir;
    qx::DialogScript script;
    std::unique_ptr<THaupt> main;
    std::unique_ptr<Tstat> window;
};

TEST_F(StatsWindowTest, DesignBeforeTheFirstOpening) {
    Tstat& w = *window;
    EXPECT_EQ(w.windowTitle(), "Game statistic");
    EXPECT_EQ(w.size(), QSize(395, 170));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(w.Bevel1->geometry(), QRect(8, 8, 169, 97));
    EXPECT_EQ(w.Bevel2->geometry(), QRect(184, 8, 201, 97));
    EXPECT_EQ(w.Bevel3->geometry(), QRect(8, 112, 377, 49));
    EXPECT_EQ(w.Bevel1->frameShadow(), QFrame::Sunken);

    struct Row {
        QLabel* caption;
        const char* text;
        QPoint at;
        QLabel* number;
    };
    const Row rows[] = {{w.Label2, "Double kills:", {16, 16}, w.DKillsL},
                        {w.Label3, "Triple kills:", {16, 32}, w.TKillsL},
                        {w.Label4, "Master kills:", {16, 48}, w.MKillsL},
                        {w.Label5, "Ultra kills:", {16, 64}, w.UKillsL},
                        {w.Label12, "# of games:", {192, 16}, w.BombedL},
                        {w.Label10, "Total hits:", {192, 32}, w.HitsL},
                        {w.Label11, "Total misses:", {192, 48}, w.MissesL},
                        {w.Label6, "Killed Victims:", {192, 64}, w.VictimsL},
                        {w.Label7, "Killed Dragons:", {192, 80}, w.DragonsL},
                        {w.Label8, "Money won:", {16, 120}, w.WonL},
                        {w.Label9, "Money lost:", {16, 136}, w.LostL}};
    for (const Row& r : rows) {
        const std::string name = r.number->objectName().toStdString();
        EXPECT_EQ(Text(r.caption), r.text);
        EXPECT_EQ(r.caption->pos(), r.at);
        EXPECT_EQ(r.number->y(), r.at.y()) << name;
        EXPECT_EQ(Text(r.number), name);  // the design caption is the component name
        EXPECT_GT(r.number->x(), r.caption->x() + r.caption->width()) << name;
        for (QLabel* l : {r.caption, r.number}) {
            EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            EXPECT_TRUE(l->font().bold());
            EXPECT_EQ(l->font().pointSize(), 8);
            EXPECT_FALSE(l->autoFillBackground());
        }
    }
    ExpectRightAligned();
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 100);
}

TEST_F(StatsWindowTest, OpenedBeforeAnyTurnShowsZeros) {
    OpenFromMenu();
    EXPECT_EQ(script.modals, std::vector<std::string>{"stat"});
    QTRY_COMPARE_WITH_TIMEOUT(window->LostL->text(), QStringLiteral("0"), kWait);
    for (QLabel* l : Numbers()) EXPECT_EQ(Text(l), "0") << l->objectName().toStdString();
    EXPECT_FALSE(window->Timer1->isActive());
    ExpectRightAligned();
}

TEST_F(StatsWindowTest, LosingTurnShowsTheLossWithItsSign) {
    Turn({6, 7, 8, 21, 22});  // three Dragons at $100 each
    OpenFromMenu();
    QTRY_COMPARE_WITH_TIMEOUT(window->LostL->text(), QStringLiteral("-300"), kWait);
    EXPECT_EQ(Text(window->WonL), "0");
    EXPECT_EQ(Text(window->DragonsL), "3");
    EXPECT_EQ(Text(window->MissesL), "2");
    ExpectRightAligned();
}

TEST_F(StatsWindowTest, ThreeTurnsAddUpToFifteenBombs) {
    Turn({1, 2, 6, 21, 22});   // double kill
    Turn({1, 2, 3, 4, 5});     // ultra kill
    Turn({21, 22, 23, 24, 25});
    OpenFromMenu();
    QTRY_COMPARE_WITH_TIMEOUT(window->BombedL->text(), QStringLiteral("3"), kWait);
    const quorvex::PlayerStatistics& s = Statistics();
    EXPECT_EQ(window->HitsL->text().toInt() + window->MissesL->text().toInt(), 15);
    EXPECT_EQ(Text(window->HitsL), "8");
    EXPECT_EQ(Text(window->VictimsL), "7");
    EXPECT_EQ(Text(window->DragonsL), "1");
    EXPECT_EQ(Text(window->DKillsL), "1");
    EXPECT_EQ(Text(window->UKillsL), "1");
    EXPECT_EQ(Text(window->TKillsL), "0");
    EXPECT_EQ(Text(window->WonL), std::to_string(s.moneyWon));
    EXPECT_EQ(Text(window->LostL), "0");
}

TEST_F(StatsWindowTest, OldNumbersShowUntilTheTimerFires) {
    OpenFromMenu();
    QTRY_COMPARE_WITH_TIMEOUT(window->BombedL->text(), QStringLiteral("0"), kWait);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Text(window->BombedL), "0");  // closing keeps the texts

    Turn({1, 21, 22, 23, 24});
    OpenFromMenu();
    EXPECT_EQ(Text(window->BombedL), "0");
    EXPECT_EQ(Text(window->VictimsL), "0");
    QTRY_COMPARE_WITH_TIMEOUT(window->BombedL->text(), QStringLiteral("1"), kWait);
    EXPECT_EQ(Text(window->VictimsL), "1");
}

TEST_F(StatsWindowTest, WideNumbersKeepTheirRightEdge) {
    quorvex::PlayerStatistics& s = Statistics();
    s.doubleKills = INT_MIN;
    s.moneyWon = INT_MAX;
    s.moneyLost = INT_MIN;
    s.bombed = 7;
    window->Timer1->start();
    window->Timer1Timer();
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(Text(window->DKillsL), "-2147483648");
    EXPECT_EQ(Text(window->WonL), "2147483647");
    EXPECT_EQ(Text(window->LostL), "-2147483648");
    EXPECT_EQ(Text(window->BombedL), "7");
    ExpectRightAligned();
}

}  // namespace
