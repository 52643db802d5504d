// The main window's paint: field, placed figures, the figure in hand, shadow and mark.
#include "render/paint_gdi.h"
#include "test_window.h"

namespace {

constexpr COLORREF kWindowBefore = 0x0000FE; // the window's pixels before the paint

// A 10 x 6 field at squares of 48 with no centring offset; figure 3 in hand is a row of five
// held by the middle of its first square.
class RenderPaint : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        gs.hand.matrices[3] = FigureMatrix{3, 3, 3, 3, 3};
        gs.hand.grabX = gs.hand.grabY = 24;
        gs.settings.view.opacityPercent = 100;
    }
    // The top-left pixel of cell (c, r).
    static POINT Cell(int c, int r) { return {192 + 48 * (c + 1), 32 + 48 * (r + 1)}; }
    static POINT Centre(int c, int r) { return {Cell(c, r).x + 24, Cell(c, r).y + 24}; }
    void Paint(int selection, POINT pointer, bool enabled = true) {
        PaintInput in{{0, 0, 1000, 700}, {32, 32, 160, 578}, pointer, selection, enabled};
        PaintMainWindow(surfaces, gs, window.dc(), in);
    }
    ::testing::AssertionResult At(POINT p, COLORREF c, int tolerance = 0) {
        return PixelNear(surfaces.backBuffer.dc, p.x, p.y, c, tolerance);
    }
    TestCanvas window{1100, 800, kWindowBefore};
};

TEST_F(RenderPaint, FieldFiguresSeamsAndOneClippedCopy) {
    gs.position.placed[0] = {0, 0, FigureMatrix{1, 1}};
    gs.position.placed[1] = {2, 0, FigureMatrix{2}};
    ::At(gs.position.board, 9, 5) = kCellBlocked;
    Paint(0, Centre(5, 5));
    EXPECT_TRUE(At(Centre(0, 0), TestTileColour(1)));
    EXPECT_TRUE(At({Cell(1, 0).x - 1, 100}, TestTileColour(1))); // no seam in figure 1
    EXPECT_TRUE(At({Cell(1, 0).x, 100}, TestTileColour(1)));
    EXPECT_TRUE(At({Cell(2, 0).x - 1, 100}, 0));                // figure 1 | figure 2
    EXPECT_TRUE(At({Cell(2, 0).x, 100}, 0));
    EXPECT_TRUE(At(Centre(2, 0), TestTileColour(2)));
    EXPECT_TRUE(At(Centre(5, 3), TestTileColour(0)));
    EXPECT_TRUE(At(Centre(9, 5), 0x6E6E6E)); // blocked: the background shows
    EXPECT_TRUE(At({192, 32}, 0xFFFFFF));    // field frame
    EXPECT_TRUE(At({192 + 12 * 48 - 1, 32 + 8 * 48 - 1}, 0xFFFFFF));
    EXPECT_TRUE(At({31, 300}, 0xFFFFFF)); // figure list frame
    EXPECT_TRUE(At({100, 300}, 0x6E6E6E));

    HDC dc = window.dc();
    EXPECT_TRUE(PixelNear(dc, Centre(0, 0).x, Centre(0, 0).y, TestTileColour(1)));
    EXPECT_TRUE(PixelNear(dc, 31, 300, 0xFFFFFF));
    EXPECT_TRUE(PixelNear(dc, 100, 300, kWindowBefore)); // the list is left alone
    EXPECT_TRUE(PixelNear(dc, 1050, 300, kWindowBefore)); // beyond the client area
}

