// The main window's paint and the owner-drawn figure list entries and orientation menu items.
#include <tuple>

#include "render/paint_gdi.h"
#include "render/shading.h"
#include "test_window.h"

namespace {

constexpr COLORREF kBefore = 0x0000FE; // the window's or item's pixels before drawing
constexpr COLORREF kBack = 0x6E6E6E;   // the solid background
const COLORREF kOpen = TestTileColour(0);

// The pixel (dx, dy) from the top-left corner of cell (c, r), by default its centre, of a
// 10 x 6 field at squares of 48 framed from (192, 32).
POINT Cell(int c, int r, int dx = 24, int dy = 24) {
    return {192 + 48 * (c + 1) + dx, 32 + 48 * (r + 1) + dy};
}

// Figure 1 on cells (5, 3) and (6, 3), figure 2 on (7, 3), cell (9, 5) blocked; figure 3 in
// hand, a row of five held by the middle of its first square.
class RenderPaint : public RenderTest {
  protected:
    void SetUp() override {
        RenderTest::SetUp();
        gs.position.placed[0] = {5, 3, FigureMatrix{1, 1}};
        gs.position.placed[1] = {7, 3, FigureMatrix{2}};
        ::At(gs.position.board, 9, 5) = kCellBlocked;
        gs.hand.matrices[3] = FigureMatrix{3, 3, 3, 3, 3};
        gs.hand.grabX = gs.hand.grabY = 24;
    }
    void Paint(POINT pointer, bool enabled = true) {
        PaintMainWindow(surfaces, gs, window.dc(),
                        {{0, 0, 1000, 700}, {32, 32, 160, 578}, pointer, 3, enabled});
    }
    TestCanvas window{1100, 800, kBefore};
};

// The field inside its frame, 1-pixel contour lines inside each figure square where the
// neighbour differs (a 2-pixel seam between two figures), a blocked cell's gap, the figure
// list's frame; one copy to the window that leaves out the list and what lies beyond the
// client area.
TEST_F(RenderPaint, FieldFramesAndOneClippedCopy) {
    gs.position.inList[3] = 0; // nothing in hand
    gs.settings.view.colorContour = 0x00FF00;
    Paint({0, 0});
    ExpectPixels(window.dc(), {{Cell(5, 3, 24, 0), 0x00FF00},
                               {Cell(6, 3, 0), TestTileColour(1)}, // one figure: no seam
                               {Cell(7, 3, -2), TestTileColour(1)},
                               {Cell(7, 3, -1), 0x00FF00},
                               {Cell(7, 3, 0), 0x00FF00},
                               {Cell(7, 3, 1), TestTileColour(2)},
                               {Cell(9, 5), kBack},
                               {{192, 32}, 0xFFFFFF}, // the field's frame
                               {{192 + 12 * 48 - 1, 200}, 0xFFFFFF},
                               {{300, 32 + 8 * 48 - 1}, 0xFFFFFF},
                               {{31, 300}, 0xFFFFFF}, // the list's frame around its window
                               {{100, 300}, kBefore},
                               {{1050, 300}, kBefore}});
}

// Figure 3 held at columns c..c + 4 of row 2 (from 7 it passes the field's edge: illegal),
// probed at the centre of its last square, over its own shadow (48 / 6 = 8 pixels right and
// down), in the shadow right of it, and in an empty cell of its matrix, where neither it nor
// the legal-move mark is drawn.
TEST_F(RenderPaint, FigureInHandShadowInverseAndMark) {
    const COLORREF held = TestTileColour(3);
    const std::tuple<int, bool, bool, bool, int, COLORREF, COLORREF> cases[] = {
        // opacity, show inverse, show legal move, window enabled, c, square, shadow
        {100, false, false, true, 2, held, Blended(0, kOpen, 63)}, // shadow at 100 / 10 + 15 %
        // at least 50 % over the shadow at 50 / 10 + 15 %
        {5, false, false, true, 2, Blended(held, Blended(0, kOpen, 51), 127),
         Blended(0, kOpen, 51)},
        {100, true, false, true, 7, Inverted(held), Blended(0, kBack, 63)},
        {100, true, false, true, 2, held, Blended(0, kOpen, 63)},
        {100, false, true, false, 2, TestTileColour(13), kOpen}, // while a dialog is open
        {100, false, true, false, 7, kBack, kBack},
    };
    for (const auto& row : cases) {
        const auto& [opacity, inverse, mark, enabled, c, square, shadow] = row;
        gs.settings.view.opacityPercent = opacity;
        gs.settings.view.showInverse = inverse;
        gs.settings.view.showLegalMove = mark;
        Paint(Cell(c, 2), enabled);
        ExpectPixels(surfaces.backBuffer.dc,
                     {{Cell(c + 4, 2), square},
                      {Cell(c + 5, 2, 4), shadow},
                      {Cell(c + 4, 3), c == 2 ? TestTileColour(1) : kBack}},
                     1, "case " + std::to_string(&row - cases));
    }
}

// The largest field at the largest squares is cut at the window's edge; a window wider than
// the screen (on a larger second monitor) grows the surfaces: the paint reaches its last pixel.
TEST_F(RenderPaint, ReachesTheLastPixelOfLargeFieldsAndWindows) {
    gs.position.fieldWidth = gs.position.fieldHeight = 24;
    gs.settings.view.squareSize = 64;
    ReloadSkin(surfaces, gs, hwnd);
    Paint({5, 5});
    ExpectPixels(window.dc(), {{{999, 699}, kOpen}}); // in cell (11, 9)
    const int w = GetSystemMetrics(SM_CXSCREEN) + 300;
    ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 0, 0, w, 200, SWP_NOZORDER | SWP_NOACTIVATE));
    GrowSurfacesToClient(surfaces, gs, hwnd);
    TestCanvas wide(w, 200, kBefore);
    PaintMainWindow(surfaces, gs, wide.dc(), {{0, 0, w, 200}, {32, 32, 160, 578}, {5, 5}, 0, true});
    ExpectPixels(wide.dc(), {{{w - 1, 199}, kOpen}});
}

