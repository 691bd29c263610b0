// Whole games played with key presses alone: the single-player game with its
// menu keys, a settings change, and a two-player game over loopback.
#include "keys.h"

#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/ansi.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "ui/stats/statistik.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <memory>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
using keytest::Activate;
using keytest::Focus;
using keytest::GoToCell;
using keytest::Key;
using keytest::PressCell;
using keytest::TabTo;
using qxtest::WaitFor;

namespace {

std::string Text(const QLabel* l) { return qx::ToAnsi(l->text()); }
bool Shown(const qx::DialogScript& script, const std::string& name) {
    return std::find(script.modals.begin(), script.modals.end(), name) != script.modals.end();
}

// The focus frame changes only pixels of the picture's ground (its colour at
// the ring's corner), never the green mark frame or the figure.
void ExpectFrameOnGroundOnly(const QImage& framed, const QPixmap& picture) {
    const QImage plain = picture.toImage().convertToFormat(framed.format());
    ASSERT_EQ(framed.size(), plain.size());
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (framed.pixel(x, y) != plain.pixel(x, y)) {
                ++changed;
                EXPECT_EQ(plain.pixel(x, y), plain.pixel(2, 2)) << x << "," << y;
            }
    EXPECT_GT(changed, 20);  // the ring is there
}

class KeyboardGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=Keys\r\nSplash=nein\r\nFade=nein\r\n"
               "[Multiplayer]\r\nName=Remote Keys\r\nServer=Keyboard arena\r\n";
    }
    void TearDown() override { DestroyForms(); }

    qxtest::TempDir dir;
    qx::DialogScript script;
};

