// The ordered hand-over of changes from other threads to the one thread that
// owns a window (the host's connection thread hands its protocol's changes to
// the user-interface thread this way).
//
// Changes are applied on the owning thread in the order they were posted. A
// change posted on the owning thread first applies whatever is still queued,
// then itself, so nothing is ever shown out of order. A change posted on any
// other thread is only queued, and the wake-up callback asks the owning thread
// to call ApplyPending(); the posting thread never waits for the owner.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace quorvex {

class HandOver {
public:
    // The thread that constructs it owns it. `wake` is called on the posting
    // thread after each change queued from another thread; it must make the
    // owner call ApplyPending() soon (a queued call into its event loop).
    explicit HandOver(std::function<void()> wake);

    HandOver(const HandOver&) = delete;
    HandOver& operator=(const HandOver&) = delete;

    // Any thread.
    void Post(std::function<void()> change);
    // Owning thread only: applies everything queued so far, including what
    // the changes themselves post. A call from inside a change returns at
    // once; the running loop takes the rest.
    void ApplyPending();
    // Whether the calling thread owns the queue.
    bool OnOwnerThread() const { return std::this_thread::get_id() == owner_; }

private:
    const std::thread::id owner_;
    const std::function<void()> wake_;
    std::mutex mutex_;
    std::deque<std::function<void()>> pending_;
    bool applying_ = false;  // owning thread only
};

}  // namespace quorvex
