// The main window played through its real controls on the offscreen platform.
#include "ui/game/main.h"
#include "ui/game/gametexts.h"
#include "core/game/singleplayer.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "core/stats/statistics.h"
#include "support/controls.h"
#include "support/tempdir.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <utility>

using namespace quorvex;
using qxtest::Find;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }

    void WriteSettings(const std::string& content) {
        std::ofstream(dir.File("setup.ini"), std::ios::binary) << content;
    }

    THaupt& Open() {
        window = std::make_unique<THaupt>();
        window->show();
        return *window;
    }

    // Opaque at once, no splash: the usual settings for playing.
    THaupt& OpenPlain() {
        WriteSettings("[Einstellungen]\r\nName=Tester\r\nSplash=nein\r\nFade=nein\r\n");
        return Open();
    }

    void Click(int cell) { QTest::mouseClick(Find<qx::PictureCell>(*window, "Image", cell), Qt::LeftButton); }
    void Mark(std::initializer_list<int> cells) {
        for (int c : cells) Click(c);
    }
    void Bomb() { QTest::mouseClick(Find<QPushButton>(*window, "BombIt"), Qt::LeftButton); }
    void FixPlacement(Placement p) {
        window->SetPlacementSource([p] { return p; });
    }
    std::string Text(QLabel* l) { return l->text().toStdString(); }

    qxtest::TempDir dir;
    qx::DialogScript script;
    std::unique_ptr<THaupt> window;
};

const Placement kPlacement{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};

// Whichever menu opens first, every entry with a picture shows it then.
TEST_F(MainWindowTest, EveryMenuEntryShowsItsPictureOnceAMenuOpens) {
    THaupt& w = OpenPlain();
    auto* help = Find<QMenu>(w, "N1");
    help->popup(w.mapToGlobal(QPoint(0, 0)));
    const std::pair<const char*, const char*> pictured[] = {
        {"PlayerStat1", "statistic"}, {"Konfiguration1", "config"}, {"Beenden1", "exit"},
        {"Spielladen1", "load"},      {"Spielsichern1", "save"},    {"managesavnes1", "delete"},
        {"Spielbeitreten1", "host"},  {"Joingame1", "join"},        {"Anleitung1", "help"},
        {"Zentrafellcom1", "web"},    {"QXHomepage1", "web"},       {"ber1", "about"}};
    for (const auto& [entry, picture] : pictured)
        EXPECT_EQ(Find<QAction>(w, entry)->icon().pixmap(16).toImage(), qx::ButtonIcon(picture).toImage()) << entry;
    EXPECT_EQ(Find<QMenu>(w, "N1Spieler1")->menuAction()->icon().pixmap(16).toImage(),
              qx::ButtonIcon("newgame").toImage());
    help->close();
}