TEST_F(KeyboardGameTest, WholeSinglePlayerGameWithMenuKeysAndFieldKeys) {
    CreateForms();
    THaupt& h = *Haupt;
    Activate(&h);

    // No game yet: saving is disabled, and so is its key.
    Key(&h, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(script.modals.empty());

    // The menus open with F10 and are walked with the arrow keys.
    ASSERT_TRUE(keytest::ChooseFromMenu(&h, Find<QAction>(h, "he100th1")));
    ASSERT_EQ(h.Game().mode, 2);
    Activate(&h);
    Key(&h, Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(h.Game().mode, 1);
    h.SetPlacementSource([] { return Placement{{3, 7, 12, 18, 24}, {1, 9, 15, 20, 22}}; });

    // Five marks with Space and Enter; one taken away again on the way.
    ASSERT_TRUE(PressCell(&h, Find<qx::PictureCell>(h, "Image", 13)));
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 13)->PictureName(), "MarkImage");
    Key(&h, Qt::Key_Return);
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 13)->PictureName(), "SmileImage");
    for (int c : {3, 7, 12, 9, 25}) ASSERT_TRUE(PressCell(&h, Find<qx::PictureCell>(h, "Image", c))) << c;
    EXPECT_EQ(h.Game().markCount, 5);
    EXPECT_EQ(h.StatusText(), "Ready to bomb!!!");

    // Tab leaves the field for the bomb button; Enter bombs.
    Key(&h, Qt::Key_Tab);
    EXPECT_EQ(Focus(&h), Find<QPushButton>(h, "BombIt"));
    Key(&h, Qt::Key_Return);
    EXPECT_EQ(Text(Find<QLabel>(h, "Label1")), "Bombed Victims: 3");
    EXPECT_EQ(Text(Find<QLabel>(h, "Label2")), "Bombed Dragons: 1");
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 3)->PictureName(), "VictimHitImage");

    ASSERT_TRUE(TabTo(&h, Find<QPushButton>(h, "RestartBut")));
    Key(&h, Qt::Key_Space);
    EXPECT_FALSE(Find<QPushButton>(h, "RestartBut")->isEnabled());
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 3)->PictureName(), "SmileImage");
    EXPECT_EQ(h.Game().markCount, 0);

    // Save in slot 1, with keys in the save dialog too.
    Key(&h, Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Shown(script, "SpeicherMenu"));
    TSpeicherMenu& save = *SpeicherMenu;
    Activate(&save);
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(save, "SpeedButton", 1)->isEnabled(); }));
    ASSERT_TRUE(TabTo(&save, Find<QPushButton>(save, "SpeedButton", 1)));
    Key(&save, Qt::Key_Space);
    ASSERT_TRUE(qx::FileExists(dir.File("Slot1.save")));
    const std::int64_t saved = h.Game().money;  // after the price of saving
    ASSERT_TRUE(TabTo(&save, Find<QPushButton>(save, "SpeedButton", 4)));
    Key(&save, Qt::Key_Return);
    EXPECT_FALSE(save.isVisible());

    // Another turn changes the money; loading brings the saved game back.
    Activate(&h);
    for (int c : {1, 2, 4, 5, 6}) ASSERT_TRUE(PressCell(&h, Find<qx::PictureCell>(h, "Image", c))) << c;
    ASSERT_TRUE(TabTo(&h, Find<QPushButton>(h, "BombIt")));
    Key(&h, Qt::Key_Space);
    ASSERT_NE(h.Game().money, saved);

    Key(&h, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(Shown(script, "LadenMenu"));
    TLadenMenu& load = *LadenMenu;
    Activate(&load);
    ASSERT_TRUE(WaitFor([&] { return Find<QPushButton>(load, "SpeedButton", 1)->isEnabled(); }));
    ASSERT_TRUE(TabTo(&load, Find<QPushButton>(load, "SpeedButton", 1)));
    Key(&load, Qt::Key_Return);
    EXPECT_EQ(h.Game().money, saved);
    EXPECT_EQ(Text(Find<QLabel>(h, "Money")), std::to_string(saved));

    Activate(&h);
    Key(&h, Qt::Key_F1);
    EXPECT_TRUE(Shown(script, "Help"));
    Help->hide();

    Activate(&h);
    Key(&h, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(h.isVisible());
    EXPECT_TRUE(qx::FileExists(dir.File("Quorvex.stat")));
}

TEST_F(KeyboardGameTest, GameModeKeysStartTheirGames) {
    CreateForms();
    THaupt& h = *Haupt;
    Activate(&h);
    Key(&h, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(h.Game().mode, 2);
    Key(&h, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(h.Game().mode, 3);
    EXPECT_EQ(Find<QAction>(h, "N10001")->text(), "200 dead Victims");  // the caption stays; Qt shows the key beside it
}

TEST_F(KeyboardGameTest, SettingsChangedAndCommittedWithKeys) {
    CreateForms();
    TSetup& s = *qxtest::Setup;
    Activate(Haupt);
    ASSERT_TRUE(keytest::ChooseFromMenu(Haupt, Find<QAction>(*Haupt, "Konfiguration1")));
    ASSERT_TRUE(Shown(script, "Setup"));
    Activate(&s);
    ASSERT_TRUE(TabTo(&s, Find<QLineEdit>(s, "Spielername")));
    Key(&s, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Find<QLineEdit>(s, "Spielername"), "Kim");
    ASSERT_TRUE(TabTo(&s, Find<QCheckBox>(s, "CheckBox2")));
    ASSERT_FALSE(Find<QCheckBox>(s, "CheckBox2")->isChecked());  // "Fade=nein" in the file
    Key(&s, Qt::Key_Space);
    EXPECT_TRUE(Find<QCheckBox>(s, "CheckBox2")->isChecked());
    ASSERT_TRUE(TabTo(&s, Find<QPushButton>(s, "SpeedButton1")));
    Key(&s, Qt::Key_Space);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "Label3")), "Player \"Kim\"");
    const std::string file = qx::ReadFileBytes(dir.File("setup.ini"));
    EXPECT_NE(file.find("Name=Kim\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("Fade=ja\r\n"), std::string::npos) << file;

    // "default" asks first; the answer comes from the script.
    Find<QAction>(*Haupt, "Konfiguration1")->trigger();
    Activate(&s);
    script.answers.push_back(true);
    ASSERT_TRUE(TabTo(&s, Find<QPushButton>(s, "SpeedButton3")));
    Key(&s, Qt::Key_Return);
    EXPECT_EQ(s.PlayerName(), "Mr. Victim");
    ASSERT_TRUE(TabTo(&s, Find<QPushButton>(s, "SpeedButton2")));
    Key(&s, Qt::Key_Space);
    EXPECT_FALSE(s.isVisible());
}

TEST_F(KeyboardGameTest, CellsTakeNoFocusFromClicksAndShowAFrameOnlyForKeys) {
    CreateForms();
    THaupt& h = *Haupt;
    Activate(&h);
    Key(&h, Qt::Key_N, Qt::ControlModifier);
    qx::PictureCell* cell = Find<qx::PictureCell>(h, "Image", 7);
    const QImage unfocused = cell->grab().toImage();
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(cell->PictureName(), "MarkImage");
    EXPECT_FALSE(cell->hasFocus());
    QTest::mouseClick(cell, Qt::LeftButton);
    EXPECT_EQ(cell->grab().toImage(), unfocused);
    QTest::mouseClick(Find<QPushButton>(h, "RestartBut"), Qt::LeftButton);
    EXPECT_NE(Focus(&h), Find<QPushButton>(h, "RestartBut"));

    ASSERT_TRUE(PressCell(&h, cell));
    ExpectFrameOnGroundOnly(cell->grab().toImage(), h.MarkImage);

    // Arrow keys stop at the edge and step over cells that take no clicks.
    Find<qx::PictureCell>(h, "Image", 8)->setEnabled(false);
    Key(&h, Qt::Key_Right);
    EXPECT_EQ(Focus(&h), Find<qx::PictureCell>(h, "Image", 9));
    Key(&h, Qt::Key_Right);
    Key(&h, Qt::Key_Right);
    EXPECT_EQ(Focus(&h), Find<qx::PictureCell>(h, "Image", 10));
    Key(&h, Qt::Key_Up);
    Key(&h, Qt::Key_Up);
    EXPECT_EQ(Focus(&h), Find<qx::PictureCell>(h, "Image", 5));
    // Space on the focused cell is a click.
    Key(&h, Qt::Key_Space);
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 5)->PictureName(), "MarkImage");
    // With both buttons disabled, Tab goes on from the field to the figures;
    // once the bomb button is enabled, Tab leaves the field for it and
    // Shift+Tab comes back.
    Key(&h, Qt::Key_Tab);
    EXPECT_EQ(Focus(&h), Find<QLabel>(h, "Money"));
    for (int c : {4, 3, 2}) ASSERT_TRUE(PressCell(&h, Find<qx::PictureCell>(h, "Image", c))) << c;
    ASSERT_TRUE(Find<QPushButton>(h, "BombIt")->isEnabled());
    Key(&h, Qt::Key_Tab);
    EXPECT_EQ(Focus(&h), Find<QPushButton>(h, "BombIt"));
    Key(&h, Qt::Key_Backtab);
    EXPECT_TRUE(qobject_cast<qx::PictureCell*>(Focus(&h)));
}

