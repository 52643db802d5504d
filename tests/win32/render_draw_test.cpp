// Drawing one square and a grid of cells from the skin, and item backgrounds.
#include "render/draw_gdi.h"
#include "test_window.h"

namespace {

using RenderDraw = RenderTest;

constexpr COLORREF kUnder = 0x204060; // what the canvas holds before drawing

TEST_F(RenderDraw, SquareCopiedBlendedInvertedOrShadow) {
    TestCanvas canvas(400, 120, kUnder);
    const COLORREF tile = TestTileColour(2);
    const auto draw = [&](int x, int size, int t, int opacity, bool inverted) {
        DrawSquare(surfaces, canvas.dc(), x, 0, size, t, opacity, inverted, surfaces.skin.dc);
    };
    draw(0, 48, 2, 100, false);
    draw(50, 48, 2, 75, false);
    draw(100, 48, 2, 100, true);
    draw(150, 48, 2, 50, true);
    draw(200, 48, 14, 22, false); // the shadow's black square
    draw(250, 48, 14, 100, false);
    draw(300, 200, 2, 100, false); // larger than any skin tile: nothing is drawn
    EXPECT_TRUE(PixelNear(canvas.dc(), 24, 24, tile));
    EXPECT_TRUE(PixelNear(canvas.dc(), 74, 24, Blended(tile, kUnder, 191), 1));
    EXPECT_TRUE(PixelNear(canvas.dc(), 124, 24, Inverted(tile)));
    EXPECT_TRUE(PixelNear(canvas.dc(), 174, 24, Blended(Inverted(tile), kUnder, 127), 1));
    EXPECT_TRUE(PixelNear(canvas.dc(), 224, 24, Blended(0, kUnder, 56), 1));
    EXPECT_TRUE(PixelNear(canvas.dc(), 274, 24, 0));
    EXPECT_TRUE(PixelNear(canvas.dc(), 324, 24, kUnder));

    // A blended square partly off the canvas keeps its visible part.
    DrawSquare(surfaces, canvas.dc(), -20, 60, 48, 2, 75, false, surfaces.skin.dc);
    EXPECT_TRUE(PixelNear(canvas.dc(), 10, 80, Blended(tile, kUnder, 191), 1));
}

TEST_F(RenderDraw, CellsWithSeamsTilesAndGaps) {
    const uint8_t cells[] = {1, 1, 2, //
                             0, 255, 13};
    gs.settings.view.colorContour = 0x00FF00;
    CellsToDraw toDraw{surfaces.skin.dc, 48, 0, 0, 3, 2, cells, 3, true, true, false, 100};
    TestCanvas canvas(150, 100, kUnder);
    DrawCells(surfaces, canvas.dc(), toDraw, gs.settings.view);
    HDC dc = canvas.dc();
    EXPECT_TRUE(PixelNear(dc, 47, 24, TestTileColour(1))); // no seam inside one figure
    EXPECT_TRUE(PixelNear(dc, 48, 24, TestTileColour(1)));
    EXPECT_TRUE(PixelNear(dc, 94, 24, TestTileColour(1))); // a 2-pixel seam between two
    EXPECT_TRUE(PixelNear(dc, 95, 24, 0x00FF00));
    EXPECT_TRUE(PixelNear(dc, 96, 24, 0x00FF00));
    EXPECT_TRUE(PixelNear(dc, 97, 24, TestTileColour(2)));
    EXPECT_TRUE(PixelNear(dc, 0, 24, 0x00FF00)); // the grid's edge
    EXPECT_TRUE(PixelNear(dc, 24, 0, 0x00FF00));
    EXPECT_TRUE(PixelNear(dc, 0, 72, TestTileColour(0))); // open cells get no contour
    EXPECT_TRUE(PixelNear(dc, 72, 72, kUnder));           // blocked: not drawn
    EXPECT_TRUE(PixelNear(dc, 120, 72, TestTileColour(13)));

    toDraw.drawEmpty = false;
    toDraw.inColour = false;
    TestCanvas plain(150, 100, kUnder);
    DrawCells(surfaces, plain.dc(), toDraw, gs.settings.view);
    EXPECT_TRUE(PixelNear(plain.dc(), 24, 24, TestTileColour(13)));
    EXPECT_TRUE(PixelNear(plain.dc(), 24, 72, kUnder));

    toDraw.inColour = true;
    gs.settings.view.useOneColor = 1;
    gs.settings.view.squareIndex = 4;
    TestCanvas one(150, 100, kUnder);
    DrawCells(surfaces, one.dc(), toDraw, gs.settings.view);
    EXPECT_TRUE(PixelNear(one.dc(), 24, 24, TestTileColour(5)));
    EXPECT_TRUE(PixelNear(one.dc(), 120, 24, TestTileColour(5)));
    EXPECT_TRUE(PixelNear(one.dc(), 120, 72, TestTileColour(13)));
    gs.settings.view.squareIndex = 99; // a hand-edited settings file: the last figure tile
    DrawCells(surfaces, one.dc(), toDraw, gs.settings.view);
    EXPECT_TRUE(PixelNear(one.dc(), 24, 24, TestTileColour(12)));
}

} // namespace
