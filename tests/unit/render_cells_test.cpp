// Cell drawing decisions: tiles, contours and where figure pictures go.
#include <gtest/gtest.h>

#include <algorithm>

#include "render/cells.h"
#include "render/figure_pictures.h"
#include "test_support.h"

TEST(Cells, TileChoice) {
    CellStyle style{true, true, true, 4, false}; // one colour, square index 4
    EXPECT_EQ(CellTile(12, style), 5);
    EXPECT_EQ(CellTile(0, style), kTileOpen);
    EXPECT_EQ(CellTile(13, style), kTilePlain);
    EXPECT_EQ(CellTile(255, style), kNoTile);
    style.squareIndex = 40; // out of range in a hand-edited settings file: the last figure tile
    EXPECT_EQ(CellTile(3, style), 12);
    style = {false, false, false, 0, false}; // empty cells left out, not in colour
    EXPECT_EQ(CellTile(0, style), kNoTile);
    EXPECT_EQ(CellTile(7, style), kTilePlain);
}

TEST(Cells, PlanPlacesSquaresWithContourSeams) {
    // A view of 3 x 2 cells: I, I, L above open, blocked, L. The L goes on beyond the view's
    // right and bottom edges, which still get a contour.
    const Grid g = GridFromRows({"IILL", ".#L", "..L"});
    // One colour for all figures still separates them: the values differ, not the tiles.
    const CellStyle style{true, true, true, 0, true};
    const std::vector<CellSquare> squares = PlanCells(GridView(g, 3, 2), {100, 50}, 24, style);
    const std::vector<CellSquare> expected = {{100, 50, 1, kSideLeft | kSideTop | kSideBottom},
                                              {124, 50, 1, kSideRight | kSideTop | kSideBottom},
                                              {148, 50, 1, kSideLeft | kSideRight | kSideTop},
                                              {100, 74, 0, 0},
                                              {148, 74, 1, kSideLeft | kSideRight | kSideBottom}};
    EXPECT_EQ(squares, expected);
}

TEST(Cells, ContourRectsInDrawingOrder) {
    const SideRects all = ContourRects(10, 20, 32, kSideLeft | kSideRight | kSideTop | kSideBottom);
    const std::vector<Rect> expected = {
        {10, 20, 11, 52}, {41, 20, 42, 52}, {10, 20, 42, 21}, {10, 51, 42, 52}};
    EXPECT_EQ(std::vector<Rect>(all.begin(), all.end()), expected);
    // Two touching squares of different figures: the lines lie side by side, a 2-pixel seam.
    EXPECT_EQ(ContourRects(24, 0, 24, kSideRight).rects[0].right,
              ContourRects(48, 0, 24, kSideLeft).rects[0].left);
}

TEST(CellsFigurePictures, MarkShadowAndItemOrigin) {
    const FigureMatrix x = BaseShapes()[11]; // ...../..#../.###./..#../.....
    FigureMatrix mark = x;
    std::replace(mark.begin(), mark.end(), uint8_t{11}, uint8_t{13});
    EXPECT_EQ(LegalMoveMark(x), mark);
    // Drawn at (100, 200) with squares of 48: the shadow lies 8 pixels right and down.
    const std::vector<Point> shadow = ShadowSquares(x, {100, 200}, 48);
    ASSERT_EQ(shadow.size(), 5u);
    EXPECT_EQ(shadow.front(), (Point{100 + 2 * 48 + 8, 200 + 48 + 8}));
    EXPECT_EQ(shadow.back(), (Point{100 + 2 * 48 + 8, 200 + 3 * 48 + 8}));
    EXPECT_EQ(ItemPictureOrigin(101, 30, 8), (Point{30, 31}));
    EXPECT_EQ(ItemPictureOrigin(190, 30, 12), (Point{65, 31})) << "at 144 DPI";
}

// What a move of the figure in hand repaints: its matrix and shadow, and the mark where a
// legal drop would land.
TEST(CellsFigurePictures, HandPictureCoversFigureShadowAndMark) {
    GameState gs = ReadyState();
    gs.settings.view.squareSize = 40;
    gs.settings.view.autoSize = false;
    EXPECT_EQ(HandPictureRect(gs, 0, {500, 300}), Rect{}) << "nothing in hand";
    gs.hand.selection = 11; // X
    UpdateGrabPoint(gs);    // the middle of its square 3: (2.5, 2.5) squares into the matrix
    const Rect field = FieldArea(gs);
    const Point outside{field.left + 40 * 20, field.top};
    EXPECT_EQ(HandPictureRect(gs, 11, outside),
              (Rect{outside.x - 100, outside.y - 100, outside.x + 100 + 6, outside.y + 100 + 6}))
        << "squares of 40, the shadow 40 / 6 further";
    gs.settings.view.showShadow = false;
    gs.settings.view.showLegalMove = true;
    // Over cell (1, 1) the X lands with its matrix at (-1, -1): the mark lies up and left of
    // the figure drawn under the pointer.
    const Point over{field.left + 40 + 30, field.top + 40 + 30};
    const Rect withMark = HandPictureRect(gs, 11, over);
    EXPECT_EQ(withMark, (Rect{field.left - 40, field.top - 40, over.x + 100, over.y + 100}));
    gs.display.dpi = 192;
    UpdateGrabPoint(gs);
    EXPECT_EQ(HandPictureRect(gs, 11, outside).Width(), 5 * 80) << "squares of 80 at 192 DPI";
}
