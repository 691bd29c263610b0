// Waiting in window tests: run the event loop until a condition holds,
// giving up only after a generous limit (support/wait_until.h).
#pragma once

#include "support/wait_until.h"
#include "ui/platform/desktop.h"

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <thread>

namespace qxtest {

// Runs the event loop until `done` holds; false after `ms` milliseconds.
inline bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
    return WaitUntil(
        done,
        [] {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        },
        std::chrono::milliseconds(ms));
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
