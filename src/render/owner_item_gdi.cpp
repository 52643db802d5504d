// The owner-drawn items: the figure list's entries and the orientation menus' pictures.
#include "render/paint_gdi.h"

#include <algorithm>

#include "model/geometry.h"
#include "render/figure_pictures.h"
#include "render/gdi_handles_gdi.h"
#include "render/layout.h"
#include "render/shading.h"

namespace {

constexpr int kFigureListId = 1000;

// Black over the item at alpha 96: the highlight of a selected item on a pattern background.
void DarkenItem(Surfaces& s, int x, int y, int w, int h) {
    w = std::min(w, s.scratch.width);
    h = std::min(h, s.scratch.height);
    if (w <= 0 || h <= 0) return;
    const RECT area{0, 0, w, h};
    FillRect(s.scratch.dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, kSelectedItemAlpha, 0};
    AlphaBlend(s.backBuffer.dc, x, y, w, h, s.scratch.dc, 0, 0, w, h, blend);
}

// The 5 x 5 picture of 8-pixel squares, empty cells drawn as open cells.
void DrawItemPicture(Surfaces& s, const GameState& gs, const FigureMatrix& m, Point origin,
                     bool inColour) {
    CellsToDraw toDraw = MatrixToDraw(s.smallSkin.dc, kSmallTileSide, origin, m, true);
    toDraw.inColour = inColour;
    DrawCells(s, s.backBuffer.dc, toDraw, gs);
}

// Composed at the back buffer's top-left corner, over the spot of the window background that
// lies behind the item (the list's client area starts at the layout offset plus the margin).
void DrawFigureListItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item,
                        bool selected, COLORREF back) {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID > static_cast<UINT>(kFigureCount))
        return;
    const int id = static_cast<int>(item.itemID);
    const RECT& rc = item.rcItem;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    CopyFromSurface(s.background, gs.fieldOffsetX + kLayoutMargin + rc.left,
                    gs.fieldOffsetY + kLayoutMargin + rc.top, w, h, s.backBuffer.dc, 0, 0);
    if (selected && gs.backgroundType == 0) {
        DarkenItem(s, 0, 0, w, h);
    } else if (selected) {
        OwnedBrush brush(CreateSolidBrush(back));
        const RECT area{0, 0, w, h};
        FillRect(s.backBuffer.dc, &area, brush.get());
    }
    // A figure that lies on the field shows without colour; the empty hand always in colour.
    const bool inColour = id == 0 || gs.figureCount[id] != 0;
    DrawItemPicture(s, gs, gs.handMatrices[id], ItemPictureOrigin(w, 0), inColour);
    BitBlt(item.hDC, rc.left, rc.top, w, h, s.backBuffer.dc, 0, 0, SRCCOPY);
}

// Composed at the item's own place in the back buffer; only the highlighted item is in colour.
void DrawOrientationItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item,
                         bool selected, COLORREF back, int selectedFigure) {
    const int n = OrientationOfCommand(static_cast<int>(item.itemID));
    if (n == 0) return;
    const RECT& rc = item.rcItem;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    FillItemBackground(s, gs, rc, rc.left, rc.top, back);
    if (selected && gs.backgroundType == 0) DarkenItem(s, rc.left, rc.top, w, h);
    FigureMatrix m{};
    if (!NthOrientation(gs, selectedFigure, n, m)) return;
    DrawItemPicture(s, gs, m, ItemPictureOrigin(rc.right, rc.top), selected);
    BitBlt(item.hDC, rc.left, rc.top, w, h, s.backBuffer.dc, rc.left, rc.top, SRCCOPY);
}

} // namespace

void DrawOwnerItem(Surfaces& s, const GameState& gs, int controlId, const DRAWITEMSTRUCT& item,
                   int selectedFigure) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const ShadedColors colours =
        selected ? ShadeColors(gs.colorBack, gs.colorInk) : ShadedColors{gs.colorBack, gs.colorInk};
    SetTextColor(item.hDC, colours.ink);
    SetBkColor(item.hDC, colours.back);
    if (controlId == kFigureListId) {
        DrawFigureListItem(s, gs, item, selected, colours.back);
    } else if (item.CtlType == ODT_MENU) {
        DrawOrientationItem(s, gs, item, selected, colours.back, selectedFigure);
    }
}
