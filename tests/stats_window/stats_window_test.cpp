// The statistics window opened from the real main window's menu after real turns.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "core/stats/statistics.h"
#include "ui/stats/statistik.h"
#include "ui/platform/access.h"
#include "ui/records/rekorde.h"
#include "core/records/records.h"
#include "support/controls.h"
#include "support/tempdir.h"

#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <memory>

using quorvex::Tstat;
using qxtest::Find;

namespace {

constexpr int kWait = 5000;  // generous bound for the 100 ms fill timer

class StatsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary) << "[Einstellungen]\r\nSplash=nein\r\nFade=nein\r\n";
        main = std::make_unique<quorvex::THaupt>();
        qxtest::Haupt = main.get();
        window = std::make_unique<Tstat>(main->Session().Statistics());
        qxtest::stat = window.get();
        qxtest::ConnectMenu();
        main->SetPlacementSource([] { return quorvex::Placement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}; });
        main->N1Spieler1Click();
    }
    void TearDown() override {
        qxtest::stat = nullptr;
        qxtest::Haupt = nullptr;
    }
    // One turn with the given marks; Victims lie on 1..5, Dragons on 6..10, $100 a Dragon at first.
    void Turn(std::initializer_list<int> cells) {
        for (int c : cells) QTest::mouseClick(Find<qx::PictureCell>(*main, "Image", c), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(*main, "BombIt"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>(*main, "RestartBut"), Qt::LeftButton);
    }
    void Open() {
        Find<QAction>(*main, "PlayerStat1")->trigger();
        EXPECT_TRUE(window->isVisible());
    }
    std::vector<QLabel*> Numbers() const {
        const Tstat& w = *window;
        return {Find<QLabel>(w, "DKillsL"), Find<QLabel>(w, "TKillsL"),  Find<QLabel>(w, "MKillsL"),
                Find<QLabel>(w, "UKillsL"), Find<QLabel>(w, "BombedL"),  Find<QLabel>(w, "HitsL"),
                Find<QLabel>(w, "MissesL"), Find<QLabel>(w, "VictimsL"), Find<QLabel>(w, "DragonsL"),
                Find<QLabel>(w, "WonL"),    Find<QLabel>(w, "LostL")};
    }
    static std::string Text(const QLabel* l) { return l->text().toStdString(); }
    void ExpectRightAligned() {
        const auto n = Numbers();
        for (std::size_t i = 0; i < n.size(); ++i)
            EXPECT_EQ(n[i]->x() + n[i]->width(), i < 4 ? 168 : 374) << Text(n[i]);
    }

    qxtest::TempDir dir;
    qx::DialogScript script;
    std::unique_ptr<quorvex::THaupt> main;
    std::unique_ptr<Tstat> window;
};