TEST_F(MainWindowTest, FirstStartWritesDefaultSettingsAndStaysTransparentForTheSplash) {
    THaupt& w = Open();
    EXPECT_EQ(qx::ReadFileBytes(dir.File("setup.ini")),
              "[Einstellungen]\r\nName=Mr. Victim\r\nSplash=ja\r\nFade=ja\r\n[Multiplayer]\r\n"
              "Name=Remote Victim\r\nServer=Server of sadism\r\n");
    EXPECT_EQ(Text(Find<QLabel>(w, "Label3")), "Player \"Mr. Victim\"");
    EXPECT_EQ(w.Alpha().Value(), 0);
    EXPECT_TRUE(Find<QTimer>(w, "Timer3")->isActive());
    EXPECT_FALSE(Find<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(Text(Find<QLabel>(w, "provic")), "$0");
    EXPECT_FALSE(Find<QAction>(w, "Spielsichern1")->isEnabled());
    EXPECT_TRUE(Find<QFrame>(w, "StartPanel")->isVisible());
}

TEST_F(MainWindowTest, MissingKeysReadAsZeroAndFadeInTakes51Ticks) {
    WriteSettings("[Einstellungen]\r\nFade=ja\r\n");
    THaupt& w = Open();
    EXPECT_EQ(Text(Find<QLabel>(w, "Label3")), "Player \"0\"");
    EXPECT_FALSE(Find<QTimer>(w, "Timer3")->isActive());
    ASSERT_TRUE(Find<QTimer>(w, "Timer1")->isActive());
    Find<QTimer>(w, "Timer1")->stop();
    std::vector<int> values;
    for (int tick = 0; tick < 60; ++tick) {
        w.Timer1Timer();
        values.push_back(w.Alpha().Value());
    }
    EXPECT_EQ(values[0], 5);
    EXPECT_EQ(values[50], 255);
    EXPECT_EQ(values.back(), 255);
}

TEST_F(MainWindowTest, FadeOffMakesTheWindowOpaqueAtOnce) {
    THaupt& w = OpenPlain();
    EXPECT_EQ(w.Alpha().Value(), 255);
    EXPECT_FALSE(Find<QTimer>(w, "Timer1")->isActive());
    EXPECT_FALSE(Find<QTimer>(w, "Timer3")->isActive());
}

TEST_F(MainWindowTest, FadeOutCountsDownFromTheValueReached) {
    WriteSettings("[Einstellungen]\r\nSplash=nein\r\nFade=ja\r\n");
    THaupt& w = Open();
    for (int i = 0; i < 10; ++i) w.Timer1Timer();
    ASSERT_EQ(w.Alpha().Value(), 50);
    w.Timer2Timer();
    EXPECT_FALSE(Find<QTimer>(w, "Timer1")->isActive());
    EXPECT_EQ(w.Alpha().Value(), 45);
    for (int i = 0; i < 20; ++i) w.Timer2Timer();
    EXPECT_EQ(w.Alpha().Value(), 0);
}

TEST_F(MainWindowTest, MarkingCountsDownAndLimitsTheBombToFiveMarks) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    Click(1);
    EXPECT_EQ(w.StatusText(), "4 fields left");
    Click(1);
    EXPECT_EQ(w.StatusText(), "5 fields left");
    EXPECT_EQ(w.Game().markCount, 0);
    Mark({1, 2, 3, 4});
    EXPECT_EQ(w.StatusText(), "1 fields left");
    EXPECT_FALSE(Find<QPushButton>(w, "BombIt")->isEnabled());
    Click(5);
    EXPECT_EQ(w.StatusText(), "Ready to bomb!!!");
    EXPECT_TRUE(Find<QPushButton>(w, "BombIt")->isEnabled());
    Click(6);
    EXPECT_EQ(w.StatusText(), "Only 5 fields max!");
    EXPECT_FALSE(Find<QPushButton>(w, "BombIt")->isEnabled());
    Click(2);
    EXPECT_EQ(w.StatusText(), "Ready to bomb!!!");
    EXPECT_TRUE(Find<QPushButton>(w, "BombIt")->isEnabled());
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 2)->PictureName(), "SmileImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 6)->PictureName(), "MarkImage");
}

TEST_F(MainWindowTest, WorkedExampleTurnShowsEveryFigure) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    FixPlacement(kPlacement);
    Mark({1, 2, 3, 6, 20});
    Bomb();
    EXPECT_EQ(Text(Find<QLabel>(w, "Money")), "4263");
    EXPECT_EQ(Text(Find<QLabel>(w, "Bilanz")), "+$3263");
    EXPECT_EQ(Find<QLabel>(w, "Bilanz")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Text(Find<QLabel>(w, "Treffer")), "4");
    EXPECT_EQ(Text(Find<QLabel>(w, "Verfehlt")), "1");
    EXPECT_EQ(Text(Find<QLabel>(w, "Kill")), "Triple kill!");
    EXPECT_EQ(Text(Find<QLabel>(w, "KillBonus")), "+$3030");
    EXPECT_EQ(Text(Find<QLabel>(w, "Label1")), "Bombed Victims: 3");
    EXPECT_EQ(Text(Find<QLabel>(w, "Label2")), "Bombed Dragons: 1");
    EXPECT_EQ(w.StatusText(), "Victims Bombed! 4 hits, 1 miss -- +$3263");
    EXPECT_EQ(Text(Find<QLabel>(w, "VictimCount")), "3");
    EXPECT_EQ(Text(Find<QLabel>(w, "DragonCount")), "1");
    // Reveal: hit Victims on white, unhit on black, the marked miss keeps its mark.
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 1)->PictureName(), "VictimHitImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 4)->PictureName(), "VictimImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 6)->PictureName(), "DragonHitImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 7)->PictureName(), "DragonImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 20)->PictureName(), "MarkImage");
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 21)->PictureName(), "SmileImage");
    // The save price was worked out from the money before the bomb.
    EXPECT_EQ(w.Game().savePrice, 40);
    EXPECT_EQ(Find<QAction>(w, "Spielsichern1")->text(), "Save game [ $40 ]");
    const PlayerStatistics& s = w.Session().Statistics();
    EXPECT_EQ(s.tripleKills, 1);
    EXPECT_EQ(s.hits, 4);
    EXPECT_EQ(s.moneyWon, 3263);
}

