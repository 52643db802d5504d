// Highlight colours, opacity arithmetic, the shadow and how a square is put down.
#include <gtest/gtest.h>

#include "render/cells.h"
#include "render/shading.h"

namespace {

TEST(Shading, ShadeColorsOfTheDocumentedPairs) {
    EXPECT_EQ(ShadeColors(0x6E6E6E, 0xFFFFFF), (ShadedColors{0x535353, 0xFFFFFF}));
    EXPECT_EQ(ShadeColors(0x000000, 0xFFFFFF), (ShadedColors{0x5A5A5A, 0xFFFFFF}));
    EXPECT_EQ(ShadeColors(0x101010, 0x404040), (ShadedColors{0x6A6A6A, 0x505050})); // ink + 1/4
    EXPECT_EQ(ShadeColors(0xFFFFFF, 0x000000), (ShadedColors{0xCCCCCC, 0x000000}));
    EXPECT_EQ(ShadeColors(0x808080, 0x808080), (ShadedColors{0x676767, 0x707070}));
    EXPECT_EQ(ShadeColors(0x0000FF, 0x00FF00), (ShadedColors{0x0000CC, 0x00E000}));
    // Channels stay in their place: blue back, red ink.
    EXPECT_EQ(ShadeColors(0x640000, 0x0000C8), (ShadedColors{0x500000, 0x0000AF}));
}

TEST(Shading, OpacityShadowAndSquareMethod) {
    EXPECT_EQ(ConstantAlpha(50), 127);
    EXPECT_EQ(ConstantAlpha(75), 191);
    EXPECT_EQ(ChooseSquareMethod(3, 100, false), SquareMethod::Copy);
    EXPECT_EQ(ChooseSquareMethod(3, 99, true), SquareMethod::BlendInverted);
    EXPECT_EQ(ChooseSquareMethod(kTileBlack, 22, false), SquareMethod::BlendBlack);

    const int sizes[] = {24, 32, 40, 48, 56, 64};
    const int offsets[] = {4, 5, 6, 8, 9, 10};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ShadowOffset(sizes[i]), offsets[i]) << sizes[i];
    EXPECT_EQ(ShadowOpacity(50), 20);
    EXPECT_EQ(ShadowOpacity(75), 22);
    EXPECT_EQ(ShadowOpacity(100), 25);
}

} // namespace