// Whatever takes the focus when a window opens or comes back to the front,
// nothing of it shows until the keyboard moves the focus: a mouse player sees
// the windows as before.
TEST_F(KeyboardGameTest, FocusGivenByOpeningAWindowShowsNothing) {
    CreateForms();
    THaupt& h = *Haupt;
    Activate(&h);
    h.N1Spieler1Click();
    QTest::mouseClick(Find<qx::PictureCell>(h, "Image", 1), Qt::LeftButton);
    // Another window in front and back again: the main window's focus returns.
    Activate(AboutBox);
    Activate(&h);
    const std::vector<QWidget*> windows{&h, AboutBox, Help};
    for (QWidget* w : windows) {
        Activate(w);
        EXPECT_NE(Focus(w), nullptr) << w->objectName().toStdString();  // a cell or a flat button
        const QImage focused = w->grab().toImage();
        if (QWidget* f = w->focusWidget()) f->clearFocus();
        EXPECT_EQ(focused, w->grab().toImage()) << w->objectName().toStdString();
    }
    // Windows with text fields still open with the first field focused, its
    // text cursor showing as always.
    for (std::pair<QWidget*, QWidget*> w :
         {std::pair<QWidget*, QWidget*>{qxtest::Setup, Find<QLineEdit>(*qxtest::Setup, "Spielername")},
          {qx_host, Find<QLineEdit>(*qx_host, "nick")},
          {qx_client, Find<QLineEdit>(*qx_client, "nick")}}) {
        Activate(w.first);
        EXPECT_EQ(Focus(w.first), w.second) << w.first->objectName().toStdString();
    }
    // After a Tab the frame does show.
    Activate(&h);
    ASSERT_TRUE(GoToCell(&h, Find<qx::PictureCell>(h, "Image", 2)));
    const QImage framed = Find<qx::PictureCell>(h, "Image", 2)->grab().toImage();
    Find<qx::PictureCell>(h, "Image", 2)->clearFocus();
    EXPECT_NE(framed, Find<qx::PictureCell>(h, "Image", 2)->grab().toImage());
}

