// The settings dialog driven through its real controls, beside a real main window.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/settings/einstellungen.h"
#include "support/controls.h"
#include "support/tempdir.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using Texts = std::vector<std::string>;

namespace {

const char kDefaults[] =
    "[Einstellungen]\r\nName=Mr. Victim\r\nSplash=ja\r\nFade=ja\r\n[Multiplayer]\r\n"
    "Name=Remote Victim\r\nServer=Server of sadism\r\n";

class SettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override {
        qx::SetWriteFaultForTests(std::nullopt);
        qxtest::Setup = nullptr;
        Haupt = nullptr;
    }

    void WriteIni(const std::string& content) { std::ofstream(dir.File("setup.ini"), std::ios::binary) << content; }
    std::string Ini() { return qx::ReadFileBytes(dir.File("setup.ini")); }

    // Start-up as the program runs it: the main window, then the dialog.
    TSetup& Start() {
        main = std::make_unique<THaupt>();
        Haupt = main.get();
        return Restart();
    }
    // The dialog of the next start, which loads the file again.
    TSetup& Restart() {
        setup = std::make_unique<TSetup>(main.get());
        qxtest::Setup = setup.get();
        qxtest::ConnectMenu();
        return *setup;
    }
    TSetup& Open() {
        TSetup& s = Start();
        Find<QAction>(*main, "Konfiguration1")->trigger();
        EXPECT_TRUE(s.isVisible());
        return s;
    }
    static void Type(QLineEdit* e, const QString& text) {
        e->clear();
        QTest::keyClicks(e, text);
    }
    static void Press(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    std::string PlayerLabel() { return Find<QLabel>(*main, "Label3")->text().toStdString(); }
    Texts Messages() { return script.Texts(qx::BoxKind::Information); }

    qxtest::TempDir dir;
    qx::DialogScript script;
    std::unique_ptr<THaupt> main;
    std::unique_ptr<TSetup> setup;
};

TEST_F(SettingsWindowTest, LoadsTheFiveValuesIntoTheDesignedWindow) {
    TSetup& s = Start();
    EXPECT_EQ(Find<QLineEdit>(s, "Spielername")->text(), "Mr. Victim");
    EXPECT_EQ(Find<QLineEdit>(s, "Multiname")->text(), "Remote Victim");
    EXPECT_EQ(Find<QLineEdit>(s, "Servername")->text(), "Server of sadism");
    EXPECT_TRUE(Find<QCheckBox>(s, "CheckBox1")->isChecked() && Find<QCheckBox>(s, "CheckBox2")->isChecked());
    EXPECT_EQ(s.windowTitle(), "Config of sadism");
    EXPECT_EQ(s.size(), QSize(257, 225));
    EXPECT_EQ(Find<QLineEdit>(s, "Servername")->geometry(), QRect(8, 120, 240, 21));
    EXPECT_EQ(Find<QCheckBox>(s, "CheckBox2")->geometry(), QRect(8, 168, 240, 17));
    EXPECT_EQ(Find<QPushButton>(s, "SpeedButton3")->geometry(), QRect(168, 192, 81, 25));
    EXPECT_EQ(Find<QLabel>(s, "Label2")->pos(), QPoint(8, 56));
    EXPECT_EQ(Find<QLineEdit>(s, "Multiname")->font().pointSize(), 10);
    EXPECT_EQ(Find<QLineEdit>(s, "Multiname")->palette().color(QPalette::Text), QColor(0, 255, 0));
    for (QPushButton* b : {Find<QPushButton>(s, "SpeedButton1"), Find<QPushButton>(s, "SpeedButton2"),
                           Find<QPushButton>(s, "SpeedButton3")}) {
        EXPECT_TRUE(b->isFlat() && b->font().bold() && !b->icon().isNull());
        EXPECT_EQ(b->palette().color(QPalette::ButtonText), QColor(Qt::white));
    }
}

TEST_F(SettingsWindowTest, TabGoesThroughTheSwitchesToServerThenMultiplayerName) {
    TSetup& s = Open();
    QApplication::setActiveWindow(&s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    Find<QLineEdit>(s, "Spielername")->setFocus();
    std::vector<QWidget*> seen{QApplication::focusWidget()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(QApplication::focusWidget());
    }
    // The five fields in their order, then the three buttons, then round again.
    EXPECT_EQ(seen, (std::vector<QWidget*>{Find<QLineEdit>(s, "Spielername"), Find<QCheckBox>(s, "CheckBox1"),
                                           Find<QCheckBox>(s, "CheckBox2"), Find<QLineEdit>(s, "Servername"),
                                           Find<QLineEdit>(s, "Multiname"), Find<QPushButton>(s, "SpeedButton1"),
                                           Find<QPushButton>(s, "SpeedButton2"), Find<QPushButton>(s, "SpeedButton3"),
                                           Find<QLineEdit>(s, "Spielername")}));
    // Enter in a field is no shortcut for the commit.
    QTest::keyClick(Find<QLineEdit>(s, "Spielername"), Qt::Key_Return);
    EXPECT_TRUE(s.isVisible());
}

TEST_F(SettingsWindowTest, OnlyTheFirstBlankNameIsReportedAndNothingIsWritten) {
    TSetup& s = Open();
    Type(Find<QLineEdit>(s, "Spielername"), "   ");
    Find<QLineEdit>(s, "Multiname")->clear();
    Press(Find<QPushButton>(s, "SpeedButton1"));
    EXPECT_EQ(Messages(), Texts{"Please enter your name for singleplayer games"});
    script.Clear();
    Type(Find<QLineEdit>(s, "Spielername"), "Bob");
    Press(Find<QPushButton>(s, "SpeedButton1"));
    EXPECT_EQ(Messages(), Texts{"Please enter your name for multiplayer games"});
    script.Clear();
    Type(Find<QLineEdit>(s, "Multiname"), "Bobby");
    Find<QLineEdit>(s, "Servername")->setText(QStringLiteral(" \t "));
    Press(Find<QPushButton>(s, "SpeedButton1"));
    EXPECT_EQ(Messages(), Texts{"Please enter your servername for multiplayer games"});
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(Ini(), kDefaults);
    EXPECT_EQ(PlayerLabel(), "Player \"Mr. Victim\"");
}

TEST_F(SettingsWindowTest, CommitWritesInOrderAsTypedAndTheNextStartTrims) {
    WriteIni("");  // exists but empty: every key is added afresh, in the commit's order
    TSetup& s = Open();
    EXPECT_EQ(Find<QLineEdit>(s, "Spielername")->text(), "0");
    Type(Find<QLineEdit>(s, "Spielername"), "  Bob=1 = 2  ");
    Type(Find<QLineEdit>(s, "Multiname"), "Remote");
    s.SetServerName("Caf\xE9");  // 8-bit text, shown and written as Windows-1252
    EXPECT_EQ(Find<QLineEdit>(s, "Servername")->text(), QString::fromUtf8("Caf\u00e9"));
    QTest::mouseClick(Find<QCheckBox>(s, "CheckBox1"), Qt::LeftButton);
    Press(Find<QPushButton>(s, "SpeedButton1"));

    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Ini(),
              "[Einstellungen]\r\nName=  Bob=1 = 2  \r\nSplash=ja\r\nFade=nein\r\n[Multiplayer]\r\n"
              "Name=Remote\r\nServer=Caf\xE9\r\n");
    EXPECT_EQ(PlayerLabel(), "Player \"  Bob=1 = 2  \"");
    EXPECT_EQ(main->FadeSwitch(), "0");  // switches change at the next start only

    TSetup& next = Restart();
    EXPECT_EQ(next.PlayerName(), "Bob=1 = 2");
    EXPECT_TRUE(Find<QCheckBox>(next, "CheckBox1")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(next, "CheckBox2")->isChecked());
}

TEST_F(SettingsWindowTest, CapitalJaIsOffAndAMissingNameShowsZero) {
    WriteIni("[Einstellungen]\r\nSplash=Ja\r\nFade=ja\r\n[Multiplayer]\r\nName=M\r\nServer=S\r\n");
    TSetup& s = Start();
    EXPECT_FALSE(Find<QCheckBox>(s, "CheckBox1")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(s, "CheckBox2")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(s, "Spielername")->text(), "0");
    EXPECT_EQ(PlayerLabel(), "Player \"0\"");
}

TEST_F(SettingsWindowTest, DefaultOnlyOnJaThenCancelKeepsTheFileButNotTheFields) {
    WriteIni(
        "[Einstellungen]\r\nName=Ann\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Annie\r\nServer=Hall\r\n");
    TSetup& s = Open();
    const std::string before = Ini();
    Press(Find<QPushButton>(s, "SpeedButton3"));  // answered "&Nein"
    EXPECT_EQ(Find<QLineEdit>(s, "Spielername")->text(), "Ann");
    script.answers.push_back(true);
    Press(Find<QPushButton>(s, "SpeedButton3"));
    EXPECT_EQ(script.Texts(qx::BoxKind::Confirmation), (Texts{"restore defaults?", "restore defaults?"}));
    EXPECT_TRUE(Find<QCheckBox>(s, "CheckBox1")->isChecked() && Find<QCheckBox>(s, "CheckBox2")->isChecked());
    Press(Find<QPushButton>(s, "SpeedButton2"));
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Ini(), before);
    // The fields stay the live values for the run; reopening does not reload them.
    Find<QAction>(*main, "Konfiguration1")->trigger();
    EXPECT_EQ(s.PlayerName(), "Mr. Victim");
    EXPECT_EQ(s.MultiName(), "Remote Victim");
    EXPECT_EQ(s.ServerName(), "Server of sadism");
}

