// What assistive tools read through Qt's accessibility interface: roles and
// names of every control, the cells' names and states, reading order, and
// the change events that screen readers announce.
#include "keys.h"

#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/access.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/language.h"
#include "core/platform/files.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "core/stats/statistics.h"
#include "ui/stats/statistik.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTranslator>
#include <algorithm>
#include <functional>
#include <cstdio>
#include <fstream>
#include <set>
#include <vector>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;

namespace {

QAccessibleInterface* Face(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString Name(QObject* o) { return Face(o)->text(QAccessible::Name); }

// A control a player reads or uses: buttons, fields, texts, pictures, cells.
bool IsControl(QObject* o) {
    if (qobject_cast<QAbstractButton*>(o) || qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o))
        return true;
    if (auto* l = qobject_cast<QLabel*>(o)) return !l->text().isEmpty() || !l->pixmap().isNull();
    return false;
}

// Walks the accessibility tree below `root`; every node has a role, every
// control a name. Returns what is missing, by object name.
void Walk(QAccessibleInterface* face, std::vector<std::string>& missing, int& controls) {
    if (!face || !face->isValid()) return;
    QObject* o = face->object();
    const std::string id = o ? o->objectName().toStdString() : std::string("?");
    if (face->role() == QAccessible::NoRole) missing.push_back(id + ": no role");
    if (o && IsControl(o)) {
        ++controls;
        if (face->text(QAccessible::Name).trimmed().isEmpty()) missing.push_back(id + ": no name");
    }
    for (int i = 0; i < face->childCount(); ++i) Walk(face->child(i), missing, controls);
}

// The change events that reach assistive tools while a test runs.
struct Events {
    static inline std::vector<std::pair<QAccessible::Event, QObject*>> seen;
    static void Handler(QAccessibleEvent* e) { seen.emplace_back(e->type(), e->object()); }
    static bool Has(QAccessible::Event type, QObject* o) {
        return std::find(seen.begin(), seen.end(), std::make_pair(type, o)) != seen.end();
    }
    static long Count(QAccessible::Event type, QObject* o) {
        return std::count(seen.begin(), seen.end(), std::make_pair(type, o));
    }
};

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=Ears\r\nSplash=nein\r\nFade=nein\r\n";
        CreateForms();
    }
    void TearDown() override {
        if (handlerInstalled) {
            QAccessible::installUpdateHandler(nullptr);
            QAccessible::setActive(false);
        }
        DestroyForms();
    }
    void ListenToEvents() {
        Events::seen.clear();
        QAccessible::installUpdateHandler(&Events::Handler);
        QAccessible::setActive(true);
        handlerInstalled = true;
    }

    qxtest::TempDir dir;
    qx::DialogScript script;
    bool handlerInstalled = false;
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowHasARoleAndAName) {
    Haupt->N1Spieler1Click();
    qxtest::stat->Timer1Timer();
    const std::vector<QWidget*> windows{Haupt,     qxtest::Setup, AboutBox,      SplashScr, SpeicherMenu, LadenMenu,
                                        qxtest::stat, DelMenu, qx_host, qx_client, Help};
    for (QWidget* w : windows) {
        std::vector<std::string> missing;
        int controls = 0;
        Walk(Face(w), missing, controls);
        EXPECT_GT(controls, 0) << w->objectName().toStdString();
        EXPECT_TRUE(missing.empty()) << w->objectName().toStdString() << ": " << ::testing::PrintToString(missing);
    }
    // Pictures without text, and fields by the labels beside them.
    EXPECT_EQ(Name(Find<QPushButton>(*Haupt, "RestartBut")), "Reload");
    EXPECT_EQ(Name(Find<QLabel>(*Haupt, "Image26")), "Victims");
    EXPECT_EQ(Name(Find<QLabel>(*Haupt, "Image27")), "Dragons");
    EXPECT_EQ(Name(Find<QLabel>(*AboutBox, "Image1")), "Quorvex logo");
    EXPECT_EQ(Name(Find<QPushButton>(*qx_host, "send")), "Send");
    EXPECT_EQ(Name(Find<QLineEdit>(*qxtest::Setup, "Spielername")), "Name - Singleplayer");
    EXPECT_EQ(Name(Find<QLineEdit>(*qxtest::Setup, "Multiname")), "Name - Multiplayer");
    EXPECT_EQ(Name(Find<QLineEdit>(*qxtest::Setup, "Servername")), "Servername");
    EXPECT_EQ(Name(Find<QLineEdit>(*qx_host, "nick")), "Nickname");
    EXPECT_EQ(Name(Find<QLineEdit>(*qx_host, "servername")), "Servername");
    EXPECT_EQ(Name(Find<QLineEdit>(*qx_client, "adresse")), "Server address");
    // The captions themselves are untouched.
    EXPECT_EQ(Find<QLabel>(*qxtest::Setup, "SpielernameLabel")->text(), "Name - Singleplayer");
    EXPECT_TRUE(Find<QPushButton>(*Haupt, "RestartBut")->text().isEmpty());
}

