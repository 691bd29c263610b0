// Waiting in window tests: run the event loop until a condition holds,
// giving up only after a generous limit (support/wait_until.h).
#pragma once

#include "support/wait_until.h"
#include "ui/platform/desktop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <functional>

namespace qxtest {

// Runs the event loop until `done` holds; false after `ms` milliseconds.
// The loop sleeps until an event comes, so `done` is asked once after each
// batch the windows handle, and at least every 10 ms for what another thread
// or process changes without an event. Asking every 2 ms in a busy loop
// spent most of a long wait's CPU on the question (a whole log converted).
inline bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
    QTimer wake;
    wake.start(10);
    return WaitUntil(
        done, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }, std::chrono::milliseconds(ms));
}

// A whole game at a quicker pace: the sending of a battlefield looks for each
// confirmation every 10 ms rather than every 250 ms; the rest is unchanged.
struct QuickWaits {
    QuickWaits() { qx::SetPumpingDelayDivisor(25); }
    ~QuickWaits() { qx::SetPumpingDelayDivisor(1); }
    QuickWaits(const QuickWaits&) = delete;
    QuickWaits& operator=(const QuickWaits&) = delete;
};

}  // namespace qxtest
