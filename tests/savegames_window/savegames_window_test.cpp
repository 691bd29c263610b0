// The save, load and delete dialogs driven through their real buttons and the
// main window's menu, with a program folder of their own.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "core/savegames/slotfile.h"
#include "core/savegames/valuecodec.h"
#include "ui/settings/einstellungen.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"

#include <QAction>
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;

namespace {

const char* const kKeys[] = {SlotKeyName, SlotKeyMoney, SlotKeyVictims, SlotKeyDragons, SlotKeyMode};
using Five = std::array<std::string, 5>;

// Writes a slot holding any five texts, so tests can put in what the game
// itself never writes (mode 300, "0012", a broken number).
void WriteRawSlot(const std::string& path, const Five& texts) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(EncodeValue(texts[i], kKeys[i]));
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(EncodeLength(std::to_string(lines[i].size())));
    std::string bytes;
    for (auto& l : lines) {
        if (l.size() < 80) l.resize(80, '1');
        bytes += l + "\r\n";
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file read back by its documented layout: ten CR LF lines, lengths in
// lines 6 to 10, the values keyed in lines 1 to 5.
Five Recover(const std::string& path) {
    const std::string bytes = qx::ReadFileBytes(path);
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    EXPECT_EQ(at, bytes.size()) << "every line ends with CR LF";
    Five out;
    if (lines.size() != 10) {
        ADD_FAILURE() << "a slot has ten lines, this one " << lines.size();
        return out;
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const auto n = static_cast<std::size_t>(std::stoi(DecodeLength(lines[5 + i])));
        out[i] = DecodeValue(lines[i].substr(0, n), kKeys[i]);
    }
    return out;
}

using qxtest::WaitFor;

std::string Text(const QLabel* l) { return l->text().toStdString(); }
std::string Title(const QGroupBox* g) { return g->title().toStdString(); }

class SlotDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=Anna\r\nSplash=nein\r\nFade=nein\r\n"
               "[Multiplayer]\r\nName=Remote Victim\r\nServer=Server of sadism\r\n";
        CreateForms();
        Haupt->show();
        qxtest::Setup->SetPlayerName("Anna");
    }
    void TearDown() override {
        qx::SetWriteFaultForTests(std::nullopt);
        DestroyForms();
    }

    THaupt& H() { return *Haupt; }
    GameState& G() { return Haupt->Session().GameForTests(); }

    // Opens a dialog through the menu and waits for its fill timer.
    template <class Dialog>
    Dialog& Open(QAction* entry, Dialog* dialog) {
        entry->trigger();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(WaitFor([dialog] { return !Find<QTimer>(*dialog, "Timer1")->isActive(); }));
        return *dialog;
    }
    TSpeicherMenu& OpenSave() { return Open(Find<QAction>(H(), "Spielsichern1"), SpeicherMenu); }
    TLadenMenu& OpenLoad() { return Open(Find<QAction>(H(), "Spielladen1"), LadenMenu); }
    TDelMenu& OpenDelete() { return Open(Find<QAction>(H(), "managesavnes1"), DelMenu); }

    void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Waits for a save's fresh previews.
    void SaveInto(int n) {
        Click(Find<QPushButton>(*SpeicherMenu, "SpeedButton", n));
        WaitFor([] { return !Find<QTimer>(*SpeicherMenu, "Timer1")->isActive(); });
    }

    // One turn: marks 1..5, bombs with the Victims on cells victimCells.
    void PlayTurn(const Placement& p) {
        H().SetPlacementSource([p] { return p; });
        for (int c = 1; c <= 5; ++c) QTest::mouseClick(Find<qx::PictureCell>(H(), "Image", c), Qt::LeftButton);
        Click(Find<QPushButton>(H(), "BombIt"));
    }

    std::string Slot(int n) const { return dir.File("Slot" + std::to_string(n) + ".save"); }

    qxtest::TempDir dir;
    qx::DialogScript script;
};

const Placement kTwoVictimsOneDragon{{1, 2, 20, 21, 22}, {3, 11, 12, 13, 14}};
const Placement kFiveVictims{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};