TEST_F(AccessibilityTest, CellsHaveDistinctNamesAndReportTheirStates) {
    THaupt& h = *Haupt;
    // Before a game the field lies hidden under the start panel.
    EXPECT_TRUE(Face(Find<qx::PictureCell>(h, "Image", 1))->state().invisible);
    keytest::Activate(&h);
    h.N1Spieler1Click();
    EXPECT_FALSE(Face(Find<qx::PictureCell>(h, "Image", 1))->state().invisible);
    EXPECT_TRUE(Find<QFrame>(h, "GameMainPanel")->isVisible());

    std::set<QString> names;
    for (int n = 1; n <= kCells; ++n) {
        QAccessibleInterface* cell = Face(Find<qx::PictureCell>(h, "Image", n));
        EXPECT_EQ(cell->role(), QAccessible::Button);
        EXPECT_TRUE(cell->state().focusable);
        EXPECT_EQ(cell->text(QAccessible::Description), "unmarked");
        names.insert(cell->text(QAccessible::Name));
    }
    EXPECT_EQ(names.size(), 25u);
    EXPECT_EQ(Name(Find<qx::PictureCell>(h, "Image", 7)), "Cell 7, row 2, column 2");
    EXPECT_EQ(Name(Find<qx::PictureCell>(h, "Image", 25)), "Cell 25, row 5, column 5");

    // The press action is a click.
    h.SetPlacementSource([] { return Placement{{3, 7, 12, 18, 24}, {1, 9, 15, 20, 22}}; });
    for (int c : {3, 7, 12, 9, 25})
        Face(Find<qx::PictureCell>(h, "Image", c))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(h.Game().markCount, 5);
    EXPECT_EQ(Face(Find<qx::PictureCell>(h, "Image", 3))->text(QAccessible::Description), "marked");
    EXPECT_TRUE(Face(Find<qx::PictureCell>(h, "Image", 3))->state().checked);
    EXPECT_FALSE(Face(Find<qx::PictureCell>(h, "Image", 4))->state().checked);

    h.BombItClick();
    auto state = [&](int c) {
        return Face(Find<qx::PictureCell>(h, "Image", c))->text(QAccessible::Description).toStdString();
    };
    EXPECT_EQ(state(3), "Victim hit");
    EXPECT_TRUE(Face(Find<qx::PictureCell>(h, "Image", 3))->state().checked);
    EXPECT_EQ(state(18), "Victim");
    EXPECT_EQ(state(9), "Dragon hit");
    EXPECT_EQ(state(1), "Dragon");
    EXPECT_EQ(state(25), "marked, empty");
    EXPECT_EQ(state(2), "empty");
    EXPECT_TRUE(Face(Find<qx::PictureCell>(h, "Image", 2))->state().disabled);
    EXPECT_TRUE(Face(Find<qx::PictureCell>(h, "Image", 2))->actionInterface()->actionNames().isEmpty() ||
                !Face(Find<qx::PictureCell>(h, "Image", 2))
                     ->actionInterface()
                     ->actionNames()
                     .contains(QAccessibleActionInterface::pressAction()));

    h.RestartButClick();
    EXPECT_EQ(state(3), "unmarked");
    EXPECT_FALSE(Face(Find<qx::PictureCell>(h, "Image", 3))->state().checked);
}

