// The oracle is a depth-first exact cover: it always branches on a free cell that few fitting
// pieces can cover, or on a figure with fewer places than that, drops positions whose empty
// regions cannot hold whole figures, and remembers the positions it has found dead, which the
// analysis and the hints ask about again and again.
#include "solver/tiling_oracle.h"

#include <algorithm>
#include <bit>

namespace {

// A cell with at most this many fitting pieces is taken without looking at the other cells.
constexpr uint32_t kFewEnough = 4;
// From this many fitting pieces on the best cell, a figure with fewer places is looked for.
constexpr uint32_t kManyChoices = 10;

// The bits set in x, without the processor's own instruction (the build does not assume it).
int BitCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

} // namespace

TilingOracle::TilingOracle(const std::vector<uint64_t>& neighbours)
    : cellCount_(static_cast<int>(std::min<size_t>(neighbours.size(), 64))),
      neighbours_(neighbours.begin(), neighbours.begin() + cellCount_),
      all_(cellCount_ == 64 ? ~uint64_t{0} : (uint64_t{1} << cellCount_) - 1) {
    for (int k = 0; k < kFigureCount; ++k)
        order_[static_cast<size_t>(k)] = k + 1;
}

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
        int size = BitCount(region);
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
    for (std::vector<uint64_t>& pieces : byFigure_)
        pieces.clear();
    for (const auto& [figure, cells] : added_) {
        byFigure_[static_cast<size_t>(figure)].push_back(cells);
        for (uint64_t bits = cells; bits; bits &= bits - 1)
            groups[static_cast<size_t>(std::countr_zero(bits))][static_cast<size_t>(figure)]
                .push_back(cells);
    }
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
    dead_.Clear();
    coveringDead_.Clear();
    lastCovering_ = -1;
}

bool TilingOracle::Tileable(uint64_t occupied, uint32_t remaining) {
    OrderFigures(occupied);
    return Search(occupied, remaining);
}

bool TilingOracle::TileableCovering(uint64_t occupied, uint32_t remaining, int cell,
                                    std::vector<uint64_t> allowed) {
    std::sort(allowed.begin(), allowed.end());
    // A position dead with these pieces allowed on the cell stays dead with fewer of them.
    std::vector<uint64_t> before(allowed_.size());
    std::transform(allowed_.begin(), allowed_.end(), before.begin(),
                   [](const auto& a) { return a.first; });
    if (cell != lastCovering_ ||
        !std::includes(before.begin(), before.end(), allowed.begin(), allowed.end()))
        coveringDead_.Clear();
    lastCovering_ = cell;
    // Each allowed piece with its figure, as the pieces of the cell list them.
    allowed_.clear();
    const auto& start = start_[static_cast<size_t>(cell)];
    for (int f = 1; f <= kFigureCount; ++f)
        for (uint32_t i = start[static_cast<size_t>(f)]; i < start[static_cast<size_t>(f) + 1]; ++i)
            if (std::binary_search(allowed.begin(), allowed.end(), masks_[i]))
                allowed_.push_back({masks_[i], f});
    std::sort(allowed_.begin(), allowed_.end());
    covering_ = cell;
    OrderFigures(occupied);
    const bool tileable = Search(occupied, remaining);
    covering_ = -1;
    return tileable;
}

bool TilingOracle::Search(uint64_t occupied, uint32_t remaining) {
    const uint64_t free = ~occupied & all_;
    if ((remaining & (remaining - 1)) == 0) {
        // No figure left, or the last one: the free cells must be none, or one of its pieces.
        if (remaining == 0 || free == 0) return remaining == 0 && free == 0;
        const int f = std::countr_zero(remaining);
        const auto& start = start_[static_cast<size_t>(std::countr_zero(free))];
        for (uint32_t i = start[static_cast<size_t>(f)]; i < start[static_cast<size_t>(f) + 1]; ++i)
            if (masks_[i] == free && Allowed(free)) {
                found_[static_cast<size_t>(f)] = free;
                return true;
            }
        return false;
    }
    if (IsDead(occupied, remaining)) return false;
    // The regions are tiled one by one, the smallest first: a dead small region is found
    // before any work on the others.
    uint64_t smallest = 0;
    uint32_t choices = 0;
    const int cell = RegionsDivisibleByFive(occupied, &smallest)
                         ? FewestChoicesCell(occupied, remaining, smallest, choices)
                         : -1;
    if (cell < 0) return false; // dead at a glance: cheaper to see again than to remember
    const int figure =
        choices >= kManyChoices ? FewerPlacesFigure(occupied, remaining, choices) : -1;
    if (figure >= 0 ? LaysFigure(figure, occupied, remaining) : LaysCell(cell, occupied, remaining))
        return true;
    MarkDead(occupied, remaining);
    return false;
}

