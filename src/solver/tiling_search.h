// The counter's search: Algorithm X over the places of a problem, with the memory of positions
// and the tails of its thread, whole or cut into parts that threads share.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "solver/tail_tables.h"
#include "solver/tiling_problem.h"

namespace tiling {

// Figures to lay from which a count is shared between threads: smaller counts take less
// time than starting a thread.
constexpr int kSharedLeast = 10;

// A part of a search: the cells still open and the figures still to lay after one place
// (laid; figure -1 when none), and how many tilings each tiling of the part stands for.
struct Part {
    Board open = 0;
    uint32_t missing = 0;
    uint64_t weight = 1;
    Place laid;
};

// The parts of a shared search, taken from the front by some threads and from the back by the
// others: a thread goes on with the parts next to those it searched, which the memory of its
// positions is most likely to share.
class PartsQueue {
  public:
    explicit PartsQueue(std::vector<Part> parts)
        : parts_(std::move(parts)), range_(uint64_t{parts_.size()}) {}
    const Part* Take(bool fromBack) {
        uint64_t r = range_.load();
        for (;;) {
            const uint64_t front = r >> 32, back = r & 0xFFFFFFFF;
            if (front >= back) return nullptr;
            const uint64_t taken = fromBack ? back - 1 : front;
            const uint64_t next =
                fromBack ? (front << 32 | (back - 1)) : ((front + 1) << 32 | back);
            if (range_.compare_exchange_weak(r, next)) return &parts_[taken];
        }
    }

  private:
    std::vector<Part> parts_;
    std::atomic<uint64_t> range_; // the parts not yet taken: front in the high half, back low
};

// The number of tilings of p, at most limit when limit is above 0; setting *stop ends the
// count early.
uint64_t CountTilingsOf(const Problem& p, uint64_t limit, const std::atomic<bool>* stop);

// The places of the first tiling the search finds; false when there is none.
bool FindFirstTiling(const Problem& p, std::vector<Place>& places);

// The whole search cut into parts whose counts add up to the whole, fine enough for threads to
// share them.
std::vector<Part> SharedParts(const Problem& p);

// The tilings of the parts that `parts` hands to the calling thread, with the tails shared by
// the threads of the count.
uint64_t CountParts(const Problem& p, PartsQueue& parts, bool fromBack,
                    const std::atomic<bool>* stop, SharedTails& shared);

} // namespace tiling
