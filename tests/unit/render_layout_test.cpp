// Layout arithmetic: the main window's content, centring and square sizes, printed pages and
// the clipboard picture, highlight colours, opacity and the shadow.
#include <gtest/gtest.h>

#include "render/cells.h"
#include "render/layout.h"
#include "render/print_layout.h"
#include "render/shading.h"

TEST(Layout, ContentSizeAndCentringOffset) {
    // The content of a 10 x 6 field at 48: 12 squares and 224 across, the list's 546 and 64 down.
    EXPECT_EQ(LayoutOffset(1000, 700, 10, 6, 48, 96), (Point{100, 45}));
    // Halves round down; a client smaller than the content is never shifted left or up.
    EXPECT_EQ(LayoutOffset(803, 500, 10, 6, 48, 96), (Point{1, 0}));
    EXPECT_EQ(ContentHeight(15, 48, 96), 880);
    EXPECT_EQ(ComputeLayout(1000, 700, 10, 6, 48, false, 96).figureList, (Rect{132, 77, 260, 623}));
}

TEST(Layout, EveryLengthScalesWithTheDisplay) {
    // square, margin, list width and height, entry, picture square, frame corner
    EXPECT_EQ(MetricsAt(48, 96), (Metrics{48, 32, 128, 546, 42, 8, 192, 32}));
    EXPECT_EQ(MetricsAt(24, 120), (Metrics{30, 40, 160, 689, 53, 10, 240, 40}))
        << "halves round up; the thirteen entries fill the list exactly";
    EXPECT_EQ(MetricsAt(48, 144), (Metrics{72, 48, 192, 819, 63, 12, 288, 48}));
    EXPECT_EQ(MetricsAt(48, 0), MetricsAt(48, 96)) << "an unknown DPI is 96";

    EXPECT_EQ(ContentWidth(10, 48, 144), 12 * 72 + 288 + 48);
    EXPECT_EQ(ContentHeight(6, 48, 144), 819 + 96);
    EXPECT_EQ(AutoSquareSize(1200, 915, 10, 6, 144), 48) << "the same squares as 800 x 610 at 96";
    EXPECT_EQ(AutoSquareSize(1199, 915, 10, 6, 144), 40);
    EXPECT_EQ(FigureListRect({10, 20}, 192), (Rect{74, 84, 330, 1176}));
    EXPECT_EQ(MinContentRect(10, 6, 64, true, 192), (Rect{0, 0, 12 * 48 + 448, 1092 + 128}));
    EXPECT_EQ(InitialSquareSize(1920, 144), 64);
    EXPECT_EQ(InitialSquareSize(1536, 192), 32) << "768 units across";
}

TEST(Layout, SquareSizeChoiceAndLimits) {
    EXPECT_EQ(AutoSquareSize(1200, 700, 20, 3, 96), 40);
    EXPECT_EQ(AutoSquareSize(ContentWidth(10, 64, 96), ContentHeight(6, 64, 96), 10, 6, 96), 64);
    EXPECT_EQ(AutoSquareSize(2000, 880, 10, 15, 96), 48) << "the height limits too";
    EXPECT_EQ(AutoSquareSize(100, 100, 10, 6, 96), 24) << "24 even though it does not fit";
    EXPECT_EQ(ComputeLayout(1200, 700, 20, 3, 64, true, 96).squareSize, 40);

    EXPECT_EQ(StepSquareSize(48, 8).size, 56);
    EXPECT_EQ(StepSquareSize(60, 8).size, 64);
    EXPECT_FALSE(StepSquareSize(64, 8).changed);
    EXPECT_FALSE(StepSquareSize(24, -8).changed);

    // With automatic sizing the least window follows from squares of 24, whatever the size.
    EXPECT_EQ(MinContentRect(10, 6, 64, true, 96), (Rect{0, 0, 512, 610}));
    EXPECT_EQ(MinContentRect(10, 6, 64, false, 96), (Rect{0, 0, 992, 610}));

    const int widths[] = {640, 641, 800, 801, 1024, 1025};
    const int sizes[] = {24, 32, 32, 48, 48, 64};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(InitialSquareSize(widths[i], 96), sizes[i]) << widths[i];
}

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

TEST(Shading, ShadeColorsOfTheDocumentedPairs) {
    EXPECT_EQ(ShadeColors(0x6E6E6E, 0xFFFFFF), (ShadedColors{0x535353, 0xFFFFFF}));
    EXPECT_EQ(ShadeColors(0x101010, 0x404040), (ShadedColors{0x6A6A6A, 0x505050})); // ink + 1/4
    EXPECT_EQ(ShadeColors(0xFFFFFF, 0x000000), (ShadedColors{0xCCCCCC, 0x000000}));
    EXPECT_EQ(ShadeColors(0x808080, 0x808080), (ShadedColors{0x676767, 0x707070}));
    // Channels stay in their place: blue back, red ink.
    EXPECT_EQ(ShadeColors(0x640000, 0x0000C8), (ShadedColors{0x500000, 0x0000AF}));
}

TEST(Shading, OpacityShadowAndSquareMethod) {
    EXPECT_EQ(ConstantAlpha(50), 127);
    EXPECT_EQ(ChooseSquareMethod(3, 100, false), SquareMethod::Copy);
    EXPECT_EQ(ChooseSquareMethod(3, 99, true), SquareMethod::BlendInverted);
    EXPECT_EQ(ChooseSquareMethod(kTileBlack, 22, false), SquareMethod::BlendBlack);

    EXPECT_EQ(ShadowOffset(64), 10);
    EXPECT_EQ(ShadowOpacity(75), 22);
}