// Each piece on the cell in turn, the figures with the fewest places first.
bool TilingOracle::LaysCell(int cell, uint64_t occupied, uint32_t remaining) {
    const auto& start = start_[static_cast<size_t>(cell)];
    for (int f : order_) {
        if ((remaining >> f & 1) == 0) continue;
        for (uint32_t i = start[static_cast<size_t>(f)]; i < start[static_cast<size_t>(f) + 1]; ++i)
            if (Lays(f, masks_[i], occupied, remaining)) return true;
    }
    return false;
}

// Each place of the figure in turn.
bool TilingOracle::LaysFigure(int figure, uint64_t occupied, uint32_t remaining) {
    for (uint64_t piece : byFigure_[static_cast<size_t>(figure)])
        if (Lays(figure, piece, occupied, remaining)) return true;
    return false;
}

// Whether the rest can be tiled after `piece` of `figure`, when it fits.
bool TilingOracle::Lays(int figure, uint64_t piece, uint64_t occupied, uint32_t remaining) {
    if ((piece & occupied) != 0 || !Allowed(piece) ||
        CutsOffCells(~(occupied | piece) & all_, piece) ||
        !Search(occupied | piece, remaining & ~(1u << figure)))
        return false;
    found_[static_cast<size_t>(figure)] = piece;
    return true;
}

// The cell of `among` (free cells) that the fewest fitting pieces of the remaining figures
// cover (or one with few enough, as good and cheaper to find), and how many; -1 when one has
// none.
int TilingOracle::FewestChoicesCell(uint64_t occupied, uint32_t remaining, uint64_t among,
                                    uint32_t& choices) const {
    const uint64_t free = ~occupied & all_;
    // Cells with few free neighbours usually have few pieces: looking at them first makes the
    // count of every later cell stop early.
    uint64_t byDegree[5] = {};
    for (uint64_t f = among; f; f &= f - 1) {
        const int cell = std::countr_zero(f);
        byDegree[BitCount(neighbours_[static_cast<size_t>(cell)] & free)] |= uint64_t{1} << cell;
    }
    if (byDegree[0]) return -1;
    int best = -1;
    choices = ~0u;
    for (int d = 1; d <= 4; ++d)
        for (uint64_t cells = byDegree[d]; cells; cells &= cells - 1) {
            const int cell = std::countr_zero(cells);
            uint32_t count = 0;
            if (cell == covering_) {
                for (const auto& [piece, f] : allowed_)
                    count += (piece & occupied) == 0 && (remaining >> f & 1);
            } else {
                // A figure's pieces are counted without a branch on each: the fits follow no
                // pattern a processor could predict.
                const auto& start = start_[static_cast<size_t>(cell)];
                for (uint32_t left = remaining; left && count < choices; left &= left - 1) {
                    const int f = std::countr_zero(left);
                    const uint64_t* piece = masks_.data() + start[static_cast<size_t>(f)];
                    const uint64_t* end = masks_.data() + start[static_cast<size_t>(f) + 1];
                    for (; piece < end; ++piece)
                        count += (*piece & occupied) == 0;
                }
            }
            if (count == 0) return -1;
            if (count < choices) {
                choices = count;
                best = cell;
                if (count <= kFewEnough) return best;
            }
        }
    return best;
}

// The remaining figure with the fewest places that fit, when it has fewer than `choices`;
// else -1.
int TilingOracle::FewerPlacesFigure(uint64_t occupied, uint32_t remaining, uint32_t choices) const {
    int best = -1;
    for (uint32_t left = remaining; left; left &= left - 1) {
        const int f = std::countr_zero(left);
        uint32_t places = 0;
        for (uint64_t piece : byFigure_[static_cast<size_t>(f)])
            if ((piece & occupied) == 0 && ++places >= choices) break;
        if (places < choices) {
            choices = places;
            best = f;
        }
    }
    return best;
}

