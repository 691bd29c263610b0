// The ordered hand-over of changes to the thread that owns them, and the
// threads' owners.
#include "core/platform/handover.h"
#include "core/platform/ownedthread.h"
#include "core/platform/systemtext.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

using quorvex::HandOver;
using quorvex::OwnedThread;

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

// Applying off the owning thread is a mistake in the program: it stops there.
TEST(HandOverDeathTest, ApplyingOffTheOwningThreadAborts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    HandOver made([] {});
    HandOver claimed(quorvex::OwnedByFirstApplier{}, [] {});
    // Its owner lives on while the others try (a thread's id may be reused once it ends).
    std::promise<void> claim, done;
    std::thread owner([&] {
        claimed.ApplyPending();
        claim.set_value();
        done.get_future().wait();
    });
    claim.get_future().wait();
    for (HandOver* h : {&made, &claimed}) {
        EXPECT_DEATH(std::thread([h] { h->ApplyPending(); }).join(), "HandOver::ApplyPending called off the owning thread");
        EXPECT_DEATH(std::thread([h] { h->ApplyBatch(std::chrono::seconds(1)); }).join(),
                     "HandOver::ApplyBatch called off the owning thread");
    }
    EXPECT_DEATH(claimed.ApplyPending(), "off the owning thread");  // its maker does not own it
    done.set_value();
    owner.join();
}

// Made before its owner runs: until the owner first applies, every post only queues.
TEST(HandOver, OneOwnedByItsFirstApplierQueuesUntilThenAndAppliesItsOwnPostsAtOnceAfter) {
    std::atomic<int> wakes{0};
    Record r;
    HandOver h(quorvex::OwnedByFirstApplier{}, [&] { ++wakes; });
    h.Post(r.Add("queued by its maker"));
    EXPECT_EQ(h.Backlog(), 1u);
    EXPECT_EQ(wakes, 1);
    std::thread([&] {
        EXPECT_FALSE(h.OnOwnerThread());
        h.ApplyPending();
        EXPECT_TRUE(h.OnOwnerThread());
        h.Post(r.Add("the owner's own"));
    }).join();
    EXPECT_EQ(r.seen, (std::vector<std::string>{"queued by its maker", "the owner's own"}));
    EXPECT_EQ(wakes, 1);
}

// A wake-up that cannot be made is an error, not a queue nobody reads.
TEST(WakeFd, ThrowsWhenNoDescriptorIsLeft) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    std::exception_ptr error;
    try {
        quorvex::WakeFd wake;
    } catch (...) {
        error = std::current_exception();
    }
    // The limit back first: the sanitizers' own checks of the error need descriptors.
    ::setrlimit(RLIMIT_NOFILE, &saved);
    bool threw = false;
    try {
        if (error) std::rethrow_exception(error);
    } catch (const qx::SystemError& e) {
        threw = std::string(e.what()).rfind("Could not create an event: ", 0) == 0;
    }
    EXPECT_TRUE(threw);
}

// A thread held where nothing can interrupt it is left behind and counted
// until it ends; one that has ended is joined.
TEST(OwnedThread, AHeldThreadIsLeftBehindAndCountedUntilItEnds) {
    std::mutex mutex;
    std::condition_variable changed;
    bool release = false;
    const auto soon = [] { return std::chrono::steady_clock::now() + std::chrono::milliseconds(20); };
    {
        OwnedThread quick([] {});
        EXPECT_TRUE(quick.Join(std::chrono::seconds(10)));
        EXPECT_TRUE(quick.End()->Ended());
    }
    std::shared_ptr<const quorvex::ThreadEnd> end;
    {
        OwnedThread held([&] {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return release; });
        });
        EXPECT_FALSE(held.Join(std::chrono::milliseconds(0)));
        end = held.End();
    }  // its owner goes without waiting
    EXPECT_FALSE(quorvex::AwaitThreadsLeftBehind(soon()));
    {
        std::lock_guard<std::mutex> lock(mutex);
        release = true;
    }
    changed.notify_all();
    EXPECT_TRUE(quorvex::AwaitThreadsLeftBehind(std::chrono::steady_clock::now() + std::chrono::seconds(10)));
    EXPECT_TRUE(end->Ended());
}
