// The owner-drawn items: the figure list's entries and the orientation menus' pictures.
#include "render/paint_gdi.h"

#include <algorithm>

#include "model/geometry.h"
#include "render/figure_pictures.h"
#include "render/gdi_handles_gdi.h"
#include "render/layout.h"
#include "render/shading.h"

namespace {

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
    CellsToDraw toDraw = MatrixToDraw(s.pictureSkin.dc, MetricsOf(gs).smallTile, origin, m, true);
    toDraw.inColour = inColour;
    DrawCells(s, s.backBuffer.dc, toDraw, gs.settings.view);
}

// Composed at the back buffer's top-left corner, over the spot of the window background that
// lies behind the item (the list's client area starts at the layout offset plus the margin).
void DrawListEntry(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item, bool selected,
                   COLORREF back) {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID > static_cast<UINT>(kFigureCount))
        return;
    const int id = static_cast<int>(item.itemID);
    const RECT& rc = item.rcItem;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    const int margin = MetricsOf(gs).margin;
    CopyFromSurface(s.background, gs.position.fieldOffsetX + margin + rc.left,
                    gs.position.fieldOffsetY + margin + rc.top, w, h, s.backBuffer.dc, 0, 0);
    if (selected && gs.settings.view.backgroundType == BackgroundType::PatternImage) {
        DarkenItem(s, 0, 0, w, h);
    } else if (selected) {
        OwnedBrush brush(CreateSolidBrush(back));
        const RECT area{0, 0, w, h};
        FillRect(s.backBuffer.dc, &area, brush.get());
    }
    // A figure that lies on the field shows without colour; the empty hand always in colour.
    const bool inColour = id == 0 || gs.position.inList[id] != 0;
    DrawItemPicture(s, gs, gs.hand.matrices[id], ItemPictureOrigin(w, 0, MetricsOf(gs).smallTile),
                    inColour);
    BitBlt(item.hDC, rc.left, rc.top, w, h, s.backBuffer.dc, 0, 0, SRCCOPY);
}

// Composed at the item's own place in the back buffer; only the highlighted item is in colour.
void DrawOrientationPicture(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item,
                            bool selected, COLORREF back, int figure, int n) {
    const RECT& rc = item.rcItem;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    FillItemBackground(s, gs.settings.view, rc, rc.left, rc.top, back);
    if (selected && gs.settings.view.backgroundType == BackgroundType::PatternImage)
        DarkenItem(s, rc.left, rc.top, w, h);
    FigureMatrix m{};
    if (!NthOrientation(figure, n, m)) return;
    DrawItemPicture(s, gs, m, ItemPictureOrigin(rc.right, rc.top, MetricsOf(gs).smallTile),
                    selected);
    BitBlt(item.hDC, rc.left, rc.top, w, h, s.backBuffer.dc, rc.left, rc.top, SRCCOPY);
}

// The item's colours: inverted while it is highlighted.
ShadedColors ItemColours(const GameState& gs, const DRAWITEMSTRUCT& item) {
    const ViewOptions& view = gs.settings.view;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const ShadedColors colours = selected ? ShadeColors(view.colorBack, view.colorInk)
                                          : ShadedColors{view.colorBack, view.colorInk};
    SetTextColor(item.hDC, colours.ink);
    SetBkColor(item.hDC, colours.back);
    return colours;
}

} // namespace

void DrawFigureListItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item) {
    const ShadedColors colours = ItemColours(gs, item);
    DrawListEntry(s, gs, item, (item.itemState & ODS_SELECTED) != 0, colours.back);
}

void DrawOrientationItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item, int figure,
                         int n) {
    const ShadedColors colours = ItemColours(gs, item);
    DrawOrientationPicture(s, gs, item, (item.itemState & ODS_SELECTED) != 0, colours.back, figure,
                           n);
}
