// Help viewer, about box and splash screen on the offscreen platform.
#include "support/forms.h"
#include "ui/game/main.h"
#include "core/game/weblinks.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/language.h"
#include "core/platform/files.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait_until.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <unistd.h>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;

namespace {

using Lines = std::vector<std::string>;

bool WaitFor(const std::function<bool()>& done) {
    return qxtest::WaitUntil(done, [] { QTest::qWait(5); });
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Lines MemoLines(const THelp& help) {
    Lines out;
    for (const QString& l : Find<QPlainTextEdit>(help, "Memo1")->toPlainText().split(QLatin1Char('\n')))
        out.push_back(l.toStdString());
    return out;
}

const Lines kMissingText{"Loading help.txt, please wait...", "", "Could not load help.txt!",
                         "Please obtain an original copy of Quorvex_v13.zip,",
                         "or unpack the zip-file with all included files."};

// The help text is read from the working folder, so each test runs in a fresh one.
struct InFolder {
    explicit InFolder(const std::string& folder) { std::filesystem::current_path(folder); }
    ~InFolder() { std::filesystem::current_path(saved); }
    std::filesystem::path saved = std::filesystem::current_path();
};

class HelpViewer : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(program.Folder()); }

    qxtest::TempDir work, program;
    InFolder cwd{work.Folder()};
    qx::DialogScript script;
};

TEST_F(HelpViewer, LooksInTheWorkingFolderNotBesideTheProgram) {
    WriteFile(program.File("help.txt"), "beside the program\r\n");
    THelp help;
    EXPECT_EQ(MemoLines(help), kMissingText);
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(HelpViewer, ShowsTheFileLinesConvertedFromWindows1252) {
    WriteFile(work.File("help.txt"), "Caf\xe9 \x80" "5\r\nsecond\nthird\rlast");
    THelp help;
    EXPECT_EQ(MemoLines(help), (Lines{"Café €5", "second", "third", "last"}));
    // Loaded once: a later change is not seen by the window already created.
    WriteFile(work.File("help.txt"), "changed\r\n");
    EXPECT_EQ(MemoLines(help).front(), "Café €5");
}

TEST_F(HelpViewer, AnEmptyFileGivesAnEmptyViewer) {
    WriteFile(work.File("help.txt"), "");
    THelp help;
    EXPECT_EQ(Find<QPlainTextEdit>(help, "Memo1")->toPlainText(), QString());
}

// A folder of that name exists but cannot be read as a file, even by root.
TEST_F(HelpViewer, AFileThatCannotBeReadLeavesTheViewerUpAndSaysSo) {
    std::filesystem::create_directory(work.File("help.txt"));
    const Lines lines = MemoLines(THelp());
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Loading help.txt, please wait...");
    EXPECT_NE(lines[2].find("could not be read"), std::string::npos) << lines[2];
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "Could not load help.txt!"), lines.end());
    EXPECT_TRUE(script.boxes.empty());
}

// A link to itself is there as well (as FileExists says), not missing.
TEST_F(HelpViewer, ALinkToItselfIsReportedAsUnreadable) {
    std::filesystem::create_symlink("help.txt", work.File("help.txt"));
    EXPECT_NE(MemoLines(THelp()).at(2).find("could not be read"), std::string::npos);
}

TEST_F(HelpViewer, AFileWithoutReadRightsIsReportedInTheViewer) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read rights";
    WriteFile(work.File("help.txt"), "secret\r\n");
    std::filesystem::permissions(work.File("help.txt"), std::filesystem::perms::none);
    EXPECT_NE(MemoLines(THelp()).at(2).find("could not be read"), std::string::npos);
}

// A file of one long line or of many short ones: the whole text is shown,
// in paragraphs short enough to lay out at once when they come into view.
TEST_F(HelpViewer, LongAndManyLinesAreShownWholeInShortParagraphs) {
    const std::string longLine(1 << 20, 'x');
    std::string manyLines;
    for (int i = 0; i < 20000; ++i) manyLines += "line " + std::to_string(i) + "\r\n";
    for (const std::string& text : {longLine, manyLines}) {
        WriteFile(work.File("help.txt"), text);
        THelp help;
        QString shown;
        for (QTextBlock b = Find<QPlainTextEdit>(help, "Memo1")->document()->begin(); b.isValid(); b = b.next()) {
            EXPECT_LE(b.length(), 2 * 4096);
            shown += b.text();
        }
        shown.remove(QChar(QChar::LineSeparator));
        QString expected = QString::fromLatin1(text);
        expected.remove(QLatin1String("\r\n"));
        EXPECT_EQ(shown, expected);
    }
}

