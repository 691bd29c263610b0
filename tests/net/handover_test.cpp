// The ordered hand-over of changes to the thread that owns a window.
#include "core/platform/handover.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using quorvex::HandOver;

namespace {

// What the owner saw, in the order it saw it; only the owner writes it.
struct Record {
    std::vector<std::string> seen;
    std::function<void()> Add(std::string what) {
        return [this, what = std::move(what)] { seen.push_back(what); };
    }
};

}  // namespace

TEST(HandOver, ChangesOfTheOwnerApplyAtOnceAfterWhatOthersQueuedBefore) {
    std::atomic<int> wakes{0};
    HandOver h([&] { ++wakes; });
    Record r;
    h.Post(r.Add("own 1"));
    EXPECT_EQ(r.seen, std::vector<std::string>{"own 1"});

    std::thread([&] {
        h.Post(r.Add("other 1"));
        h.Post(r.Add("other 2"));
    }).join();
    // Queued only: the other thread never applies and never waits.
    EXPECT_EQ(r.seen, std::vector<std::string>{"own 1"});
    EXPECT_EQ(wakes, 2);

    h.Post(r.Add("own 2"));
    EXPECT_EQ(r.seen, (std::vector<std::string>{"own 1", "other 1", "other 2", "own 2"}));
    h.ApplyPending();  // nothing left
    EXPECT_EQ(r.seen.size(), 4u);
    EXPECT_EQ(wakes, 2);  // the owner's own changes need no wake-up
}

TEST(HandOver, AChangePostedByAChangeRunsAfterItNotInsideIt) {
    HandOver h([] {});
    Record r;
    h.Post([&] {
        r.seen.push_back("outer begins");
        h.Post(r.Add("inner"));
        h.ApplyPending();  // returns at once: the running loop takes it
        r.seen.push_back("outer ends");
    });
    EXPECT_EQ(r.seen, (std::vector<std::string>{"outer begins", "outer ends", "inner"}));
}

TEST(HandOver, AThrowingChangeLeavesTheRestQueuedAndTheQueueUsable) {
    HandOver h([] {});
    Record r;
    std::thread([&] {
        h.Post([] { throw std::runtime_error("broken change"); });
        h.Post(r.Add("after"));
    }).join();
    EXPECT_THROW(h.ApplyPending(), std::runtime_error);
    EXPECT_TRUE(r.seen.empty());
    h.ApplyPending();
    EXPECT_EQ(r.seen, std::vector<std::string>{"after"});
}

// Several threads post while the owner applies whenever it is woken: every
// change is applied once, on the owner, and each thread's changes in the
// order that thread posted them. Run under ThreadSanitizer as well.
TEST(HandOver, ManyPostingThreadsKeepTheirOrderOnTheOwner) {
    constexpr int kThreads = 4;
    constexpr int kChanges = 2000;
    std::mutex m;
    std::condition_variable cv;
    int wakes = 0;
    HandOver h([&] {
        std::lock_guard<std::mutex> lock(m);
        ++wakes;
        cv.notify_one();
    });
    const auto owner = std::this_thread::get_id();
    std::vector<int> next(kThreads, 0);  // owner only
    int applied = 0;                     // owner only
    bool inOrder = true, onOwner = true;

    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t)
        posters.emplace_back([&, t] {
            for (int i = 0; i < kChanges; ++i)
                h.Post([&, t, i] {
                    onOwner = onOwner && std::this_thread::get_id() == owner;
                    inOrder = inOrder && next[static_cast<std::size_t>(t)] == i;
                    next[static_cast<std::size_t>(t)] = i + 1;
                    ++applied;
                });
        });
    while (applied < kThreads * kChanges) {
        {
            std::unique_lock<std::mutex> lock(m);
            cv.wait(lock, [&] { return wakes > 0; });
            wakes = 0;
        }
        h.ApplyPending();
    }
    for (auto& p : posters) p.join();
    h.ApplyPending();
    EXPECT_EQ(applied, kThreads * kChanges);
    EXPECT_TRUE(inOrder);
    EXPECT_TRUE(onOwner);
}

TEST(HandOver, AProducerHoldsBackAtTheLimitTheOwnerTakesBatchesAndResumesItAtHalf) {
    std::atomic<int> wakes{0}, resumed{0};
    HandOver h([&] { ++wakes; }, 4);
    Record r;
    std::vector<bool> room;
    std::thread([&] {
        for (int i = 0; i < 5; ++i) {
            room.push_back(h.HasRoom([&] { ++resumed; }));
            if (room.back()) h.Post(r.Add(std::to_string(i)));
        }
    }).join();
    EXPECT_EQ(room, (std::vector<bool>{true, true, true, true, false}));
    wakes = 0;
    EXPECT_EQ(h.ApplyBatch(std::chrono::microseconds(0)), 1u);  // out of time after one: 3 left
    EXPECT_EQ(wakes, 1);                                         // the rest on the next turn
    EXPECT_EQ(resumed, 0);
    EXPECT_EQ(h.ApplyBatch(std::chrono::seconds(60)), 3u);
    EXPECT_EQ(resumed, 1);  // once, at half the limit
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(r.seen, (std::vector<std::string>{"0", "1", "2", "3"}));
}
