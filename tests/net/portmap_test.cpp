// The port mapper's own thread against a router double: requests carried out
// in order, a stop that never waits for a slow router, renewal, and removal
// at the end. The real protocols are tried against miniupnpd (net_router).
#include "net/portmap.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

using namespace quorvex;
using Lines = std::vector<std::string>;

namespace {

// What the router double was asked, and what the mapper reported.
struct Record {
    std::mutex mutex;
    std::condition_variable released;
    bool gateOpen = true;  // false: Open blocks until Release()
    bool inOpen = false;
    RouterAnswer answer;
    std::vector<bool> renewals;  // what successive renewals answer; then true
    Lines calls, reports;

    void Release() {
        std::lock_guard<std::mutex> lock(mutex);
        gateOpen = true;
        released.notify_all();
    }
    Lines Calls() {
        std::lock_guard<std::mutex> lock(mutex);
        return calls;
    }
    Lines Reports() {
        std::lock_guard<std::mutex> lock(mutex);
        return reports;
    }
};

class DoubleRouter : public Router {
public:
    explicit DoubleRouter(Record& r) : r_(r) {}
    RouterAnswer Open(int port, int leaseSeconds) override {
        std::unique_lock<std::mutex> lock(r_.mutex);
        r_.calls.push_back("open " + std::to_string(port) + " for " + std::to_string(leaseSeconds));
        r_.inOpen = true;
        r_.released.wait(lock, [this] { return r_.gateOpen; });
        return r_.answer;
    }
    bool Renew() override {
        std::lock_guard<std::mutex> lock(r_.mutex);
        r_.calls.push_back("renew");
        if (r_.renewals.empty()) return true;
        const bool ok = r_.renewals.front();
        r_.renewals.erase(r_.renewals.begin());
        return ok;
    }
    void Close() override {
        std::lock_guard<std::mutex> lock(r_.mutex);
        r_.calls.push_back("close");
    }

private:
    Record& r_;
};

class PortMapperTest : public ::testing::Test {
protected:
    PortMapperTest() {
        record.answer.open = true;
        record.answer.externalAddress = "198.51.100.7";
        record.answer.leaseSeconds = 3600;
    }
    std::unique_ptr<PortMapper> Make(int lease = 3600) {
        return std::make_unique<PortMapper>([this] { return std::make_unique<DoubleRouter>(record); },
                                            [this](const std::string& text) {
                                                std::lock_guard<std::mutex> lock(record.mutex);
                                                record.reports.push_back(text);
                                            },
                                            lease);
    }
    bool ReportsAre(const Lines& expected) {
        return qxtest::WaitUntil([&] { return record.Reports() == expected; });
    }
    Record record;
};

const std::string kOpen = "Router: port 9999 open at 198.51.100.7";
const std::string kClosed = "Router: port 9999 closed";

TEST_F(PortMapperTest, OpensThenRemovesTheMappingInOrder) {
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({kOpen}));
    mapper->Close();
    ASSERT_TRUE(ReportsAre({kOpen, kClosed}));
    EXPECT_EQ(record.Calls(), (Lines{"open 9999 for 3600", "close"}));
}

TEST_F(PortMapperTest, AStopDuringASlowDiscoveryReturnsAtOnceAndTheMappingGoesWhenTheRouterAnswers) {
    record.gateOpen = false;
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(qxtest::WaitUntil([&] {
        std::lock_guard<std::mutex> lock(record.mutex);
        return record.inOpen;
    }));
    // The router still has not answered; neither call waits for it.
    mapper->Close();
    mapper->Open(9999);
    mapper->Close();
    EXPECT_TRUE(record.Reports().empty());
    record.Release();
    ASSERT_TRUE(ReportsAre({kOpen, kClosed}));
    // The second start was over before the router could be asked: nothing asked for it.
    EXPECT_EQ(record.Calls(), (Lines{"open 9999 for 3600", "close"}));
}

TEST_F(PortMapperTest, RenewsTheLeaseAndAsksAgainWhenTheRouterForgotTheMapping) {
    record.answer.leaseSeconds = 2;  // renewed every second
    record.renewals = {false};
    auto mapper = Make(2);
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({kOpen, kOpen}));
    ASSERT_TRUE(qxtest::WaitUntil([&] { return record.Calls().size() >= 4; }));
    const Lines calls = record.Calls();
    EXPECT_EQ(Lines(calls.begin(), calls.begin() + 4),
              (Lines{"open 9999 for 2", "renew", "open 9999 for 2", "renew"}));
}

TEST_F(PortMapperTest, TheEndOfTheProgramRemovesTheMappingWithoutReporting) {
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({kOpen}));
    mapper.reset();
    EXPECT_EQ(record.Calls(), (Lines{"open 9999 for 3600", "close"}));
    EXPECT_EQ(record.Reports(), Lines{kOpen});
}

TEST_F(PortMapperTest, NothingOpenedIsNothingToRemove) {
    record.answer = RouterAnswer{};
    record.answer.reason = "no router answered";
    auto mapper = Make();
    mapper->Open(9999);
    ASSERT_TRUE(ReportsAre({"Router: no port opened (no router answered)"}));
    mapper->Close();
    mapper.reset();
    EXPECT_EQ(record.Calls(), Lines{"open 9999 for 3600"});
}

struct TextCase {
    RouterAnswer answer;
    const char* text;
};

class RouterTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RouterTextTest, TellsThePlayerWhatTheRouterDid) {
    EXPECT_EQ(RouterAnswerText(9999, GetParam().answer), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RouterTextTest,
    ::testing::Values(TextCase{{true, "203.0.113.5", false, "", 3600}, "Router: port 9999 open at 203.0.113.5"},
                      TextCase{{true, "", false, "", 0}, "Router: port 9999 open"},
                      TextCase{{true, "203.0.113.5", true, "", 3600},
                               "Router: port 9999 open at 203.0.113.5 and for IPv6"},
                      TextCase{{false, "", true, "the router refused it: UPnP 718 ConflictInMappingEntry", 3600},
                               "Router: port 9999 open for IPv6"},
                      TextCase{{false, "", false, "no router answered", 0},
                               "Router: no port opened (no router answered)"}));

}  // namespace