// Figure list entry 12 and orientation 1 of figure 12 as a menu item (the same picture, its
// first square at (3, 1)) drawn into y 42..84 of a canvas 120 wide: the picture of 8-pixel
// squares at (40, 43), empty cells as open cells, on the back colour, shaded while
// highlighted, darkened over a pattern. Stripes: for item x 2 the list shows background x 35
// (its client area starts at 32 + the offset 1), the menu background x 2.
TEST_F(RenderTest, OwnerDrawnListEntriesAndMenuItems) {
    const COLORREF shaded = ShadeColors(kBack, 0xFFFFFF).back, twelve = TestTileColour(12);
    const std::tuple<bool, int, bool, bool, bool, COLORREF, COLORREF> cases[] = {
        // a menu item, figure, highlighted, 12 in the list, over the pattern, a square, the back
        {false, -1, true, true, false, kBefore, kBefore}, // no entry: nothing drawn
        {false, 12, false, true, false, twelve, kBack},
        {false, 12, true, false, false, TestTileColour(13), shaded},
        {false, 12, true, true, true, twelve, Blended(0, 0x3080C0, 96)},
        {true, 0, true, true, false, kBefore, kBefore}, // no figure selected
        {true, 12, false, true, false, TestTileColour(13), kBack},
        {true, 12, true, true, false, twelve, shaded},
        {true, 12, true, true, true, twelve, Blended(0, 0xC08030, 96)},
    };
    UsePattern("stripes.bmp", 2, 1, [](int x, int) { return x ? 0x3080C0 : 0xC08030; });
    gs.position.fieldOffsetX = 1;
    for (const auto& [menu, figure, selected, inList, pattern, square, back] : cases) {
        gs.position.inList[12] = inList;
        gs.settings.view.backgroundType =
            pattern ? BackgroundType::PatternImage : BackgroundType::SolidColour;
        BuildBackground(surfaces, gs, hwnd);
        TestCanvas canvas(120, 100, kBefore);
        DRAWITEMSTRUCT item{};
        item.itemID = static_cast<UINT>(figure);
        item.itemState = selected ? ODS_SELECTED : 0;
        item.hDC = canvas.dc();
        item.rcItem = {0, 42, 120, 84};
        if (menu)
            DrawOrientationItem(surfaces, gs, item, figure, 1);
        else
            DrawFigureListItem(surfaces, gs, item);
        ExpectPixels(
            canvas.dc(),
            {{{68, 55}, square}, {{44, 47}, square == kBefore ? kBefore : kOpen}, {{2, 60}, back}},
            1, (menu ? "menu " : "entry ") + std::to_string(figure));
    }
}

} // namespace
