// Counting puzzles' solutions in a thread of its own.
#include "solver/background_counter.h"

#include <algorithm>
#include <system_error>

namespace {

// The field's size and open cells: two files of one field share a count.
std::string KeyOf(const TilingField& field) {
    std::string key = std::to_string(field.width) + "x" + std::to_string(field.height) + ":";
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x)
            key += At(field.cells, x, y) == kCellBlocked ? '0' : '1';
    return key;
}

bool Waits(const std::vector<CountWaiter>& waiters, CountWaiter waiter) {
    return std::find(waiters.begin(), waiters.end(), waiter) != waiters.end();
}

} // namespace

BackgroundCounter::BackgroundCounter(Notify notify, Count count)
    : notify_(std::move(notify)), count_(std::move(count)) {}

BackgroundCounter::~BackgroundCounter() {
    Stop();
}

uint64_t BackgroundCounter::DefaultCount(const TilingField& field, const std::atomic<bool>* stop) {
    return CountSolutions(field, stop);
}

std::optional<uint64_t> BackgroundCounter::Ask(const TilingField& field, CountWaiter waiter) {
    const std::string key = KeyOf(field);
    std::unique_lock lock(mutex_);
    DropWaiter(waiter, key);
    if (auto known = counts_.find(key); known != counts_.end()) return known->second;
    if (stopping_) {
        lock.unlock();
        return CountNow(field, key);
    }
    // Asking again for a field on its way changes nothing: the window's clock asks every few
    // hundred milliseconds, and must not push back a newer request.
    Job* const queued = current_ && current_->key == key ? current_.get() : nullptr;
    auto pending = std::find_if(pending_.begin(), pending_.end(),
                                [&](const auto& job) { return job->key == key; });
    Job* const job = queued != nullptr           ? queued
                     : pending != pending_.end() ? pending->get()
                                                 : nullptr;
    if (job != nullptr) {
        if (!Waits(job->waiters, waiter)) job->waiters.push_back(waiter);
        return std::nullopt;
    }
    auto fresh = std::make_unique<Job>();
    fresh->field = field;
    fresh->key = key;
    fresh->asked = ++asked_;
    fresh->waiters.push_back(waiter);
    Queue(std::move(fresh));
    if (current_) current_->stop = true; // it gives way, and comes back after the new field
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            // Without a thread the field is counted at once.
            pending_.clear();
            lock.unlock();
            return CountNow(field, key);
        }
    }
    wake_.notify_one();
    return std::nullopt;
}

void BackgroundCounter::Forget(CountWaiter waiter) {
    std::lock_guard lock(mutex_);
    DropWaiter(waiter, "");
}

void BackgroundCounter::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
        if (current_) current_->stop = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

// The waiter no longer waits for any field but the one of exceptKey. A field that nobody waits
// for is given up. Called with the lock held.
void BackgroundCounter::DropWaiter(CountWaiter waiter, const std::string& exceptKey) {
    auto drop = [&](Job& job) {
        if (job.key != exceptKey) std::erase(job.waiters, waiter);
        return job.waiters.empty();
    };
    std::erase_if(pending_, [&](const auto& job) { return drop(*job); });
    if (current_ && drop(*current_)) current_->stop = true;
}

// Keeps the pending fields the newest first. Called with the lock held.
void BackgroundCounter::Queue(std::unique_ptr<Job> job) {
    auto at = std::find_if(pending_.begin(), pending_.end(),
                           [&](const auto& other) { return other->asked < job->asked; });
    pending_.insert(at, std::move(job));
}

std::optional<uint64_t> BackgroundCounter::CountNow(const TilingField& field,
                                                    const std::string& key) {
    const uint64_t solutions = count_(field, nullptr);
    std::lock_guard lock(mutex_);
    counts_[key] = solutions;
    return solutions;
}

void BackgroundCounter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
        if (stopping_) return;
        current_ = std::move(pending_.front());
        pending_.erase(pending_.begin());
        current_->stop = false;
        const Job& job = *current_;
        lock.unlock();
        const uint64_t solutions = count_(job.field, &job.stop);
        lock.lock();
        std::unique_ptr<Job> done = std::move(current_);
        if (stopping_) return;
        if (done->stop) {
            // Given way to a newer field, or nobody waits for it any more.
            if (!done->waiters.empty()) Queue(std::move(done));
            continue;
        }
        counts_[done->key] = solutions;
        lock.unlock();
        for (CountWaiter waiter : done->waiters)
            notify_(waiter);
        lock.lock();
    }
}
