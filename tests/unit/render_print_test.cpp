// Print page arithmetic and clipboard picture sizes.
#include <gtest/gtest.h>

#include "render/print_layout.h"

namespace {

TEST(Print, PositionScaleAndPageUnit) {
    // A4 portrait at 600 dpi: a 20 x 3 field is limited by the page width.
    EXPECT_EQ(PrintScale(4960, 7016, 20, 3), 248);
    EXPECT_EQ(PositionStretch(20, 3, 248), (PageStretch{{0, 0, 1280, 192}, {0, 0, 4960, 744}}));
    EXPECT_EQ(PrintScale(10, 10, 25, 25), 1);
    EXPECT_EQ(PageUnit(7016, 4960), 701);
    EXPECT_EQ(PageUnit(5, 3), 1);
    EXPECT_EQ(ClipboardPicture(10, 6, kSmallImageCellSize), (Rect{0, 0, 80, 48}));
}

TEST(Print, FigureStripsPerPage) {
    const int u = 100;
    EXPECT_EQ(FigureSheetPages(25 * u, u), 3);
    EXPECT_EQ(FigureSheetPages(30 * u, u), 2);
    EXPECT_EQ(StripsPerPage(25 * u - 1, u), 4) << "a strip may not pass the page's bottom";
    EXPECT_EQ(FigureSheetPages(3, 1), 12) << "a page lower than a strip still takes one";
    EXPECT_EQ(StripStretch(2, u), (PageStretch{{0, 0, 640, 320}, {0, 1000, 1000, 1500}}));
}

TEST(Print, EmptyFieldTiles) {
    const std::vector<Rect> twoPages = EmptyFieldTiles(12, 5, {10, 14});
    EXPECT_EQ(twoPages, (std::vector<Rect>{{0, 0, 10, 5}, {10, 0, 12, 5}}));
    EXPECT_EQ(TileStretch(twoPages[1], 50), (PageStretch{{640, 0, 768, 320}, {0, 0, 100, 250}}));
    // Left to right first, then top to bottom.
    const std::vector<Rect> grid = EmptyFieldTiles(25, 25, {10, 14});
    ASSERT_EQ(grid.size(), 6u);
    EXPECT_EQ(grid[3], (Rect{0, 14, 10, 25}));
    // A unit larger than the page still gives one cell per page instead of none.
    EXPECT_EQ(EmptyFieldTiles(3, 4, CellsPerPage(5, 3, 10)).size(), 12u);
}

} // namespace