TEST_F(RenderPaint, FigureInHandWithShadowAndOpacity) {
    Paint(3, Centre(2, 2));
    EXPECT_TRUE(At(Centre(2, 2), TestTileColour(3)));
    EXPECT_TRUE(At(Centre(6, 2), TestTileColour(3)));
    // The shadow lies 48 / 6 = 8 pixels right and down at 100 / 10 + 15 = 25 percent.
    const COLORREF shadow = Blended(0, TestTileColour(0), 63);
    EXPECT_TRUE(At({Cell(7, 2).x + 4, Centre(2, 2).y}, shadow, 1));
    EXPECT_TRUE(At({Centre(2, 2).x, Cell(2, 3).y + 4}, shadow, 1));
    EXPECT_TRUE(At({Cell(7, 2).x + 12, Centre(2, 2).y}, TestTileColour(0)));

    gs.settings.view.opacityPercent = 75;
    Paint(3, Centre(2, 2));
    EXPECT_TRUE(At({Cell(2, 2).x + 4, Cell(2, 2).y + 4},
                   Blended(TestTileColour(3), TestTileColour(0), 191), 1));
    gs.settings.view.opacityPercent = 5; // a hand-edited settings file: still at least half opaque
    Paint(3, Centre(2, 2));
    EXPECT_TRUE(At({Cell(2, 2).x + 4, Cell(2, 2).y + 4},
                   Blended(TestTileColour(3), TestTileColour(0), 127), 1));
}

TEST_F(RenderPaint, InvertedOnlyWhenIllegalAndAsked) {
    Paint(3, Centre(7, 2)); // columns 7 to 11 of a 10-column field
    EXPECT_TRUE(At(Centre(7, 2), TestTileColour(3)));
    gs.settings.view.showInverse = 1;
    Paint(3, Centre(7, 2));
    EXPECT_TRUE(At(Centre(7, 2), Inverted(TestTileColour(3))));
    Paint(3, Centre(2, 2));
    EXPECT_TRUE(At(Centre(2, 2), TestTileColour(3)));
}

TEST_F(RenderPaint, LegalMoveMarkWithoutFigureWhileDisabled) {
    gs.settings.view.showLegalMove = 1;
    Paint(3, Centre(2, 2), false);
    EXPECT_TRUE(At(Centre(2, 2), TestTileColour(13)));
    EXPECT_TRUE(At(Centre(6, 2), TestTileColour(13)));
    EXPECT_TRUE(At({Cell(7, 2).x + 4, Centre(2, 2).y}, TestTileColour(0))); // no shadow
    Paint(3, Centre(7, 2), false); // illegal: no mark
    EXPECT_TRUE(At(Centre(7, 2), TestTileColour(0)));

    gs.position.inList[3] = 0; // on the field: nothing in hand
    Paint(3, Centre(2, 2));
    EXPECT_TRUE(At(Centre(2, 2), TestTileColour(0)));
}

} // namespace

namespace {

// The largest field at the largest squares in a window smaller than it: drawn from the
// top-left corner and cut at the window's edges, every pixel of the window painted.
TEST_F(RenderPaint, LargestFieldAtLargestSquaresIsCutAtTheWindowEdges) {
    gs.position.fieldWidth = gs.position.fieldHeight = 24;
    gs.settings.view.squareSize = 64;
    ReloadSkin(surfaces, gs, hwnd);
    gs.position.fieldOffsetX = gs.position.fieldOffsetY = 0;
    Paint(0, {5, 5});
    const POINT firstCell{192 + 64 + 32, 32 + 64 + 32};
    EXPECT_TRUE(At(firstCell, TestTileColour(0)));
    // The window's last pixel lies in cell (11, 9).
    EXPECT_TRUE(PixelNear(window.dc(), 999, 699, TestTileColour(0)));
}

// A window larger than the screen (on a larger second monitor): the back buffer and the
// background grow to its client area, and the paint reaches its last pixel.
TEST_F(RenderPaint, WindowLargerThanTheScreenIsPaintedWhole) {
    const int w = GetSystemMetrics(SM_CXSCREEN) + 300, h = GetSystemMetrics(SM_CYSCREEN) + 200;
    ASSERT_TRUE(SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOACTIVATE));
    GrowSurfacesToClient(surfaces, gs, hwnd);
    EXPECT_GE(surfaces.backBuffer.width, w);
    EXPECT_GE(surfaces.background.height, h);
    TestCanvas big(w, h, kWindowBefore);
    PaintInput in{{0, 0, w, h}, {32, 32, 160, 578}, {5, 5}, 0, true};
    PaintMainWindow(surfaces, gs, big.dc(), in);
    EXPECT_TRUE(PixelNear(big.dc(), w - 1, h - 1, gs.settings.view.colorBack));
}

} // namespace