TEST_F(SlotDialogs, EmptySlotsShowNoDataInEveryDialog) {
    H().N1Spieler1Click();
    TSpeicherMenu& s = OpenSave();
    TLadenMenu& l = OpenLoad();
    TDelMenu& d = OpenDelete();
    for (int n = 1; n <= 3; ++n) {
        for (QDialog* view : {static_cast<QDialog*>(&s), static_cast<QDialog*>(&l), static_cast<QDialog*>(&d)}) {
            EXPECT_EQ(Text(Find<QLabel>(*view, "mode", n)), "No data present");
            EXPECT_EQ(Text(Find<QLabel>(*view, "dollar", n)), "$");
            EXPECT_EQ(Text(Find<QLabel>(*view, "geld", n)), "000");
            EXPECT_EQ(Text(Find<QLabel>(*view, "vc", n)), "0");
            EXPECT_EQ(Text(Find<QLabel>(*view, "dc", n)), "0");
            EXPECT_EQ(Title(Find<QGroupBox>(*view, "GroupBox", n)), "Slot " + std::to_string(n));
        }
        EXPECT_EQ(Find<QPushButton>(s, "SpeedButton", n)->text().toStdString(), "save");
        EXPECT_TRUE(Find<QPushButton>(s, "SpeedButton", n)->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(l, "SpeedButton", n)->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(d, "BitBtn", n)->isEnabled());
    }
    EXPECT_EQ(s.windowTitle().toStdString(), "Save game");
    EXPECT_EQ(l.windowTitle().toStdString(), "Load game");
    EXPECT_EQ(d.windowTitle().toStdString(), "Manage savegames");
    EXPECT_EQ(s.size(), QSize(500, 188));
    EXPECT_EQ(l.size(), QSize(500, 188));
    EXPECT_EQ(d.size(), QSize(500, 185));
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(SlotDialogs, SavingTheExampleGameWritesADecodableSlot) {
    H().N1Spieler1Click();
    TSpeicherMenu& s = OpenSave();
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "0");
    SaveInto(1);

    EXPECT_EQ(Recover(Slot(1)), (Five{"Anna", "1000", "0", "0", "1"}));
    const std::vector<std::string> lines = qx::ReadLines(Slot(1));
    ASSERT_EQ(lines.size(), 10u);
    for (const auto& line : lines) EXPECT_EQ(line.size(), 80u);
    for (int i : {5, 6}) EXPECT_EQ(lines[i].substr(0, 8), "11011111");
    for (int i : {7, 8, 9}) EXPECT_EQ(lines[i].substr(0, 8), "11110111");

    EXPECT_EQ(Title(Find<QGroupBox>(s, "GroupBox", 1)), "\"Anna\"");
    EXPECT_EQ(Text(Find<QLabel>(s, "mode", 1)), "Endless game");
    EXPECT_EQ(Text(Find<QLabel>(s, "geld", 1)), "1000");
    EXPECT_EQ(Find<QPushButton>(s, "SpeedButton", 1)->text().toStdString(), "overwrite");
    EXPECT_EQ(Find<QPushButton>(s, "SpeedButton", 2)->text().toStdString(), "save");
    EXPECT_EQ(G().money, 1000);
    EXPECT_TRUE(script.Texts(qx::BoxKind::Confirmation).empty());
    EXPECT_TRUE(script.Texts(qx::BoxKind::Error).empty());
}

TEST_F(SlotDialogs, ASaveTakesThePriceOnceAndClosingChargesAgain) {
    H().N1Spieler1Click();
    PlayTurn(kTwoVictimsOneDragon);  // 1000 + 222 + 1010 - 100
    ASSERT_EQ(G().money, 2132);
    EXPECT_EQ(G().savePrice, 40);  // worked out from the money before the bomb
    TSpeicherMenu& s = OpenSave();
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "40");

    SaveInto(2);
    EXPECT_EQ(G().money, 2092);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "2092");
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "0");
    EXPECT_EQ(G().savePrice, 0);
    EXPECT_EQ(Recover(Slot(2))[1], "2092");

    SaveInto(3);  // before the price is worked out again: free
    EXPECT_EQ(G().money, 2092);
    EXPECT_EQ(Recover(Slot(3))[1], "2092");

    Click(Find<QPushButton>(s, "SpeedButton", 4));
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(G().freeSave);
    Click(Find<QPushButton>(H(), "RestartBut"));
    EXPECT_EQ(G().savePrice, 84);
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "84");
    EXPECT_EQ(Find<QAction>(H(), "Spielsichern1")->text().toStdString(), "Save game [ $84 ]");

    // The window's own close box ends the same way.
    G().freeSave = true;
    OpenSave().close();
    EXPECT_FALSE(G().freeSave);
}