TEST_F(SettingsWindowTest, FailedWriteTellsThePlayerButKeepsTheValuesForTheRun) {
    TSetup& s = Open();
    ASSERT_EQ(::chmod(dir.Folder().c_str(), 0500), 0);
    if (::geteuid() == 0) qx::SetWriteFaultForTests(0);  // root writes into read-only folders anyway
    Type(Find<QLineEdit>(s, "Spielername"), "Dora");
    Press(Find<QPushButton>(s, "SpeedButton1"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("could not be saved"), std::string::npos);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(PlayerLabel(), "Player \"Dora\"");
    EXPECT_EQ(s.PlayerName(), "Dora");
    EXPECT_EQ(Ini(), kDefaults);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);  // nothing half-written
}

TEST_F(SettingsWindowTest, PressCommitRunsTheCommitWhileTheDialogIsHidden) {
    TSetup& s = Start();
    s.SetServerName("  Arena  ");
    s.PressCommit();
    EXPECT_FALSE(Find<QPushButton>(s, "SpeedButton1")->isDown());
    EXPECT_NE(Ini().find("\r\nServer=  Arena  \r\n"), std::string::npos);
    const std::string before = Ini();
    s.SetPlayerName("");
    s.PressCommit();
    EXPECT_EQ(Messages(), Texts{"Please enter your name for singleplayer games"});
    EXPECT_EQ(Ini(), before);
}

}  // namespace
