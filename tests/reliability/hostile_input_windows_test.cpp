// The windows against what a player can paste or put in files by hand:
// multi-line names, names written as markup, special files, stale
// temporaries and counters at their limit.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/controls.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "core/savegames/slotfile.h"
#include "core/savegames/valuecodec.h"
#include "ui/settings/einstellungen.h"
#include "core/settings/settingsfile.h"
#include "ui/stats/statistik.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;
namespace fs = std::filesystem;

namespace {

const char kPasted[] = "Line1\nName2\r[Multiplayer]\rServer=evil\r\n";
const char kFlattened[] = "Line1 Name2 [Multiplayer] Server=evil ";
const char kDefaults[] =
    "[Einstellungen]\r\nName=Anna\r\nSplash=nein\r\nFade=nein\r\n"
    "[Multiplayer]\r\nName=Remote Victim\r\nServer=Server of sadism\r\n";

void Put(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

void PutSlot(const std::string& path, const std::array<std::string, 5>& texts) {
    const char* const keys[] = {SlotKeyName, SlotKeyMoney, SlotKeyVictims, SlotKeyDragons, SlotKeyMode};
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(EncodeValue(texts[i], keys[i]));
    for (std::size_t i = 0; i < 5; ++i) lines.push_back(EncodeLength(std::to_string(lines[i].size())));
    std::string bytes;
    for (auto& l : lines) {
        if (l.size() < 80) l.resize(80, '1');
        bytes += l + "\r\n";
    }
    Put(path, bytes);
}

std::string Text(const QLabel* l) { return l->text().toStdString(); }

std::vector<QWidget*> AllWindows() {
    return {Haupt, qxtest::Setup, AboutBox, SplashScr, SpeicherMenu, LadenMenu, qxtest::stat, DelMenu, qx_host,
            qx_client, Help};
}

class HostileInput : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override { DestroyForms(); }

    void Start(const std::string& settings = kDefaults) {
        if (!settings.empty()) Put(dir.File("setup.ini"), settings);
        CreateForms();
        Haupt->show();
    }
    void Click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    template <class Dialog>
    Dialog& Open(QAction* entry, Dialog* dialog) {
        entry->trigger();
        EXPECT_TRUE(qxtest::WaitFor([dialog] { return !Find<QTimer>(*dialog, "Timer1")->isActive(); }));
        return *dialog;
    }

    qxtest::TempDir dir;
    qx::DialogScript script;
};

// ---------------------------------------------------------------------------
// Line breaks

TEST_F(HostileInput, EveryOneLineFieldTurnsLineBreaksIntoBlanks) {
    Start();
    const std::vector<QLineEdit*> fields = {Find<QLineEdit>(*qxtest::Setup, "Spielername"),
                                            Find<QLineEdit>(*qxtest::Setup, "Multiname"),
                                            Find<QLineEdit>(*qxtest::Setup, "Servername"),
                                            Find<QLineEdit>(*qx_host, "nick"),
                                            Find<QLineEdit>(*qx_host, "servername"),
                                            Find<QLineEdit>(*qx_host, "sendtext"),
                                            Find<QLineEdit>(*qx_client, "nick"),
                                            Find<QLineEdit>(*qx_client, "adresse"),
                                            Find<QLineEdit>(*qx_client, "sendtext")};
    for (QLineEdit* f : fields) {
        SCOPED_TRACE(f->objectName().toStdString());
        f->setEnabled(true);
        f->setText(QString::fromLatin1(kPasted));
        EXPECT_EQ(f->text().toStdString(), kFlattened);
        // Pasted into the middle of what is there, the cursor ends behind it.
        f->setText(QStringLiteral("ab"));
        f->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny\n"));
        if (QGuiApplication::clipboard()->text() != QStringLiteral("x\r\ny\n")) {
            std::printf("[ note     ] no clipboard on this platform: pasting is not tried\n");
            continue;
        }
        f->paste();
        EXPECT_EQ(f->text().toStdString(), "ax y b");
        EXPECT_EQ(f->cursorPosition(), 5);
    }
    EXPECT_EQ(qx::WithoutLineBreaks(QStringLiteral("\r\n\n\r")).toStdString(), "   ");
}

TEST_F(HostileInput, APastedMultiLineNameIsStoredOnOneLine) {
    Start();
    Find<QLineEdit>(*qxtest::Setup, "Spielername")->setText(QString::fromLatin1(kPasted));
    Click(Find<QPushButton>(*qxtest::Setup, "SpeedButton1"));
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "Label3")), std::string("Player \"") + kFlattened + "\"");
    // The next start reads the same server and switches, and the name whole.
    const Settings s = ReadAllSettings(SettingsPath());
    EXPECT_EQ(s.serverName, "Server of sadism");
    EXPECT_EQ(s.splash, "nein");
    EXPECT_EQ(s.name, "Line1 Name2 [Multiplayer] Server=evil");
    EXPECT_EQ(qx::ReadLines(SettingsPath()).size(), 7u);
}

