// Waiting in tests without timed assertions: run the event loop until a
// condition holds, giving up only after a generous limit.
#pragma once

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <thread>

namespace qxtest {

// Runs the event loop until `done` holds; false after `ms` milliseconds.
inline bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace qxtest
