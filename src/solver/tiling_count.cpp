// Exact cover of a field's open cells by the missing figures: Algorithm X on 64-bit boards.
// The search first branches on the figure with the fewest places, taking one place of each
// class of places that the field's own turns and mirrors carry into each other, and then
// always on the first open cell in a scan along the field's shorter side. What makes it quick:
// - a field whose bounding box has at most 64 cells is a grid board, where the cells cut off by
//   a place are found with a few shifts of the whole board;
// - the count of a position met again (the same open cells, the same figures left) is looked up
//   in a memory of positions instead of searched again;
// - the last four figures are not searched: the tilings of the open cells left by every set of
//   four (or three, or two) figures are found once, when the cells first come up, and the
//   count for the figures left is read from them;
// - a whole count is cut into parts that the machine's processors share, with the tails each
//   finds.
#include "solver/tiling_count.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>
#include <vector>

#include "solver/tiling_search.h"

using namespace tiling;

namespace {

// The whole count shared by the machine's processors (at most four): each thread takes the
// next part of the search not yet taken.
uint64_t CountShared(const Problem& p, const std::atomic<bool>* stop) {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    if (threads == 1 || p.missing == 0 || std::popcount(p.missing) < kSharedLeast)
        return CountTilingsOf(p, 0, stop);
    PartsQueue parts(SharedParts(p));
    SharedTails shared;
    std::vector<uint64_t> counts(threads);
    auto work = [&](unsigned k) { counts[k] = CountParts(p, parts, k % 2 == 1, stop, shared); };
    std::vector<std::thread> helpers;
    for (unsigned k = 1; k < threads; ++k)
        helpers.emplace_back(work, k);
    work(0);
    for (std::thread& t : helpers)
        t.join();
    uint64_t total = 0;
    for (uint64_t c : counts)
        total += c;
    return total;
}

} // namespace

TilingField OpenField(int width, int height, const Grid& cells) {
    TilingField field{width, height, {}};
    for (std::size_t i = 0; i < cells.size(); ++i)
        field.cells[i] = cells[i] == kCellBlocked ? kCellBlocked : kCellOpen;
    return field;
}

uint64_t CountTilings(const TilingField& field, uint64_t limit) {
    Problem p;
    if (!BuildProblem(field, p)) return 0;
    return limit == 0 ? CountShared(p, nullptr) : CountTilingsOf(p, limit, nullptr);
}

uint64_t CountSolutions(const TilingField& field, const std::atomic<bool>* stop, uint64_t limit) {
    Problem p;
    if (!BuildProblem(field, p) || p.missing != (1u << kFigureCount) - 1) return 0;
    // No tiling by twelve different figures is its own turned or mirrored copy (the L figure
    // has no symmetry), so every solution lies on the field once per symmetry of the field.
    const uint64_t copies = p.symmetries.size();
    if (limit == 0) return CountShared(p, stop) / copies;
    return CountTilingsOf(p, limit * copies, stop) / copies;
}

bool FindAnyTiling(const TilingField& field, Grid& tiling) {
    Problem p;
    if (!BuildProblem(field, p)) return false;
    std::vector<Place> places;
    if (!FindFirstTiling(p, places)) return false;
    tiling = field.cells;
    for (const Place& pl : places)
        for (Board b = pl.cells; b != 0; b &= b - 1)
            tiling[p.gridIndex[std::countr_zero(b)]] = static_cast<uint8_t>(pl.figure + 1);
    return true;
}
