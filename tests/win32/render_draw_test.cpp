// One square from the skin, the skin surfaces and the window background.
#include <tuple>

#include "render/draw_gdi.h"
#include "test_window.h"

namespace {

using RenderDraw = RenderTest;

TEST_F(RenderDraw, SquareCopiedBlendedInvertedOrBlack) {
    const COLORREF two = TestTileColour(2), under = 0x204060;
    const std::tuple<int, int, int, bool, COLORREF> cases[] = {
        // square size, tile, opacity, inverted, the colour drawn
        {48, 2, 100, false, two},
        {48, 2, 75, false, Blended(two, under, 191)},
        {48, 2, 100, true, Inverted(two)},
        {48, 2, 50, true, Blended(Inverted(two), under, 127)},
        {48, 14, 22, false, Blended(0, under, 56)}, // the shadow's black square
        {48, 14, 100, true, 0},                     // black, never inverted
        {200, 2, 100, false, under},                // larger than any skin tile: not drawn
    };
    for (const auto& [size, tile, opacity, inverted, expected] : cases) {
        TestCanvas canvas(60, 60, under);
        DrawSquare(surfaces, canvas.dc(), 2, 2, size, tile, opacity, inverted, surfaces.skin.dc);
        ExpectPixels(canvas.dc(), {{{26, 26}, expected}}, 1, "tile " + std::to_string(tile));
    }
}

// Each square size scales the file's 64-pixel tiles anew (24 after 40 is not 24 of 40), at
// most 64, probed next to both edges of a tile where a wrong factor shows a neighbour. A file
// smaller than the tile row scales by the same factor: black below its 40 rows (20 of 32).
TEST_F(RenderDraw, EverySkinScaleStartsFromTheFile) {
    const auto tile = [](int side, int k) {
        return std::vector<Probe>{{{k * side + 1, side / 2}, TestTileColour(k)},
                                  {{k * side + side - 2, side / 2}, TestTileColour(k)}};
    };
    ExpectPixels(surfaces.smallSkin.dc, tile(8, 13), 2, "small");
    ExpectPixels(surfaces.fullSkin.dc, tile(64, 13), 2, "full");
    for (const auto& [size, side] : {std::pair{48, 48}, {40, 40}, {24, 24}, {1000, 64}}) {
        gs.settings.view.squareSize = size;
        ReloadSkin(surfaces, gs, hwnd);
        ExpectPixels(surfaces.skin.dc, tile(side, 13), 2, std::to_string(size));
    }
    WriteBitmapFile("Skins\\small.bmp", 200, 40, [](int x, int) { return TestTileColour(x / 64); });
    gs.settings.view.skinName = "small.bmp";
    gs.settings.view.squareSize = 32;
    ReloadSkin(surfaces, gs, hwnd);
    ExpectPixels(surfaces.skin.dc, tile(32, 2), 2, "small file");
    ExpectPixels(surfaces.skin.dc, {{{80, 22}, 0}}, 2, "below the small file");
}

// Without its file the skin is a substitute: light grey open cell, red figures, grey plain
// square, each tile framed in white on its outermost pixels.
TEST_F(RenderDraw, MissingSkinGivesFramedSubstitute) {
    EXPECT_TRUE(SkinFileLoads("test skin.bmp"));
    EXPECT_FALSE(SkinFileLoads("no such skin.bmp"));
    gs.settings.view.skinName = "no such skin.bmp";
    gs.settings.view.squareSize = 64;
    ReloadSkin(surfaces, gs, hwnd);
    for (const auto& [k, colour] :
         {std::pair<int, COLORREF>{0, 0xF0F0F0}, {1, 0xFF}, {12, 0xFF}, {13, 0x969696}})
        ExpectPixels(surfaces.skin.dc,
                     {{{64 * k + 1, 1}, colour},
                      {{64 * k + 62, 62}, colour},
                      {{64 * k, 20}, 0xFFFFFF},
                      {{64 * k + 63, 63}, 0xFFFFFF}},
                     0, "tile " + std::to_string(k));
}

// A pattern is tiled from the top-left corner over the whole surface (1000 % 3, 701 % 2); one
// that does not load turns the background to the solid colour for good.
TEST_F(RenderDraw, BackgroundPatternFromTheCornerOrSolidColour) {
    const auto pattern = [](int x, int y) { return RGB(10 + 40 * x, 20 + 100 * y, 77); };
    UsePattern("tiny.bmp", 3, 2, pattern);
    ExpectPixels(surfaces.background.dc, {{{1000, 701}, pattern(1, 1)}});
    gs.settings.view.backgroundName = "no such pattern.bmp";
    gs.settings.view.colorBack = 0x123456;
    BuildBackground(surfaces, gs, hwnd);
    EXPECT_EQ(gs.settings.view.backgroundType, BackgroundType::SolidColour);
    ExpectPixels(surfaces.background.dc, {{{1000, 701}, 0x123456}});
}

} // namespace
