// The counter's tables of tails: the tilings of the open cells of the last positions by every
// set of a few figures, found once per set of cells, for one thread or shared by the threads
// of one count.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/types.h"
#include "solver/tiling_problem.h"

namespace tiling {

// The tilings of one set of open cells by a few figures, one entry per set of figures that
// tiles it.
struct Tail {
    uint32_t figures; // bit f: figure f + 1
    uint32_t count;
};

// The tails of one set of open cells, where a table keeps them.
struct Tails {
    const Tail* first = nullptr;
    uint32_t size = 0;
};

inline uint64_t HashOfCells(Board open) {
    return open * 0x9E3779B97F4A7C15ull;
}

// The open cells of the last positions of a search come back again and again with other
// figures left: the tilings of each such set of cells are found once, for every set of
// figures at the same time. An open-addressed table from the cells to their tails, growing
// up to a limit and emptied when full. What it gives stays valid until the next Keep.
class TailTable {
  public:
    void Reset() {
        if (++epoch_ == 0) {
            std::fill(slots_.begin(), slots_.end(), Slot{});
            epoch_ = 1;
        }
        tails_.clear();
        used_ = 0;
    }
    // The tails of open, when known.
    bool Find(Board open, Tails& found) const {
        const Slot& s = slots_[SlotOf(open)];
        found = {tails_.data() + s.begin, s.size};
        return s.epoch == epoch_;
    }
    // Keeps the tails gathered in `sums` (figures -> count) for open and empties `sums`.
    Tails Keep(Board open, std::array<uint32_t, 1 << kFigureCount>& sums,
               std::vector<uint32_t>& touched) {
        if (2 * (used_ + 1) > slots_.size()) Grow();
        const auto begin = static_cast<uint32_t>(tails_.size());
        const auto size = static_cast<uint32_t>(touched.size());
        for (uint32_t figures : touched) {
            tails_.push_back({figures, sums[figures]});
            sums[figures] = 0;
        }
        touched.clear();
        slots_[SlotOf(open)] = Slot{open, epoch_, begin, size};
        ++used_;
        return {tails_.data() + begin, size};
    }

  private:
    struct Slot {
        Board open = 0;
        uint32_t epoch = 0;
        uint32_t begin = 0, size = 0; // in tails_
    };
    static constexpr std::size_t kMostSlots = std::size_t{1} << 20;

    // The slot of open: its own, or the empty one where it goes.
    std::size_t SlotOf(Board open) const {
        const std::size_t last = slots_.size() - 1;
        for (std::size_t i = HashOfCells(open) >> 40 & last;; i = (i + 1) & last)
            if (slots_[i].epoch != epoch_ || slots_[i].open == open) return i;
    }
    void Grow() {
        if (slots_.size() >= kMostSlots) {
            Reset();
            return;
        }
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old)
            if (s.epoch == epoch_) slots_[SlotOf(s.open)] = s;
    }

    std::vector<Slot> slots_ = std::vector<Slot>(1 << 12);
    std::vector<Tail> tails_;
    std::size_t used_ = 0;
    uint32_t epoch_ = 1;
};

// The tails found by the threads of one shared count, so that each set of cells is gathered
// once rather than once per thread. A fixed table that only grows: a thread writes the
// tails, then claims a slot for the cells and marks it ready; another thread reads a slot
// only once it is ready. When it is full, the threads keep what they find to themselves.
class SharedTails {
  public:
    bool Find(Board open, Tails& found) const {
        for (std::size_t i = HashOfCells(open) >> 40 & kLastSlot;; i = (i + 1) & kLastSlot) {
            const Board cells = slots_[i].open.load(std::memory_order_acquire);
            if (cells == 0) return false;
            if (cells != open) continue;
            const uint32_t ready = slots_[i].sizeAfter.load(std::memory_order_acquire);
            if (ready == 0) return false; // being written
            found = {tails_.get() + slots_[i].begin.load(std::memory_order_relaxed), ready - 1};
            return true;
        }
    }
    // Shares the tails of open; false when the table is full.
    bool Offer(Board open, Tails tails) {
        const std::size_t begin = used_.fetch_add(tails.size, std::memory_order_relaxed);
        if (begin + tails.size > kMostTails ||
            claimed_.fetch_add(1, std::memory_order_relaxed) >= (kLastSlot + 1) / 2)
            return false;
        std::copy(tails.first, tails.first + tails.size, tails_.get() + begin);
        for (std::size_t i = HashOfCells(open) >> 40 & kLastSlot;; i = (i + 1) & kLastSlot) {
            Board cells = 0;
            if (slots_[i].open.compare_exchange_strong(cells, open, std::memory_order_acq_rel)) {
                slots_[i].begin.store(static_cast<uint32_t>(begin), std::memory_order_relaxed);
                slots_[i].sizeAfter.store(tails.size + 1, std::memory_order_release);
                return true;
            }
            if (cells == open) return true; // another thread shared them first
        }
    }

  private:
    struct Slot {
        std::atomic<Board> open{0}; // 0: empty
        std::atomic<uint32_t> begin{0};
        std::atomic<uint32_t> sizeAfter{0}; // the number of tails + 1 once written, else 0
    };
    static constexpr std::size_t kLastSlot = (std::size_t{1} << 16) - 1;
    static constexpr std::size_t kMostTails = std::size_t{1} << 18;

    std::unique_ptr<Slot[]> slots_ = std::make_unique<Slot[]>(kLastSlot + 1);
    std::unique_ptr<Tail[]> tails_ = std::make_unique_for_overwrite<Tail[]>(kMostTails);
    std::atomic<std::size_t> used_{0}, claimed_{0};
};

} // namespace tiling
