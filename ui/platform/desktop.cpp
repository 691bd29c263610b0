#include "ui/platform/desktop.h"

#include "ui/platform/dialogs.h"
#include "core/platform/random.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <atomic>
#include <thread>

namespace qx {

namespace {
std::atomic<int> g_delayDivisor{1};
}

void SetPumpingDelayDivisor(int divisor) { g_delayDivisor = divisor < 1 ? 1 : divisor; }

bool OnUiThread() {
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void PumpingDelay(std::uint16_t ms) {
    ms = static_cast<std::uint16_t>(ms / g_delayDivisor.load());
    if (!OnUiThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms + 1));
        return;
    }
    const std::uint64_t start = TickCount();
    // Sleep in the event loop rather than spin: a timer wakes it at the end.
    while (TickCount() - start <= ms) {
        QEventLoop loop;
        const auto left = static_cast<int>(ms + 1 - (TickCount() - start));
        QTimer::singleShot(left > 0 ? left : 1, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect s = screen->geometry();
    window->move((s.width() - window->width()) / 2, (s.height() - window->height()) / 2);
}

void ShellOpen(const std::string& url) {
    auto* script = ActiveScript();
    if (script) {
        script->openedUrls.push_back(url);
        if (!script->useShell) return;
    }
    // Without a browser (or xdg-open) to start, a click would do nothing at all.
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
        ShowMessageText(QCoreApplication::translate("Desktop", "No web browser could be started for %1\n"
                                                               "Please open the address in a browser yourself.")
                            .arg(QString::fromStdString(url)));
}

}  // namespace qx
