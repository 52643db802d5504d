// Skins and backgrounds: the substitute skin, the scaled tiles, the window background.
#include "render/draw_gdi.h"
#include "render/gdi_handles_gdi.h"
#include "test_window.h"

namespace {

using RenderSkin = RenderTest;
using RenderBackground = RenderTest;

// The centre of tile k on a surface with tiles of `side` pixels.
::testing::AssertionResult TileIs(HDC dc, int side, int tile, COLORREF colour) {
    return PixelNear(dc, tile * side + side / 2, side / 2, colour);
}

TEST_F(RenderSkin, MissingFileGivesFramedSubstitute) {
    EXPECT_TRUE(SkinFileLoads(kTestSkin));
    EXPECT_FALSE(SkinFileLoads("no such skin.bmp"));
    OwnedBitmap bitmap(LoadSkinBitmap(hwnd, "no such skin.bmp"));
    EXPECT_EQ(BitmapSize(bitmap.get()).cx, 896);
    EXPECT_EQ(BitmapSize(bitmap.get()).cy, 64);

    // The same substitute fills the skin surface at squares of 64.
    gs.settings.view.skinName = "no such skin.bmp";
    gs.settings.view.squareSize = 64;
    ReloadSkin(surfaces, gs, hwnd);
    for (HDC dc : {surfaces.skin.dc, surfaces.fullSkin.dc}) {
        EXPECT_TRUE(TileIs(dc, 64, 0, 0xF0F0F0));
        for (int k = 1; k <= 12; ++k) EXPECT_TRUE(TileIs(dc, 64, k, 0x0000FF)) << k;
        EXPECT_TRUE(TileIs(dc, 64, 13, 0x969696));
        for (int k : {0, 5, 13}) { // the white frame on each tile's outermost pixels only
            EXPECT_TRUE(PixelNear(dc, 64 * k, 20, 0xFFFFFF)) << k;
            EXPECT_TRUE(PixelNear(dc, 64 * k + 63, 63, 0xFFFFFF)) << k;
            EXPECT_FALSE(PixelNear(dc, 64 * k + 1, 1, 0xFFFFFF)) << k;
        }
    }
}

TEST_F(RenderSkin, EveryScaleStartsFromTheFile) {
    // SetUp loaded the test skin at squares of 48.
    for (int k = 0; k < 14; ++k) {
        EXPECT_TRUE(TileIs(surfaces.skin.dc, 48, k, TestTileColour(k))) << k;
        EXPECT_TRUE(TileIs(surfaces.smallSkin.dc, 8, k, TestTileColour(k))) << k;
        EXPECT_TRUE(TileIs(surfaces.fullSkin.dc, 64, k, TestTileColour(k))) << k;
    }
    // Scaling the 40-pixel picture again would put tile k at 15k instead of 24k.
    gs.settings.view.squareSize = 40;
    ReloadSkin(surfaces, gs, hwnd);
    gs.settings.view.squareSize = 24;
    ReloadSkin(surfaces, gs, hwnd);
    for (int k = 0; k < 14; ++k) EXPECT_TRUE(TileIs(surfaces.skin.dc, 24, k, TestTileColour(k)));
}

TEST_F(RenderSkin, OutOfRangeSizesAndSmallFilesStayInside) {
    gs.settings.view.squareSize = 1000; // kept to 64
    ReloadSkin(surfaces, gs, hwnd);
    EXPECT_TRUE(TileIs(surfaces.skin.dc, 64, 13, TestTileColour(13)));
    gs.settings.view.squareSize = -8; // kept to 24
    ReloadSkin(surfaces, gs, hwnd);
    EXPECT_TRUE(TileIs(surfaces.skin.dc, 24, 13, TestTileColour(13)));

    // A file smaller than the tile row scales by the same factor: its tiles land in place.
    WriteBitmapFile("Skins\\small.bmp", 200, 40, [](int x, int) { return TestTileColour(x / 64); });
    gs.settings.view.skinName = "small.bmp";
    gs.settings.view.squareSize = 32;
    ReloadSkin(surfaces, gs, hwnd);
    EXPECT_TRUE(TileIs(surfaces.skin.dc, 32, 1, TestTileColour(1)));
    EXPECT_TRUE(TileIs(surfaces.smallSkin.dc, 8, 2, TestTileColour(2)));
}

TEST_F(RenderBackground, MissingPatternTurnsToSolidColour) {
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    gs.settings.view.backgroundName = "no such pattern.bmp";
    gs.settings.view.colorBack = 0x123456;
    BuildBackground(surfaces, gs, hwnd);
    EXPECT_EQ(gs.settings.view.backgroundType, BackgroundType::SolidColour);
    EXPECT_TRUE(PixelNear(surfaces.background.dc, 0, 0, 0x123456));
    EXPECT_TRUE(PixelNear(surfaces.background.dc, surfaces.background.width - 1,
                          surfaces.background.height - 1, 0x123456));
}

TEST_F(RenderBackground, PatternRepeatsFromTheTopLeftCornerBehindItems) {
    const auto pattern = [](int x, int y) { return RGB(10 + 40 * x, 20 + 100 * y, 77); };
    WriteBackground("tiny.bmp", 3, 2, pattern);
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    gs.settings.view.backgroundName = "tiny.bmp";
    BuildBackground(surfaces, gs, hwnd);
    EXPECT_EQ(gs.settings.view.backgroundType, BackgroundType::PatternImage);
    for (POINT p : {POINT{0, 0}, POINT{2, 1}, POINT{3, 0}, POINT{1000, 701},
                    POINT{1, surfaces.background.height - 1}})
        EXPECT_TRUE(PixelNear(surfaces.background.dc, p.x, p.y, pattern(p.x % 3, p.y % 2)));

    // An item's background is the pattern's spot at the given offset, or else the colour.
    FillItemBackground(surfaces, gs.settings.view, RECT{10, 10, 20, 20}, 4, 1, 0x0000FF);
    EXPECT_TRUE(PixelNear(surfaces.backBuffer.dc, 10, 10, pattern(14 % 3, 11 % 2)));
    EXPECT_TRUE(PixelNear(surfaces.backBuffer.dc, 19, 12, pattern(23 % 3, 13 % 2)));
    gs.settings.view.backgroundType = BackgroundType::SolidColour;
    FillItemBackground(surfaces, gs.settings.view, RECT{10, 10, 20, 20}, 4, 1, 0x0000FF);
    EXPECT_TRUE(PixelNear(surfaces.backBuffer.dc, 15, 15, 0x0000FF));
}

} // namespace
