// Close requests as a window manager sends them (WM_DELETE_WINDOW, by
// tools/wmclose) to the real windows on the X11 platform, under Xvfb with
// openbox (started by the test command), or asked of openbox by wmctrl. A driver thread acts as the player's
// desktop: it opens a window through the game's own loop, waits until the X
// server shows it, asks it to close and watches whether it goes; the user
// interface thread only runs the game's loops, nested ones included.
#include "support/forms.h"
#include "ui/game/main.h"
#include "ui/net/multiclient.h"
#include "ui/net/multihost.h"
#include "ui/platform/dialogs.h"
#include "core/platform/files.h"
#include "ui/platform/session.h"
#include "support/controls.h"
#include "support/tempdir.h"
#include "support/wait.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <X11/Xlib.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

using namespace quorvex;
using namespace qxtest;

namespace {

constexpr int kRounds = 200;

// Runs f on the user interface thread, in whichever of its loops turns next,
// and waits for it.
template <class F>
auto OnUi(F f) {
    decltype(f()) result{};
    QMetaObject::invokeMethod(qApp, [&] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
}
void PostUi(std::function<void()> f) { QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection); }

// Polls from the driver's thread until done holds; false after ms.
bool Poll(const std::function<bool()>& done, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The X server's own view of a window, on a connection of the driver's.
class XView {
public:
    XView() : dpy_(XOpenDisplay(nullptr)) {
        // A box's window is gone with the box: asking after it is no error.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~XView() {
        if (dpy_) XCloseDisplay(dpy_);
    }
    bool Viewable(WId w) {
        XWindowAttributes a{};
        return XGetWindowAttributes(dpy_, static_cast<Window>(w), &a) && a.map_state == IsViewable;
    }
    // Polls the server until the window is (or is no longer) shown; false after ms.
    bool WaitViewable(WId w, bool shown, int ms) {
        return Poll([&] { return Viewable(w) == shown; }, ms);
    }

private:
    Display* dpy_;
};

// The close box: the window manager's message, straight from the tool beside
// the test program, or the manager asked to close the window (wmctrl), which
// it does only for a window it manages.
bool SendClose(WId w, bool viaManager) {
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(w));
    if (viaManager) return std::system((std::string("wmctrl -i -c ") + id).c_str()) == 0;
    return std::system((std::string(WMCLOSE_PROGRAM) + " " + id).c_str()) == 0;
}

// One state to close a window in: how the driver brings it about (on the user
// interface thread, where it may run a nested loop), and which window the close
// request goes to.
struct CloseCase {
    const char* what;
    std::function<void()> open;       // posted; may not return until the window closes
    std::function<QWidget*()> target;  // the window asked to close, once it shows
    std::function<bool()> gone;        // true once the close has been taken
};

// A window the toolkit holds hidden but the X server still shows: shown and
// hidden again, so the next round begins alike.
void Recover(QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
        dialog->reject();
    } else if (w) {
        w->show();
        w->hide();
    }
}

