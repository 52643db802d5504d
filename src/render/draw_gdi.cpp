// One square from a skin surface, a grid of cells with its contours, and item backgrounds.
#include "render/draw_gdi.h"

#include "render/cells.h"
#include "render/gdi_handles_gdi.h"
#include "render/layout.h"
#include "render/shading.h"

namespace {

void Blend(HDC target, int x, int y, int size, HDC source, int sx, uint8_t alpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0}; // constant alpha, no per-pixel alpha
    AlphaBlend(target, x, y, size, size, source, sx, 0, size, size, blend);
}

void FillBlack(HDC dc, int x, int y, int size) {
    const RECT rect{x, y, x + size, y + size};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// A tile of a skin surface lies at (tile * size, 0); squares larger than the scratch area (which
// grows with the skin's squares) or tiles beyond the black square would read outside the
// skin surfaces and the scratch area.
bool SquareFits(const Surfaces& s, int size, int tile) {
    return size > 0 && size <= s.scratch.width && size <= s.scratch.height && tile >= 0 &&
           tile <= kTileBlack;
}

} // namespace

void DrawSquare(Surfaces& s, HDC target, int x, int y, int size, int tile, int opacity,
                bool inverted, HDC source) {
    if (!SquareFits(s, size, tile)) return;
    const int sx = tile * size;
    const uint8_t alpha = ConstantAlpha(opacity);
    switch (ChooseSquareMethod(tile, opacity, inverted)) {
    case SquareMethod::Copy:
        BitBlt(target, x, y, size, size, source, sx, 0, SRCCOPY);
        break;
    case SquareMethod::CopyInverted:
        BitBlt(target, x, y, size, size, source, sx, 0, NOTSRCCOPY);
        break;
    case SquareMethod::FillBlack:
        FillBlack(target, x, y, size);
        break;
    case SquareMethod::BlendTile:
        Blend(target, x, y, size, source, sx, alpha);
        break;
    case SquareMethod::BlendBlack:
        FillBlack(s.scratch.dc, 0, 0, size);
        Blend(target, x, y, size, s.scratch.dc, 0, alpha);
        break;
    case SquareMethod::BlendInverted:
        BitBlt(s.scratch.dc, 0, 0, size, size, source, sx, 0, NOTSRCCOPY);
        Blend(target, x, y, size, s.scratch.dc, 0, alpha);
        break;
    }
}

CellsToDraw MatrixToDraw(HDC source, int size, Point origin, const FigureMatrix& m,
                         bool drawEmpty) {
    CellsToDraw toDraw;
    toDraw.source = source;
    toDraw.size = size;
    toDraw.x0 = origin.x;
    toDraw.y0 = origin.y;
    toDraw.columns = toDraw.rows = toDraw.stride = kMatrixSide;
    toDraw.cells = m.data();
    toDraw.drawEmpty = drawEmpty;
    return toDraw;
}

void DrawCells(Surfaces& s, HDC target, const CellsToDraw& toDraw, const ViewOptions& options) {
    if (toDraw.cells == nullptr || toDraw.columns <= 0 || toDraw.rows <= 0) return;
    const CellView view{toDraw.cells, toDraw.stride, toDraw.columns, toDraw.rows};
    const CellStyle style = MakeCellStyle(options, toDraw.drawEmpty, toDraw.inColour);
    OwnedBrush contour(CreateSolidBrush(options.colorContour));
    for (const CellSquare& square : PlanCells(view, {toDraw.x0, toDraw.y0}, toDraw.size, style)) {
        DrawSquare(s, target, square.x, square.y, toDraw.size, square.tile, toDraw.opacity,
                   toDraw.inverted, toDraw.source);
        for (const Rect& line : ContourRects(square.x, square.y, toDraw.size, square.sides)) {
            const RECT rect{line.left, line.top, line.right, line.bottom};
            FillRect(target, &rect, contour.get());
        }
    }
}

void FillItemBackground(Surfaces& s, const ViewOptions& options, const RECT& rect, int dx, int dy,
                        COLORREF colour) {
    if (options.backgroundType == BackgroundType::PatternImage) {
        CopyFromSurface(s.background, rect.left + dx, rect.top + dy, rect.right - rect.left,
                        rect.bottom - rect.top, s.backBuffer.dc, rect.left, rect.top);
        return;
    }
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(s.backBuffer.dc, &rect, brush.get());
}
