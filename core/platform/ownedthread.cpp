#include "core/platform/ownedthread.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvex {

namespace {

struct LeftBehind {
    std::mutex mutex;
    std::vector<std::shared_ptr<const ThreadEnd>> ends;
};

// Never destroyed: threads may be left behind until the process's very end.
LeftBehind& Registry() {
    static auto* registry = new LeftBehind;
    return *registry;
}

}  // namespace

bool ThreadEnd::Ended() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return ended_;
}

bool ThreadEnd::WaitUntil(std::chrono::steady_clock::time_point deadline) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_until(lock, deadline, [this] { return ended_; });
}

void ThreadEnd::Mark() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
}

OwnedThread::OwnedThread(std::function<void()> body) : end_(std::make_shared<ThreadEnd>()) {
    thread_ = std::thread([end = end_, body = std::move(body)]() mutable {
        // Whatever the body holds goes before its end is told.
        std::exchange(body, nullptr)();
        end->Mark();
    });
}

OwnedThread::~OwnedThread() { LeaveBehind(); }

bool OwnedThread::Join(std::chrono::milliseconds limit) {
    if (!thread_.joinable()) return true;
    if (!end_->WaitUntil(std::chrono::steady_clock::now() + limit)) return false;
    thread_.join();
    return true;
}

void OwnedThread::LeaveBehind() {
    if (!thread_.joinable()) return;
    if (end_->Ended()) {
        thread_.join();
        return;
    }
    thread_.detach();
    LeftBehind& registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    registry.ends.push_back(end_);
}

bool AwaitThreadsLeftBehind(std::chrono::steady_clock::time_point deadline) {
    LeftBehind& registry = Registry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    auto& ends = registry.ends;
    for (const auto& end : ends) end->WaitUntil(deadline);
    ends.erase(std::remove_if(ends.begin(), ends.end(), [](const auto& end) { return end->Ended(); }), ends.end());
    return ends.empty();
}

}  // namespace quorvex