TEST_F(MainWindowTest, TurnWithoutHitsShowsMinusZeroInWindowTextColour) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    FixPlacement(kPlacement);
    Mark({21, 22, 23, 24, 25});
    Bomb();
    EXPECT_EQ(Text(Find<QLabel>(w, "Bilanz")), "-$0");
    EXPECT_EQ(Find<QLabel>(w, "Bilanz")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(w.StatusText(), "Victims Bombed! 0 hits, 5 miss -- -$0");
    EXPECT_EQ(Text(Find<QLabel>(w, "Kill")), "");
    EXPECT_EQ(Text(Find<QLabel>(w, "Money")), "1000");
}

TEST_F(MainWindowTest, LosingTurnIsMaroonAndUltraKillHasNoMisses) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    FixPlacement(kPlacement);
    Mark({6, 7, 21, 22, 23});
    Bomb();
    EXPECT_EQ(Text(Find<QLabel>(w, "Bilanz")), "-$200");
    EXPECT_EQ(Find<QLabel>(w, "Bilanz")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QTest::mouseClick(Find<QPushButton>(w, "RestartBut"), Qt::LeftButton);
    EXPECT_EQ(Text(Find<QLabel>(w, "Bilanz")), "$0");
    EXPECT_EQ(Text(Find<QLabel>(w, "provic")), "$89");  // 800 / 9
    Mark({1, 2, 3, 4, 5});
    Bomb();
    EXPECT_EQ(Text(Find<QLabel>(w, "Kill")), "Ultra sadistic kill!");
    EXPECT_EQ(Text(Find<QLabel>(w, "KillBonus")), "+$5040");  // 5 x 800 / 100 + 5000
    EXPECT_EQ(Text(Find<QLabel>(w, "Verfehlt")), "0");
}

TEST_F(MainWindowTest, CellsIgnoreClicksAfterTheBombUntilRestart) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    FixPlacement(kPlacement);
    Mark({21, 22, 23, 24, 25});
    Bomb();
    const QString status = w.StatusText();
    Click(11);
    EXPECT_FALSE(w.Game().marks[11]);
    EXPECT_EQ(w.StatusText(), status);
    EXPECT_EQ(Find<qx::PictureCell>(w, "Image", 11)->PictureName(), "SmileImage");
    EXPECT_TRUE(Find<QPushButton>(w, "RestartBut")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(w, "RestartBut"), Qt::LeftButton);
    EXPECT_EQ(w.StatusText(), status);  // the summary stays until the first mark
    Click(11);
    EXPECT_TRUE(w.Game().marks[11]);
    EXPECT_FALSE(Find<QPushButton>(w, "RestartBut")->isEnabled());
}

TEST_F(MainWindowTest, RandomTurnsNeverShareACell) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    for (int turn = 0; turn < 50; ++turn) {
        Mark({1, 7, 13, 19, 25});
        Bomb();
        std::set<int> cells;
        for (int c : w.LastPlacement().victims) cells.insert(c);
        for (int c : w.LastPlacement().dragons) cells.insert(c);
        ASSERT_EQ(cells.size(), 10u);
        int revealed = 0;
        for (int n = 1; n <= 25; ++n) {
            const QString p = Find<qx::PictureCell>(w, "Image", n)->PictureName();
            revealed += p.startsWith("Victim") || p.startsWith("Dragon");
        }
        EXPECT_EQ(revealed, 10);
        QTest::mouseClick(Find<QPushButton>(w, "RestartBut"), Qt::LeftButton);
    }
    EXPECT_EQ(w.Session().Statistics().bombed, 50);
    EXPECT_EQ(w.Session().Statistics().hits + w.Session().Statistics().misses, 250);
}

