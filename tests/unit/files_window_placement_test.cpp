// Tests of the start-up window placement and of the rectangle arithmetic under it.
#include <gtest/gtest.h>

#include "files/window_placement.h"

const Rect kScreen{0, 0, 1024, 768};
const Rect kBottomBar{-2, 738, 1026, 770};

TEST(WindowPlacement, SavedRectangleOnTheScreenIsKept) {
    EXPECT_EQ(DecideWindowPlacement({100, 100, 900, 700}, kScreen, kScreen, &kBottomBar),
              (Rect{100, 100, 900, 700}));
    EXPECT_EQ(DecideWindowPlacement({0, 0, 1024, 768}, kScreen, kScreen, nullptr), kScreen);
}

TEST(WindowPlacement, OtherwiseDesktopLessTaskBar) {
    const Rect bottom{0, 0, 1024, 738};
    EXPECT_EQ(DecideWindowPlacement({-10, 100, 800, 700}, kScreen, kScreen, &kBottomBar), bottom);
    EXPECT_EQ(DecideWindowPlacement({500, 100, 1100, 700}, kScreen, kScreen, nullptr), kScreen);
    const Rect left{0, 0, 60, 768};
    EXPECT_EQ(DecideWindowPlacement({-10, 0, 10, 10}, kScreen, kScreen, &left),
              (Rect{60, 0, 1024, 768}));
    const Rect top{0, 0, 1024, 30};
    EXPECT_EQ(DecideWindowPlacement({-10, 0, 10, 10}, kScreen, kScreen, &top),
              (Rect{0, 30, 1024, 768}));
}

TEST(WindowPlacement, SubtractionShrinksOnlyByAWholeSide) {
    EXPECT_EQ(SubtractRects(kScreen, {0, 738, 500, 768}), kScreen);  // not the full width
    EXPECT_EQ(SubtractRects(kScreen, {0, 300, 1024, 400}), kScreen); // full width, no edge
    EXPECT_EQ(SubtractRects(kScreen, {-5, -5, 2000, 2000}), Rect{}); // covers all
    EXPECT_EQ(SubtractRects(kScreen, {964, -2, 1026, 770}), (Rect{0, 0, 964, 768}));
}

TEST(WindowPlacement, IntersectionIsEmptyWithoutOverlap) {
    EXPECT_EQ(IntersectRects({0, 0, 10, 10}, {10, 0, 20, 10}), Rect{}); // edges only touch
    EXPECT_EQ(IntersectRects({-5, 2, 10, 10}, {0, 0, 8, 20}), (Rect{0, 2, 8, 10}));
}