// Cells made after the language changed are named in it, and in English again once it is gone.
TEST_F(AccessibilityTest, CellsAreNamedInTheLanguageInstalledWhenTheyAreMade) {
    QWidget field;
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/quorvex_de.qm")));
    for (QTranslator* installed : {static_cast<QTranslator*>(nullptr), &german, static_cast<QTranslator*>(nullptr)}) {
        if (installed) QCoreApplication::installTranslator(installed);
        EXPECT_EQ(qx::PictureCell(&field, QStringLiteral("Image7"), 7).accessibleName(),
                  installed ? "Feld 7, Reihe 2, Spalte 2" : "Cell 7, row 2, column 2");
        if (installed) QCoreApplication::removeTranslator(installed);
    }
}

TEST_F(AccessibilityTest, OwnBattlefieldCellsReadAsPlaced) {
    Tqx_host& w = *qx_host;
    auto state = [&](int c) {
        return Face(Find<qx::PictureCell>(w, "Image", static_cast<std::size_t>(c)))->text(QAccessible::Description);
    };
    EXPECT_EQ(state(26), "empty");
    EXPECT_EQ(state(1), "unmarked");
    EXPECT_EQ(Name(Find<qx::PictureCell>(w, "Image", 26)), "Cell 1, row 1, column 1");
    w.Image26Click(32);
    EXPECT_EQ(state(32), "Victim");
    w.Image26Click(32);
    EXPECT_EQ(state(32), "Dragon");
    w.Image26Click(32);
    EXPECT_EQ(state(32), "empty");
    // The two fields are told apart by their group boxes.
    EXPECT_EQ(Name(Find<QGroupBox>(w, "GroupBox1")).trimmed(), "Set here");
    EXPECT_EQ(Name(Find<QGroupBox>(w, "GroupBox2")).trimmed(), "Bomb here");
}

TEST_F(AccessibilityTest, StatisticsReadEachNumberWithItsCaption) {
    PlayerStatistics& figures = Haupt->Session().StatisticsForTests();
    figures.doubleKills = 3;
    figures.moneyWon = 2500;
    qxtest::stat->Timer1Timer();
    EXPECT_EQ(Name(Find<QLabel>(*qxtest::stat, "DKillsL")), "Double kills: 3");
    EXPECT_EQ(Name(Find<QLabel>(*qxtest::stat, "WonL")), "Money won: 2500");
    EXPECT_EQ(Find<QLabel>(*qxtest::stat, "DKillsL")->text(), "3");

    // In reading order each caption comes just before its number.
    QAccessibleInterface* window = Face(qxtest::stat);
    std::vector<QString> order;
    for (int i = 0; i < window->childCount(); ++i)
        if (qobject_cast<QLabel*>(window->child(i)->object()))
            order.push_back(window->child(i)->text(QAccessible::Name));
    ASSERT_EQ(order.size(), 22u);
    EXPECT_EQ(order[0], "Double kills:");
    EXPECT_EQ(order[1], "Double kills: 3");
    EXPECT_EQ(order[2], "Triple kills:");
    EXPECT_EQ(order[20], "Money lost:");
    EXPECT_EQ(order[21], "Money lost: 0");
}

// The whole tree as a screen reader sees it, for a look by eye:
// keyboard_access_tests --gtest_also_run_disabled_tests --gtest_filter='*PrintTree*'
void Print(QAccessibleInterface* face, int depth) {
    if (!face || !face->isValid()) return;
    const QAccessible::State st = face->state();
    std::string states;
    if (st.invisible) states += " invisible";
    if (st.disabled) states += " disabled";
    if (st.focusable) states += " focusable";
    if (st.checked) states += " checked";
    const QString description = face->text(QAccessible::Description);
    std::printf("%*s%s \"%s\"%s%s%s\n", depth * 2, "", qPrintable(qAccessibleRoleString(face->role())),
                qPrintable(face->text(QAccessible::Name)), description.isEmpty() ? "" : " - ",
                qPrintable(description), states.c_str());
    for (int i = 0; i < face->childCount(); ++i) Print(face->child(i), depth + 1);
}