// Two instances' windows, host and client, in one process over loopback.
TEST_F(KeyboardGameTest, TwoPlayerPlacingMarkingAndBombingWithKeys) {
    qxtest::QuickWaits quick;
    auto host = std::make_unique<Tqx_host>();
    host->SetPort(0);
    Activate(host.get());
    ASSERT_TRUE(TabTo(host.get(), Find<QLineEdit>(*host, "nick")));
    QTest::keyClicks(Find<QLineEdit>(*host, "nick"), "Hank");
    Key(host.get(), Qt::Key_Tab);
    ASSERT_EQ(Focus(host.get()), Find<QLineEdit>(*host, "servername"));
    QTest::keyClicks(Find<QLineEdit>(*host, "servername"), "Arena");
    ASSERT_TRUE(TabTo(host.get(), Find<QPushButton>(*host, "start")));
    Key(host.get(), Qt::Key_Space);
    ASSERT_TRUE(host->ServerActive());

    auto client = std::make_unique<Tqx_client>();
    client->SetPort(host->ListeningPort());
    client->SetPollInterval(20);
    Activate(client.get());
    ASSERT_TRUE(TabTo(client.get(), Find<QLineEdit>(*client, "nick")));
    QTest::keyClicks(Find<QLineEdit>(*client, "nick"), "Cleo");
    ASSERT_TRUE(TabTo(client.get(), Find<QLineEdit>(*client, "adresse")));
    Key(client.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Find<QLineEdit>(*client, "adresse"), "127.0.0.1");
    ASSERT_TRUE(TabTo(client.get(), Find<QPushButton>(*client, "start")));
    Key(client.get(), Qt::Key_Return);
    ASSERT_TRUE(
        WaitFor([&] { return client->LogLines().size() >= 3 && Find<QPushButton>(*host, "send")->isEnabled(); }));

    // One press places a Victim, two a Dragon.
    auto place = [](TNetWindow& w, std::initializer_list<int> victims, std::initializer_list<int> dragons) {
        for (int c : victims)
            ASSERT_TRUE(PressCell(&w, Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)), 1)) << c;
        for (int c : dragons)
            ASSERT_TRUE(PressCell(&w, Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)), 2)) << c;
    };
    Activate(host.get());
    place(*host, {26, 27, 28, 29, 30}, {46, 47, 48, 49, 50});
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 46)->PictureName(), "DragonImage");
    ASSERT_EQ(Focus(host.get()), Find<qx::PictureCell>(*host, "Image", 50));  // the last Dragon placed, framed
    ExpectFrameOnGroundOnly(Find<qx::PictureCell>(*host, "Image", 50)->grab().toImage(), host->DragonImage);
    ASSERT_TRUE(TabTo(host.get(), Find<QPushButton>(*host, "sendit")));
    Key(host.get(), Qt::Key_Space);
    EXPECT_EQ(Text(Find<QLabel>(*host, "info")), "please bomb now");

    Activate(client.get());
    place(*client, {31, 32, 33, 34, 35}, {41, 42, 43, 44, 45});
    ASSERT_TRUE(TabTo(client.get(), Find<QPushButton>(*client, "sendit")));
    Key(client.get(), Qt::Key_Return);
    EXPECT_EQ(Text(Find<QLabel>(*client, "info")), "please bomb now");

    // The host marks five bomb-field cells and bombs with Enter.
    Activate(host.get());
    ASSERT_TRUE(WaitFor([&] {
        return Text(Find<QLabel>(*host, "info")) == "please bomb now" &&
               Find<QPushButton>(*host, "BombIt")->isEnabled() == false;
    }));
    for (int c : {6, 7, 8, 16, 1})
        ASSERT_TRUE(PressCell(host.get(), Find<qx::PictureCell>(*host, "Image", static_cast<std::size_t>(c)))) << c;
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label10")), "Ready to bomb!!!");
    ASSERT_TRUE(TabTo(host.get(), Find<QPushButton>(*host, "BombIt")));
    Key(host.get(), Qt::Key_Return);
    EXPECT_EQ(Text(Find<QLabel>(*host, "Label12")), "[ You won ]");
    EXPECT_EQ(Focus(host.get()), Find<QLabel>(*host, "Label12"));  // the result, where the bomb button was
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 6)->PictureName(), "VictimHitImage");
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 6)->StateText(), "Victim hit");
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 16)->StateText(), "Dragon hit");
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 1)->StateText(), "marked, empty");
    EXPECT_EQ(Find<qx::PictureCell>(*host, "Image", 2)->StateText(), "empty");
    ASSERT_TRUE(WaitFor([&] { return Text(Find<QLabel>(*client, "Label11")) == "[ You lost ]"; }));

    // The chat with keys: type, Enter sends; the send button by Tab and Space.
    ASSERT_TRUE(TabTo(host.get(), Find<QLineEdit>(*host, "sendtext")));
    QTest::keyClicks(Find<QLineEdit>(*host, "sendtext"), "gg");
    Key(host.get(), Qt::Key_Return);
    ASSERT_TRUE(WaitFor([&] {
        const auto lines = client->LogLines();
        return std::find(lines.begin(), lines.end(), "<Hank> gg") != lines.end();
    }));
    Activate(client.get());
    ASSERT_TRUE(TabTo(client.get(), Find<QLineEdit>(*client, "sendtext")));
    QTest::keyClicks(Find<QLineEdit>(*client, "sendtext"), "wp");
    ASSERT_TRUE(TabTo(client.get(), Find<QPushButton>(*client, "send")));
    Key(client.get(), Qt::Key_Space);
    ASSERT_TRUE(WaitFor([&] {
        const auto lines = host->LogLines();
        return std::find(lines.begin(), lines.end(), "<Cleo> wp") != lines.end();
    }));

    client->stopClick();
    host->stopClick();
}

}  // namespace

