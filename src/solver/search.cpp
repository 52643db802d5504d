// The placement search: figures in number order, every orientation at every origin, pruned
// by the rule that every empty region must hold a multiple of five cells.
#include "solver/search.h"

#include "model/geometry.h"

namespace {

bool InField(const GameState& gs, int column, int row) {
    return column >= 0 && column < gs.fieldWidth && row >= 0 && row < gs.fieldHeight;
}

void Write(GameState& gs, const FigureMatrix& m, int column, int row, uint8_t value) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j)
            if (At(m, j, i) != 0) At(gs.solverGrid, column + j, row + i) = value;
}

void Remove(GameState& gs, const FigureMatrix& m, int column, int row, int n) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j)
            if (At(m, j, i) != 0 && At(gs.solverGrid, column + j, row + i) == n)
                At(gs.solverGrid, column + j, row + i) = 0;
}

// Labels the free regions of the field and tells whether each holds a multiple of five cells.
bool RegionsDivisibleByFive(const GameState& gs) {
    RegionMask mask;
    for (int r = 0; r < gs.fieldHeight; ++r)
        for (int c = 0; c < gs.fieldWidth; ++c)
            mask.cells[r * kGridSide + c] = At(gs.solverGrid, c, r) == 0 ? 1 : 0;
    RegionLabel label = 2;
    for (int r = 0; r < gs.fieldHeight; ++r)
        for (int c = 0; c < gs.fieldWidth; ++c)
            if (mask.cells[r * kGridSide + c] == 1) FillRegion(gs, c, r, label++, mask);
    // There are fewer regions than cells, so one counter per cell (plus the two unused
    // labels 0 and 1) is always enough.
    std::array<int32_t, kGridCells + 2> sizes{};
    for (int r = 0; r < gs.fieldHeight; ++r)
        for (int c = 0; c < gs.fieldWidth; ++c) {
            RegionLabel l = mask.cells[r * kGridSide + c];
            if (l >= 2) ++sizes[static_cast<size_t>(l)];
        }
    for (RegionLabel l = 2; l < label; ++l)
        if (sizes[static_cast<size_t>(l)] % 5 != 0) return false;
    return true;
}

} // namespace

bool FitsAt(const GameState& gs, const FigureMatrix& m, int column, int row) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j) {
            if (At(m, j, i) == 0) continue;
            int c = column + j, r = row + i;
            if (!InField(gs, c, r) || At(gs.solverGrid, c, r) != 0) return false;
        }
    return true;
}

bool IsFigureOnSolverGrid(const GameState& gs, int figure) {
    for (int r = 0; r < gs.fieldHeight; ++r)
        for (int c = 0; c < gs.fieldWidth; ++c)
            if (At(gs.solverGrid, c, r) == figure) return true;
    return false;
}

bool IsSolverGridFull(const GameState& gs) {
    for (int r = 0; r < gs.fieldHeight; ++r)
        for (int c = 0; c < gs.fieldWidth; ++c)
            if (At(gs.solverGrid, c, r) == 0) return false;
    return true;
}

void FillRegion(const GameState& gs, int column, int row, RegionLabel label, RegionMask& mask) {
    // An explicit stack visits the cells in the order of the recursive definition (left,
    // right, up, down) without a call level per cell.
    // Every cell is labelled once and pushes four neighbours, which bounds the stack.
    std::array<Point, 4 * kGridCells + 1> stack;
    size_t top = 0;
    stack[top++] = {column, row};
    while (top > 0) {
        Point p = stack[--top];
        if (!InField(gs, p.x, p.y) || mask.cells[p.y * kGridSide + p.x] != 1) continue;
        mask.cells[p.y * kGridSide + p.x] = label;
        stack[top++] = {p.x, p.y + 1};
        stack[top++] = {p.x, p.y - 1};
        stack[top++] = {p.x + 1, p.y};
        stack[top++] = {p.x - 1, p.y};
    }
}

void Search(GameState& gs, int n) {
    gs.solutionFound = 0;
    if (n < 1) n = 1;
    if (n > kFigureCount) return;
    while (IsFigureOnSolverGrid(gs, n)) {
        if (n == kFigureCount) {
            gs.solutionFound = 1;
            return;
        }
        ++n;
    }
    const OrientationSet& set = gs.orientationTable[n];
    for (int o = 0; o < set.count; ++o) {
        const FigureMatrix& m = set.matrices[o];
        for (int r = -2; r <= gs.fieldHeight - 3; ++r)
            for (int c = -2; c <= gs.fieldWidth - 3; ++c) {
                if (!FitsAt(gs, m, c, r)) continue;
                Write(gs, m, c, r, static_cast<uint8_t>(n));
                if (n == kFigureCount) {
                    if (IsSolverGridFull(gs)) {
                        gs.solutionFound = 1;
                        return;
                    }
                } else if (RegionsDivisibleByFive(gs)) {
                    Search(gs, n + 1);
                    if (gs.solutionFound) return;
                }
                Remove(gs, m, c, r, n);
            }
    }
}

bool ExtractPlacement(const GameState& gs, int figure, const Grid& grid, Figure& out) {
    int minRow = kGridSide, minCol = kGridSide;
    for (int r = 0; r < kGridSide; ++r)
        for (int c = 0; c < kGridSide; ++c)
            if (At(grid, c, r) == figure) {
                if (r < minRow) minRow = r;
                if (c < minCol) minCol = c;
            }
    if (minRow == kGridSide) return false;
    FigureMatrix window{};
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j) {
            int r = minRow + i, c = minCol + j;
            if (r < kGridSide && c < kGridSide && At(grid, c, r) == figure)
                At(window, j, i) = static_cast<uint8_t>(figure);
        }
    for (int k = 0; k < kOrientationCount; ++k) {
        if (gs.alignedCatalogue[k] != window) continue;
        const FigureMatrix& m = gs.orientationCatalogue[k];
        int top = 0, left = 0;
        while (top < 4 && !RowHasSquare(m, top)) ++top;
        while (left < 4 && !ColumnHasSquare(m, left)) ++left;
        out = Figure{minCol - left, minRow - top, m};
        return true;
    }
    return false;
}