TEST_F(HostileInput, AServerNameWithABreakFromTheHostWindowStaysOneLine) {
    Start();
    qx_host->show();
    Find<QLineEdit>(*qx_host, "servername")->setText(QStringLiteral("Arena\r\n[Einstellungen]\r\nSplash=ja"));
    EXPECT_TRUE(qx_host->close());
    EXPECT_EQ(qxtest::Setup->ServerName(), "Arena [Einstellungen] Splash=ja");
    EXPECT_EQ(ReadAllSettings(SettingsPath()).splash, "nein");
    EXPECT_EQ(qx::ReadLines(SettingsPath()).size(), 7u);
}

// ---------------------------------------------------------------------------
// Markup

TEST_F(HostileInput, ANameWrittenAsMarkupIsShownAsWritten) {
    Start("[Einstellungen]\r\nName=<b>bold</b>\r\nSplash=nein\r\nFade=nein\r\n");
    EXPECT_EQ(Find<QLabel>(*Haupt, "Label3")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "Label3")), "Player \"<b>bold</b>\"");

    PutSlot(dir.File("Slot1.save"), {"<i>x</i>&y", "1000", "3", "4", "1"});
    TLadenMenu& load = Open(Find<QAction>(*Haupt, "Spielladen1"), LadenMenu);
    EXPECT_EQ(Find<QGroupBox>(load, "GroupBox", 1)->title().toStdString(), "\"<i>x</i>&&y\"");
    Click(Find<QPushButton>(load, "SpeedButton", 1));
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "Label3")), "Player \"<i>x</i>&y\"");

    // Whatever a label shows, in any window, it shows as plain text.
    for (QWidget* w : AllWindows()) {
        ASSERT_NE(w, nullptr);
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l->text().isEmpty() && l->pixmap().isNull()) continue;
            if (!l->pixmap().isNull()) continue;  // pictures only
            EXPECT_EQ(l->textFormat(), Qt::PlainText) << w->objectName().toStdString() << "/"
                                                      << l->objectName().toStdString();
        }
    }
}

TEST(MessageBoxes, ShowTheirTextAsPlainText) {
    // No script: a real box, closed by the event loop it runs.
    Qt::TextFormat seen = Qt::RichText;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = box->textFormat();
        text = box->text();
        box->accept();
    });
    qx::ShowErrorReport("'<i>x</i>' is not a valid integer value", nullptr);
    EXPECT_EQ(seen, Qt::PlainText);
    EXPECT_EQ(text.toStdString(), "'<i>x</i>' is not a valid integer value.");
}

// ---------------------------------------------------------------------------
// Special files and stale temporaries at start-up

TEST_F(HostileInput, AFifoNamedSetupIniNeitherStopsTheStartNorIsReplaced) {
    ASSERT_EQ(::mkfifo(dir.File("setup.ini").c_str(), 0644), 0);
    Start("");
    // As a file that is there but cannot be read: every key is missing.
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "Label3")), "Player \"0\"");
    EXPECT_EQ(qxtest::Setup->ServerName(), "0");
    EXPECT_FALSE(Find<QCheckBox>(*qxtest::Setup, "CheckBox1")->isChecked());
    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("setup.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(HostileInput, AFifoNamedSlotFailsWithTheErrorReport) {
    Start();
    ASSERT_EQ(::mkfifo(dir.File("Slot2.save").c_str(), 0644), 0);
    Open(Find<QAction>(*Haupt, "Spielladen1"), LadenMenu);
    const auto errors = script.Texts(qx::BoxKind::Error);
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors[0].find("Slot2.save"), std::string::npos) << errors[0];
}

TEST_F(HostileInput, AFifoNamedHelpTxtGivesTheViewersMessage) {
    const fs::path saved = fs::current_path();
    fs::current_path(dir.Folder());
    ASSERT_EQ(::mkfifo("help.txt", 0644), 0);
    std::vector<std::string> lines;
    {
        THelp help;
        for (const QString& l : Find<QPlainTextEdit>(help, "Memo1")->toPlainText().split(QLatin1Char('\n')))
            lines.push_back(l.toStdString());
    }
    fs::current_path(saved);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_NE(lines[2].find("could not be read"), std::string::npos) << lines[2];
}

TEST_F(HostileInput, AStartRemovesTheTemporaryAKilledSaveLeft) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = dir.File("Slot1.save.tmp" + std::to_string(gone) + "_0");
    Put(stale, "half a slo");
    Start();
    EXPECT_FALSE(fs::exists(stale));
}