namespace {

// A keyboard player's bomb: the focus goes on to "Reload", which carries the
// result; the revealed field is read with the arrow keys but takes no clicks.
TEST_F(KeyboardGameTest, BombHandsTheFocusToTheResultAndTheFieldStaysReadable) {
    CreateForms();
    THaupt& h = *Haupt;
    Activate(&h);
    Key(&h, Qt::Key_N, Qt::ControlModifier);
    h.SetPlacementSource([] { return Placement{{3, 7, 12, 18, 24}, {1, 9, 15, 20, 22}}; });
    for (int c : {3, 7, 12, 9, 25}) ASSERT_TRUE(PressCell(&h, Find<qx::PictureCell>(h, "Image", c))) << c;
    ASSERT_TRUE(TabTo(&h, Find<QPushButton>(h, "BombIt")));
    Key(&h, Qt::Key_Space);
    ASSERT_EQ(Focus(&h), Find<QPushButton>(h, "RestartBut"));
    EXPECT_EQ(Find<QPushButton>(h, "RestartBut")->accessibleDescription(),
              h.StatusText() + ". Bombed Victims: 3. Bombed Dragons: 1. " + Find<QLabel>(h, "Kill")->text() + " " +
                  Find<QLabel>(h, "KillBonus")->text());

    Key(&h, Qt::Key_Backtab);
    auto* cell = qobject_cast<qx::PictureCell*>(Focus(&h));
    ASSERT_NE(cell, nullptr);
    ASSERT_TRUE(GoToCell(&h, Find<qx::PictureCell>(h, "Image", 2)));
    Key(&h, Qt::Key_Left);
    EXPECT_EQ(Focus(&h), Find<qx::PictureCell>(h, "Image", 1));
    Key(&h, Qt::Key_Space);
    QTest::mouseClick(Find<qx::PictureCell>(h, "Image", 2), Qt::LeftButton);
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 1)->PictureName(), "DragonImage");
    EXPECT_EQ(Find<qx::PictureCell>(h, "Image", 2)->PictureName(), "SmileImage");
    EXPECT_EQ(h.Game().markCount, 5);

    // Reload hands the focus back to the field.
    ASSERT_TRUE(TabTo(&h, Find<QPushButton>(h, "RestartBut")));
    Key(&h, Qt::Key_Space);
    EXPECT_EQ(Focus(&h), Find<qx::PictureCell>(h, "Image", 1));
    EXPECT_TRUE(Find<QPushButton>(h, "RestartBut")->accessibleDescription().isEmpty());
}