TEST_F(AccessibilityTest, DISABLED_PrintTree) {
    Haupt->show();
    Print(Face(Find<QFrame>(*Haupt, "GameMainPanel")), 0);  // before a game: hidden
    Haupt->N1Spieler1Click();
    Haupt->SetPlacementSource([] { return Placement{{3, 7, 12, 18, 24}, {1, 9, 15, 20, 22}}; });
    for (int c : {3, 7, 12, 9, 25}) Haupt->ImageClick(c);
    Haupt->BombItClick();
    qxtest::stat->Timer1Timer();
    for (QWidget* w : std::vector<QWidget*>{Haupt, qxtest::Setup, qxtest::stat, qx_host, AboutBox, SpeicherMenu}) {
        w->show();
        Print(Face(w), 0);
        std::printf("\n");
    }
}

// Screen readers read the status line, the network windows' status and log
// from the interface; while a reader listens, each change is also sent as an
// event. The offscreen platform has no reader, so the events are checked only
// where a platform bridge is active.
TEST_F(AccessibilityTest, StatusLineLogAndCellChangesReachAssistiveTools) {
    THaupt& h = *Haupt;
    h.N1Spieler1Click();
    ListenToEvents();
    h.ImageClick(4);
    EXPECT_EQ(Name(Find<QLabel>(h, "StatusPanel")), "4 fields left");
    EXPECT_EQ(Face(Find<qx::PictureCell>(h, "Image", 4))->text(QAccessible::Description), "marked");

    qx_host->SetStatus(GameStatus::BombNow);
    qx_host->AppendNote({GameNoteKind::AllSent, {}, {}});
    qx_host->ApplyPending();
    EXPECT_EQ(Name(Find<QLabel>(*qx_host, "info")), "please bomb now");
    QAccessibleTextInterface* log = Face(Find<QPlainTextEdit>(*qx_host, "Memo1"))->textInterface();
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->text(0, log->characterCount()).contains("[game] All positions send!"));

    if (!QAccessible::isActive()) return;
    EXPECT_TRUE(Events::Has(QAccessible::NameChanged, Find<QLabel>(h, "StatusPanel")));
    EXPECT_TRUE(Events::Has(QAccessible::DescriptionChanged, Find<qx::PictureCell>(h, "Image", 4)));
    EXPECT_TRUE(Events::Has(QAccessible::StateChanged, Find<qx::PictureCell>(h, "Image", 4)));
    EXPECT_TRUE(Events::Has(QAccessible::NameChanged, Find<QLabel>(*qx_host, "info")));
}

}  // namespace

namespace {

// Orca speaks no changed description or state of a focused button, but reads
// a newly focused object in full: a focused cell whose state changes comes
// back as a fresh object taking the focus.
TEST_F(AccessibilityTest, AFocusedCellIsAnnouncedAgainWithItsNewState) {
    THaupt& h = *Haupt;
    keytest::Activate(&h);
    h.N1Spieler1Click();
    ListenToEvents();
    ASSERT_TRUE(keytest::GoToCell(&h, Find<qx::PictureCell>(h, "Image", 2)));
    const QAccessible::Id before = QAccessible::uniqueId(Face(Find<qx::PictureCell>(h, "Image", 2)));
    keytest::Key(&h, Qt::Key_Space);
    EXPECT_EQ(Face(Find<qx::PictureCell>(h, "Image", 2))->text(QAccessible::Description), "marked");
    EXPECT_NE(QAccessible::uniqueId(Face(Find<qx::PictureCell>(h, "Image", 2))), before);
    // A cell changed without the focus stays the object it was.
    const QAccessible::Id other = QAccessible::uniqueId(Face(Find<qx::PictureCell>(h, "Image", 9)));
    h.ImageClick(9);
    EXPECT_EQ(QAccessible::uniqueId(Face(Find<qx::PictureCell>(h, "Image", 9))), other);
    if (QAccessible::isActive()) {
        EXPECT_TRUE(Events::Has(QAccessible::Focus, Find<qx::PictureCell>(h, "Image", 2)));
    }
}

TEST_F(AccessibilityTest, FiguresPriceAndSlotsAreReadByTab) {
    keytest::Activate(qxtest::stat);
    EXPECT_TRUE(keytest::TabTo(qxtest::stat, Find<QLabel>(*qxtest::stat, "LostL")));

    // The main window's figures, after the field (Tab from there is in the keyboard tests).
    keytest::Activate(Haupt);
    Haupt->N1Spieler1Click();
    EXPECT_TRUE(keytest::TabTo(Haupt, Find<QLabel>(*Haupt, "Verfehlt")));
    EXPECT_EQ(Name(Find<QLabel>(*Haupt, "Money")), "Money: $1000");
    EXPECT_EQ(Name(Find<QLabel>(*Haupt, "Verfehlt")), "Miss: 0");

    keytest::Activate(SpeicherMenu);
    EXPECT_EQ(Name(Find<QLabel>(*SpeicherMenu, "Label2")),
              "current price for saving: $" + Find<QLabel>(*SpeicherMenu, "Label2")->text());
    EXPECT_FALSE(Find<QLabel>(*SpeicherMenu, "Label2")->text().isEmpty());
    EXPECT_TRUE(keytest::TabTo(SpeicherMenu, Find<QLabel>(*SpeicherMenu, "Label2")));

    // A slot's buttons tell what the slot holds.
    ASSERT_TRUE(SpeicherMenu->WriteSlot(2, 1234));
    SpeicherMenu->PreviewSlot(1);
    SpeicherMenu->PreviewSlot(2);
    EXPECT_EQ(Find<QPushButton>(*SpeicherMenu, "SpeedButton", 1)->accessibleDescription(), "No data present");
    EXPECT_EQ(Find<QPushButton>(*SpeicherMenu, "SpeedButton", 2)->accessibleDescription(),
              "\"Ears\", Endless game, $1234, Victims 0, Dragons 0");
}

}  // namespace

