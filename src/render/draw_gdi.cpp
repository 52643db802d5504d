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

// A tile of a skin surface lies at (tile * size, 0); squares beyond 64 pixels or tiles beyond
// the black square would read outside the skin surfaces and the scratch area.
bool SquareFits(int size, int tile) {
    return size > 0 && size <= kMaxSquareSize && tile >= 0 && tile <= kTileBlack;
}

} // namespace

void DrawSquare(Surfaces& s, HDC target, int x, int y, int size, int tile, int opacity,
                bool inverted, HDC source) {
    if (!SquareFits(size, tile)) return;
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

CellsSpec MatrixSpec(HDC source, int size, Point origin, const FigureMatrix& m, bool drawEmpty) {
    CellsSpec spec;
    spec.source = source;
    spec.size = size;
    spec.x0 = origin.x;
    spec.y0 = origin.y;
    spec.columns = spec.rows = spec.stride = kMatrixSide;
    spec.cells = m.data();
    spec.drawEmpty = drawEmpty;
    return spec;
}

void DrawCells(Surfaces& s, HDC target, const CellsSpec& spec, const ViewOptions& options) {
    if (spec.cells == nullptr || spec.columns <= 0 || spec.rows <= 0) return;
    const CellView view{spec.cells, spec.stride, spec.columns, spec.rows};
    const CellStyle style = MakeCellStyle(options, spec.drawEmpty, spec.inColour);
    OwnedBrush contour(CreateSolidBrush(options.colorContour));
    for (const CellSquare& square : PlanCells(view, {spec.x0, spec.y0}, spec.size, style)) {
        DrawSquare(s, target, square.x, square.y, spec.size, square.tile, spec.opacity,
                   spec.inverted, spec.source);
        for (const Rect& line : ContourRects(square.x, square.y, spec.size, square.sides)) {
            const RECT rect{line.left, line.top, line.right, line.bottom};
            FillRect(target, &rect, contour.get());
        }
    }
}

void FillItemBackground(Surfaces& s, const ViewOptions& options, const RECT& rect, int dx, int dy,
                        COLORREF colour) {
    if (options.backgroundType == 0) {
        CopyFromSurface(s.background, rect.left + dx, rect.top + dy, rect.right - rect.left,
                        rect.bottom - rect.top, s.backBuffer.dc, rect.left, rect.top);
        return;
    }
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(s.backBuffer.dc, &rect, brush.get());
}
