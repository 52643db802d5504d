// Counts puzzles' solutions in a background thread.
#include "ui/solution_counter.h"

#include <atomic>
#include <map>
#include <memory>
#include <string>

namespace {

struct Job {
    TilingField field;
    std::string key;
    std::atomic<HWND> notify;
    std::atomic<bool> stop{false};
};

// What the counting thread and the windows share; the lock guards the counts.
struct Counter {
    CRITICAL_SECTION lock;
    std::map<std::string, uint64_t> counts;
    std::unique_ptr<Job> job; // touched by the window thread only
    HANDLE thread = nullptr;
    Counter() { InitializeCriticalSection(&lock); }
};

Counter& TheCounter() {
    static Counter counter;
    return counter;
}

class Locked {
  public:
    Locked() { EnterCriticalSection(&TheCounter().lock); }
    ~Locked() { LeaveCriticalSection(&TheCounter().lock); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

// The field's size and open cells: two files of one field share a count.
std::string KeyOf(const TilingField& field) {
    std::string key = std::to_string(field.width) + "x" + std::to_string(field.height) + ":";
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x)
            key += At(field.cells, x, y) == kCellBlocked ? '0' : '1';
    return key;
}

DWORD WINAPI CountThread(void* parameter) {
    Job& job = *static_cast<Job*>(parameter);
    const uint64_t solutions = CountSolutions(job.field, &job.stop);
    if (job.stop.load()) return 0;
    {
        Locked locked;
        TheCounter().counts[job.key] = solutions;
    }
    PostMessageA(job.notify.load(), WM_SOLUTIONS_COUNTED, 0, 0);
    return 0;
}

bool Running(const Counter& c) {
    return c.thread != nullptr && WaitForSingleObject(c.thread, 0) == WAIT_TIMEOUT;
}

} // namespace

std::optional<uint64_t> CountedSolutions(const TilingField& field, HWND notify) {
    Counter& c = TheCounter();
    const std::string key = KeyOf(field);
    {
        Locked locked;
        auto it = c.counts.find(key);
        if (it != c.counts.end()) return it->second;
    }
    if (c.job && c.job->key == key && Running(c)) {
        c.job->notify = notify;
        return std::nullopt;
    }
    StopCounting();
    c.job = std::make_unique<Job>();
    c.job->field = field;
    c.job->key = key;
    c.job->notify = notify;
    c.thread = CreateThread(nullptr, 0, CountThread, c.job.get(), 0, nullptr);
    if (c.thread != nullptr) return std::nullopt;
    // Without a thread the count is made at once.
    c.job.reset();
    const uint64_t solutions = CountSolutions(field);
    Locked locked;
    c.counts[key] = solutions;
    return solutions;
}

void StopCounting() {
    Counter& c = TheCounter();
    if (c.thread != nullptr) {
        c.job->stop = true;
        WaitForSingleObject(c.thread, INFINITE);
        CloseHandle(c.thread);
        c.thread = nullptr;
    }
    c.job.reset();
}
