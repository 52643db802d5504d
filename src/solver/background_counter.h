// Counting puzzles' solutions in a thread of its own, so that no window waits for a count.
// Each waiter (a window, or one purpose of a window) waits for one field at most: the last it
// asked for. The newest field asked for is counted first; a count that gives way to it is
// taken up again afterwards, and a count that nobody waits for any more is given up. The
// counts are kept for the counter's life.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "solver/tiling_count.h"

struct CountWaiter {
    std::uintptr_t window = 0;
    int purpose = 0;
    bool operator==(const CountWaiter&) const = default;
};

class BackgroundCounter {
  public:
    // Told on the counting thread that the field a waiter waits for is counted.
    using Notify = std::function<void(CountWaiter)>;
    // Counts a field; gives up early (with any result) once *stop is set.
    using Count = std::function<uint64_t(const TilingField&, const std::atomic<bool>*)>;

    explicit BackgroundCounter(Notify notify, Count count = DefaultCount);
    ~BackgroundCounter();
    BackgroundCounter(const BackgroundCounter&) = delete;
    BackgroundCounter& operator=(const BackgroundCounter&) = delete;

    // The field's count when it is known. Otherwise the waiter waits for it, instead of any
    // other field, and is told once it is counted.
    std::optional<uint64_t> Ask(const TilingField& field, CountWaiter waiter);
    // The waiter waits for nothing any more.
    void Forget(CountWaiter waiter);
    // Gives up every count and ends the thread (at exit); later fields are counted at once.
    void Stop();

  private:
    struct Job {
        TilingField field;
        std::string key;
        uint64_t asked = 0; // when the field was first asked for: the newest is counted first
        std::vector<CountWaiter> waiters;
        std::atomic<bool> stop{false};
    };

    static uint64_t DefaultCount(const TilingField& field, const std::atomic<bool>* stop);
    void Run();
    void DropWaiter(CountWaiter waiter, const std::string& exceptKey);
    void Queue(std::unique_ptr<Job> job);
    std::optional<uint64_t> CountNow(const TilingField& field, const std::string& key);

    Notify notify_;
    Count count_;
    std::mutex mutex_; // guards everything below
    std::condition_variable wake_;
    std::map<std::string, uint64_t> counts_;
    std::vector<std::unique_ptr<Job>> pending_; // the newest first
    std::unique_ptr<Job> current_;              // being counted
    uint64_t asked_ = 0;
    bool stopping_ = false;
    std::thread thread_;
};
