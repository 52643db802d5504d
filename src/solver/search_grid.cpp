// The solver grid's questions: does a figure fit, is a figure or a free cell left, which
// region is a cell in, and where does a found figure lie.
#include "solver/search.h"

#include "model/geometry.h"

namespace {

bool InField(const GameState& gs, int column, int row) {
    return column >= 0 && column < gs.position.fieldWidth && row >= 0 &&
           row < gs.position.fieldHeight;
}

} // namespace

bool FitsAt(const GameState& gs, const FigureMatrix& m, int column, int row) {
    for (int i = 0; i < kMatrixSide; ++i)
        for (int j = 0; j < kMatrixSide; ++j) {
            if (At(m, j, i) == 0) continue;
            int c = column + j, r = row + i;
            if (!InField(gs, c, r) || At(gs.position.solverGrid, c, r) != 0) return false;
        }
    return true;
}

bool IsFigureOnSolverGrid(const GameState& gs, int figure) {
    for (int r = 0; r < gs.position.fieldHeight; ++r)
        for (int c = 0; c < gs.position.fieldWidth; ++c)
            if (At(gs.position.solverGrid, c, r) == figure) return true;
    return false;
}

bool IsSolverGridFull(const GameState& gs) {
    for (int r = 0; r < gs.position.fieldHeight; ++r)
        for (int c = 0; c < gs.position.fieldWidth; ++c)
            if (At(gs.position.solverGrid, c, r) == 0) return false;
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

bool ExtractPlacement(int figure, const Grid& grid, Figure& out) {
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
        if (Orientations().aligned[k] != window) continue;
        const FigureMatrix& m = Orientations().catalogue[k];
        int top = 0, left = 0;
        while (top < 4 && !RowHasSquare(m, top))
            ++top;
        while (left < 4 && !ColumnHasSquare(m, left))
            ++left;
        out = Figure{minCol - left, minRow - top, m};
        return true;
    }
    return false;
}