TEST_F(SlotDialogs, DecliningTheOverwriteCostsNothing) {
    WriteSlotFile(1, "Old", 500, 1, 2, 1);
    const std::string before = qx::ReadFileBytes(Slot(1));
    H().N1Spieler1Click();
    PlayTurn(kTwoVictimsOneDragon);
    TSpeicherMenu& s = OpenSave();
    EXPECT_EQ(Find<QPushButton>(s, "SpeedButton", 1)->text().toStdString(), "overwrite");

    Click(Find<QPushButton>(s, "SpeedButton", 1));  // no answer queued: "&Nein"
    EXPECT_EQ(script.Texts(qx::BoxKind::Confirmation),
              std::vector<std::string>{"Savegame already exists. Overwrite?"});
    EXPECT_EQ(qx::ReadFileBytes(Slot(1)), before);
    EXPECT_EQ(G().money, 2132);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "2132");
    EXPECT_EQ(G().savePrice, 40);
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "40");

    script.answers.push_back(true);
    SaveInto(1);
    EXPECT_EQ(Recover(Slot(1)), (Five{"Anna", "2092", "2", "1", "1"}));
    EXPECT_EQ(G().money, 2092);
    EXPECT_EQ(Title(Find<QGroupBox>(s, "GroupBox", 1)), "\"Anna\"");
}

TEST_F(SlotDialogs, AFailedWriteReportsAndCostsNothing) {
    WriteSlotFile(1, "Old", 500, 1, 2, 1);
    const std::string before = qx::ReadFileBytes(Slot(1));
    H().N1Spieler1Click();
    PlayTurn(kTwoVictimsOneDragon);
    TSpeicherMenu& s = OpenSave();
    const QString oldTitle = Find<QGroupBox>(s, "GroupBox", 1)->title();

    namespace fs = std::filesystem;
    fs::permissions(dir.Folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir.File("probe"))) {
        // This user writes into read-only folders: fail the write as a full disk would.
        fs::remove(dir.File("probe"));
        qx::SetWriteFaultForTests(10);
    }
    script.answers.push_back(true);
    Click(Find<QPushButton>(s, "SpeedButton", 1));
    fs::permissions(dir.Folder(), fs::perms::owner_all);

    ASSERT_EQ(script.Texts(qx::BoxKind::Error).size(), 1u);
    EXPECT_NE(script.Texts(qx::BoxKind::Error)[0].find("Slot1.save"), std::string::npos);
    EXPECT_EQ(qx::ReadFileBytes(Slot(1)), before);
    EXPECT_EQ(G().money, 2132);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "2132");
    EXPECT_EQ(G().savePrice, 40);
    EXPECT_EQ(Text(Find<QLabel>(s, "Label2")), "40");
    EXPECT_FALSE(Find<QTimer>(s, "Timer1")->isActive());
    EXPECT_EQ(Find<QGroupBox>(s, "GroupBox", 1)->title(), oldTitle);
}

