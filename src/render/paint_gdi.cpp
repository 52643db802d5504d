// The main window's paint: field, placed figures, the figure in hand with shadow and mark.
#include "render/paint_gdi.h"

#include <algorithm>

#include "model/keyboard.h"
#include "model/placement.h"
#include "render/cells.h"
#include "render/figure_pictures.h"
#include "render/gdi_handles_gdi.h"
#include "render/hint_marks.h"
#include "render/layout.h"
#include "render/shading.h"

namespace {

// What one paint draws with: the square size and opacity kept to what the skin surfaces and
// the blends can take, and the field frame's top-left corner.
struct PaintGeometry {
    int s = 0;
    int opacity = 100;
    Point frame;
    int columns = 0;
    int rows = 0;
};

PaintGeometry GeometryOf(const GameState& gs) {
    PaintGeometry g;
    const Metrics m = MetricsOf(gs);
    g.s = m.square;
    g.opacity = LimitOpacity(gs.settings.view.opacityPercent);
    g.frame = {m.frameLeft + gs.position.fieldOffsetX, m.frameTop + gs.position.fieldOffsetY};
    g.columns = std::clamp(static_cast<int>(gs.position.fieldWidth), 0, kGridSide);
    g.rows = std::clamp(static_cast<int>(gs.position.fieldHeight), 0, kGridSide);
    return g;
}

// The figure in hand (0 for none) and where it would land.
struct HeldAtPointer {
    int figure = 0;
    DropTarget drop;
};

// The figure the paint draws at the pointer: the figure list's own selection, which the
// model's hand may not have caught up with yet.
HeldAtPointer FigureAtPointer(const GameState& gs, int selection, Point pointer) {
    const int figure = HeldFigure(gs, selection);
    return {figure, DropPositionAndLegality(gs, figure, pointer)};
}

RECT FieldFrameOf(const PaintGeometry& g) {
    return {g.frame.x, g.frame.y, g.frame.x + (g.columns + 2) * g.s,
            g.frame.y + (g.rows + 2) * g.s};
}

void DrawField(Surfaces& s, const GameState& gs, const PaintGeometry& g, HBRUSH ink) {
    const RECT frame = FieldFrameOf(g);
    FrameRect(s.backBuffer.dc, &frame, ink);
    CellsToDraw toDraw;
    toDraw.source = s.skin.dc;
    toDraw.size = g.s;
    toDraw.x0 = g.frame.x + g.s;
    toDraw.y0 = g.frame.y + g.s;
    toDraw.columns = g.columns;
    toDraw.rows = g.rows;
    toDraw.cells = gs.position.board.data();
    toDraw.stride = kGridSide;
    DrawCells(s, s.backBuffer.dc, toDraw, gs.settings.view);
}

void DrawHintMarks(Surfaces& s, const GameState& gs, const PaintGeometry& g) {
    const std::vector<MarkStroke> strokes =
        PlanHintMarks(gs, {g.frame.x + g.s, g.frame.y + g.s}, g.s);
    if (strokes.empty()) return;
    // One brush a colour, not one a stroke: the field is painted again as the hand moves.
    OwnedBrush warning(CreateSolidBrush(kWarningMarkColour));
    OwnedBrush teaching(CreateSolidBrush(kTeachingMarkColour));
    for (const MarkStroke& stroke : strokes) {
        const RECT r{stroke.rect.left, stroke.rect.top, stroke.rect.right, stroke.rect.bottom};
        FillRect(s.backBuffer.dc, &r,
                 stroke.colour == kWarningMarkColour ? warning.get() : teaching.get());
    }
}

// The held figure's shape in tile 13 where a legal drop would land.
void DrawLegalMoveMark(Surfaces& s, const GameState& gs, const PaintGeometry& g,
                       const HeldAtPointer& hand) {
    const FigureMatrix mark = LegalMoveMark(gs.hand.matrices[hand.figure]);
    const Point at{g.frame.x + (hand.drop.x + 1) * g.s, g.frame.y + (hand.drop.y + 1) * g.s};
    CellsToDraw toDraw = MatrixToDraw(s.skin.dc, g.s, at, mark, false);
    toDraw.opacity = g.opacity;
    DrawCells(s, s.backBuffer.dc, toDraw, gs.settings.view);
}

// The shadow is drawn first so the figure covers it.
void DrawFigureInHand(Surfaces& s, const GameState& gs, const PaintGeometry& g,
                      const HeldAtPointer& hand, Point pointer) {
    const FigureMatrix& m = gs.hand.matrices[hand.figure];
    const Point at{pointer.x - gs.hand.grabX, pointer.y - gs.hand.grabY};
    if (gs.settings.view.showShadow != 0) {
        const int shadowOpacity = ShadowOpacity(g.opacity);
        for (const Point& q : ShadowSquares(m, at, g.s))
            DrawSquare(s, s.backBuffer.dc, q.x, q.y, g.s, kTileBlack, shadowOpacity, false,
                       s.skin.dc);
    }
    CellsToDraw toDraw = MatrixToDraw(s.skin.dc, g.s, at, m, false);
    toDraw.opacity = g.opacity;
    toDraw.inverted = gs.settings.view.showInverse != 0 && !hand.drop.legal;
    DrawCells(s, s.backBuffer.dc, toDraw, gs.settings.view);
}

// The field's keyboard focus: the system's dotted focus rectangle around the frame and, with
// the hand empty, the cursor cell's edge inverted.
void DrawFieldFocus(Surfaces& s, const GameState& gs, const PaintGeometry& g, bool handEmpty) {
    RECT around = FieldFrameOf(g);
    InflateRect(&around, 3, 3);
    DrawFocusRect(s.backBuffer.dc, &around);
    if (!handEmpty) return;
    const Point cell = CursorCell(gs);
    const int x = g.frame.x + (cell.x + 1) * g.s + 2, y = g.frame.y + (cell.y + 1) * g.s + 2;
    const int side = g.s - 4, width = 3;
    PatBlt(s.backBuffer.dc, x, y, side, width, DSTINVERT);
    PatBlt(s.backBuffer.dc, x, y + side - width, side, width, DSTINVERT);
    PatBlt(s.backBuffer.dc, x, y + width, width, side - 2 * width, DSTINVERT);
    PatBlt(s.backBuffer.dc, x + side - width, y + width, width, side - 2 * width, DSTINVERT);
}

// The client area less the figure list: the final copy leaves the list control untouched.
HRGN ClipWithoutList(const PaintInput& in) {
    HRGN clip = CreateRectRgnIndirect(&in.client);
    OwnedRegion list(CreateRectRgnIndirect(&in.figureList));
    CombineRgn(clip, clip, list.get(), RGN_XOR);
    return clip;
}

} // namespace