TEST_F(HelpViewer, AFileOver16MBIsReportedAsUnreadable) {
    WriteFile(work.File("help.txt"), "");
    std::filesystem::resize_file(work.File("help.txt"), 16 * 1024 * 1024 + 1);
    const Lines lines = MemoLines(THelp());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_NE(lines[2].find("could not be read"), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find("larger than 16 MB"), std::string::npos) << lines[3];
}

TEST_F(HelpViewer, CtrlHomeAndCtrlEndGoToTheStartAndTheEnd) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += "line\r\n";
    WriteFile(work.File("help.txt"), text);
    THelp help;
    help.show();
    QScrollBar* bar = Find<QPlainTextEdit>(help, "Memo1")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    QTest::keyClick(Find<QPlainTextEdit>(help, "Memo1"), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(Find<QPlainTextEdit>(help, "Memo1"), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
}

class AboutBoxTest : public ::testing::Test {
protected:
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) box.Timer1Timer();
    }
    int Top1() const { return Find<QFrame>(box, "scroller1")->y(); }
    int Top2() const { return Find<QFrame>(box, "scroller2")->y(); }

    qx::DialogScript script;
    TAboutBox box;
};

TEST_F(AboutBoxTest, PanelsMoveUpOnePixelPerTickAndWrapTo440BelowMinus254) {
    ASSERT_EQ(Top1(), 216);
    ASSERT_EQ(Top2(), 568);
    Ticks(470);
    EXPECT_EQ(Top1(), -254);  // not yet below -254
    EXPECT_EQ(Top2(), 98);
    Ticks(1);
    EXPECT_EQ(Top1(), 440);
    EXPECT_EQ(Top2(), 97);
    // One full cycle brings scroller1 back to its start.
    Ticks(224);
    EXPECT_EQ(Top1(), 216);
    Ticks(127);
    EXPECT_EQ(Top2(), -254);
    Ticks(1);
    EXPECT_EQ(Top2(), 440);
}

TEST_F(AboutBoxTest, EveryWayOfClosingStopsAndRewinds) {
    const std::function<void()> ways[] = {
        [this] { QTest::mouseClick(Find<QPushButton>(box, "SpeedButton3"), Qt::LeftButton); },
        [this] { QTest::keyClick(&box, Qt::Key_Escape); }, [this] { box.close(); }};  // the close box
    for (const auto& closeIt : ways) {
        qx::ShowModal(&box);
        Ticks(300);
        Find<QTimer>(box, "Timer1")->start();
        closeIt();
        EXPECT_FALSE(box.isVisible());
        EXPECT_FALSE(Find<QTimer>(box, "Timer1")->isActive());
        EXPECT_EQ(Top1(), 216);
        EXPECT_EQ(Top2(), 568);
    }
}

