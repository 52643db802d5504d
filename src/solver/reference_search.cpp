// The straightforward placement search: figures in number order, every orientation at every
// origin, pruned only by the rule that every empty region must hold a multiple of five cells.
// The game's fast search must find exactly the tiling this one finds; it stays as the
// reference for tests and benchmarks.
#include "solver/reference_search.h"

#include <chrono>

#include "model/geometry.h"
#include "solver/search.h"

namespace {

void Write(GameState& gs, const FigureMatrix& m, int column, int row, uint8_t value) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j)
            if (At(m, j, i) != 0) At(gs.position.solverGrid, column + j, row + i) = value;
}

void Remove(GameState& gs, const FigureMatrix& m, int column, int row, int n) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j)
            if (At(m, j, i) != 0 && At(gs.position.solverGrid, column + j, row + i) == n)
                At(gs.position.solverGrid, column + j, row + i) = 0;
}

// Labels the free regions of the field and tells whether each holds a multiple of five cells.
bool RegionsDivisibleByFive(const GameState& gs) {
    RegionMask mask;
    for (int r = 0; r < gs.position.fieldHeight; ++r)
        for (int c = 0; c < gs.position.fieldWidth; ++c)
            mask.cells[r * kGridSide + c] = At(gs.position.solverGrid, c, r) == 0 ? 1 : 0;
    RegionLabel label = 2;
    for (int r = 0; r < gs.position.fieldHeight; ++r)
        for (int c = 0; c < gs.position.fieldWidth; ++c)
            if (mask.cells[r * kGridSide + c] == 1) FillRegion(gs, c, r, label++, mask);
    // There are fewer regions than cells, so one counter per cell (plus the two unused
    // labels 0 and 1) is always enough.
    std::array<int32_t, kGridCells + 2> sizes{};
    for (int r = 0; r < gs.position.fieldHeight; ++r)
        for (int c = 0; c < gs.position.fieldWidth; ++c) {
            RegionLabel l = mask.cells[r * kGridSide + c];
            if (l >= 2) ++sizes[static_cast<size_t>(l)];
        }
    for (RegionLabel l = 2; l < label; ++l)
        if (sizes[static_cast<size_t>(l)] % 5 != 0) return false;
    return true;
}

} // namespace

namespace {

using Clock = std::chrono::steady_clock;

struct Budget {
    bool timed = false;
    Clock::time_point deadline;
    long nodes = 0;
    long maxNodes = -1; // no limit
    bool expired = false;
    bool Spent() {
        ++nodes;
        if (maxNodes >= 0 && nodes > maxNodes) expired = true;
        // Looking at the clock every few thousand placements keeps its cost out of the search.
        if (timed && (nodes & 0xFFF) == 0 && Clock::now() > deadline) expired = true;
        return expired;
    }
};

void Run(GameState& gs, int n, Budget& budget) {
    gs.position.solutionFound = 0;
    if (n < 1) n = 1;
    if (n > kFigureCount) return;
    while (IsFigureOnSolverGrid(gs, n)) {
        if (n == kFigureCount) {
            gs.position.solutionFound = 1;
            return;
        }
        ++n;
    }
    const OrientationSet& set = Orientations().byFigure[n];
    for (int o = 0; o < set.count; ++o) {
        const FigureMatrix& m = set.matrices[o];
        for (int r = -2; r <= gs.position.fieldHeight - 3; ++r)
            for (int c = -2; c <= gs.position.fieldWidth - 3; ++c) {
                if (budget.Spent()) return;
                if (!FitsAt(gs, m, c, r)) continue;
                Write(gs, m, c, r, static_cast<uint8_t>(n));
                if (n == kFigureCount) {
                    if (IsSolverGridFull(gs)) {
                        gs.position.solutionFound = 1;
                        return;
                    }
                } else if (RegionsDivisibleByFive(gs)) {
                    Run(gs, n + 1, budget);
                    if (gs.position.solutionFound) return;
                }
                Remove(gs, m, c, r, n);
                if (budget.expired) return;
            }
    }
}

} // namespace

void ReferenceSearch(GameState& gs, int n) {
    Budget budget;
    Run(gs, n, budget);
}

namespace {

bool RunWithin(GameState& gs, int n, Budget& budget) {
    Grid start = gs.position.solverGrid;
    Run(gs, n, budget);
    if (!budget.expired) return true;
    gs.position.solverGrid = start;
    gs.position.solutionFound = 0;
    return false;
}

} // namespace

bool ReferenceSearchWithin(GameState& gs, int n, double seconds) {
    Budget budget;
    budget.timed = true;
    budget.deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                         std::chrono::duration<double>(seconds));
    return RunWithin(gs, n, budget);
}

bool ReferenceSearchWithinSteps(GameState& gs, int n, long placements) {
    Budget budget;
    budget.maxNodes = placements;
    return RunWithin(gs, n, budget);
}
