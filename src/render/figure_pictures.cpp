// Where figure pictures go: the legal-move mark, the shadow of the figure in hand and the
// picture inside a list or menu item.
#include "render/figure_pictures.h"

#include <algorithm>

#include "model/display.h"
#include "model/keyboard.h"
#include "model/placement.h"
#include "render/shading.h"

namespace {

Rect Union(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace

FigureMatrix LegalMoveMark(const FigureMatrix& held) {
    FigureMatrix mark = held;
    for (uint8_t& v : mark) {
        if (v != 0) v = kCellSquare;
    }
    return mark;
}

Rect HandPictureRect(const GameState& gs, int selection, Point mouse) {
    const int figure = HeldFigure(gs, selection);
    if (figure == 0) return {};
    const Point pointer = HandPointer(gs, figure, mouse);
    const int s = MetricsOf(gs).square, side = kMatrixSide * s;
    const Point at{pointer.x - gs.hand.grabX, pointer.y - gs.hand.grabY};
    const int shadow = gs.settings.view.showShadow ? ShadowOffset(s) : 0;
    Rect shown{at.x, at.y, at.x + side + shadow, at.y + side + shadow};
    const DropTarget drop = DropPositionAndLegality(gs, figure, pointer);
    if (gs.settings.view.showLegalMove && drop.legal) {
        const Rect frame = FieldFrame(gs);
        const Point mark{frame.left + (drop.x + 1) * s, frame.top + (drop.y + 1) * s};
        shown = Union(shown, {mark.x, mark.y, mark.x + side, mark.y + side});
    }
    return shown;
}

std::vector<Point> ShadowSquares(const FigureMatrix& matrix, Point figureOrigin, int squareSize) {
    const int d = ShadowOffset(squareSize);
    std::vector<Point> squares;
    for (int i = 0; i < kMatrixSide; ++i) {
        for (int j = 0; j < kMatrixSide; ++j) {
            if (At(matrix, j, i) == 0) continue;
            squares.push_back(
                {figureOrigin.x + j * squareSize + d, figureOrigin.y + i * squareSize + d});
        }
    }
    return squares;
}

Point ItemPictureOrigin(int right, int top, int tile) {
    return {right / 2 - kMatrixSide * tile / 2, top + 1};
}