TEST_F(AboutBoxTest, WebButtonsOpenTheirAddresses) {
    QTest::mouseClick(Find<QPushButton>(box, "SpeedButton2"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(box, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(script.openedUrls, (Lines{kMakerSiteUrl, kAuthorSiteUrl}));
}

TEST_F(AboutBoxTest, WithoutABrowserToStartThePlayerIsTold) {
    qxtest::TempDir empty;
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", empty.Folder().c_str(), 1);  // no xdg-open, no browser
    ::unsetenv("BROWSER");
    ::unsetenv("DEFAULT_BROWSER");
    script.useShell = true;
    QTest::mouseClick(Find<QPushButton>(box, "SpeedButton2"), Qt::LeftButton);
    ::setenv("PATH", path.c_str(), 1);
    const Lines shown = script.Texts(qx::BoxKind::Information);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("No web browser could be started for " + std::string(kMakerSiteUrl), 0), 0u) << shown[0];
}

TEST_F(AboutBoxTest, ButtonCaptionsFitBesideTheirPictures) {
    for (QPushButton* b : {Find<QPushButton>(box, "SpeedButton3"), Find<QPushButton>(box, "SpeedButton2"),
                           Find<QPushButton>(box, "SpeedButton1")}) {
        ASSERT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
        const int need = b->fontMetrics().horizontalAdvance(b->text()) + b->iconSize().width() + 12;
        EXPECT_LE(need, b->width()) << b->text().toStdString();
    }
}

// The whole set of windows, started as the program starts them.
class StartUp : public ::testing::Test {
protected:
    void SetUp() override { qx::SetProgramFolder(dir.Folder()); }
    void TearDown() override { DestroyForms(); }
    void Start(const std::string& settings) {
        WriteFile(dir.File("setup.ini"), settings);
        CreateForms();
        Haupt->show();
    }
    bool SplashShown() const {
        return std::find(script.modals.begin(), script.modals.end(), "SplashScr") != script.modals.end();
    }

    qxtest::TempDir dir;
    InFolder cwd{dir.Folder()};
    qx::DialogScript script;
};

// Built a window at a time, the windows still come in their order, each once,
// and the menu gets them with the last.
TEST_F(StartUp, WindowsBuiltOneAtATimeComeInTheirOrder) {
    WriteFile(dir.File("setup.ini"), "[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=nein\r\n");
    quorvex::Forms& f = qxtest::Windows();
    f.CreateMain();
    const auto made = [&f] {
        return std::vector<const void*>{f.Setup,   f.AboutBox, f.SplashScr, f.SpeicherMenu, f.LadenMenu, f.stat,
                                        f.DelMenu, f.qx_host,  f.qx_client, f.Help,         f.Records};
    };
    for (std::size_t step = 0; step < made().size(); ++step) {
        EXPECT_EQ(f.CreateNext(), step + 1 < made().size()) << step;
        for (std::size_t w = 0; w < made().size(); ++w) EXPECT_EQ(made()[w] != nullptr, w <= step) << step << " " << w;
    }
    EXPECT_FALSE(f.CreateNext());
    // The menu opens the last one made.
    Find<QAction>(*Haupt, "Anleitung1")->trigger();
    EXPECT_EQ(script.modals, std::vector<std::string>{"Help"});
}

TEST_F(StartUp, SplashWithFadeOffLeavesTheWindowOpaqueAtOnce) {
    Start("[Einstellungen]\r\nName=A\r\nSplash=ja\r\nFade=nein\r\n");
    EXPECT_EQ(Haupt->Alpha().Value(), 0);
    ASSERT_TRUE(WaitFor([this] { return SplashShown(); }));
    EXPECT_TRUE(SplashScr->isVisible());
    EXPECT_EQ(Haupt->Alpha().Value(), 0);  // still hidden behind the splash
    // The splash's own one-second timer ends it.
    ASSERT_TRUE(WaitFor([] { return !SplashScr->isVisible(); }));
    EXPECT_EQ(Haupt->Alpha().Value(), 255);
    EXPECT_FALSE(Find<QTimer>(*Haupt, "Timer1")->isActive());
    EXPECT_FALSE(Find<QTimer>(*SplashScr, "Timer1")->isActive());
    EXPECT_TRUE(Haupt->isVisible());
    EXPECT_EQ(std::count(script.modals.begin(), script.modals.end(), "SplashScr"), 1);
}

TEST_F(StartUp, SplashWithFadeOnHandsOverToTheFadeIn) {
    Start("[Einstellungen]\r\nName=A\r\nSplash=ja\r\nFade=ja\r\n");
    ASSERT_TRUE(WaitFor([this] { return SplashShown(); }));
    ASSERT_TRUE(Find<QTimer>(*SplashScr, "Timer1")->isActive());
    EXPECT_FALSE(Find<QTimer>(*Haupt, "Timer1")->isActive());  // no fade while the splash is up
    Find<QTimer>(*SplashScr, "Timer1")->stop();
    SplashScr->Timer1Timer();  // the timer's tick
    EXPECT_FALSE(SplashScr->isVisible());
    EXPECT_TRUE(Haupt->isVisible());
    EXPECT_TRUE(Find<QTimer>(*Haupt, "Timer1")->isActive());
    EXPECT_EQ(Haupt->Alpha().Value(), 0);  // the fade starts from transparent
    ASSERT_TRUE(WaitFor([] { return !Find<QTimer>(*Haupt, "Timer1")->isActive(); }));
    EXPECT_EQ(Haupt->Alpha().Value(), 255);
}

TEST_F(StartUp, MenuOpensHelpAndAboutBoxScrollingFromTheStartEachTime) {
    Start("[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=nein\r\n");
    ASSERT_TRUE(Find<QAction>(*Haupt, "Anleitung1")->isEnabled());
    ASSERT_TRUE(Find<QAction>(*Haupt, "ber1")->isEnabled());
    Find<QAction>(*Haupt, "Anleitung1")->trigger();
    EXPECT_TRUE(Help->isVisible());
    Help->SpeedButton1Click();

    Find<QAction>(*Haupt, "ber1")->trigger();
    ASSERT_TRUE(Find<QTimer>(*AboutBox, "Timer1")->isActive());
    ASSERT_TRUE(WaitFor([] { return Find<QFrame>(*AboutBox, "scroller1")->y() <= 212; }));
    // A click on a line or on either panel pauses, the next resumes.
    QTest::mouseClick(Find<QLabel>(*AboutBox, "StaticText", 2), Qt::LeftButton);
    ASSERT_FALSE(Find<QTimer>(*AboutBox, "Timer1")->isActive());
    const int paused = Find<QFrame>(*AboutBox, "scroller1")->y();
    QTest::qWait(200);
    EXPECT_EQ(Find<QFrame>(*AboutBox, "scroller1")->y(), paused);
    QTest::mouseClick(Find<QFrame>(*AboutBox, "scroller2"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(Find<QTimer>(*AboutBox, "Timer1")->isActive());
    QTest::mouseClick(Find<QLabel>(*AboutBox, "StaticText", 36), Qt::LeftButton);
    EXPECT_FALSE(Find<QTimer>(*AboutBox, "Timer1")->isActive());
    AboutBox->close();

    Find<QAction>(*Haupt, "ber1")->trigger();
    EXPECT_EQ(Find<QFrame>(*AboutBox, "scroller1")->y(), 216);
    EXPECT_EQ(Find<QFrame>(*AboutBox, "scroller2")->y(), 568);
    EXPECT_TRUE(Find<QTimer>(*AboutBox, "Timer1")->isActive());
    EXPECT_TRUE(WaitFor([] { return Find<QFrame>(*AboutBox, "scroller1")->y() < 216; }));
    EXPECT_EQ(script.modals, (Lines{"Help", "AboutBox", "AboutBox"}));
}

// A close from the window system that arrives while a modal dialog is still
// being shown, before it waits, closes it once it waits; it is not lost.
TEST(ModalDialog, ACloseArrivingWhileItIsShownClosesItOnceItWaits) {
    QDialog dialog;
    struct CloseOnShow : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && !sent) {
                sent = true;
                QCloseEvent request;  // as the window system's close reaches the window
                QApplication::sendEvent(static_cast<QWidget*>(watched)->windowHandle(), &request);
            }
            return false;
        }
        bool sent = false;
    } closer;
    dialog.installEventFilter(&closer);
    bool stuck = false;
    // Only ends a dialog that would otherwise wait for ever.
    QTimer::singleShot(30000, &dialog, [&] {
        stuck = true;
        dialog.show();
        dialog.reject();
    });
    qx::ShowModal(&dialog);
    EXPECT_TRUE(closer.sent);
    EXPECT_FALSE(stuck);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.windowHandle() && dialog.windowHandle()->isVisible());
}

}  // namespace