TEST_F(StatsWindowTest, DesignShowsComponentNamesUntilTheFirstFill) {
    const Tstat& w = *window;
    EXPECT_EQ(w.windowTitle(), "Game statistic");
    EXPECT_EQ(w.size(), QSize(395, 170));
    EXPECT_EQ(Find<QFrame>(w, "Bevel2")->geometry(), QRect(184, 8, 201, 97));
    EXPECT_EQ(Find<QFrame>(w, "Bevel3")->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(Text(Find<QLabel>(w, "Label7")), "Killed Dragons:");
    EXPECT_EQ(Find<QLabel>(w, "Label7")->pos(), QPoint(192, 80));
    EXPECT_EQ(Find<QLabel>(w, "Label9")->pos(), QPoint(16, 136));
    for (QLabel* l : Numbers()) EXPECT_EQ(Text(l), l->objectName().toStdString());
    EXPECT_EQ(Find<QLabel>(w, "DragonsL")->y(), 80);
    EXPECT_EQ(Find<QLabel>(w, "LostL")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_TRUE(Find<QLabel>(w, "LostL")->font().bold());
    ExpectRightAligned();
    EXPECT_FALSE(Find<QTimer>(w, "Timer1")->isActive());
}

TEST_F(StatsWindowTest, OpeningShowsTheOldNumbersUntilTheTimerFillsTheNewOnes) {
    Open();
    EXPECT_EQ(script.modals, std::vector<std::string>{"stat"});
    QTRY_COMPARE_WITH_TIMEOUT(Find<QLabel>(*window, "LostL")->text(), QStringLiteral("0"), kWait);
    for (QLabel* l : Numbers()) EXPECT_EQ(Text(l), "0") << l->objectName().toStdString();
    EXPECT_FALSE(Find<QTimer>(*window, "Timer1")->isActive());
    window->close();

    Turn({6, 7, 8, 21, 22});  // three Dragons: -300, nothing won
    Open();
    EXPECT_EQ(Text(Find<QLabel>(*window, "LostL")), "0");
    QTRY_COMPARE_WITH_TIMEOUT(Find<QLabel>(*window, "LostL")->text(), QStringLiteral("-300"), kWait);
    EXPECT_EQ(Text(Find<QLabel>(*window, "WonL")), "0");
    EXPECT_EQ(Text(Find<QLabel>(*window, "DragonsL")), "3");
    window->close();

    Turn({1, 2, 9, 21, 22});  // double kill
    Turn({21, 22, 23, 24, 25});
    Open();
    QTRY_COMPARE_WITH_TIMEOUT(Find<QLabel>(*window, "BombedL")->text(), QStringLiteral("3"), kWait);
    EXPECT_EQ(Find<QLabel>(*window, "HitsL")->text().toInt() + Find<QLabel>(*window, "MissesL")->text().toInt(), 15);
    EXPECT_EQ(Text(Find<QLabel>(*window, "HitsL")), "6");
    EXPECT_EQ(Text(Find<QLabel>(*window, "DKillsL")), "1");
    EXPECT_EQ(Text(Find<QLabel>(*window, "WonL")), std::to_string(main->Session().Statistics().moneyWon));
    ExpectRightAligned();
}

TEST_F(StatsWindowTest, WideNumbersKeepTheirRightEdge) {
    quorvex::PlayerStatistics& s = main->Session().StatisticsForTests();
    s.doubleKills = INT_MIN;
    s.moneyLost = INT_MIN;
    s.moneyWon = INT_MAX;
    window->Timer1Timer();
    EXPECT_EQ(Text(Find<QLabel>(*window, "DKillsL")), "-2147483648");
    EXPECT_EQ(Text(Find<QLabel>(*window, "WonL")), "2147483647");
    ExpectRightAligned();
}

// The records window follows the same run: a won game opens it on its table,
// the new row highlighted and announced, its name in an editor; Escape keeps
// the settings' name.
TEST_F(StatsWindowTest, AWinOpensTheRecordsOnItsRowAndEscapeKeepsTheName) {
    quorvex::TRecords records(main->Session(), [] { return std::string("Anna"); }, main.get());
    main->he100th1Click();
    main->Session().GameForTests().victimCount = -1;  // the next Victim wins
    script.modals.clear();
    Turn({1, 2, 3, 4, 5});
    EXPECT_EQ(script.modals, std::vector<std::string>{"Records"});
    ASSERT_TRUE(records.isVisible());
    QCoreApplication::processEvents();

    auto* table = Find<QTableWidget>(records, "Table100");
    EXPECT_EQ(Find<QTabWidget>(records, "PageControl1")->currentWidget(), table);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_TRUE(table->item(0, 0)->isSelected());
    EXPECT_NE(table->item(0, 2)->background(), table->item(0, 2)->tableWidget()->palette().base());
    const std::string money = "$" + std::to_string(main->Game().money);
    EXPECT_EQ(table->item(0, 2)->text().toStdString(), money);
    records.findChild<qx::News*>()->Flush();
    EXPECT_EQ(Find<QWidget>(records, "News")->accessibleName().toStdString(), "New record: place 1, " + money);

    auto* editor = Find<QLineEdit>(records, "NameEdit");
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(editor->text(), "Anna");
    QTest::keyClicks(editor, "Bert");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(table->item(0, 1)->text(), "Anna");
    EXPECT_EQ(quorvex::RecordsStore(quorvex::RecordsStore::DefaultPath()).Load().Table(quorvex::RecordTable::Victims100).at(0).name,
              "Anna");
    EXPECT_TRUE(records.isVisible());
    // F2 opens the name again; Enter keeps what was typed.
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClicks(Find<QLineEdit>(records, "NameEdit"), "Bert");
    QTest::keyClick(Find<QLineEdit>(records, "NameEdit"), Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits a name after the key
    EXPECT_EQ(quorvex::RecordsStore(quorvex::RecordsStore::DefaultPath()).Load().Table(quorvex::RecordTable::Victims100).at(0).name,
              "Bert");
}

}  // namespace
