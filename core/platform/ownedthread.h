// Threads with one owner each, who ends them. The owner asks its thread to
// stop (through the thread's hand-over, or a flag the thread reads) and then
// either joins it, or - where the thread may be held inside a library call
// that nothing can interrupt (libdbus under Avahi with a system bus that does
// not answer, a router's socket inside the router libraries, getaddrinfo) -
// leaves it behind on purpose. A thread left behind is counted until it ends,
// so that the end of the process can tell whether one still runs and then not
// run the teardown it could hold up (qx::FinishProcess).
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace quorvex {

// The end of one thread, to wait for.
class ThreadEnd {
public:
    bool Ended() const;
    // True when the thread ended before `deadline`.
    bool WaitUntil(std::chrono::steady_clock::time_point deadline) const;

private:
    friend class OwnedThread;
    void Mark();

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool ended_ = false;
};

class OwnedThread {
public:
    // Starts body on a thread of its own.
    explicit OwnedThread(std::function<void()> body);
    // Leaves the thread behind unless it was joined (see LeaveBehind).
    ~OwnedThread();
    OwnedThread(const OwnedThread&) = delete;
    OwnedThread& operator=(const OwnedThread&) = delete;

    // Waits up to `limit` for the thread to end and joins it; false (and the
    // thread still owned) when it did not end in time.
    bool Join(std::chrono::milliseconds limit);
    // The owner goes without waiting: a thread that has not ended yet runs on
    // alone and is counted until it does.
    void LeaveBehind();
    // The thread's end, which outlives the owner.
    std::shared_ptr<const ThreadEnd> End() const { return end_; }

private:
    std::shared_ptr<ThreadEnd> end_;
    std::thread thread_;
};

// Waits until every thread left behind so far has ended, or until
// `deadline`; true when none of them runs any more.
bool AwaitThreadsLeftBehind(std::chrono::steady_clock::time_point deadline);

}  // namespace quorvex