void PaintMainWindow(Surfaces& s, GameState& gs, HDC hdc, const PaintInput& in) {
    RECT area{0, 0, std::min<int>(in.client.right - in.client.left, s.backBuffer.width),
              std::min<int>(in.client.bottom - in.client.top, s.backBuffer.height)};
    if (!IsRectEmpty(&in.update)) IntersectRect(&area, &area, &in.update);
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    CopyFromSurface(s.background, area.left, area.top, w, h, s.backBuffer.dc, area.left, area.top);
    OwnedRegion clip(ClipWithoutList(in));
    SelectClipRgn(hdc, clip.get());
    // Drawing outside the area costs nothing but the calls.
    OwnedRegion drawn(CreateRectRgnIndirect(&area));
    SelectClipRgn(s.backBuffer.dc, drawn.get());
    OwnedBrush ink(CreateSolidBrush(gs.settings.view.colorInk));

    const Point pointer =
        HandPointer(gs, HeldFigure(gs, in.selection), {in.pointer.x, in.pointer.y});
    ComposeBoard(gs, pointer);
    const PaintGeometry g = GeometryOf(gs);
    DrawField(s, gs, g, ink.get());
    DrawHintMarks(s, gs, g);
    const HeldAtPointer hand = FigureAtPointer(gs, in.selection, pointer);
    if (in.fieldFocus) DrawFieldFocus(s, gs, g, hand.figure == 0);
    if (hand.figure != 0) {
        if (hand.drop.legal && gs.settings.view.showLegalMove != 0)
            DrawLegalMoveMark(s, gs, g, hand);
        if (in.windowEnabled) DrawFigureInHand(s, gs, g, hand, pointer);
    }
    RECT listFrame = in.figureList;
    InflateRect(&listFrame, 1, 1);
    FrameRect(s.backBuffer.dc, &listFrame, ink.get());

    BitBlt(hdc, area.left, area.top, w, h, s.backBuffer.dc, area.left, area.top, SRCCOPY);
    SelectClipRgn(s.backBuffer.dc, nullptr);
    SelectClipRgn(hdc, nullptr);
}
