// Cutting a new puzzle's drawing down to its bounding box, and the field made from it.
#include "editor/trim.h"

#include <algorithm>

namespace {

bool RowEmpty(const Grid& g, int y) {
    for (int x = 0; x < kGridSide; ++x) {
        if (At(g, x, y) != 0) return false;
    }
    return true;
}

bool ColumnEmpty(const Grid& g, int x) {
    for (int y = 0; y < kGridSide; ++y) {
        if (At(g, x, y) != 0) return false;
    }
    return true;
}

// Moving the content up (or left) is at most 24 steps: an empty drawing ends at row 24.
int LeadingEmpty(const Grid& g, bool (*empty)(const Grid&, int)) {
    int n = 0;
    while (n < kGridSide - 1 && empty(g, n))
        ++n;
    return n;
}

// 1 + the last nonempty line, looking down to line 1; line 0 counts as used.
int Extent(const Grid& g, bool (*empty)(const Grid&, int)) {
    int last = kGridSide - 1;
    while (last > 0 && empty(g, last))
        --last;
    return last + 1;
}

} // namespace

TrimmedPuzzle TrimDrawing(const Grid& drawing) {
    const int top = LeadingEmpty(drawing, RowEmpty);
    const int left = LeadingEmpty(drawing, ColumnEmpty);
    TrimmedPuzzle out;
    for (int y = 0; y + top < kGridSide; ++y) {
        for (int x = 0; x + left < kGridSide; ++x)
            At(out.drawing, x, y) = At(drawing, x + left, y + top);
    }
    out.width = Extent(out.drawing, ColumnEmpty);
    out.height = Extent(out.drawing, RowEmpty);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            At(out.field, x, y) = At(out.drawing, x, y) != 0 ? kCellOpen : kCellBlocked;
        }
    }
    return out;
}
