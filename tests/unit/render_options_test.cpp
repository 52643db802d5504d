// The Options dialog's arithmetic: the skin preview's frame and figure places, tile averages.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "render/options_preview.h"

namespace {

TEST(OptionsPreview, FrameRingsTheTwelveFiguresWithoutOverlap) {
    std::vector<Point> frame = PreviewFrameSquares();
    std::set<std::pair<int, int>> distinct;
    for (const Point& p : frame) {
        distinct.insert({p.x, p.y});
        EXPECT_TRUE(p.x == 0 || p.x == 168 || p.y == 0 || p.y == 128) << p.x << "," << p.y;
    }
    EXPECT_EQ(frame.size(), 22u * 2 + 15u * 2);
    EXPECT_EQ(distinct.size(), frame.size()) << "no square is drawn twice";
    EXPECT_EQ(distinct.count({168, 128}), 1u);
    EXPECT_EQ(PreviewFigureOrigin(1), (Point{8, 8}));
    EXPECT_EQ(PreviewFigureOrigin(7), (Point{88, 48}));
    EXPECT_EQ(PreviewFigureOrigin(12), (Point{128, 88})) << "its 5 x 5 cells end at the frame";
}

TEST(OptionsPreview, AverageColourKeepsChannelsApartAndRoundsDown) {
    uint32_t pixels[64];
    std::fill(std::begin(pixels), std::end(pixels), 0x203040u);
    EXPECT_EQ(AverageColour(pixels), 0x203040u);
    for (int i = 0; i < 64; ++i) pixels[i] = i < 32 ? 0xFFFFFFu : 0u;
    EXPECT_EQ(AverageColour(pixels), 0x7F7F7Fu) << "127.5 rounds down";
    std::fill(std::begin(pixels), std::end(pixels), 0x0000FFu);
    pixels[5] = 0x00FF00u;
    EXPECT_EQ(AverageColour(pixels), 0x0003FBu) << "red 63 * 255 / 64, green 255 / 64, no carry";
}

} // namespace
