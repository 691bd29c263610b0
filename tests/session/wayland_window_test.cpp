// The whole set of windows on the Wayland platform, against a headless weston
// (started by under-weston.sh). Any message Qt prints fails the test.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/session.h"
#include "ui/savegames/delsaves.h"
#include "ui/savegames/load.h"
#include "ui/savegames/save.h"
#include "ui/settings/einstellungen.h"
#include "ui/stats/statistik.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"
#include "ui/windows/about.h"
#include "ui/windows/hilfe.h"
#include "ui/windows/splash.h"

#include <QAction>
#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <gtest/gtest.h>

#include <fstream>
#include <mutex>
#include <string>
#include <vector>

using namespace quorvex;
using namespace qxtest;
using qxtest::Find;

namespace {

std::mutex g_messagesLock;
std::vector<std::string> g_messages;

void Record(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    std::lock_guard<std::mutex> lock(g_messagesLock);
    g_messages.push_back(text.toStdString());
}

// Counts what happens to a window's native window after it was made.
struct NativeWatch : QObject {
    int made = 0;
    int destroyed = 0;
    int hidden = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::PlatformSurface) {
            const auto kind = static_cast<QPlatformSurfaceEvent*>(e)->surfaceEventType();
            ++(kind == QPlatformSurfaceEvent::SurfaceCreated ? made : destroyed);
        }
        if (e->type() == QEvent::Hide) ++hidden;
        return false;
    }
    // The one native window stayed: never made again, destroyed or hidden.
    bool Untouched() const { return made == 0 && destroyed == 0 && hidden == 0; }
};

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class OnWayland : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName().toStdString(), "wayland");
        qx::SetProgramFolder(dir.Folder());
        std::lock_guard<std::mutex> lock(g_messagesLock);
        g_messages.clear();
    }
    void TearDown() override {
        DestroyForms();
        std::lock_guard<std::mutex> lock(g_messagesLock);
        for (const auto& m : g_messages) ADD_FAILURE() << "Qt printed: " << m;
    }
    // Starts as the program does: every window, then the main window shown.
    void Start(const char* settings) {
        if (settings) std::ofstream(dir.File("setup.ini"), std::ios::binary) << settings;
        CreateForms();
        // The main window has its native window from creation on.
        ASSERT_NE(Haupt->windowHandle(), nullptr);
        ASSERT_NE(Haupt->windowHandle()->handle(), nullptr);
        nativeId = Haupt->winId();
        Haupt->windowHandle()->installEventFilter(&watch);
        Haupt->show();
    }
    bool Shown(const char* name) const {
        return std::find(script.modals.begin(), script.modals.end(), name) != script.modals.end();
    }

    qxtest::TempDir dir;
    qx::DialogScript script;
    NativeWatch watch;
    WId nativeId = 0;
};

TEST_F(OnWayland, FirstStartShowsTheSplashOverAHeldBackMainWindowThenFadesItIn) {
    Start(nullptr);  // no settings yet: splash and fade on
    EXPECT_EQ(Haupt->Alpha().Shows(), qx::AlphaBlend::Mode::Contents);
    EXPECT_TRUE(Haupt->testAttribute(Qt::WA_TranslucentBackground));
    ASSERT_TRUE(qxtest::WaitFor([this] { return Shown("SplashScr"); }));
    ASSERT_NE(SplashScr->windowHandle(), nullptr);
    EXPECT_EQ(SplashScr->windowHandle()->transientParent(), Haupt->windowHandle());
    // Transparent, so not there at all: never beside the splash.
    EXPECT_EQ(Haupt->Alpha().Value(), 0);
    EXPECT_FALSE(Haupt->isVisible());
    // The splash's second ends, the window appears as the value rises and climbs to 255.
    ASSERT_TRUE(qxtest::WaitFor([] { return !SplashScr->isVisible(); }));
    ASSERT_TRUE(qxtest::WaitFor([] { return !Find<QTimer>(*Haupt, "Timer1")->isActive(); }));
    EXPECT_EQ(Haupt->Alpha().Value(), 255);
    EXPECT_TRUE(Haupt->isVisible());
    EXPECT_TRUE(watch.Untouched());
    EXPECT_EQ(Haupt->winId(), nativeId);
}

TEST_F(OnWayland, EveryWindowOfTheMenuBelongsToTheMainWindow) {
    Start("[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=nein\r\n");
    ASSERT_TRUE(qxtest::WaitFor([] { return Haupt->isVisible(); }));
    const Qt::WindowFlags flags = Haupt->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    Haupt->N1Spieler1Click();  // so that "Save game" is enabled
    const std::vector<std::pair<QAction*, QWidget*>> entries = {
        {Find<QAction>(*Haupt, "PlayerStat1"), qxtest::stat},
        {Find<QAction>(*Haupt, "Konfiguration1"), qxtest::Setup},
        {Find<QAction>(*Haupt, "Spielladen1"), LadenMenu},
        {Find<QAction>(*Haupt, "Spielsichern1"), SpeicherMenu},
        {Find<QAction>(*Haupt, "managesavnes1"), DelMenu},
        {Find<QAction>(*Haupt, "Spielbeitreten1"), qx_host},
        {Find<QAction>(*Haupt, "Joingame1"), qx_client},
        {Find<QAction>(*Haupt, "Anleitung1"), Help},
        {Find<QAction>(*Haupt, "ber1"), AboutBox},
    };
    for (const auto& [entry, window] : entries) {
        SCOPED_TRACE(window->objectName().toStdString());
        entry->trigger();
        ASSERT_TRUE(qxtest::WaitFor([w = window] { return w->isVisible(); }));
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), Haupt->windowHandle());
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());  // fixed size
        window->hide();
    }
    EXPECT_TRUE(watch.Untouched());
    EXPECT_EQ(Haupt->winId(), nativeId);
}

TEST_F(OnWayland, ClosingFadesOutAndWritesTheStatistics) {
    Start("[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=ja\r\n");
    ASSERT_TRUE(qxtest::WaitFor([] { return Haupt->Alpha().Value() == 255; }));
    ASSERT_TRUE(Haupt->isVisible());
    EXPECT_TRUE(watch.Untouched());
    EXPECT_TRUE(Haupt->close());
    const auto lines = Lines(dir.File("Quorvex.stat"));
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0].size(), 161u);  // 160 digits and the CR
    EXPECT_EQ(watch.made, 0);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(Record);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex v1.3"));
    ::testing::InitGoogleTest(&argc, argv);
    return qx::FinishProcess(RUN_ALL_TESTS());
}