// Whether a free cell beside the piece just laid is left alone, or two free cells only next
// to each other: no figure can cover them.
bool TilingOracle::CutsOffCells(uint64_t free, uint64_t piece) const {
    uint64_t beside = 0;
    for (uint64_t bits = piece; bits; bits &= bits - 1)
        beside |= neighbours_[static_cast<size_t>(std::countr_zero(bits))];
    for (beside &= free; beside; beside &= beside - 1) {
        const int c = std::countr_zero(beside);
        const uint64_t next = neighbours_[static_cast<size_t>(c)] & free;
        if (next == 0) return true;
        if ((next & (next - 1)) == 0 && (neighbours_[static_cast<size_t>(std::countr_zero(next))] &
                                         free & ~(uint64_t{1} << c)) == 0)
            return true;
    }
    return false;
}

bool TilingOracle::Allowed(uint64_t piece) const {
    if (covering_ < 0 || (piece >> covering_ & 1) == 0) return true;
    const auto at = std::lower_bound(allowed_.begin(), allowed_.end(), std::pair{piece, 0});
    return at != allowed_.end() && at->first == piece;
}

// The figures by the number of their places that fit, fewest first: a figure with few places
// is the first to run out of them, and better tried early.
void TilingOracle::OrderFigures(uint64_t occupied) {
    std::array<std::pair<uint32_t, int>, kFigureCount> places;
    for (int f = 1; f <= kFigureCount; ++f) {
        uint32_t fit = 0;
        for (uint64_t piece : byFigure_[static_cast<size_t>(f)])
            fit += (piece & occupied) == 0;
        places[static_cast<size_t>(f - 1)] = {fit, f};
    }
    std::sort(places.begin(), places.end());
    for (size_t k = 0; k < places.size(); ++k)
        order_[k] = places[k].second;
}

// A position with the covering cell free is dead only for the question being asked: it is
// kept apart from those dead for every question.
bool TilingOracle::IsDead(uint64_t occupied, uint32_t remaining) const {
    return dead_.Holds(occupied, remaining) ||
           (covering_ >= 0 && (occupied >> covering_ & 1) == 0 &&
            coveringDead_.Holds(occupied, remaining));
}

void TilingOracle::MarkDead(uint64_t occupied, uint32_t remaining) {
    if (covering_ >= 0 && (occupied >> covering_ & 1) == 0)
        coveringDead_.Add(occupied, remaining);
    else
        dead_.Add(occupied, remaining);
}

void TilingOracle::DeadTable::Clear() {
    slots.assign(size_t{1} << 12, Dead{0, kEmpty});
    count = 0;
}

size_t TilingOracle::DeadTable::Slot(uint64_t occupied, uint32_t remaining) const {
    uint64_t h = occupied ^ (uint64_t{remaining} << 50) ^ remaining;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return static_cast<size_t>(h) & (slots.size() - 1);
}

bool TilingOracle::DeadTable::Holds(uint64_t occupied, uint32_t remaining) const {
    for (size_t i = Slot(occupied, remaining);; i = (i + 1) & (slots.size() - 1)) {
        const Dead& d = slots[i];
        if (d.remaining == kEmpty) return false;
        if (d.occupied == occupied && d.remaining == remaining) return true;
    }
}

void TilingOracle::DeadTable::Add(uint64_t occupied, uint32_t remaining) {
    if (2 * (count + 1) > slots.size()) {
        if (slots.size() >= kMaxDead) return;
        std::vector<Dead> old(slots.size() * 2, Dead{0, kEmpty});
        old.swap(slots);
        count = 0;
        for (const Dead& d : old)
            if (d.remaining != kEmpty) Add(d.occupied, d.remaining);
    }
    size_t i = Slot(occupied, remaining);
    while (slots[i].remaining != kEmpty) {
        if (slots[i].occupied == occupied && slots[i].remaining == remaining) return;
        i = (i + 1) & (slots.size() - 1);
    }
    slots[i] = {occupied, remaining};
    ++count;
}
