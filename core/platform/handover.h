// The ordered hand-over of changes from other threads to the one thread that
// owns them: the connection thread hands its protocol's changes to the
// window's thread, the Avahi thread what it found; the windows hand their jobs
// to the Avahi thread and their requests to the router's; a name lookup hands
// its addresses to the thread that asked. Every hand-over between threads is
// one of these.
//
// Changes are applied on the owning thread in the order they were posted. A
// change posted on the owning thread first applies whatever is still queued,
// then itself, so nothing is ever shown out of order. A change posted on any
// other thread is only queued, and the wake-up callback asks the owning thread
// to call ApplyBatch(); the posting thread never waits for the owner.
//
// The queue is bounded by agreement, not by blocking: a producer asks
// HasRoom() before it takes in more work (the connection thread before it
// reads the next line) and holds back until it is resumed. The owner applies
// in batches bounded in time, so a burst never starves its other events.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace quorvex {

// Changes waiting for the owner beyond which a producer holds back.
inline constexpr std::size_t kHandOverLimit = 256;

// Makes a HandOver owned by the first thread that applies its changes: one
// made by the thread that starts the owner, before the owner runs.
struct OwnedByFirstApplier {};

class HandOver {
public:
    // The thread that constructs it owns it. `wake` is called on the posting
    // thread after each change queued from another thread, and on the owner
    // when a batch leaves changes behind; it must make the owner call
    // ApplyBatch() on a later turn of its event loop. Wake-ups may be merged
    // (a WakeFd does): one batch takes whatever is queued.
    explicit HandOver(std::function<void()> wake, std::size_t limit = kHandOverLimit);
    // The same, owned by the first thread that calls ApplyPending or
    // ApplyBatch; until then every Post only queues and wakes.
    HandOver(OwnedByFirstApplier, std::function<void()> wake, std::size_t limit = kHandOverLimit);

    HandOver(const HandOver&) = delete;
    HandOver& operator=(const HandOver&) = delete;

    // Any thread.
    void Post(std::function<void()> change);
    // ApplyPending and ApplyBatch check that they run on the owning thread:
    // from another one they say so on the error output and abort the process.
    //
    // Owning thread only: applies everything queued so far, including what
    // the changes themselves post, but not what other threads queue
    // meanwhile. A call from inside a change returns at once; the running
    // loop takes the rest.
    void ApplyPending();
    // Owning thread only, from the wake-up: applies queued changes, at least
    // one, until `budget` has passed or none is left; asks for another
    // wake-up when some are left. Returns how many it applied.
    std::size_t ApplyBatch(std::chrono::microseconds budget);
    // Any thread: true while fewer than the limit wait. Otherwise false, and
    // `resume` is called once, on the owning thread, when the queue has come
    // down to half the limit (a later call replaces an earlier `resume`).
    bool HasRoom(std::function<void()> resume);
    // Changes queued and not yet applied.
    std::size_t Backlog() const;
    // Whether the calling thread owns the queue.
    bool OnOwnerThread() const { return std::this_thread::get_id() == owner_.load(); }

private:
    // Claims the queue for the calling thread if nobody owns it yet; aborts
    // when another thread owns it.
    void CheckOwner(const char* caller);
    // Takes the next change; hands out the resume call once there is room again.
    bool TakeNext(std::function<void()>& change, std::function<void()>& resume);

    std::atomic<std::thread::id> owner_;  // none until claimed (OwnedByFirstApplier)
    const std::function<void()> wake_;
    const std::size_t limit_;
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> pending_;
    std::function<void()> resume_;  // a producer holding back
    bool applying_ = false;         // owning thread only
    std::size_t runLeft_ = 0;       // owning thread only: what ApplyPending still takes
};

// A wake-up that an event loop can watch as a file descriptor: Signal() from
// any thread makes Fd() readable until Clear() on the watching thread.
class WakeFd {
public:
    WakeFd();
    ~WakeFd();
    WakeFd(const WakeFd&) = delete;
    WakeFd& operator=(const WakeFd&) = delete;

    int Fd() const { return fd_; }
    void Signal();
    void Clear();

private:
    int fd_;
};

}  // namespace quorvex
