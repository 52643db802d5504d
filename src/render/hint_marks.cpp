// The marks a hint leaves on the field: outlines along the edges of the cells they mark.
#include "render/hint_marks.h"

#include <algorithm>

#include "model/placement.h"
#include "render/cells.h"

namespace {

int MarkWidth(int squareSize) {
    return std::max(2, squareSize / 8);
}

// The outline of the figure cells of `marked` (each figure its own outline).
void Outline(const GameState& gs, const Grid& marked, Point origin, int s, uint32_t colour,
             std::vector<MarkStroke>& strokes) {
    const CellView view = GridView(marked, std::clamp<int>(gs.position.fieldWidth, 0, kGridSide),
                                   std::clamp<int>(gs.position.fieldHeight, 0, kGridSide));
    for (int r = 0; r < view.rows; ++r)
        for (int c = 0; c < view.columns; ++c) {
            if (view.At(c, r) == 0) continue;
            for (const Rect& line : ContourRects(origin.x + c * s, origin.y + r * s, s,
                                                 ContourSides(view, c, r), MarkWidth(s)))
                strokes.push_back({line, colour});
        }
}

} // namespace

std::vector<MarkStroke> PlanHintMarks(const GameState& gs, Point origin, int squareSize) {
    std::vector<MarkStroke> strokes;
    const Hints& hints = gs.hints;
    if (!hints.hint || hints.presses == 0) return strokes;
    const PositionHint& hint = *hints.hint;
    const int s = squareSize;
    Grid marked{};
    if (hint.kind == HintKind::Dead) {
        for (const Figure& f : gs.position.placed)
            if (std::ranges::find(hint.culprits, FigureOf(f.matrix)) != hint.culprits.end())
                Stamp(marked, f.matrix, f.x, f.y);
        Outline(gs, marked, origin, s, kWarningMarkColour, strokes);
    } else if (hint.kind == HintKind::Live) {
        const int w = MarkWidth(s);
        for (const Rect& line :
             ContourRects(origin.x + hint.cell.x * s + w, origin.y + hint.cell.y * s + w, s - 2 * w,
                          kSideLeft | kSideRight | kSideTop | kSideBottom, w))
            strokes.push_back({line, kTeachingMarkColour});
        if (hints.presses < 2) return strokes;
        Stamp(marked, hint.ghost.matrix, hint.ghost.x, hint.ghost.y);
        Outline(gs, marked, origin, s, kTeachingMarkColour, strokes);
    }
    return strokes;
}
