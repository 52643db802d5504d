// The background counter: every count a waiter waits for arrives, whatever the order of the
// requests; a waiter that asks for another field, or is forgotten, is not told of the first.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

#include "solver/background_counter.h"

namespace {

using namespace std::chrono_literals;

// A field told apart by its width; its "count" is ten times the width. A count runs until the
// test lets that width through (or the counter stops it), so that the test decides which count
// is in progress when a request comes.
class Gate {
  public:
    uint64_t Count(const TilingField& field, const std::atomic<bool>* stop) {
        std::unique_lock lock(mutex_);
        started_.push_back(field.width);
        changed_.notify_all();
        while (!open_.count(field.width) && !(stop != nullptr && stop->load()))
            changed_.wait_for(lock, 1ms);
        return static_cast<uint64_t>(field.width) * 10;
    }
    void Open(int width) {
        std::lock_guard lock(mutex_);
        open_.insert(width);
        changed_.notify_all();
    }
    void Told(CountWaiter waiter) {
        std::lock_guard lock(mutex_);
        told_.push_back(waiter);
        changed_.notify_all();
    }
    // Waits (ten seconds at most) until pred holds over what was started and told.
    template <class Pred> bool Until(Pred pred) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] { return pred(started_, told_); });
    }
    std::vector<CountWaiter> Told() {
        std::lock_guard lock(mutex_);
        return told_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<int> open_;
    std::vector<int> started_;
    std::vector<CountWaiter> told_;
};

TilingField Field(int width) {
    return TilingField{width, 6, {}};
}

const CountWaiter kMain{1, 0}, kPreview{2, 0};

auto StartedTimes(int width, std::size_t times) {
    return [=](const std::vector<int>& started, const std::vector<CountWaiter>&) {
        return static_cast<std::size_t>(std::count(started.begin(), started.end(), width)) >= times;
    };
}
auto WasTold(CountWaiter waiter, std::size_t times = 1) {
    return [=](const std::vector<int>&, const std::vector<CountWaiter>& told) {
        return static_cast<std::size_t>(std::count(told.begin(), told.end(), waiter)) >= times;
    };
}

struct CounterTest : ::testing::Test {
    Gate gate;
    BackgroundCounter counter{[this](CountWaiter w) { gate.Told(w); },
                              [this](const TilingField& f, const std::atomic<bool>* stop) {
                                  return gate.Count(f, stop);
                              }};
};

// The window's clock asks again and again for the slow field in play while the New game
// preview waits for another: neither request may starve the other.
TEST_F(CounterTest, ACountInProgressGivesWayAndComesBack) {
    EXPECT_FALSE(counter.Ask(Field(10), kMain));
    ASSERT_TRUE(gate.Until(StartedTimes(10, 1)));
    EXPECT_FALSE(counter.Ask(Field(8), kPreview)); // the newer field goes first
    ASSERT_TRUE(gate.Until(StartedTimes(8, 1)));
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_FALSE(counter.Ask(Field(10), kMain)) << "asking again does not push it ahead";
    gate.Open(8);
    ASSERT_TRUE(gate.Until(WasTold(kPreview)));
    ASSERT_TRUE(gate.Until(StartedTimes(10, 2))) << "the count that gave way is taken up again";
    gate.Open(10);
    ASSERT_TRUE(gate.Until(WasTold(kMain)));
    EXPECT_EQ(counter.Ask(Field(10), kMain), 100u);
    EXPECT_EQ(counter.Ask(Field(8), kPreview), 80u);
    EXPECT_EQ(gate.Told().size(), 2u) << "each waiter is told once";
}

// A waiter that moves on to another field, or goes away, is not told of the first; a field
// nobody waits for is given up; a known count is answered at once without a message.
TEST_F(CounterTest, WaitersThatMoveOnOrGoAway) {
    EXPECT_FALSE(counter.Ask(Field(10), kPreview));
    ASSERT_TRUE(gate.Until(StartedTimes(10, 1)));
    EXPECT_FALSE(counter.Ask(Field(8), kPreview)); // the selection changed
    gate.Open(8);
    ASSERT_TRUE(gate.Until(WasTold(kPreview)));
    EXPECT_FALSE(counter.Ask(Field(9), kMain));
    ASSERT_TRUE(gate.Until(StartedTimes(9, 1)));
    counter.Forget(kMain); // the window closed
    gate.Open(10);
    gate.Open(9);
    counter.Stop();
    const std::vector<CountWaiter> told = gate.Told();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], kPreview);
    EXPECT_EQ(counter.Ask(Field(8), kMain), 80u);
    gate.Open(7);
    EXPECT_EQ(counter.Ask(Field(7), kMain), 70u) << "once stopped, a field is counted at once";
}

// The real count behind it.
TEST(BackgroundCounter, CountsTheSolutions) {
    std::mutex mutex;
    std::condition_variable told;
    bool arrived = false;
    BackgroundCounter counter([&](CountWaiter) {
        std::lock_guard lock(mutex);
        arrived = true;
        told.notify_all();
    });
    const TilingField open = OpenField(10, 6, Grid{});
    if (!counter.Ask(open, kMain)) {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(told.wait_for(lock, 60s, [&] { return arrived; }));
    }
    EXPECT_EQ(counter.Ask(open, kMain), 2339u);
}

} // namespace