TEST_F(SlotDialogs, LoadingFromTheStartScreenContinuesTheGame) {
    WriteSlotFile(2, "Bob", 2500, 3, 4, 1);
    const std::string settings = qx::ReadFileBytes(dir.File("setup.ini"));
    ASSERT_TRUE(Find<QFrame>(H(), "StartPanel")->isVisible());
    ASSERT_FALSE(Find<QAction>(H(), "Spielsichern1")->isEnabled());
    Find<QLabel>(*SpeicherMenu, "Label2")->setText(QStringLiteral("77"));

    TLadenMenu& l = OpenLoad();
    EXPECT_FALSE(Find<QPushButton>(l, "SpeedButton", 1)->isEnabled());
    ASSERT_TRUE(Find<QPushButton>(l, "SpeedButton", 2)->isEnabled());
    EXPECT_EQ(Title(Find<QGroupBox>(l, "GroupBox", 2)), "\"Bob\"");
    Click(Find<QPushButton>(l, "SpeedButton", 2));

    EXPECT_FALSE(l.isVisible());
    EXPECT_FALSE(Find<QFrame>(H(), "StartPanel")->isVisible());
    EXPECT_TRUE(Find<QAction>(H(), "Spielsichern1")->isEnabled());
    EXPECT_EQ(Find<QAction>(H(), "Spielsichern1")->text().toStdString(), "Save game");
    EXPECT_EQ(G().savePrice, 0);
    EXPECT_TRUE(G().freeSave);
    EXPECT_EQ(Text(Find<QLabel>(*SpeicherMenu, "Label2")), "0");
    EXPECT_EQ(G().money, 2500);
    EXPECT_EQ(G().victimCount, 3);
    EXPECT_EQ(G().dragonCount, 4);
    EXPECT_EQ(G().mode, 1);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "2500");
    EXPECT_EQ(Text(Find<QLabel>(H(), "VictimCount")), "3");
    EXPECT_EQ(Text(Find<QLabel>(H(), "DragonCount")), "4");
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label15")), "Endless game");
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label3")), "Player \"Bob\"");
    EXPECT_EQ(qxtest::Setup->PlayerName(), "Bob");
    EXPECT_EQ(qx::ReadFileBytes(dir.File("setup.ini")), settings);
    EXPECT_EQ(Text(Find<QLabel>(H(), "provic")), "$278");  // rates from the loaded money
    EXPECT_EQ(Text(Find<QLabel>(H(), "prodra")), "$250");
    EXPECT_FALSE(Find<QPushButton>(H(), "BombIt")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(H(), "RestartBut")->isEnabled());

    // The next save costs nothing.
    OpenSave();
    SaveInto(1);
    EXPECT_EQ(G().money, 2500);
    EXPECT_EQ(Recover(Slot(1)), (Five{"Bob", "2500", "3", "4", "1"}));
}

TEST_F(SlotDialogs, LoadingDuringATurnClearsTheTurnAndThePrice) {
    WriteSlotFile(1, "Anna", 1000, 0, 0, 1);
    H().N1Spieler1Click();
    PlayTurn(kTwoVictimsOneDragon);
    ASSERT_EQ(Text(Find<QLabel>(H(), "Kill")), "Double kill");
    ASSERT_EQ(Text(Find<QLabel>(*SpeicherMenu, "Label2")), "40");
    Click(Find<QPushButton>(OpenLoad(), "SpeedButton", 1));
    EXPECT_EQ(Text(Find<QLabel>(H(), "Kill")), "");
    EXPECT_EQ(Text(Find<QLabel>(H(), "KillBonus")), "");
    EXPECT_EQ(Text(Find<QLabel>(H(), "Bilanz")), "$0");
    EXPECT_EQ(Text(Find<QLabel>(*SpeicherMenu, "Label2")), "0");
    EXPECT_EQ(G().markCount, 0);
    for (int c = 1; c <= 25; ++c) EXPECT_TRUE(Find<qx::PictureCell>(H(), "Image", c)->isEnabled());
}

