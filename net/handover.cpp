#include "net/handover.h"

#include "platform/flagscope.h"

#include <utility>

namespace quorvex {

HandOver::HandOver(std::function<void()> wake) : owner_(std::this_thread::get_id()), wake_(std::move(wake)) {}

void HandOver::Post(std::function<void()> change) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(std::move(change));
    }
    if (OnOwnerThread())
        ApplyPending();
    else if (wake_)
        wake_();
}

void HandOver::ApplyPending() {
    if (applying_) return;  // the running loop below takes the new change too
    qx::FlagScope scope(applying_);  // a change that throws leaves the queue usable
    for (;;) {
        std::function<void()> change;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (pending_.empty()) break;
            change = std::move(pending_.front());
            pending_.pop_front();
        }
        change();
    }
}

}  // namespace quorvex
