// Working out hints in a thread of its own, so that the window never waits for one. Only the
// newest question matters: one asked while another is worked out replaces any still waiting.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "model/game_state.h"

struct WorkedHint {
    uint32_t move = 0; // the position's move number (Hints::move) when it was asked for
    PositionHint hint;
};

class HintWorker {
  public:
    // Told on the worker's thread that a hint is ready to be taken.
    using Notify = std::function<void()>;
    using Compute = std::function<PositionHint(const GameState&)>;

    explicit HintWorker(Notify notify, Compute compute = DefaultCompute);
    ~HintWorker();
    HintWorker(const HintWorker&) = delete;
    HintWorker& operator=(const HintWorker&) = delete;

    // Works out the hint of the position on gs's field, numbered gs.hints.move.
    void Ask(const GameState& gs);
    // The newest hint worked out since the last call, if any.
    std::optional<WorkedHint> Take();

  private:
    static PositionHint DefaultCompute(const GameState& gs);
    void Run();

    Notify notify_;
    Compute compute_;
    std::mutex mutex_; // guards everything below
    std::condition_variable wake_;
    std::unique_ptr<GameState> waiting_; // the newest question not yet taken up
    std::optional<WorkedHint> done_;
    bool stopping_ = false;
    std::thread thread_;
};
