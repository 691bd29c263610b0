// Waiting in tests without timed assertions: try a condition until it holds,
// giving up only after a generous limit. Free of Qt, for the core tests; the
// window tests pump their event loop through support/wait.h.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace qxtest {

// Tries `done` until it holds, running `pump` between tries (a short sleep
// without one); false once `limit` has passed.
inline bool WaitUntil(const std::function<bool()>& done, const std::function<void()>& pump = {},
                      std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        if (pump)
            pump();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace qxtest
