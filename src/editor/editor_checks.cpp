// Checks of a new puzzle before it is saved: all figures laid, or 60 squares in groups of 5.
#include "editor/editor_checks.h"

#include <algorithm>

#include "model/placement.h"

int CountSquares(const Grid& grid) {
    return static_cast<int>(std::count_if(grid.begin(), grid.end(), [](uint8_t v) { return v; }));
}

namespace {

// Labels the group around (x, y) and returns its size. An explicit stack: a group may be as
// large as the grid, too deep for recursion on a small stack.
int FillGroup(const Grid& grid, int x, int y, int32_t label, SquareGroups& groups) {
    std::vector<int> pending{y * kGridSide + x};
    groups.labels[pending.back()] = label;
    int size = 0;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        ++size;
        const int cx = cell % kGridSide;
        const int cy = cell / kGridSide;
        const Point next[4] = {{cx - 1, cy}, {cx + 1, cy}, {cx, cy - 1}, {cx, cy + 1}};
        for (const Point& p : next) {
            if (p.x < 0 || p.x >= kGridSide || p.y < 0 || p.y >= kGridSide) continue;
            const int n = p.y * kGridSide + p.x;
            if (grid[n] == 0 || groups.labels[n] != 0) continue;
            groups.labels[n] = label;
            pending.push_back(n);
        }
    }
    return size;
}

} // namespace

SquareGroups LabelGroups(const Grid& grid) {
    SquareGroups groups;
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x) {
            const int cell = y * kGridSide + x;
            if (grid[cell] == 0 || groups.labels[cell] != 0) continue;
            const auto label = static_cast<int32_t>(kFirstGroupLabel + groups.sizes.size());
            groups.sizes.push_back(FillGroup(grid, x, y, label, groups));
        }
    }
    return groups;
}

EditorCheck CheckSquares(const Grid& drawing) {
    if (CountSquares(drawing) != kPuzzleSquares) return EditorCheck::WrongCount;
    const SquareGroups groups = LabelGroups(drawing);
    const bool tileable = std::all_of(groups.sizes.begin(), groups.sizes.end(),
                                      [](int size) { return size % kSquaresPerFigure == 0; });
    return tileable ? EditorCheck::Ok : EditorCheck::AreaNotMultipleOf5;
}

EditorCheck CheckFiguresPlaced(const std::array<int8_t, kFigureCount + 1>& figureCount) {
    // Entry 0 is the empty hand and says nothing about the figures.
    const bool allLaid =
        std::all_of(figureCount.begin() + 1, figureCount.end(), [](int8_t n) { return n == 0; });
    return allLaid ? EditorCheck::Ok : EditorCheck::AllFiguresNotPlaced;
}

Grid ComposeFigures(const Placement& placed) {
    Grid drawing{};
    for (const Figure& f : placed)
        Stamp(drawing, f.matrix, f.x, f.y);
    return drawing;
}
