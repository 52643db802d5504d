// The Options dialog worked from a second thread: its controls reach the game's options, and
// its skin preview draws the listed skin.
#include <filesystem>
#include <functional>

#include "dialog_driver.h"
#include "model/placement.h"
#include "resource.h"
#include "test_window.h"

namespace {

namespace fs = std::filesystem;

// A skin of flat tiles: tile k in tile(k).
void WriteSkin(const std::string& name, const std::function<COLORREF(int)>& tile = TestTileColour) {
    fs::create_directories("Skins");
    WriteBitmapFile("Skins\\" + name, 896, 64, [&](int x, int) { return tile(x / 64); });
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// A click on a check box or radio button: it changes its state and tells the dialog.
void Click(DialogDriver& d, HWND dialog, int id) {
    d.Post(dialog, id, BM_CLICK);
}

// Selects entry `index` of a list or combo box as the player's choice does.
void Choose(DialogDriver& d, HWND dialog, int id, int index) {
    bool combo = id == IDC_SQUARE_SIZE || id == IDC_SQUARE_INDEX;
    d.Send(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    d.Sync(dialog);
}

// A pixel of a preview control as it is on the screen after a repaint.
COLORREF PreviewPixel(HWND dialog, int id, int x, int y) {
    HWND control = GetDlgItem(dialog, id);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

class OptionsDialog : public DialogTest {
  protected:
    // The game with the given [OPTIONS] lines and a fixed window.
    void StartWith(const std::string& options) {
        WriteFile("Zendrak.ini", "[OPTIONS]\r\n" + options +
                                     "[WINDOW]\r\nLEFT = 10\r\nTOP = 10\r\n"
                                     "RIGHT = 1010\r\nBOTTOM = 750\r\n");
        StartGame();
    }
    DialogRun Options(const std::function<void(DialogDriver&, HWND)>& script) {
        return Run(IDM_OPTIONS, [&](DialogDriver& d) {
            if (HWND dialog = d.Wait("Options")) script(d, dialog);
        });
    }
};

TEST_F(OptionsDialog, ControlsReachTheGameOnApplyAndOkButNotOnCancel) {
    WriteSkin("A.bmp");
    WriteSkin("green.bmp", [](int) { return RGB(0, 160, 0); });
    StartWith("AUTO_SIZE = 0\r\nSIZE_SQUARE = 48\r\nSHOW_CONTOUR = 0\r\nSKIN = "
              "green.bmp\r\nBACKGROUND_TYPE = 1\r\n");
    LRESULT skinLine = -1;
    std::string size;
    std::vector<bool> contourColour;
    bool open = false;
    int applied = 0;
    COLORREF cell = 0;
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        skinLine = d.Send(dialog, IDC_SKIN_LIST, LB_GETCURSEL);
        size = d.Text(dialog, IDC_SQUARE_SIZE);
        contourColour.push_back(Enabled(dialog, IDC_COLOR_CONTOUR));
        Click(d, dialog, IDC_SHOW_CONTOUR);
        contourColour.push_back(Enabled(dialog, IDC_COLOR_CONTOUR));
        Choose(d, dialog, IDC_SKIN_LIST, 0);   // A.bmp
        Choose(d, dialog, IDC_SQUARE_SIZE, 4); // 56
        d.Press(dialog, IDC_APPLY);
        open = IsWindowVisible(dialog) != FALSE;
        applied = gs().settings.view.squareSize;
        RedrawWindow(app().hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Rect field = FieldArea(gs());
        cell = GetPixel(app().surfaces.backBuffer.dc, field.left + 28, field.top + 28);
        d.Send(dialog, IDC_OPAQUE, TBM_SETPOS, TRUE, 55);
        Click(d, dialog, IDC_SHOW_SHADOW);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(skinLine, 1) << "green.bmp";
    EXPECT_EQ(size, "48");
    EXPECT_EQ(contourColour, (std::vector<bool>{false, true}));
    EXPECT_TRUE(open) << "Apply leaves the dialog open";
    EXPECT_EQ(applied, 56);
    EXPECT_EQ(cell, TestTileColour(0)) << "Apply draws the open cells in the new skin";
    const ViewOptions ok = gs().settings.view;
    EXPECT_EQ(ok.skinName, "A.bmp");
    EXPECT_TRUE(ok.showContour);
    EXPECT_FALSE(ok.showShadow);
    EXPECT_EQ(ok.opacityPercent, 55);
    EXPECT_EQ(FieldArea(gs()).Width(), 10 * 56);

    std::string sizeAfterDefault;
    run = Options([&](DialogDriver& d, HWND dialog) {
        Choose(d, dialog, IDC_SKIN_LIST, 1);
        d.Press(dialog, IDC_OPTIONS_DEFAULT);
        sizeAfterDefault = d.Text(dialog, IDC_SQUARE_SIZE);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(sizeAfterDefault, "48");
    EXPECT_EQ(gs().settings.view, ok) << "Cancel changes nothing";
}

TEST_F(OptionsDialog, SkinPreviewDrawsTheFiguresAndPickFromSkinAveragesItsTiles) {
    WriteSkin("tiles.bmp");
    StartWith(
        "SKIN = tiles.bmp\r\nSHOW_CONTOUR = 1\r\nCOLOR_CONTOUR = 255\r\nCOLOR_BACK = 4210752\r\n");
    std::vector<COLORREF> pixels;
    std::vector<std::string> picked;
    auto look = [&](HWND dialog) {
        // The I of figure 1 stands in column 2 of its matrix at (8, 8): its left edge is x = 24.
        for (POINT p : {POINT{3, 3}, POINT{12, 12}, POINT{28, 12}, POINT{24, 12}})
            pixels.push_back(PreviewPixel(dialog, IDC_SKIN_PREVIEW, p.x, p.y));
    };
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        look(dialog);
        Click(d, dialog, IDC_SHOW_CONTOUR);
        Click(d, dialog, IDC_USE_ONE_COLOR);
        Choose(d, dialog, IDC_SQUARE_INDEX, 4);
        look(dialog);
        d.Press(dialog, IDC_PICK_FROM_SKIN);
        for (int id : {IDC_COLOR_INK, IDC_COLOR_BACK, IDC_COLOR_CONTOUR})
            picked.push_back(d.Text(dialog, id));
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    const COLORREF inverted13 = Inverted(TestTileColour(13));
    EXPECT_EQ(pixels, (std::vector<COLORREF>{inverted13, TestTileColour(0), TestTileColour(1),
                                             0x0000FF, inverted13, TestTileColour(0),
                                             TestTileColour(5), TestTileColour(5)}))
        << "frame, open cell, I's middle, I's left edge: contour, then one colour \"05\" without "
           "contour";
    const std::string plain = std::to_string(TestTileColour(13));
    EXPECT_EQ(picked, (std::vector<std::string>{std::to_string(TestTileColour(0)), plain, plain}));

    fs::remove_all("Skins");
    COLORREF corner = 0;
    run = Options([&](DialogDriver& d, HWND dialog) {
        corner = PreviewPixel(dialog, IDC_SKIN_PREVIEW, 2, 2);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(corner, 4210752u) << "\"Skin is not found.\" on the game's back colour";
}

} // namespace
