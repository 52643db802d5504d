// Main-window layout: content size, centring, automatic and stepped square sizes.
#include <gtest/gtest.h>

#include "render/layout.h"

namespace {

TEST(Layout, ContentSizeAndCentringOffset) {
    // The content of a 10 x 6 field at 48: 12 squares and 224 across, the list's 546 and 64 down.
    EXPECT_EQ(LayoutOffset(1000, 700, 10, 6, 48), (Point{100, 45}));
    // Halves round down; a client smaller than the content is never shifted left or up.
    EXPECT_EQ(LayoutOffset(803, 500, 10, 6, 48), (Point{1, 0}));
    // Fields taller than the figure list grow the content.
    EXPECT_EQ(ContentHeight(15, 48), 880);
    EXPECT_EQ(ComputeLayout(1000, 700, 10, 6, 48, false).figureList, (Rect{132, 77, 260, 623}));
}

TEST(Layout, SquareSizeChoiceAndLimits) {
    EXPECT_EQ(AutoSquareSize(1200, 700, 20, 3), 40);
    EXPECT_EQ(AutoSquareSize(ContentWidth(10, 64), ContentHeight(6, 64), 10, 6), 64);
    EXPECT_EQ(AutoSquareSize(2000, 880, 10, 15), 48) << "the height limits too";
    EXPECT_EQ(AutoSquareSize(100, 100, 10, 6), 24) << "24 even though it does not fit";
    EXPECT_EQ(ComputeLayout(1200, 700, 20, 3, 64, true).squareSize, 40);

    EXPECT_EQ(StepSquareSize(48, 8).size, 56);
    EXPECT_EQ(StepSquareSize(60, 8).size, 64);
    EXPECT_FALSE(StepSquareSize(64, 8).changed);
    EXPECT_FALSE(StepSquareSize(24, -8).changed);
    EXPECT_EQ(StepSquareSize(24, -8).size, 24);

    // With automatic sizing the least window follows from squares of 24, whatever the size.
    EXPECT_EQ(MinContentRect(10, 6, 64, true), (Rect{0, 0, 512, 610}));
    EXPECT_EQ(MinContentRect(10, 6, 64, false), (Rect{0, 0, 992, 610}));

    const int widths[] = {640, 641, 800, 801, 1024, 1025};
    const int sizes[] = {24, 32, 32, 48, 48, 64};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(InitialSquareSize(widths[i]), sizes[i]) << widths[i];
}

} // namespace