namespace {

// What a window has told a screen reader by itself: its notification's text.
QString Told(QWidget* window) { return Find<QWidget>(*window, "News")->accessibleName(); }

// A flood's count takes the plural form of the player's language.
TEST(NewsPlurals, EachLanguageTakesTheFormItsRuleGivesTheCount) {
    struct Row { const char* language; int count; const char* told; };
    const Row rows[] = {
        {"en", 1, "one:1"}, {"en", 5, "other:5"}, {"en", 0, "other:0"},
        {"de", 1, "one:1"}, {"de", 7, "other:7"}, {"de", 21, "other:21"},
        {"pl", 1, "one:1"}, {"pl", 3, "few:3"}, {"pl", 5, "many:5"},
        {"pl", 12, "many:12"}, {"pl", 22, "few:22"}, {"pl", 25, "many:25"},
    };
    for (const Row& r : rows) {
        QTranslator catalogue;
        ASSERT_EQ(qx::LoadFirstCatalogue(catalogue, {r.language}, QStringLiteral(":/plurals")), r.language);
        QCoreApplication::installTranslator(&catalogue);
        EXPECT_EQ(qx::News::NewLinesText(r.count), r.told) << r.language << ' ' << r.count;
        QCoreApplication::removeTranslator(&catalogue);
    }
    EXPECT_EQ(qx::News::NewLinesText(40), "40 new lines");  // no catalogue: the source text
}

TEST_F(AccessibilityTest, NetworkWindowsTellEachNewLineOnceWhereverTheFocusIs) {
    Tqx_host& w = *qx_host;
    keytest::Activate(&w);
    Find<QPushButton>(w, "start")->setFocus();
    ListenToEvents();
    const std::vector<std::pair<std::function<void()>, QString>> cases{
        {[&] { w.AppendLog("<Peer> hello\x01"); }, QStringLiteral("<Peer> hello\u2401")},
        {[&] { w.SetStatus(GameStatus::BombNow); }, "please bomb now"},
        {[&] {  // the same status again is no news
             w.SetStatus(GameStatus::BombNow);
             w.SetBattlefieldResult(BombResult::Lost);
             w.AppendNote({GameNoteKind::PeerWon, "Peer", {}});
         },
         "Peer bombed your battlefield and won. Battlefield result [ You lost ]"},
        {[&] { w.Image26Click(26); }, "4 Victims and 5 Dragons left to place"},
        {[&] { w.Image1Click(1); }, "4 marks left"},
        {[&] { for (int i = 0; i < 40; ++i) w.AppendLog("flood"); }, "40 new lines"},
    };
    long told = 0;
    for (const auto& [shows, news] : cases) {
        shows();
        w.ApplyPending();
        w.findChild<qx::News*>()->Flush();
        w.findChild<qx::News*>()->Flush();  // nothing new: nothing told
        EXPECT_EQ(Told(&w), news);
        if (QAccessible::isActive()) {
            EXPECT_EQ(Events::Count(QAccessible::ObjectShow, Find<QWidget>(w, "News")), ++told);
        }
    }
    EXPECT_EQ(keytest::Focus(&w), Find<QPushButton>(w, "start"));
    EXPECT_EQ(Name(Find<QLabel>(w, "Label12")), "Bomb result [ result ]");
    // The next game reads no result of the last one, which stays drawn.
    w.SetBombResult(BombResult::Won);
    w.ResetGameView();
    w.ApplyPending();
    EXPECT_EQ(Find<QLabel>(w, "Label12")->text(), "[ You won ]");
    EXPECT_EQ(Name(Find<QLabel>(w, "Label12")), "Bomb result [ result ]");
}

// Right along the open menus keeps the focus on each menu's title, which a
// screen reader then reads; Down goes on to the first entry, and Return
// opens it, as where the toolkit chose it.
TEST_F(AccessibilityTest, RightAlongTheMenuBarStopsAtEachTitle) {
    THaupt& h = *Haupt;
    for (const Qt::Key next : {Qt::Key_Down, Qt::Key_Return}) {
        keytest::Activate(&h);
        keytest::Key(&h, Qt::Key_F10);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Right);
        QCoreApplication::processEvents();
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), "Singleplayer1");
        EXPECT_EQ(menu->activeAction(), nullptr);
        QAction* first = menu->actions().value(0);
        QTest::keyClick(menu, next);
        if (next == Qt::Key_Return) {
            // The first entry holds the kinds of new game: Return opens them.
            ASSERT_NE(first->menu(), nullptr);
            EXPECT_EQ(QApplication::activePopupWidget(), first->menu());
            first->menu()->close();
            menu->close();
            continue;
        }
        EXPECT_EQ(menu->activeAction(), first);
        menu->close();
    }
}

