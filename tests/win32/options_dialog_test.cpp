// The Options dialog wired to its model: its controls reach the game on Apply and OK but not
// on Cancel, and its skin preview follows the skin list and the switches.
#include <filesystem>

#include "dialog_driver.h"
#include "render/options_preview.h"
#include "resource.h"
#include "test_window.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0), kRed = RGB(255, 0, 0);

// Selects entry `index` of a list (or combo) box as the player's choice does.
void Choose(DialogDriver& d, HWND dialog, int id, int index, bool combo = false) {
    d.Send(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index));
    d.Click(dialog, id, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

// The skin preview as the screen shows it: the frame's corner, the empty top-left cell of the
// I's matrix, a square of the I and of the last figure, and the I's left edge (the I stands
// upright in column 2 of its matrix).
std::vector<COLORREF> Preview(DialogDriver& d, HWND dialog, const FigureMatrix& last) {
    const Point i = PreviewFigureOrigin(1), n = PreviewFigureOrigin(kFigureCount);
    int k = 0;
    while (last[k] == 0)
        ++k;
    std::vector<COLORREF> shown;
    for (POINT p : {POINT{3, 3}, POINT{i.x + 4, i.y + 4}, POINT{i.x + 20, i.y + 4},
                    POINT{n.x + kPreviewTile * (k % kMatrixSide) + 4,
                          n.y + kPreviewTile * (k / kMatrixSide) + 4},
                    POINT{i.x + 2 * kPreviewTile, i.y + 4}})
        shown.push_back(d.Pixel(dialog, IDC_SKIN_PREVIEW, p.x, p.y));
    return shown;
}

// Preview of the test skin: the plain square inverted, the open cell, the two figures' tiles, the
// edge.
std::vector<COLORREF> Tiles(int i, int last, COLORREF edge) {
    return {Inverted(TestTileColour(13)), TestTileColour(0), TestTileColour(i),
            TestTileColour(last), edge};
}

using OptionsDialog = DialogTest;

TEST_F(OptionsDialog, ControlsAndPreviewReachTheGameOnApplyAndOkButNotOnCancel) {
    std::filesystem::create_directories("Skins");
    WriteBitmapFile("Skins\\A.bmp", 896, 64, [](int x, int) { return TestTileColour(x / 64); });
    WriteBitmapFile("Skins\\green.bmp", 896, 64, [](int, int) { return kGreen; });
    StartPlainGame(
        "AUTO_SIZE = 0\r\nSIZE_SQUARE = 48\r\nSHOW_CONTOUR = 0\r\nCOLOR_CONTOUR = 255\r\n"
        "SKIN = green.bmp\r\nBACKGROUND_TYPE = 1\r\n");
    ViewOptions expected = gs().settings.view;
    const FigureMatrix& last = gs().hand.matrices[kFigureCount];
    std::string size;
    std::vector<bool> contourColour;
    std::vector<std::vector<COLORREF>> previews;
    bool open = false;
    COLORREF cell = 0;
    Run(IDM_OPTIONS, "Options", [&](DialogDriver& d, HWND dialog) {
        size = d.Text(dialog, IDC_SQUARE_SIZE);
        previews.push_back(Preview(d, dialog, last));
        contourColour.push_back(IsWindowEnabled(GetDlgItem(dialog, IDC_COLOR_CONTOUR)));
        d.Send(dialog, IDC_SHOW_CONTOUR, BM_CLICK);
        contourColour.push_back(IsWindowEnabled(GetDlgItem(dialog, IDC_COLOR_CONTOUR)));
        Choose(d, dialog, IDC_SKIN_LIST, 0); // A.bmp
        previews.push_back(Preview(d, dialog, last));
        d.Send(dialog, IDC_USE_ONE_COLOR, BM_CLICK);
        previews.push_back(Preview(d, dialog, last));
        Choose(d, dialog, IDC_SQUARE_INDEX, 4, true);
        previews.push_back(Preview(d, dialog, last));
        d.Click(dialog, IDC_PICK_FROM_SKIN);
        Choose(d, dialog, IDC_SQUARE_SIZE, 4, true); // 56
        d.Click(dialog, IDC_APPLY);
        open = IsWindowVisible(dialog) != FALSE;
        RedrawWindow(app().hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        cell = GetPixel(app().surfaces.backBuffer.dc, CellCentre(0, 0).x, CellCentre(0, 0).y);
        d.Send(dialog, IDC_OPAQUE, TBM_SETPOS, TRUE, 55);
        d.Send(dialog, IDC_SHOW_SHADOW, BM_CLICK);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(size, "48");
    EXPECT_EQ(contourColour, (std::vector<bool>{false, true}));
    EXPECT_EQ(previews, (std::vector<std::vector<COLORREF>>{
                            {Inverted(kGreen), kGreen, kGreen, kGreen, kGreen},
                            Tiles(1, 12, kRed),
                            Tiles(1, 1, kRed),
                            Tiles(5, 5, kRed)}))
        << "green.bmp; A.bmp with contour; one colour, item 0 then item 4";
    EXPECT_TRUE(open) << "Apply leaves the dialog open";
    EXPECT_EQ(cell, TestTileColour(0)) << "Apply draws the field in the new skin";
    expected.skinName = "A.bmp";
    expected.squareSize = 56;
    expected.showContour = expected.useOneColor = true;
    expected.squareIndex = 4;
    expected.colorInk = TestTileColour(0); // picked from the skin: the open cell's colour,
    expected.colorBack = expected.colorContour = TestTileColour(13); // the plain square's
    expected.opacityPercent = 55;
    expected.showShadow = !expected.showShadow;
    EXPECT_EQ(gs().settings.view, expected);

    // Without skins the preview says so on the game's back colour; Cancel changes nothing.
    std::filesystem::remove_all("Skins");
    COLORREF corner = 0;
    Run(IDM_OPTIONS, "Options", [&](DialogDriver& d, HWND dialog) {
        corner = d.Pixel(dialog, IDC_SKIN_PREVIEW, 2, 2);
        d.Click(dialog, IDC_OPTIONS_DEFAULT);
        size = d.Text(dialog, IDC_SQUARE_SIZE);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(corner, TestTileColour(13));
    EXPECT_EQ(size, "48") << "Set default";
    EXPECT_EQ(gs().settings.view, expected);
}

} // namespace
