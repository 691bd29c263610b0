#include "ui/platform/session.h"

#include "ui/platform/dialogs.h"

#include "core/platform/ownedthread.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace qx {

namespace {
// How long the end waits for threads left behind: one that is not held ends
// within milliseconds of being asked to.
constexpr std::chrono::milliseconds kLeftBehindGrace{250};

// The handler may only do async-signal-safe things: it writes the signal's
// number into a pipe, and the user-interface thread reads it from there.
int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_received = 0;
bool g_requested = false;  // on the user-interface thread

void OnSignal(int sig) {
    if (g_received != 0) {
        // A second request while the game closes: stop now, as the signal would.
        std::signal(sig, SIG_DFL);
        std::raise(sig);
        return;
    }
    g_received = sig;
    const int saved = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}
}  // namespace

void CloseOnSessionEnd(std::function<void()> close) {
    auto* app = QCoreApplication::instance();
    if (!app || g_pipe[0] >= 0) return;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto run = [close = std::move(close)] {
        if (g_requested) return;
        g_requested = true;
        StopWaitingForAnswers();
        close();
    };
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [run] {
        char buffer[16];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        run();
    });
#if QT_CONFIG(sessionmanager)
    if (auto* gui = qobject_cast<QGuiApplication*>(app))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, app, [run](QSessionManager&) { run(); });
#endif
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &action, nullptr);
}

bool SessionEndRequested() { return g_requested; }

int FinishProcess(int code) {
    const bool alone = quorvex::AwaitThreadsLeftBehind(std::chrono::steady_clock::now() + kLeftBehindGrace);
    const bool wayland = qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (!alone || wayland) {
        // Nothing is left to release that the process's end does not: the
        // windows are gone, the statistics and settings are on disk.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

}  // namespace qx