// A screen reader reads a field's text as far as its attribute runs reach:
// one run over the whole text, from every offset, in every field.
TEST_F(AccessibilityTest, EveryTextFieldIsReadWhole) {
    const std::vector<QLineEdit*> fields{
        Find<QLineEdit>(*qx_host, "nick"),           Find<QLineEdit>(*qx_host, "servername"),
        Find<QLineEdit>(*qx_client, "adresse"),      Find<QLineEdit>(*qx_client, "sendtext"),
        Find<QLineEdit>(*qxtest::Setup, "Spielername"), Find<QLineEdit>(*qxtest::Setup, "Multiname"),
        Find<QLineEdit>(*qxtest::Setup, "Servername")};
    for (QLineEdit* field : fields) {
        field->setText(QStringLiteral("10.53.3.1"));
        QAccessibleTextInterface* text = Face(field)->textInterface();
        ASSERT_NE(text, nullptr) << field->objectName().toStdString();
        EXPECT_EQ(text->characterCount(), 9);
        EXPECT_EQ(text->text(0, 9), "10.53.3.1");
        for (int offset : {0, 8}) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 9)) << field->objectName().toStdString();
        }
    }
}

TEST_F(AccessibilityTest, TheMainWindowTellsTheNewGameEachMarkAndASave) {
    THaupt& h = *Haupt;
    keytest::Activate(&h);
    const std::vector<std::pair<std::function<void()>, QString>> cases{
        {[&] { keytest::Key(&h, Qt::Key_1, Qt::ControlModifier); }, "New game: 100 dead Victims"},
        {[&] { keytest::Key(&h, Qt::Key_N, Qt::ControlModifier); }, "New game: Endless game"},
        {[&] { h.ImageClick(1); }, "4 marks left"},
        {[&] { for (int c : {2, 3, 4}) h.ImageClick(c); }, "1 mark left"},
        {[&] { h.ImageClick(5); }, "No marks left, ready to bomb"},
        {[&] { h.ImageClick(6); }, "Only 5 fields max!"},
    };
    for (const auto& [does, news] : cases) {
        does();
        h.findChild<qx::News*>()->Flush();
        EXPECT_EQ(Told(&h), news);
    }
    keytest::Activate(SpeicherMenu);
    const std::int64_t price = h.Session().SavePrice();
    SpeicherMenu->BitBtn2Click();
    EXPECT_EQ(Told(SpeicherMenu), QStringLiteral("Saved to slot 2 for $%1").arg(price));
}

}  // namespace