TEST_F(MainWindowTest, NewGameRightAfterABombStartsClean) {
    THaupt& w = OpenPlain();
    w.he100th1Click();
    EXPECT_EQ(Text(Find<QLabel>(w, "VictimCount")), "-100");
    EXPECT_EQ(Text(Find<QLabel>(w, "Label15")), "100 dead Victims");
    FixPlacement(kPlacement);
    Mark({1, 2, 3, 4, 5});
    Bomb();
    w.N10001Click();
    EXPECT_FALSE(Find<QPushButton>(w, "BombIt")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "RestartBut")->isEnabled());
    EXPECT_EQ(w.Game().markCount, 0);
    EXPECT_EQ(w.Game().streakFlags.ultraKill, 0);
    for (int n = 1; n <= 25; ++n) {
        EXPECT_TRUE(Find<qx::PictureCell>(w, "Image", n)->isEnabled());
        EXPECT_EQ(Find<qx::PictureCell>(w, "Image", n)->PictureName(), "SmileImage");
    }
    EXPECT_EQ(Text(Find<QLabel>(w, "VictimCount")), "-200");
    EXPECT_EQ(Text(Find<QLabel>(w, "Money")), "1000");
    EXPECT_EQ(Text(Find<QLabel>(w, "Label15")), "200 dead Victims");
    EXPECT_EQ(Find<QAction>(w, "Spielsichern1")->text(), "Save game");
    EXPECT_EQ(Text(Find<QLabel>(w, "Kill")), "");
}

TEST_F(MainWindowTest, HundredVictimsGameIsWonWithTheExactMessage) {
    THaupt& w = OpenPlain();
    w.he100th1Click();
    FixPlacement(kPlacement);
    int turns = 0;
    while (Find<QPushButton>(w, "RestartBut")->isEnabled() || turns == 0) {
        if (turns > 0) QTest::mouseClick(Find<QPushButton>(w, "RestartBut"), Qt::LeftButton);
        Mark({1, 2, 3, 4, 5});
        Bomb();
        ++turns;
        ASSERT_LE(turns, 20);
    }
    EXPECT_EQ(turns, 20);
    const auto messages = script.Texts(qx::BoxKind::Information);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Congratulation! You won! Your Money after killing 100 Victims is $" +
                               std::to_string(w.Game().money) + "!");
    EXPECT_EQ(Text(Find<QLabel>(w, "VictimCount")), "0");
    EXPECT_FALSE(Find<QPushButton>(w, "RestartBut")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "BombIt")->isEnabled());
}

TEST_F(MainWindowTest, ClosingWritesTheStatisticsFileWithoutFadeWait) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    Mark({1, 2, 3, 4, 5});
    Bomb();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(qx::ReadFileBytes(dir.File("Quorvex.stat")).size(), 5832u);
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(MainWindowTest, UnwritableStatisticsStillEndTheProgramAndTellThePlayer) {
    THaupt& w = OpenPlain();
    std::ofstream(dir.File("Quorvex.stat")) << "old";
    qx::SetWriteFaultForTests(100);  // the disk fills after 100 bytes
    const bool closed = w.close();
    qx::SetWriteFaultForTests(std::nullopt);
    EXPECT_TRUE(closed);
    const auto messages = script.Texts(qx::BoxKind::Information);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("The statistics could not be saved.", 0), 0u);
    EXPECT_EQ(qx::ReadFileBytes(dir.File("Quorvex.stat")), "old");  // the earlier file is intact
    for (const auto& entry : std::filesystem::directory_iterator(dir.Folder()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

// An installed copy's first start makes the player's folder; where that cannot
// be, the player is told once and the game still comes up, playable.
TEST_F(MainWindowTest, FirstStartCreatesTheProgramFolderOrSaysItCannot) {
    qx::SetProgramFolder(dir.File("new/quorvex"));
    Open();
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("new/quorvex/setup.ini")));
    window.reset();

    std::ofstream(dir.File("blocker")) << "a file where a folder belongs";
    qx::SetProgramFolder(dir.File("blocker/quorvex"));
    THaupt& w = Open();
    const auto messages = script.Texts(qx::BoxKind::Information);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Your settings, statistics and savegames cannot be kept.\nCannot create folder \"", 0),
              0u)
        << messages[0];
    w.N1Spieler1Click();
    Mark({1, 2, 3, 4, 5});
    EXPECT_TRUE(Find<QPushButton>(w, "BombIt")->isEnabled());
}

}  // namespace

