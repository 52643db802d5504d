// The main window's paint, the owner-drawn list entries and menu items, the skin surfaces.
#include <tuple>

#include "fixtures.h"
#include "render/draw_gdi.h"
#include "render/paint_gdi.h"
#include "render/shading.h"

namespace {

constexpr COLORREF kBefore = 0x0000FE; // the window's or item's pixels before drawing
constexpr COLORREF kBack = 0x6E6E6E;   // the solid background
const COLORREF kOpen = TestTileColour(0);

// Pixel (dx, dy) of cell (c, r) of a 10 x 6 field at squares of 48 framed from (192, 32).
POINT Cell(int c, int r, int dx = 24, int dy = 24) {
    return {192 + 48 * (c + 1) + dx, 32 + 48 * (r + 1) + dy};
}

// Figure 1 on cells (5, 3) and (6, 3), figure 2 on (7, 3), cell (9, 5) blocked; figure 3, a row
// of five, in hand by the middle of its first square.
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

// The frames, 1-pixel contours where the neighbour differs (a 2-pixel seam between figures), a
// blocked cell's gap; one copy to the window leaving out the list and what is beyond the client.
TEST_F(RenderPaint, FieldFramesAndOneClippedCopy) {
    gs.position.inList[3] = 0; // nothing in hand
    gs.settings.view.colorContour = 0x00FF00;
    Paint({0, 0});
    ExpectPixels(window.dc(), {{Cell(5, 3, 24, 0), 0x00FF00},
                               {Cell(6, 3, 0), TestTileColour(1)}, // one figure: no seam
                               {Cell(7, 3, -1), 0x00FF00},
                               {Cell(7, 3, 0), 0x00FF00},
                               {Cell(7, 3, 1), TestTileColour(2)},
                               {Cell(9, 5), kBack},
                               {{192, 32}, 0xFFFFFF}, // the field's frame
                               {{300, 32 + 8 * 48 - 1}, 0xFFFFFF},
                               {{31, 300}, 0xFFFFFF}, // the list's frame around its window
                               {{100, 300}, kBefore},
                               {{1050, 300}, kBefore}});
}

// Figure 3 held at columns c..c + 4 of row 2 (from 7 illegal), probed on its last square over
// its shadow (8 pixels right and down), in the shadow beside it, and in an empty matrix cell.
TEST_F(RenderPaint, FigureInHandShadowInverseAndMark) {
    const COLORREF held = TestTileColour(3);
    const std::tuple<int, bool, bool, bool, int, COLORREF, COLORREF> cases[] = {
        // opacity, inverse, legal move mark, window enabled, c, square, shadow (opacity / 10 + 15
        // %)
        {5, false, false, true, 2, Blended(held, Blended(0, kOpen, 51), 127),
         Blended(0, kOpen, 51)},
        {100, true, false, true, 7, Inverted(held), Blended(0, kBack, 63)},
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

// With the keyboard in the field and the hand empty, the cursor cell's edge is inverted: a
// 3-pixel frame 2 pixels inside the cell, its middle left as it is.
TEST_F(RenderPaint, KeyboardCursorMark) {
    PaintMainWindow(surfaces, gs, window.dc(),
                    {{0, 0, 1000, 700}, {32, 32, 160, 578}, {0, 0}, 0, true, true});
    ExpectPixels(window.dc(), {{Cell(0, 0, 1, 24), kOpen},
                               {Cell(0, 0, 2, 24), Inverted(kOpen)},
                               {Cell(0, 0, 45, 24), Inverted(kOpen)},
                               {Cell(0, 0, 46, 24), kOpen},
                               {Cell(0, 0, 24, 46), kOpen},
                               {Cell(0, 0, 24, 45), Inverted(kOpen)},
                               {Cell(0, 0), kOpen}});
}

// A window wider than the screen grows the surfaces: a large field reaches its last pixel.
TEST_F(RenderPaint, ReachesTheLastPixelOfAWindowWiderThanTheScreen) {
    gs.position.fieldWidth = gs.position.fieldHeight = 24;
    gs.settings.view.squareSize = 64;
    ReloadSkin(surfaces, gs, hwnd);
    const int w = GetSystemMetrics(SM_CXSCREEN) + 300;
    ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 0, 0, w, 200, SWP_NOZORDER | SWP_NOACTIVATE));
    GrowSurfacesToClient(surfaces, gs, hwnd);
    TestCanvas wide(w, 200, kBefore);
    PaintMainWindow(surfaces, gs, wide.dc(), {{0, 0, w, 200}, {32, 32, 160, 578}, {5, 5}, 0, true});
    ExpectPixels(wide.dc(), {{{w - 1, 199}, kOpen}});
}

// List entry 12 and orientation 1 of figure 12 as a menu item drawn into y 42..84: 8-pixel squares
// from (40, 43), empty cells open, shaded while highlighted, darkened over a pattern.
TEST_F(RenderTest, OwnerDrawnListEntriesAndMenuItems) {
    const COLORREF shaded = ShadeColors(kBack, 0xFFFFFF).back, twelve = TestTileColour(12);
    const std::tuple<bool, int, bool, bool, bool, COLORREF, COLORREF> cases[] = {
        // a menu item, figure, highlighted, 12 in the list, over the pattern, a square, the back
        {false, -1, true, true, false, kBefore, kBefore}, // no entry: nothing drawn
        {false, 12, true, false, false, TestTileColour(13), shaded},
        {false, 12, true, true, true, twelve, Blended(0, 0x3080C0, 96)},
        {true, 0, true, true, false, kBefore, kBefore}, // no figure selected
        {true, 12, false, true, false, TestTileColour(13), kBack},
        {true, 12, true, true, true, twelve, Blended(0, 0xC08030, 96)},
        // not highlighted over the pattern: the pattern as it is
        {false, 12, false, true, true, twelve, 0x3080C0},
        {true, 12, false, true, true, TestTileColour(13), 0xC08030},
    };
    UsePattern("stripes.bmp", 2, 1, [](int x, int) { return x ? 0x3080C0 : 0xC08030; });
    gs.position.fieldOffsetX = 1;
    for (const auto& [menu, figure, selected, inList, pattern, square, back] : cases) {
        gs.position.inList[12] = inList;
        gs.settings.view.backgroundType =
            pattern ? BackgroundType::PatternImage : BackgroundType::SolidColour;
        BuildBackground(surfaces, gs, hwnd);
        TestCanvas canvas(120, 100, kBefore);
        DRAWITEMSTRUCT item{
            0,       0,           static_cast<UINT>(figure), 0, selected ? ODS_SELECTED : 0u,
            nullptr, canvas.dc(), {0, 42, 120, 84},          0};
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

// Each square size scales the file's 64-pixel tiles anew, at most 64, probed by both edges of a
// tile; a file smaller than the tile row is black below its 40 rows (20 of 32).
TEST_F(RenderTest, EverySkinScaleStartsFromTheFile) {
    const auto tile = [](int side, int k, COLORREF c) {
        return std::vector<Probe>{{{k * side + 1, side / 2}, c},
                                  {{k * side + side - 2, side / 2}, c}};
    };
    for (const auto& [size, side] : {std::pair{40, 40}, {1000, 64}}) {
        gs.settings.view.squareSize = size;
        ReloadSkin(surfaces, gs, hwnd);
        ExpectPixels(surfaces.skin.dc, tile(side, 13, TestTileColour(13)), 2, std::to_string(size));
    }
    WriteBitmapFile("Skins\\small.bmp", 200, 40, [](int x, int) { return TestTileColour(x / 64); });
    gs.settings.view.skinName = "small.bmp";
    gs.settings.view.squareSize = 32;
    ReloadSkin(surfaces, gs, hwnd);
    ExpectPixels(surfaces.skin.dc, tile(32, 2, TestTileColour(2)), 2, "small file");
    ExpectPixels(surfaces.skin.dc, {{{80, 22}, 0}}, 2, "below the small file");
    EXPECT_FALSE(SkinFileLoads("no such skin.bmp"));
}

} // namespace