class X11Close : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb");
        qx::SetProgramFolder(dir.Folder());
        std::ofstream(dir.File("setup.ini"), std::ios::binary)
            << "[Einstellungen]\r\nName=A\r\nSplash=nein\r\nFade=ja\r\n";
        CreateForms();
        Haupt->show();
        ASSERT_TRUE(WaitFor([] { return Haupt->windowHandle() && Haupt->windowHandle()->isExposed(); }));
    }
    void TearDown() override { DestroyForms(); }

    // Opens and closes the case's window kRounds times; the rounds whose close
    // was not taken (the window is then closed by hand, so the next round starts alike).
    int Misses(const CloseCase& c) {
        std::atomic<bool> done{false};
        int misses = 0;
        std::thread driver([&] {
            XView x;
            for (int round = 0; round < kRounds; ++round) {
                std::atomic<bool> open{true};
                PostUi([&] {
                    c.open();
                    open = false;
                });
                WId id = 0;
                for (int i = 0; i < 10000 && !id; ++i) {
                    id = OnUi([&] {
                        QWidget* w = c.target();
                        return w && w->isVisible() ? w->winId() : WId(0);
                    });
                    if (!id) std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
                // The request comes at every moment of the showing: while the
                // window is still being mapped, as it appears, and a little after.
                const int moment = round % 3;
                if (!id || (moment > 0 && !x.WaitViewable(id, true, 20000))) {
                    ADD_FAILURE() << c.what << ": round " << round << " did not show its window";
                    break;
                }
                if (moment == 2) std::this_thread::sleep_for(std::chrono::milliseconds(round % 7));
                // Every other three rounds through the window manager.
                if (!SendClose(id, (round / 3) % 2 == 1)) {
                    ADD_FAILURE() << c.what << ": round " << round << ": wmclose failed";
                    break;
                }
                // Taken: the toolkit has closed the window and the X server shows
                // it no more. Generous: a close is taken at once; this only tells a lost one.
                if (!Poll([&] { return OnUi(c.gone); }, 15000) || !x.WaitViewable(id, false, 15000)) {
                    ++misses;
                    // What the toolkit and the X server hold of the window by now.
                    const bool shown = OnUi([&] {
                        QWidget* w = c.target();
                        return w && w->isVisible();
                    });
                    std::fprintf(stderr, "%s: round %d (moment %d): the close was not taken; the window is %s, %s\n",
                                 c.what, round, moment, shown ? "shown" : "hidden",
                                 x.Viewable(id) ? "mapped" : "not mapped");
                    OnUi([&] { return Recover(c.target()), true; });
                }
                // The window's loop has ended before the next opening.
                while (open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            done = true;
        });
        WaitFor([&] { return done.load(); }, 600000);
        driver.join();
        return misses;
    }

    qxtest::TempDir dir;
};

// The window of each state, asked to close from its first moment on screen.
QWidget* ClientWindow() { return qx_client; }
QWidget* OpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}
QWidget* HostUnderItsMenu() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu && menu->isVisible() ? static_cast<QWidget*>(qx_host) : nullptr;
}
void OpenServerNameMenu() {
    QLineEdit* field = Find<QLineEdit>(*qx_host, "servername");
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, field->rect().center(), field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &menu);
}

// As the player opens a window: the entry chosen by the keyboard in the open
// Multiplayer menu, so that the window's loop runs inside the menu's activation.
void ChooseFromMenu(const char* entry) {
    auto* menu = Find<QMenu>(*Haupt, "Multiplayer2");
    menu->popup(Haupt->mapToGlobal(QPoint(0, 0)));
    menu->setActiveAction(Find<QAction>(*Haupt, entry));
    QTest::keyClick(menu, Qt::Key_Return);
}

TEST_F(X11Close, EveryCloseRequestIsTaken) {
    const CloseCase cases[] = {
        {"the idle client window", [] { Haupt->Joingame1Click(); }, ClientWindow,
         [] { return !qx_client->isVisible(); }},
        {"the client window chosen from the menu", [] { ChooseFromMenu("Joingame1"); }, ClientWindow,
         [] { return !qx_client->isVisible(); }},
        {"the client window while the main window fades in",
         [] {
             Haupt->Alpha().SetValue(0);
             Find<QTimer>(*Haupt, "Timer1")->start();
             Haupt->Joingame1Click();
         },
         ClientWindow, [] { return !qx_client->isVisible(); }},
        // The menu opens inside the host window's loop and runs its own.
        {"the host window with its server name's menu open",
         [] {
             QTimer::singleShot(0, qx_host, OpenServerNameMenu);
             ChooseFromMenu("Spielbeitreten1");
         },
         HostUnderItsMenu, [] { return !qx_host->isVisible(); }},
        // A box over the client window; the window goes when the box has.
        {"a box",
         [] {
             QTimer::singleShot(0, qx_client, [] {
                 qx::ShowMessageText(QStringLiteral("Box"), qx_client);
                 qx_client->close();
             });
             Haupt->Joingame1Click();
         },
         OpenBox, [] { return !OpenBox(); }},
    };
    for (const CloseCase& c : cases) EXPECT_EQ(Misses(c), 0) << c.what;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex v1.3"));
    ::testing::InitGoogleTest(&argc, argv);
    return qx::FinishProcess(RUN_ALL_TESTS());
}
