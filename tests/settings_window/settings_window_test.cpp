// The settings dialog driven through its real controls, beside a real main window.
#include "game/application.h"
#include "game/main.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "settings/einstellungen.h"
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

namespace {

const char kDefaults[] =
    "[Einstellungen]\r\nName=Mr. Victim\r\nSplash=ja\r\nFade=ja\r\n[Multiplayer]\r\n"
    "Name=Remote Victim\r\nServer=Server of sadism\r\n";

class SettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override {
        qx::SetWriteFaultForTests(std::nullopt);
        ::chmod(dir.Folder().c_str(), 0700);
        quorvex::Setup = nullptr;
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
    // The dialog of the next start (loads the file again).
    TSetup& Restart() {
        quorvex::Setup = nullptr;
        setup = std::make_unique<TSetup>();
        quorvex::Setup = setup.get();
        main->UpdateMenuAvailability();
        return *setup;
    }
    // Opened as the player does, from the menu.
    TSetup& Open() {
        TSetup& s = Start();
        main->Konfiguration1->trigger();
        EXPECT_EQ(script.modals, std::vector<std::string>{"Setup"});
        EXPECT_TRUE(s.isVisible());
        return s;
    }

    static void Type(QLineEdit* e, const QString& text) {
        e->clear();
        QTest::keyClicks(e, text);
    }
    static void Press(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    std::string PlayerLabel() { return main->Label3->text().toStdString(); }
    std::vector<std::string> Messages() { return script.Texts(qx::BoxKind::Information); }

    qxtest::TempDir dir;
    qx::DialogScript script;
    std::unique_ptr<THaupt> main;
    std::unique_ptr<TSetup> setup;
};

TEST_F(SettingsWindowTest, LoadsTheFiveValuesAndMatchesTheDesign) {
    TSetup& s = Start();
    EXPECT_EQ(Ini(), kDefaults);
    EXPECT_EQ(s.Spielername->text(), "Mr. Victim");
    EXPECT_EQ(s.Multiname->text(), "Remote Victim");
    EXPECT_EQ(s.Servername->text(), "Server of sadism");
    EXPECT_TRUE(s.CheckBox1->isChecked());
    EXPECT_TRUE(s.CheckBox2->isChecked());

    EXPECT_EQ(s.windowTitle(), "Config of sadism");
    EXPECT_EQ(s.size(), QSize(257, 225));
    EXPECT_EQ(s.palette().color(QPalette::Window), QColor(Qt::black));
    struct Place {
        QWidget* w;
        QRect rect;
    };
    for (const Place& p : {Place{s.Spielername, {8, 24, 240, 21}}, Place{s.Multiname, {8, 72, 240, 21}},
                           Place{s.Servername, {8, 120, 240, 21}}, Place{s.CheckBox1, {8, 152, 240, 17}},
                           Place{s.CheckBox2, {8, 168, 240, 17}}, Place{s.SpeedButton1, {8, 192, 73, 25}},
                           Place{s.SpeedButton2, {88, 192, 73, 25}}, Place{s.SpeedButton3, {168, 192, 81, 25}}})
        EXPECT_EQ(p.w->geometry(), p.rect) << p.w->objectName().toStdString();
    for (const Place& p : {Place{s.SpielernameLabel, {8, 8, 117, 13}}, Place{s.Label2, {8, 56, 108, 13}},
                           Place{s.Label1, {8, 104, 71, 13}}})
        EXPECT_EQ(p.w->pos(), p.rect.topLeft()) << p.w->objectName().toStdString();
    EXPECT_EQ(s.SpielernameLabel->text(), "Name - Singleplayer");
    EXPECT_EQ(s.Label2->text(), "Name - Multiplayer");
    EXPECT_EQ(s.Label1->text(), "Servername");
    EXPECT_EQ(s.CheckBox1->text(), "show splash-screen");
    EXPECT_EQ(s.CheckBox2->text(), "fade effect");

    for (QPushButton* b : {s.SpeedButton1, s.SpeedButton2, s.SpeedButton3}) {
        EXPECT_TRUE(b->isFlat());
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->font().pointSize(), 8);
        EXPECT_EQ(b->palette().color(QPalette::ButtonText), QColor(Qt::white));
        EXPECT_FALSE(b->autoDefault());
    }
    EXPECT_EQ(s.SpeedButton1->text(), "close");
    EXPECT_EQ(s.SpeedButton2->text(), "cancel");
    EXPECT_EQ(s.SpeedButton3->text(), "default");
    for (QLineEdit* e : {s.Spielername, s.Multiname, s.Servername}) {
        EXPECT_EQ(e->font().pointSize(), 10);
        EXPECT_EQ(e->palette().color(QPalette::Text), QColor(0, 255, 0));
        EXPECT_FALSE(e->hasFrame());
    }
    EXPECT_EQ(s.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(s.CheckBox1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(s.Label1->font().pointSize(), 8);
}

TEST_F(SettingsWindowTest, TabGoesFromTheNameThroughTheSwitchesToServerThenMultiplayerName) {
    TSetup& s = Open();
    QApplication::setActiveWindow(&s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    s.Spielername->setFocus();
    std::vector<QWidget*> seen{QApplication::focusWidget()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget*> expected{s.Spielername, s.CheckBox1, s.CheckBox2, s.Servername, s.Multiname,
                                         s.Spielername};
    EXPECT_EQ(seen, expected);
}

TEST_F(SettingsWindowTest, OnlyTheFirstBlankNameIsReportedAndNothingIsWritten) {
    TSetup& s = Open();
    Type(s.Spielername, "   ");
    s.Multiname->clear();
    Press(s.SpeedButton1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter your name for singleplayer games"});
    EXPECT_TRUE(s.isVisible());

    script.Clear();
    Type(s.Spielername, "Bob");
    Press(s.SpeedButton1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter your name for multiplayer games"});

    script.Clear();
    Type(s.Multiname, "Bobby");
    s.Servername->setText(QStringLiteral(" \t "));
    Press(s.SpeedButton1);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter your servername for multiplayer games"});

    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(Ini(), kDefaults);
    EXPECT_EQ(PlayerLabel(), "Player \"Mr. Victim\"");
}

TEST_F(SettingsWindowTest, CommitWritesTheFiveValuesInOrderAsTypedAndTheNextStartTrimsThem) {
    WriteIni("");  // exists but empty: every key is written afresh, in the commit's order
    TSetup& s = Open();
    EXPECT_EQ(s.Spielername->text(), "0");
    EXPECT_FALSE(s.CheckBox1->isChecked());
    Type(s.Spielername, "  Bob  ");
    Type(s.Multiname, "Remote");
    Type(s.Servername, "Srv ");
    QTest::mouseClick(s.CheckBox1, Qt::LeftButton);
    Press(s.SpeedButton1);

    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Ini(),
              "[Einstellungen]\r\nName=  Bob  \r\nSplash=ja\r\nFade=nein\r\n[Multiplayer]\r\n"
              "Name=Remote\r\nServer=Srv \r\n");
    EXPECT_EQ(PlayerLabel(), "Player \"  Bob  \"");
    EXPECT_EQ(s.PlayerName(), "  Bob  ");
    // The switches change at the next start only.
    EXPECT_EQ(main->FadeSwitch(), "0");

    TSetup& next = Restart();
    EXPECT_EQ(next.Spielername->text(), "Bob");
    EXPECT_EQ(next.Servername->text(), "Srv");
    EXPECT_TRUE(next.CheckBox1->isChecked());
    EXPECT_FALSE(next.CheckBox2->isChecked());
}

TEST_F(SettingsWindowTest, NameWithEqualsSignsComesBackWhole) {
    TSetup& s = Open();
    Type(s.Spielername, "a=b = c");
    Press(s.SpeedButton1);
    EXPECT_NE(Ini().find("\r\nName=a=b = c\r\n"), std::string::npos);
    EXPECT_EQ(Restart().Spielername->text(), "a=b = c");
}

TEST_F(SettingsWindowTest, NamesCrossTheWindowBoundaryAsWindows1252) {
    TSetup& s = Start();
    s.SetPlayerName("Jos\xE9");
    EXPECT_EQ(s.Spielername->text(), QString::fromUtf8("Jos\u00e9"));
    s.Multiname->setText(QString::fromUtf8("M\u00fcller \u20ac"));
    EXPECT_EQ(s.MultiName(), "M\xFCller \x80");
    s.SpeedButton1Click();
    const std::string ini = Ini();
    EXPECT_NE(ini.find("Name=Jos\xE9\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Name=M\xFCller \x80\r\n"), std::string::npos);
}

TEST_F(SettingsWindowTest, CapitalJaIsOffAndAMissingNameShowsZero) {
    WriteIni("[Einstellungen]\r\nSplash=Ja\r\nFade=ja\r\n[Multiplayer]\r\nName=M\r\nServer=S\r\n");
    TSetup& s = Start();
    EXPECT_FALSE(s.CheckBox1->isChecked());
    EXPECT_TRUE(s.CheckBox2->isChecked());
    EXPECT_EQ(s.Spielername->text(), "0");
    EXPECT_EQ(PlayerLabel(), "Player \"0\"");
    EXPECT_FALSE(main->Timer3->isActive());  // no splash screen
}

TEST_F(SettingsWindowTest, DefaultOnlyOnJaThenCancelKeepsTheFileButNotTheFields) {
    WriteIni("[Einstellungen]\r\nName=Ann\r\nSplash=nein\r\nFade=nein\r\n[Multiplayer]\r\nName=Annie\r\nServer=Hall\r\n");
    TSetup& s = Open();
    const std::string before = Ini();

    Press(s.SpeedButton3);  // answered "&Nein"
    EXPECT_EQ(s.Spielername->text(), "Ann");
    EXPECT_FALSE(s.CheckBox1->isChecked());

    script.answers.push_back(true);
    Press(s.SpeedButton3);
    EXPECT_EQ(script.Texts(qx::BoxKind::Confirmation),
              (std::vector<std::string>{"restore defaults?", "restore defaults?"}));
    EXPECT_EQ(s.Spielername->text(), "Mr. Victim");
    EXPECT_TRUE(s.CheckBox1->isChecked());
    EXPECT_TRUE(s.CheckBox2->isChecked());
    EXPECT_EQ(Ini(), before);

    Press(s.SpeedButton2);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Ini(), before);
    EXPECT_EQ(PlayerLabel(), "Player \"Ann\"");
    // The fields are the live values for the rest of the run, and reopening does not reload them.
    EXPECT_EQ(s.MultiName(), "Remote Victim");
    EXPECT_EQ(s.ServerName(), "Server of sadism");
    main->Konfiguration1->trigger();
    EXPECT_EQ(s.Spielername->text(), "Mr. Victim");
}

TEST_F(SettingsWindowTest, EnterInAFieldDoesNotCommit) {
    TSetup& s = Open();
    Type(s.Spielername, "Carl");
    QTest::keyClick(s.Spielername, Qt::Key_Return);
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(Ini(), kDefaults);
}

TEST_F(SettingsWindowTest, FailedWriteTellsThePlayerButKeepsTheValuesForTheRun) {
    TSetup& s = Open();
    ASSERT_EQ(::chmod(dir.Folder().c_str(), 0500), 0);
    if (::geteuid() == 0) qx::SetWriteFaultForTests(0);  // root writes into read-only folders anyway
    Type(s.Spielername, "Dora");
    Press(s.SpeedButton1);

    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("could not be saved"), std::string::npos);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(PlayerLabel(), "Player \"Dora\"");
    EXPECT_EQ(s.PlayerName(), "Dora");
    EXPECT_EQ(Ini(), kDefaults);
    // Nothing half-written is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Folder())) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(SettingsWindowTest, PressCommitRunsTheCommitWhileTheDialogIsHidden) {
    TSetup& s = Start();
    s.SetServerName("  Arena  ");
    s.PressCommit();
    EXPECT_FALSE(s.SpeedButton1->isDown());
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(Ini().find("\r\nServer=  Arena  \r\n"), std::string::npos);
    EXPECT_EQ(s.ServerName(), "  Arena  ");

    // A blank name elsewhere still stops it, with the same message.
    const std::string before = Ini();
    s.SetPlayerName("");
    s.SetServerName("Other");
    s.PressCommit();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter your name for singleplayer games"});
    EXPECT_EQ(Ini(), before);
}

}  // namespace