TEST_F(SlotDialogs, AHundredVictimsGameIsSavedAndWonAfterLoading) {
    H().he100th1Click();
    G().victimCount = -43;
    OpenSave();
    SaveInto(2);
    EXPECT_EQ(Recover(Slot(2)), (Five{"Anna", "1000", "-43", "0", "2"}));
    EXPECT_EQ(Text(Find<QLabel>(*SpeicherMenu, "vc", 2)), "-43");
    EXPECT_EQ(Text(Find<QLabel>(*SpeicherMenu, "mode", 2)), "100 killed Victims");
    SpeicherMenu->close();

    H().N1Spieler1Click();
    Click(Find<QPushButton>(OpenLoad(), "SpeedButton", 2));
    EXPECT_EQ(G().mode, 2);
    EXPECT_EQ(G().victimCount, -43);
    EXPECT_EQ(Text(Find<QLabel>(H(), "VictimCount")), "-43");
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label15")), "100 killed Victims");

    for (int turn = 1; turn <= 8; ++turn) {
        PlayTurn(kFiveVictims);
        ASSERT_EQ(G().victimCount, -43 + 5 * turn);
        ASSERT_TRUE(Find<QPushButton>(H(), "RestartBut")->isEnabled());
        Click(Find<QPushButton>(H(), "RestartBut"));
    }
    ASSERT_TRUE(script.Texts(qx::BoxKind::Information).empty());
    PlayTurn(kFiveVictims);
    EXPECT_EQ(G().victimCount, 0);
    EXPECT_EQ(Text(Find<QLabel>(H(), "VictimCount")), "0");
    EXPECT_FALSE(Find<QPushButton>(H(), "RestartBut")->isEnabled());
    EXPECT_EQ(script.Texts(qx::BoxKind::Information),
              std::vector<std::string>{"Congratulation! You won! Your Money after killing 100 Victims is $" +
                                       std::to_string(G().money) + "!"});
}

TEST_F(SlotDialogs, UnknownModeTextsKeepTheGameTypeLabel) {
    WriteRawSlot(Slot(1), {"Eve", "1000", "0", "0", "5"});
    WriteRawSlot(Slot(2), {"Eve", "1000", "0", "0", "300"});
    H().he100th1Click();
    TLadenMenu& l = OpenLoad();
    EXPECT_EQ(Text(Find<QLabel>(l, "mode", 1)), "5");
    EXPECT_EQ(Text(Find<QLabel>(l, "mode", 2)), "300");
    Click(Find<QPushButton>(l, "SpeedButton", 1));
    EXPECT_EQ(G().mode, 5);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label15")), "100 dead Victims");
    Click(Find<QPushButton>(OpenLoad(), "SpeedButton", 2));
    EXPECT_EQ(G().mode, 44);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label15")), "100 dead Victims");
    EXPECT_TRUE(script.Texts(qx::BoxKind::Error).empty());
}

TEST_F(SlotDialogs, MoneyWithLeadingZerosIsShownAsSaved) {
    WriteRawSlot(Slot(3), {"Eve", "0012", "-7", "3", "1"});
    Click(Find<QPushButton>(OpenLoad(), "SpeedButton", 3));
    EXPECT_EQ(G().money, 12);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "0012");
    EXPECT_EQ(G().victimCount, -7);
    EXPECT_EQ(Text(Find<QLabel>(H(), "provic")), "$1");
}

TEST_F(SlotDialogs, ADamagedSlotChangesNothingAndTheDialogStaysOpen) {
    H().N1Spieler1Click();
    PlayTurn(kTwoVictimsOneDragon);
    const std::string status = H().StatusText().toStdString();
    const std::vector<Five> damaged = {{"Mallory", "1000", "12x", "0", "1"},
                                       {"Mallory", "1000", "0", "0", ""},
                                       {"Mallory", "1000", "0", "99999999999", "1"},
                                       {"Mallory", "99999999999999999999", "0", "0", "1"}};
    for (const Five& slot : damaged) {
        WriteRawSlot(Slot(1), slot);
        script.Clear();
        TLadenMenu& l = OpenLoad();
        ASSERT_TRUE(Find<QPushButton>(l, "SpeedButton", 1)->isEnabled());
        Click(Find<QPushButton>(l, "SpeedButton", 1));
        ASSERT_EQ(script.Texts(qx::BoxKind::Error).size(), 1u) << slot[2] << slot[3] << slot[4];
        EXPECT_NE(script.Texts(qx::BoxKind::Error)[0].find("not a valid integer"), std::string::npos);
        EXPECT_TRUE(l.isVisible());
    }
    // A slot with lines missing is refused by the loader too.
    std::ofstream(Slot(1), std::ios::binary) << "0101\r\n\r\n1100\r\n";
    script.Clear();
    Click(Find<QPushButton>(*LadenMenu, "SpeedButton", 1));
    EXPECT_EQ(script.Texts(qx::BoxKind::Error),
              std::vector<std::string>{"The savegame \"" + Slot(1) + "\" is damaged: it has 2 of ten lines."});

    EXPECT_EQ(G().money, 2132);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Money")), "2132");
    EXPECT_EQ(G().victimCount, 2);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label3")), "Player \"Anna\"");
    EXPECT_EQ(qxtest::Setup->PlayerName(), "Anna");
    EXPECT_EQ(Text(Find<QLabel>(H(), "Kill")), "Double kill");
    EXPECT_EQ(G().savePrice, 40);
    EXPECT_FALSE(G().freeSave);
    EXPECT_TRUE(Find<QPushButton>(H(), "RestartBut")->isEnabled());
    EXPECT_EQ(H().StatusText().toStdString(), status);
}

