// The Options dialog: its opening values, enabling and buttons, and the preview's arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "render/options_dialog_model.h"
#include "render/options_preview.h"

const OptionsLists kLists{{"A.bmp", "b.bmp", "skin 03.bmp", "skin 10.bmp"},
                          {"Tile.bmp", "wood 2.bmp", "z.bmp"}};

TEST(OptionsDialog, OpeningSelectsTheOptionsAndOkGivesThemBack) {
    struct Case {
        std::string skin, background;
        int size, index;
        OptionsLists lists;
        int skinLine, backgroundLine, sizeItem, indexItem;
        bool roundTrip; // OK on the opened controls gives the options back
    } cases[] = {
        {"b.bmp", "z.bmp", 56, 11, kLists, 1, 2, 4, 11, true},
        {"B.BMP", "tile.bmp", 24, 0, kLists, 1, 0, 0, 0, false},    // letter case ignored: "b.bmp"
        {"skin", "wood", 64, 5, kLists, 2, 1, 5, 5, false},         // the first name that begins so
        {"gone.bmp", "gone.bmp", 36, 3, kLists, 0, 0, 0, 3, false}, // else the first line, "24"
        {"b.bmp", "z.bmp", 48, 12, {}, -1, -1, 3, -1, true},        // nothing listed, index beyond
    };
    for (const Case& c : cases) {
        ViewOptions view;
        view.skinName = c.skin;
        view.backgroundName = c.background;
        view.squareSize = c.size;
        view.squareIndex = c.index;
        const OptionsForm form = OpenOptions(view, c.lists);
        EXPECT_EQ(std::tuple(form.skinLine, form.backgroundLine, form.squareSizeItem,
                             form.squareIndexItem),
                  std::tuple(c.skinLine, c.backgroundLine, c.sizeItem, c.indexItem))
            << c.skin;
        EXPECT_EQ(FormOptions(view, form, c.lists) == view, c.roundTrip) << c.skin << " " << c.size;
    }

    ViewOptions custom{1,       2,    48,    false, false,
                       3,       true, false, true,  CursorMode::MiddleSquare,
                       "A.bmp", true, 0,     50};
    custom.backgroundType = BackgroundType::SolidColour;
    const OptionsForm form = OpenOptions(custom, kLists);
    EXPECT_EQ(FormOptions(ViewOptions{}, form, kLists), custom) << "every control is read back";

    GameState gs;
    gs.settings.view = custom;
    ApplyOptions(gs, DefaultOptions(kLists), kLists);
    EXPECT_EQ(gs.settings.view, ViewOptions{}) << "Set default, then OK";
}

TEST(OptionsDialog, OkAndApplyKeepWhatIsNotSelectedAndLimitTheRest) {
    GameState gs;
    gs.settings.view.cursorMode = CursorMode::LastSquareCorner;
    gs.settings.view.squareSize = 30;
    const ViewOptions before = gs.settings.view;
    OptionsForm form = OpenOptions(before, kLists);
    form.skinLine = form.backgroundLine = form.squareSizeItem = form.squareIndexItem = -1;
    form.opacityPercent = 120;
    form.colorInk = 0xFF123456;
    ApplyOptions(gs, form, kLists);
    ViewOptions expected = before;
    expected.cursorMode = CursorMode::MiddleSquare;
    expected.opacityPercent = 100;
    expected.colorInk = 0x123456;
    EXPECT_EQ(gs.settings.view, expected);

    form.skinLine = 3;
    form.squareSizeItem = 1;
    form.squareIndexItem = 7;
    form.backgroundLine = 2;
    form.opacityPercent = 20;
    ApplyOptions(gs, form, kLists);
    const ViewOptions& v = gs.settings.view;
    EXPECT_EQ(
        std::tuple(v.skinName, v.backgroundName, v.squareSize, v.squareIndex, v.opacityPercent),
        std::tuple("skin 10.bmp", "z.bmp", 32, 7, 50));

    EXPECT_EQ(PreviewSkinName(form, kLists), "skin 10.bmp");
    form.skinLine = -1;
    EXPECT_EQ(PreviewSkinName(form, kLists), "") << "the substitute skin";
    PickColoursFromSkin(form, 0x111111, 0x222222);
    EXPECT_EQ(std::vector<uint32_t>({form.colorInk, form.colorBack, form.colorContour}),
              std::vector<uint32_t>({0x111111, 0x222222, 0x222222}));
}

TEST(OptionsDialog, SwitchesEnableTheirControls) {
    // Contour, one colour, solid colour, automatic size and skins listed enable the contour
    // colour, the index, the backgrounds, the back colour, the size and Pick.
    const std::tuple<bool, bool, bool, bool, bool, OptionsEnabling> cases[] = {
        {false, false, false, false, true, {false, false, true, false, true, true}},
        {true, true, true, true, true, {true, true, false, true, false, true}},
        {true, false, true, false, false, {true, false, false, true, true, false}},
        {false, true, false, true, false, {false, true, true, false, false, false}},
    };
    for (const auto& [contour, oneColour, solid, autoSize, skins, enabled] : cases) {
        OptionsForm form;
        form.showContour = contour;
        form.useOneColor = oneColour;
        form.solidColour = solid;
        form.autoSize = autoSize;
        EXPECT_EQ(EnabledOptions(form, skins ? kLists : OptionsLists{}), enabled)
            << contour << oneColour << solid;
    }
}

TEST(OptionsPreview, FrameRingsTheTwelveFiguresWithoutOverlap) {
    std::set<std::pair<int, int>> distinct;
    for (const Point& p : PreviewFrameSquares(8)) {
        EXPECT_TRUE(p.x == 0 || p.x == 168 || p.y == 0 || p.y == 128) << p.x << "," << p.y;
        EXPECT_TRUE(distinct.insert({p.x, p.y}).second) << "drawn twice: " << p.x << "," << p.y;
    }
    EXPECT_EQ(distinct.size(), 22u * 2 + 15u * 2);
    EXPECT_EQ(PreviewFigureOrigin(1, 8), (Point{8, 8}));
    EXPECT_EQ(PreviewFigureOrigin(12, 8), (Point{128, 88})) << "its 5 x 5 cells end at the frame";
    EXPECT_EQ(PreviewFigureOrigin(12, 12), (Point{192, 132})) << "at 144 DPI";
    EXPECT_EQ(PreviewFrameSquares(16).back(), (Point{336, 240}));
}

TEST(OptionsPreview, AverageColourKeepsChannelsApartAndRoundsDown) {
    std::vector<uint32_t> pixels(64);
    std::fill(std::begin(pixels), std::end(pixels), 0x203040u);
    EXPECT_EQ(AverageColour(pixels), 0x203040u);
    for (int i = 0; i < 64; ++i)
        pixels[i] = i < 32 ? 0xFFFFFFu : 0u;
    EXPECT_EQ(AverageColour(pixels), 0x7F7F7Fu) << "127.5 rounds down";
    std::fill(std::begin(pixels), std::end(pixels), 0x0000FFu);
    pixels[5] = 0x00FF00u;
    EXPECT_EQ(AverageColour(pixels), 0x0003FBu) << "red 63 * 255 / 64, green 255 / 64, no carry";
    EXPECT_EQ(AverageColour(std::vector<uint32_t>(144, 0x102030u)), 0x102030u) << "tiles of 12";
}
