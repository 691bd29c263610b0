#include "core/platform/handover.h"

#include "core/platform/errnotext.h"
#include "core/platform/flagscope.h"
#include "core/platform/systemtext.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace quorvex {

HandOver::HandOver(std::function<void()> wake, std::size_t limit)
    : owner_(std::this_thread::get_id()), wake_(std::move(wake)), limit_(limit < 2 ? 2 : limit) {}

HandOver::HandOver(OwnedByFirstApplier, std::function<void()> wake, std::size_t limit)
    : owner_(std::thread::id()), wake_(std::move(wake)), limit_(limit < 2 ? 2 : limit) {}

void HandOver::CheckOwner(const char* caller) {
    std::thread::id owner;  // none: the first caller takes it
    if (owner_.compare_exchange_strong(owner, std::this_thread::get_id()) || owner == std::this_thread::get_id())
        return;
    // Applying on two threads would run the changes out of order and race
    // with the owner's own state: a mistake in the program, never to go on from.
    std::fprintf(stderr, "HandOver::%s called off the owning thread\n", caller);
    std::abort();
}

void HandOver::Post(std::function<void()> change) {
    std::size_t queued;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(std::move(change));
        queued = pending_.size();
    }
    if (OnOwnerThread()) {
        if (applying_) runLeft_ = queued;  // the running loop goes on up to this change
        ApplyPending();
    }
    else if (wake_)
        wake_();
}

bool HandOver::TakeNext(std::function<void()>& change, std::function<void()>& resume) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pending_.empty()) return false;
    change = std::move(pending_.front());
    pending_.pop_front();
    if (resume_ && pending_.size() <= limit_ / 2) resume = std::move(resume_), resume_ = nullptr;
    return true;
}

void HandOver::ApplyPending() {
    CheckOwner("ApplyPending");
    if (applying_) return;  // the running loop below takes the new change too
    qx::FlagScope scope(applying_);  // a change that throws leaves the queue usable
    // Only what is queued now: a producer that keeps refilling the queue
    // would otherwise hold the owner here for as long as it sends.
    runLeft_ = Backlog();
    std::function<void()> change, resume;
    while (runLeft_ > 0 && TakeNext(change, resume)) {
        --runLeft_;
        if (resume) std::exchange(resume, nullptr)();
        change();
    }
}

std::size_t HandOver::ApplyBatch(std::chrono::microseconds budget) {
    CheckOwner("ApplyBatch");
    if (applying_) return 0;  // the running loop takes them
    // Whatever is left - the budget ran out, or a change threw - gets the next turn.
    struct Rest {
        HandOver& h;
        ~Rest() {
            if (h.Backlog() > 0 && h.wake_) h.wake_();
        }
    } rest{*this};
    qx::FlagScope scope(applying_);
    const auto end = std::chrono::steady_clock::now() + budget;
    std::size_t applied = 0;
    std::function<void()> change, resume;
    while (TakeNext(change, resume)) {
        if (resume) std::exchange(resume, nullptr)();
        ++applied;
        change();
        if (std::chrono::steady_clock::now() >= end) break;
    }
    return applied;
}

bool HandOver::HasRoom(std::function<void()> resume) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pending_.size() < limit_) return true;
    resume_ = std::move(resume);
    return false;
}

std::size_t HandOver::Backlog() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return pending_.size();
}

WakeFd::WakeFd() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (fd_ < 0) throw qx::SystemError("Could not create an event: " + qx::ErrnoText(errno) + ".");
}

WakeFd::~WakeFd() { ::close(fd_); }

void WakeFd::Signal() {
    const std::uint64_t one = 1;
    // A full counter is still readable: nothing to retry.
    while (::write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WakeFd::Clear() {
    std::uint64_t count;
    while (::read(fd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

}  // namespace quorvex