TEST_F(SlotDialogs, ADamagedSlotOnTheStartScreenKeepsTheStartScreen) {
    WriteRawSlot(Slot(2), {"Mallory", "1000", "0", "zero", "1"});
    Click(Find<QPushButton>(OpenLoad(), "SpeedButton", 2));
    EXPECT_EQ(script.Texts(qx::BoxKind::Error).size(), 1u);
    EXPECT_TRUE(Find<QFrame>(H(), "StartPanel")->isVisible());
    EXPECT_FALSE(Find<QAction>(H(), "Spielsichern1")->isEnabled());
    EXPECT_EQ(G().mode, 0);
    EXPECT_EQ(Text(Find<QLabel>(H(), "Label15")), "game type");
}

TEST_F(SlotDialogs, AnUnreadableSlotStopsTheRemainingPreviews) {
    WriteSlotFile(1, "One", 1, 1, 1, 1);
    std::ofstream(Slot(2), std::ios::binary) << "0\r\n1\r\n \r\n";
    WriteSlotFile(3, "Three", 3, 3, 3, 3);
    TDelMenu& d = OpenDelete();
    EXPECT_EQ(script.Texts(qx::BoxKind::Error).size(), 1u);
    EXPECT_EQ(Title(Find<QGroupBox>(d, "GroupBox", 1)), "\"One\"");
    EXPECT_TRUE(Find<QPushButton>(d, "BitBtn", 1)->isEnabled());
    EXPECT_EQ(Title(Find<QGroupBox>(d, "GroupBox", 2)), "Slot 2");
    EXPECT_EQ(Text(Find<QLabel>(d, "mode", 2)), "type");
    EXPECT_FALSE(Find<QPushButton>(d, "BitBtn", 2)->isEnabled());
    EXPECT_EQ(Title(Find<QGroupBox>(d, "GroupBox", 3)), "Slot 3");
    EXPECT_FALSE(Find<QPushButton>(d, "BitBtn", 3)->isEnabled());
}

TEST_F(SlotDialogs, DeletingTwiceAsksAgainAndThenFails) {
    WriteSlotFile(1, "Anna", -500, -43, 2, 2);
    TDelMenu& d = OpenDelete();
    EXPECT_EQ(Text(Find<QLabel>(d, "geld", 1)), "-500");
    EXPECT_EQ(Text(Find<QLabel>(d, "vc", 1)), "-43");
    ASSERT_TRUE(Find<QPushButton>(d, "BitBtn", 1)->isEnabled());

    Click(Find<QPushButton>(d, "BitBtn", 1));  // "&Nein"
    EXPECT_TRUE(qx::FileExists(Slot(1)));
    EXPECT_EQ(Title(Find<QGroupBox>(d, "GroupBox", 1)), "\"Anna\"");

    script.Clear();
    script.answers = {true, true};
    Click(Find<QPushButton>(d, "BitBtn", 1));
    EXPECT_FALSE(qx::FileExists(Slot(1)));
    EXPECT_EQ(Title(Find<QGroupBox>(d, "GroupBox", 1)), "Slot1");
    EXPECT_EQ(Text(Find<QLabel>(d, "geld", 1)), "000");
    EXPECT_EQ(Text(Find<QLabel>(d, "vc", 1)), "0");
    EXPECT_EQ(Text(Find<QLabel>(d, "dc", 1)), "0");
    EXPECT_EQ(Text(Find<QLabel>(d, "mode", 1)), "No data present");
    EXPECT_TRUE(Find<QPushButton>(d, "BitBtn", 1)->isEnabled());

    Click(Find<QPushButton>(d, "BitBtn", 1));
    const std::vector<qx::ShownBox> expected = {
        {qx::BoxKind::Confirmation, "Delete savegame in Slot1?", {}},
        {qx::BoxKind::Information, "Savegame in Slot1 deleted!", {}},
        {qx::BoxKind::Confirmation, "Delete savegame in Slot1?", {}},
        {qx::BoxKind::Information, "Could not delete file \"Slot1.save\". File not found or write protected", {}}};
    ASSERT_EQ(script.boxes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(script.boxes[i].kind, expected[i].kind);
        EXPECT_EQ(script.boxes[i].text, expected[i].text);
    }
    Click(Find<QPushButton>(d, "BitBtn", 4));
    EXPECT_FALSE(d.isVisible());
}

