// The oracle is a depth-first exact cover: it always branches on a free cell that few fitting
// pieces can cover, drops positions whose empty regions cannot hold whole figures, and
// remembers the positions it has found dead, which the analysis asks about again and again as
// it walks the placements of each figure.
#include "solver/tiling_oracle.h"

#include <algorithm>
#include <bit>

TilingOracle::TilingOracle(const std::vector<uint64_t>& neighbours)
    : cellCount_(static_cast<int>(std::min<size_t>(neighbours.size(), 64))),
      neighbours_(neighbours.begin(), neighbours.begin() + cellCount_),
      all_(cellCount_ == 64 ? ~uint64_t{0} : (uint64_t{1} << cellCount_) - 1) {}

bool TilingOracle::RegionsDivisibleByFive(uint64_t occupied, uint64_t* smallest) const {
    uint64_t left = ~occupied & all_;
    int smallestSize = 65;
    while (left) {
        uint64_t region = left & (~left + 1), frontier = region;
        while (frontier) {
            uint64_t grown =
                neighbours_[static_cast<size_t>(std::countr_zero(frontier))] & left & ~region;
            frontier &= frontier - 1;
            region |= grown;
            frontier |= grown;
        }
        int size = std::popcount(region);
        if (size % 5 != 0) return false;
        if (smallest != nullptr && size < smallestSize) {
            smallestSize = size;
            *smallest = region;
        }
        left &= ~region;
    }
    return true;
}

void TilingOracle::AddPiece(int figure, uint64_t cells) {
    if (figure >= 1 && figure <= kFigureCount && (cells & ~all_) == 0)
        added_.push_back({figure, cells});
}

void TilingOracle::Prepare() {
    // Stable order within each (cell, figure) group keeps the pieces in the order they came.
    std::vector<std::array<std::vector<uint64_t>, kFigureCount + 1>> groups(
        static_cast<size_t>(cellCount_));
    for (const auto& [figure, cells] : added_)
        for (uint64_t bits = cells; bits; bits &= bits - 1)
            groups[static_cast<size_t>(std::countr_zero(bits))][static_cast<size_t>(figure)]
                .push_back(cells);
    start_.assign(static_cast<size_t>(cellCount_), {});
    masks_.clear();
    for (size_t c = 0; c < groups.size(); ++c) {
        for (int f = 0; f <= kFigureCount; ++f) {
            start_[c][static_cast<size_t>(f)] = static_cast<uint32_t>(masks_.size());
            masks_.insert(masks_.end(), groups[c][static_cast<size_t>(f)].begin(),
                          groups[c][static_cast<size_t>(f)].end());
        }
        start_[c][kFigureCount + 1] = static_cast<uint32_t>(masks_.size());
    }
    added_.clear();
    dead_.assign(size_t{1} << 12, Dead{0, kEmpty});
    deadCount_ = 0;
}

bool TilingOracle::Tileable(uint64_t occupied, uint32_t remaining) {
    if (remaining == 0) return (occupied & all_) == all_;
    if (IsDead(occupied, remaining)) return false;
    // The regions are tiled one by one, the smallest first: a dead small region is found
    // before any work on the others.
    uint64_t smallest = 0;
    int cell = RegionsDivisibleByFive(occupied, &smallest)
                   ? FewestChoicesCell(occupied, remaining, smallest)
                   : -1;
    if (cell >= 0) {
        const auto& start = start_[static_cast<size_t>(cell)];
        for (uint32_t left = remaining; left; left &= left - 1) {
            int f = std::countr_zero(left);
            uint32_t rest = remaining & ~(1u << f);
            for (uint32_t i = start[static_cast<size_t>(f)]; i < start[static_cast<size_t>(f) + 1];
                 ++i)
                if ((masks_[i] & occupied) == 0 && Tileable(occupied | masks_[i], rest)) {
                    found_[static_cast<size_t>(f)] = masks_[i];
                    return true;
                }
        }
    }
    MarkDead(occupied, remaining);
    return false;
}

// The cell of `among` (free cells) that the fewest fitting pieces of the remaining figures
// cover (or one with at most two, as good and cheaper to find); -1 when one has none.
int TilingOracle::FewestChoicesCell(uint64_t occupied, uint32_t remaining, uint64_t among) const {
    uint64_t free = ~occupied & all_;
    // Cells with few free neighbours usually have few pieces: looking at them first makes the
    // count of every later cell stop early.
    uint64_t byDegree[5] = {};
    for (uint64_t f = among; f; f &= f - 1) {
        int cell = std::countr_zero(f);
        byDegree[std::popcount(neighbours_[static_cast<size_t>(cell)] & free)] |= uint64_t{1}
                                                                                  << cell;
    }
    if (byDegree[0]) return -1;
    int best = -1;
    uint32_t bestCount = ~0u;
    for (int d = 1; d <= 4; ++d)
        for (uint64_t cells = byDegree[d]; cells; cells &= cells - 1) {
            int cell = std::countr_zero(cells);
            const auto& start = start_[static_cast<size_t>(cell)];
            uint32_t count = 0;
            for (uint32_t left = remaining; left && count < bestCount; left &= left - 1) {
                int f = std::countr_zero(left);
                for (uint32_t i = start[static_cast<size_t>(f)];
                     i < start[static_cast<size_t>(f) + 1]; ++i)
                    if ((masks_[i] & occupied) == 0 && ++count >= bestCount) break;
            }
            if (count == 0) return -1;
            if (count < bestCount) {
                bestCount = count;
                best = cell;
                if (count <= 2) return best;
            }
        }
    return best;
}

size_t TilingOracle::Slot(uint64_t occupied, uint32_t remaining) const {
    uint64_t h = occupied ^ (uint64_t{remaining} << 50) ^ remaining;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return static_cast<size_t>(h) & (dead_.size() - 1);
}

bool TilingOracle::IsDead(uint64_t occupied, uint32_t remaining) const {
    for (size_t i = Slot(occupied, remaining);; i = (i + 1) & (dead_.size() - 1)) {
        const Dead& d = dead_[i];
        if (d.remaining == kEmpty) return false;
        if (d.occupied == occupied && d.remaining == remaining) return true;
    }
}

void TilingOracle::MarkDead(uint64_t occupied, uint32_t remaining) {
    if (2 * (deadCount_ + 1) > dead_.size()) {
        if (dead_.size() >= kMaxDead) return;
        Grow();
    }
    size_t i = Slot(occupied, remaining);
    while (dead_[i].remaining != kEmpty) {
        if (dead_[i].occupied == occupied && dead_[i].remaining == remaining) return;
        i = (i + 1) & (dead_.size() - 1);
    }
    dead_[i] = {occupied, remaining};
    ++deadCount_;
}

void TilingOracle::Grow() {
    std::vector<Dead> old(dead_.size() * 2, Dead{0, kEmpty});
    old.swap(dead_);
    deadCount_ = 0;
    for (const Dead& d : old)
        if (d.remaining != kEmpty) MarkDead(d.occupied, d.remaining);
}
