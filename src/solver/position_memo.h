// The counter's memory of positions: the count of a position met again (the same open cells,
// the same figures left) is looked up instead of searched again.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/tiling_problem.h"

namespace tiling {

struct MemoEntry {
    Board open = 0;
    uint32_t missing = 0;
    uint32_t epoch = 0; // the search that wrote the entry
    uint64_t count = 0;

    bool Holds(Board o, uint32_t m, uint32_t e) const {
        return epoch == e && open == o && missing == m;
    }
};

// The counts of positions already searched, a fixed table where a newer position takes the
// place of an older one. Kept per thread and reused: a new search only moves to a new epoch.
struct Memo {
    static constexpr int kBits = 14;
    std::vector<MemoEntry> slots = std::vector<MemoEntry>(std::size_t{1} << kBits);
    uint32_t epoch = 0;

    MemoEntry& Slot(Board open, uint32_t missing) {
        uint64_t h = (open ^ (uint64_t{missing} << 52 | missing)) * 0x9E3779B97F4A7C15ull;
        return slots[h >> (64 - kBits)];
    }
};

} // namespace tiling