// ---------------------------------------------------------------------------
// A write-protected slot, for an ordinary user in a folder open to all

constexpr char kProtectedFolderVariable[] = "QUORVEX_TEST_PROTECTED_SLOT_FOLDER";

// Saving over and deleting the protected slot, as the player does it.
void SaveAndDeleteSlotOne(qx::DialogScript& script) {
    Haupt->N1Spieler1Click();
    script.answers = {true, true};  // "&Ja" to overwriting, "&Ja" to deleting
    Find<QAction>(*Haupt, "Spielsichern1")->trigger();
    ASSERT_TRUE(qxtest::WaitFor([] { return !Find<QTimer>(*SpeicherMenu, "Timer1")->isActive(); }));
    QTest::mouseClick(Find<QPushButton>(*SpeicherMenu, "SpeedButton", 1), Qt::LeftButton);
    SpeicherMenu->close();
    Find<QAction>(*Haupt, "managesavnes1")->trigger();
    ASSERT_TRUE(qxtest::WaitFor([] { return !Find<QTimer>(*DelMenu, "Timer1")->isActive(); }));
    QTest::mouseClick(Find<QPushButton>(*DelMenu, "BitBtn", 1), Qt::LeftButton);
    const auto errors = script.Texts(qx::BoxKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Slot1.save"), std::string::npos) << errors[0];
    EXPECT_EQ(script.Texts(qx::BoxKind::Information),
              std::vector<std::string>{"Could not delete file \"Slot1.save\". File not found or write protected"});
    EXPECT_EQ(Haupt->Game().money, 1000);  // a failed save costs nothing
}

// Root runs this test again as nobody, in a fresh process of this program
// (a fork of a process with Qt's threads could hang), on the same folder.
TEST_F(HostileInput, AWriteProtectedSlotIsNeitherOverwrittenNorDeleted) {
    if (const char* folder = std::getenv(kProtectedFolderVariable)) {
        qx::SetProgramFolder(folder);
        Start("");
        SaveAndDeleteSlotOne(script);
        return;
    }
    fs::permissions(dir.Folder(), fs::perms::all);
    Put(dir.File("setup.ini"), kDefaults);
    WriteSlotFile(1, "Anna", 500, 1, 2, 1);
    fs::permissions(dir.File("Slot1.save"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = qx::ReadFileBytes(dir.File("Slot1.save"));

    if (::geteuid() != 0) {
        Start("");
        SaveAndDeleteSlotOne(script);
    } else {
        const std::string exe = fs::read_symlink("/proc/self/exe").string();
        const std::string filter = "--gtest_filter=HostileInput.AWriteProtectedSlotIsNeitherOverwrittenNorDeleted";
        const std::string variable = std::string(kProtectedFolderVariable) + "=" + dir.Folder();
        std::vector<std::string> environment = {variable, "QT_QPA_PLATFORM=offscreen", "HOME=/tmp"};
        std::vector<char*> env, args = {const_cast<char*>(exe.c_str()), const_cast<char*>(filter.c_str()), nullptr};
        for (auto& e : environment) env.push_back(e.data());
        env.push_back(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(77);
            ::execve(exe.c_str(), args.data(), env.data());
            ::_exit(78);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot drop root's rights here";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the run as nobody failed (its output is above)";
    }
    EXPECT_EQ(qx::ReadFileBytes(dir.File("Slot1.save")), before);
    EXPECT_TRUE(fs::exists(dir.File("Slot1.save")));
}

// ---------------------------------------------------------------------------
// Counters at their limit

TEST_F(HostileInput, AVictimCounterAtItsLimitWrapsOnTheNextHit) {
    Start();
    PutSlot(dir.File("Slot1.save"), {"Anna", "1000", "2147483647", "2147483647", "1"});
    Click(Find<QPushButton>(Open(Find<QAction>(*Haupt, "Spielladen1"), LadenMenu), "SpeedButton", 1));
    ASSERT_EQ(Haupt->Game().victimCount, 2147483647);
    // Two Victims and one Dragon hit.
    Haupt->SetPlacementSource([] { return Placement{{1, 2, 20, 21, 22}, {3, 11, 12, 13, 14}}; });
    for (int c = 1; c <= 5; ++c) QTest::mouseClick(Find<qx::PictureCell>(*Haupt, "Image", c), Qt::LeftButton);
    Click(Find<QPushButton>(*Haupt, "BombIt"));
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "VictimCount")), "-2147483647");
    EXPECT_EQ(Text(Find<QLabel>(*Haupt, "DragonCount")), "-2147483648");
}

}  // namespace