// What the core tells, worded in the C locale: the game's own English.
TEST(GameTexts, ValuesReadAsTheGamesEnglish) {
    const std::pair<QString, const char*> rows[] = {
        {KillText(1), ""},
        {KillText(2), "Double kill"},
        {KillText(3), "Triple kill!"},
        {KillText(4), "Master kill!"},
        {KillText(5), "Ultra sadistic kill!"},
        {GameTypeText(0, GameTypeWording::New), "game type"},
        {GameTypeText(1, GameTypeWording::New), "Endless game"},
        {GameTypeText(2, GameTypeWording::New), "100 dead Victims"},
        {GameTypeText(3, GameTypeWording::New), "200 dead Victims"},
        {GameTypeText(0, GameTypeWording::Loaded), ""},
        {GameTypeText(1, GameTypeWording::Loaded), "Endless game"},
        {GameTypeText(2, GameTypeWording::Loaded), "100 killed Victims"},
        {GameTypeText(3, GameTypeWording::Loaded), "200 killed Victims"},
        {WinText(2, 4263), "Congratulation! You won! Your Money after killing 100 Victims is $4263!"},
        {WinText(3, -5), "Congratulation! You won! Your Money after killing 200 Victims is $-5!"},
        {BombedText(3, 2, 1132), "Victims Bombed! 3 hits, 2 miss -- +$1132"},
        {BombedText(0, 5, 0), "Victims Bombed! 0 hits, 5 miss -- -$0"},
        {BombedText(1, 4, -100), "Victims Bombed! 1 hits, 4 miss -- -$100"},
        {MarkingText(MarkingFor(0)), "5 fields left"},
        {MarkingText(MarkingFor(4)), "1 fields left"},
        {MarkingText(MarkingFor(5)), "Ready to bomb!!!"},
        {MarkingText(MarkingFor(6)), "Only 5 fields max!"},
    };
    for (const auto& [shown, english] : rows) EXPECT_EQ(shown.toStdString(), english);
    // The network game's field still takes the core's English: the same.
    for (int marks = 0; marks <= 7; ++marks)
        EXPECT_EQ(MarkingText(MarkingFor(marks)).toStdString(), MarkingFor(marks).statusText) << marks;
}

TEST_F(MainWindowTest, DisplayOperationsShowTheirTextsAndAFreshField) {
    THaupt& w = OpenPlain();
    w.N1Spieler1Click();
    FixPlacement(kPlacement);
    Mark({1, 2, 11, 12, 13});
    Bomb();
    ASSERT_EQ(Text(Find<QLabel>(w, "Kill")), "Double kill");

    MainDisplay& d = w;
    // Texts come in the system's 8-bit code page.
    SessionView texts;
    texts.money = "0012";
    texts.counters = {"-43", "\xE4"};
    texts.loadedGameType = 3;
    d.Show(texts);
    d.ShowPlayerName("J\xFCrgen");
    EXPECT_EQ(Text(Find<QLabel>(w, "Money")), "0012");
    EXPECT_EQ(Text(Find<QLabel>(w, "VictimCount")), "-43");
    EXPECT_EQ(Find<QLabel>(w, "DragonCount")->text(), QString::fromUtf8("\xC3\xA4"));
    EXPECT_EQ(Text(Find<QLabel>(w, "Label15")), "200 killed Victims");
    EXPECT_EQ(Find<QLabel>(w, "Label3")->text(), QString::fromUtf8("Player \"J\xC3\xBCrgen\""));

    // A fresh turn of what the record holds: rates from its money, save free.
    LoadedSlot slot;
    slot.money = 900;
    slot.victims = 1;
    slot.dragons = 2;
    slot.mode = 1;
    w.Session().LoadSlot(slot);
    EXPECT_TRUE(Find<QFrame>(w, "StartPanel")->isHidden());
    EXPECT_EQ(Text(Find<QLabel>(w, "Kill")), "");
    EXPECT_EQ(Text(Find<QLabel>(w, "Bilanz")), "$0");
    EXPECT_EQ(Text(Find<QLabel>(w, "provic")), "$100");
    EXPECT_EQ(Text(Find<QLabel>(w, "prodra")), "$90");
    EXPECT_EQ(Find<QAction>(w, "Spielsichern1")->text(), "Save game");
    for (int n = 1; n <= 25; ++n) {
        EXPECT_TRUE(Find<qx::PictureCell>(w, "Image", n)->isEnabled());
        EXPECT_EQ(Find<qx::PictureCell>(w, "Image", n)->PictureName(), "SmileImage");
    }
    EXPECT_FALSE(Find<QPushButton>(w, "RestartBut")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(w, "BombIt")->isEnabled());
}