// The language follows the environment in gettext's order; whatever has no
// catalogue that loads, or asks for English, leaves every text the program's own.
TEST(Language, FollowsTheEnvironmentAsGettextDoesAndFallsBackToEnglish) {
    qxtest::TempDir catalogues;
    const QString folder = QString::fromStdString(catalogues.Folder());
    for (const char* language : {"de", "pt_BR"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(":/i18n/quorvex_%1.qm").arg(QLatin1String(language)),
                                folder + QStringLiteral("/quorvex_%1.qm").arg(QLatin1String(language))));
    WriteFile(catalogues.File("quorvex_fr.qm"), "not a catalogue at all");  // broken
    WriteFile(catalogues.File("quorvex_it.qm"), "");                         // empty

    const struct {
        std::map<std::string, std::string> env;
        const char* chosen;
    } cases[] = {
        {{}, ""},
        {{{"LANG", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "de_DE@euro"}}, "de"},
        {{{"LC_MESSAGES", "de_AT.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "de"},
        {{{"LC_ALL", "de_CH.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, "de"},
        {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, ""},
        {{{"LC_ALL", ""}, {"LANG", "de_DE.UTF-8"}}, "de"},  // empty counts as unset
        // LANGUAGE first, but not in the C locale.
        {{{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, "de"},
        {{{"LANGUAGE", "de"}, {"LANG", "C"}}, ""},
        {{{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, ""},
        {{{"LANGUAGE", "de"}}, ""},
        {{{"LANGUAGE", "sv:pt_BR:de"}, {"LANG", "de_DE.UTF-8"}}, "pt_BR"},
        {{{"LANGUAGE", "::de:"}, {"LANG", "sv_SE.UTF-8"}}, "de"},
        {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, ""},  // English asked first
        {{{"LANG", "en_GB.UTF-8"}}, ""},
        // No catalogue, a broken one, an empty one: the next wanted, else English.
        {{{"LANG", "sv_SE.UTF-8"}}, ""},
        {{{"LANG", "pt_PT.UTF-8"}}, ""},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
        {{{"LANG", "fr_FR.UTF-8"}}, ""},
        {{{"LANGUAGE", "fr:it:de"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
    };
    const char* source = "Help text: %1\n";
    for (const auto& c : cases) {
        const auto env = [&c](const char* name) -> const char* {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : c.env) shown += name + "=" + value + " ";
        EXPECT_EQ(qx::InstallLanguage(env, folder).toStdString(), c.chosen) << shown;
        EXPECT_EQ(qx::ShownLanguage(), c.chosen) << shown;
        // English installs nothing: the program's own text, byte for byte.
        const QString text = QCoreApplication::translate("CommandLine", source);
        if (c.chosen[0])
            EXPECT_NE(text, QLatin1String(source)) << shown;
        else
            EXPECT_EQ(text, QLatin1String(source)) << shown;
    }
    qx::InstallLanguage([](const char*) { return nullptr; }, folder);
    EXPECT_EQ(qx::ShownLanguage(), "");
}