// Buttons and readable figures show a ring when the keyboard brings the
// focus, and look as before when the focus came otherwise. A figure read with
// its caption is ringed with it, from the caption's start to the figure's end.
TEST_F(KeyboardGameTest, ButtonsShowAFocusMarkForTheKeyboardOnly) {
    CreateForms();
    Haupt->N1Spieler1Click();
    qxtest::stat->Timer1Timer();
    const struct {
        QWidget* window;
        QWidget* control;
        QLabel* caption;
    } controls[] = {
        {qxtest::Setup, Find<QPushButton>(*qxtest::Setup, "SpeedButton1"), nullptr},
        {qxtest::Setup, Find<QPushButton>(*qxtest::Setup, "SpeedButton2"), nullptr},
        {qxtest::Setup, Find<QPushButton>(*qxtest::Setup, "SpeedButton3"), nullptr},
        {SpeicherMenu, Find<QPushButton>(*SpeicherMenu, "SpeedButton", 4), nullptr},
        {SpeicherMenu, Find<QLabel>(*SpeicherMenu, "Label2"), nullptr},
        {qxtest::stat, Find<QLabel>(*qxtest::stat, "HitsL"), Find<QLabel>(*qxtest::stat, "Label10")},
        {Haupt, Find<QLabel>(*Haupt, "Money"), Find<QLabel>(*Haupt, "Label4")},
        {qx_host, Find<QPushButton>(*qx_host, "start"), nullptr},
        {AboutBox, Find<QPushButton>(*AboutBox, "SpeedButton3"), nullptr}};
    for (auto [window, control, caption] : controls) {
        ASSERT_NE(control, nullptr);
        const std::string name = control->objectName().toStdString();
        Activate(window);
        window->setAttribute(Qt::WA_KeyboardFocusChange, false);
        // The control's place with a margin, where a ring beside it also shows.
        const QRect place = QRect(control->mapTo(window, QPoint()), control->size()).adjusted(-3, -3, 3, 3);
        // Focused as by the opening of the window: the control looks as the style draws it.
        control->setFocus(Qt::OtherFocusReason);
        const QImage quiet = window->grab(place).toImage();
        auto* mark = window->findChild<QWidget*>(control->objectName() + "FocusMark");
        EXPECT_TRUE(!mark || !mark->isVisible()) << name;
        control->clearFocus();
        ASSERT_TRUE(TabTo(window, control)) << name;
        EXPECT_NE(window->grab(place).toImage(), quiet) << name;
        if (caption) {
            mark = window->findChild<QWidget*>(control->objectName() + "FocusMark");
            ASSERT_NE(mark, nullptr) << name;
            const QRect ring = mark->geometry();
            const auto* figure = static_cast<QLabel*>(control);
            const int digitsEnd = figure->alignment() & Qt::AlignRight
                                      ? figure->geometry().right()
                                      : figure->x() + QFontMetrics(figure->font()).horizontalAdvance(figure->text());
            EXPECT_LT(ring.left(), caption->x()) << name;
            EXPECT_GT(ring.right(), digitsEnd) << name;
            EXPECT_LE(ring.right(), digitsEnd + 3) << name;
        }
        window->hide();
    }
}

}  // namespace
