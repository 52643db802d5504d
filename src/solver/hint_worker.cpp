// Working out hints in a thread of its own.
#include "solver/hint_worker.h"

#include "solver/hint.h"

HintWorker::HintWorker(Notify notify, Compute compute)
    : notify_(std::move(notify)), compute_(std::move(compute)) {}

HintWorker::~HintWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

PositionHint HintWorker::DefaultCompute(const GameState& gs) {
    return ComputeHint(gs);
}

void HintWorker::Ask(const GameState& gs) {
    auto question = std::make_unique<GameState>(gs);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_ = std::move(question);
        if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_all();
}

std::optional<WorkedHint> HintWorker::Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::optional<WorkedHint> hint = std::move(done_);
    done_.reset();
    return hint;
}

void HintWorker::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || waiting_; });
        if (stopping_) return;
        const std::unique_ptr<GameState> question = std::move(waiting_);
        lock.unlock();
        WorkedHint worked{question->hints.move, compute_(*question)};
        lock.lock();
        done_ = std::move(worked);
        lock.unlock();
        notify_();
        lock.lock();
    }
}