TEST_F(SlotDialogs, LoadingADeletedSlotTellsAndCloses) {
    WriteSlotFile(3, "Anna", 4000, 5, 6, 1);
    TLadenMenu& l = OpenLoad();
    ASSERT_TRUE(Find<QPushButton>(l, "SpeedButton", 3)->isEnabled());
    Click(Find<QPushButton>(l, "SpeedButton", 4));
    EXPECT_FALSE(l.isVisible());

    // The save dialog saw the slot too and keeps showing it after deletion.
    H().N1Spieler1Click();
    TSpeicherMenu& s = OpenSave();
    ASSERT_EQ(Find<QPushButton>(s, "SpeedButton", 3)->text().toStdString(), "overwrite");
    s.close();
    script.answers.push_back(true);
    Click(Find<QPushButton>(OpenDelete(), "BitBtn", 3));
    ASSERT_FALSE(qx::FileExists(Slot(3)));
    OpenSave();
    EXPECT_EQ(Text(Find<QLabel>(s, "mode", 3)), "No data present");
    EXPECT_EQ(Title(Find<QGroupBox>(s, "GroupBox", 3)), "\"Anna\"");
    EXPECT_EQ(Text(Find<QLabel>(s, "geld", 3)), "4000");
    EXPECT_EQ(Find<QPushButton>(s, "SpeedButton", 3)->text().toStdString(), "overwrite");
    s.close();

    script.Clear();
    OpenLoad();
    EXPECT_EQ(Text(Find<QLabel>(l, "mode", 3)), "No data present");
    ASSERT_TRUE(Find<QPushButton>(l, "SpeedButton", 3)->isEnabled());
    const std::int64_t money = G().money;
    Click(Find<QPushButton>(l, "SpeedButton", 3));
    EXPECT_EQ(script.Texts(qx::BoxKind::Information),
              std::vector<std::string>{"Could not load from file \"Slot3\".\\nFile not found."});
    EXPECT_FALSE(l.isVisible());
    EXPECT_EQ(G().money, money);
    EXPECT_EQ(G().mode, 1);
}

TEST_F(SlotDialogs, TheMenuOpensEachDialogModallyWithItsTimerRunning) {
    H().N1Spieler1Click();
    Find<QAction>(H(), "Spielsichern1")->trigger();
    Find<QAction>(H(), "Spielladen1")->trigger();
    Find<QAction>(H(), "managesavnes1")->trigger();
    EXPECT_EQ(script.modals, (std::vector<std::string>{"SpeicherMenu", "LadenMenu", "DelMenu"}));
    EXPECT_TRUE(WaitFor([] {
        return !Find<QTimer>(*SpeicherMenu, "Timer1")->isActive() && !Find<QTimer>(*LadenMenu, "Timer1")->isActive() &&
               !Find<QTimer>(*DelMenu, "Timer1")->isActive();
    }));
    EXPECT_EQ(Text(Find<QLabel>(*DelMenu, "mode", 1)), "No data present");
}

}  // namespace
