// The Options dialog worked from a second thread: controls, enabling, previews, defaults, Apply.
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "dialog_driver.h"
#include "model/placement.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

// Tile k of the test skins: flat, and unlike every other tile.
COLORREF TileColour(int k) { return RGB(20 + 10 * k, 200 - 10 * k, 0x40 + 3 * k); }

// A 24-bit bitmap file `height` pixels high whose column x is flat in columns[x].
void WriteBitmap(const std::string& path, const std::vector<COLORREF>& columns, int height) {
    std::string row;
    for (COLORREF c : columns)
        row += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
    row.resize((row.size() + 3) / 4 * 4, '\0');
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = static_cast<LONG>(columns.size());
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(row.size()) * static_cast<DWORD>(height);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file).write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < height; ++y) out << row;
}

void WriteSkin(const std::string& name, const std::function<COLORREF(int)>& tile = TileColour) {
    std::vector<COLORREF> columns;
    for (int x = 0; x < 896; ++x) columns.push_back(tile(x / 64));
    WriteBitmap("Skins\\" + name, columns, 64);
}

void WriteBackground(const std::string& name, COLORREF colour) {
    WriteBitmap("Background\\" + name, std::vector<COLORREF>(16, colour), 16);
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(DialogDriver& d, HWND dialog, int id) { return d.Send(dialog, id, BM_GETCHECK) == BST_CHECKED; }

// A click on a check box or radio button: it changes its state and tells the dialog.
void Click(DialogDriver& d, HWND dialog, int id) { d.Post(dialog, id, BM_CLICK); }

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

// The view options as text, so that a failure shows which field differs.
std::string View(const ViewOptions& o) {
    std::ostringstream t;
    t << "back " << o.colorBack << " ink " << o.colorInk << " size " << o.squareSize << " auto " << o.autoSize
      << " contour " << o.showContour << "/" << o.colorContour << " legal " << o.showLegalMove << " shadow "
      << o.showShadow << " inverse " << o.showInverse << " cursor " << static_cast<int>(o.cursorMode) << " skin " << o.skinName
      << " one " << o.useOneColor << "/" << o.squareIndex << " opaque " << o.opacityPercent << " background "
      << o.backgroundName << "/" << static_cast<int>(o.backgroundType);
    return t.str();
}

class OptionsDialog : public DialogTest {
protected:
    // The game with the given [OPTIONS] lines and a fixed window.
    void StartWith(const std::string& options) {
        WriteFile("Zendrak.ini", "[OPTIONS]\r\n" + options + "[WINDOW]\r\nLEFT = 10\r\nTOP = 10\r\n"
                                                              "RIGHT = 1010\r\nBOTTOM = 750\r\n");
        StartGame();
    }
    DialogRun Options(const std::function<void(DialogDriver&, HWND)>& script) {
        return Run(IDM_OPTIONS, [&](DialogDriver& d) {
            if (HWND dialog = d.Wait("Options")) script(d, dialog);
        });
    }
};

TEST_F(OptionsDialog, ControlsShowTheOptionsAndOkReadsThemBack) {
    for (const char* name : {"b.bmp", "A.bmp", "c.bmp"}) WriteSkin(name);
    WriteBackground("z.bmp", RGB(1, 2, 3));
    WriteBackground("Tile.bmp", RGB(4, 5, 6));
    StartWith("AUTO_SIZE = 0\r\nSIZE_SQUARE = 48\r\nSQUARE_INDEX = 0\r\nOPAQUE = 80\r\nSHOW_CONTOUR = 0\r\n"
              "SHOW_LEGAL_MOVE = 1\r\nSHOW_INVERSE = 1\r\nSHOW_SHADOW = 0\r\nSKIN = B.BMP\r\n"
              "BACKGROUND_NAME = tile.bmp\r\nCOLOR_INK = 123456\r\nCOLOR_CONTOUR = 654321\r\n");
    std::vector<std::string> skins, backgrounds, texts;
    std::vector<bool> checks, enabled;
    LRESULT opacity = 0;
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        skins = ListBoxLines(GetDlgItem(dialog, IDC_SKIN_LIST));
        backgrounds = ListBoxLines(GetDlgItem(dialog, IDC_BACKGROUND_LIST));
        for (int id : {IDC_SQUARE_SIZE, IDC_SQUARE_INDEX, IDC_COLOR_INK, IDC_COLOR_CONTOUR, IDC_COLOR_BACK})
            texts.push_back(d.Text(dialog, id));
        texts.push_back(skins.at(static_cast<size_t>(d.Send(dialog, IDC_SKIN_LIST, LB_GETCURSEL))));
        texts.push_back(backgrounds.at(static_cast<size_t>(d.Send(dialog, IDC_BACKGROUND_LIST, LB_GETCURSEL))));
        for (int id : {IDC_AUTO_SIZE, IDC_SHOW_CONTOUR, IDC_SHOW_LEGAL_MOVE, IDC_SHOW_INVERSE, IDC_SHOW_SHADOW,
                       IDC_USE_ONE_COLOR, IDC_PATTERN_IMAGE, IDC_SOLID_COLOR})
            checks.push_back(Checked(d, dialog, id));
        for (int id : {IDC_COLOR_CONTOUR, IDC_SQUARE_INDEX, IDC_SQUARE_INDEX_LABEL, IDC_BACKGROUND_LIST,
                       IDC_COLOR_BACK, IDC_SQUARE_SIZE, IDC_PICK_FROM_SKIN})
            enabled.push_back(Enabled(dialog, id));
        opacity = d.Send(dialog, IDC_OPAQUE, TBM_GETPOS);
        Choose(d, dialog, IDC_SQUARE_SIZE, 0);
        Choose(d, dialog, IDC_SKIN_LIST, 2);
        d.Send(dialog, IDC_OPAQUE, TBM_SETPOS, TRUE, 55);
        Click(d, dialog, IDC_SHOW_SHADOW);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(skins, (std::vector<std::string>{"A.bmp", "b.bmp", "c.bmp"})) << "sorted, letter case ignored";
    EXPECT_EQ(backgrounds, (std::vector<std::string>{"Tile.bmp", "z.bmp"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"48", "01", "123456", "654321", "7237230", "b.bmp", "Tile.bmp"}));
    EXPECT_EQ(checks, (std::vector<bool>{false, false, true, true, false, false, true, false}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true, false, true, true}));
    EXPECT_EQ(opacity, 80);

    ViewOptions expected; // the defaults, then what the file and the player changed
    expected.colorInk = 123456;
    expected.colorContour = 654321;
    expected.autoSize = 0;
    expected.showContour = 0;
    expected.showLegalMove = 1;
    expected.showInverse = 1;
    expected.squareSize = 24;
    expected.skinName = "c.bmp";
    expected.opacityPercent = 55;
    expected.showShadow = 1;
    expected.backgroundName = "Tile.bmp";
    EXPECT_EQ(View(gs().settings.view), View(expected));
}

TEST_F(OptionsDialog, SwitchesEnableTheirControlsAndThePreviewFollowsThemAtOnce) {
    WriteSkin("tiles.bmp");
    StartWith("SKIN = tiles.bmp\r\nSHOW_CONTOUR = 1\r\nCOLOR_CONTOUR = 255\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n");
    const std::string before = View(gs().settings.view);
    std::vector<bool> enabled;
    std::vector<COLORREF> pixels;
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
        Click(d, dialog, IDC_SOLID_COLOR);
        Click(d, dialog, IDC_AUTO_SIZE);
        for (int id : {IDC_COLOR_CONTOUR, IDC_SQUARE_INDEX, IDC_SQUARE_INDEX_LABEL, IDC_BACKGROUND_LIST,
                       IDC_BACKGROUND_PREVIEW, IDC_COLOR_BACK, IDC_SQUARE_SIZE})
            enabled.push_back(Enabled(dialog, id));
        look(dialog);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false, false, true, false}));
    const COLORREF inverted13 = ~TileColour(13) & 0xFFFFFF;
    EXPECT_EQ(pixels, (std::vector<COLORREF>{inverted13, TileColour(0), TileColour(1), 0x0000FF,
                                             inverted13, TileColour(0), TileColour(5), TileColour(5)}))
        << "frame, open cell, I's middle, I's left edge: contour, then one colour \"05\" without contour";
    EXPECT_EQ(View(gs().settings.view), before) << "Cancel changes nothing";
}

TEST_F(OptionsDialog, SetDefaultChangesOnlyTheControlsUntilOk) {
    for (const char* name : {"other.bmp", "skin 03.bmp"}) WriteSkin(name);
    for (const char* name : {"plain.bmp", "wood 2.bmp"}) WriteBackground(name, RGB(9, 9, 9));
    const std::string options = "SKIN = other.bmp\r\nBACKGROUND_NAME = plain.bmp\r\nBACKGROUND_TYPE = 1\r\n"
                                "COLOR_BACK = 1\r\nCOLOR_INK = 2\r\nCOLOR_CONTOUR = 3\r\nAUTO_SIZE = 0\r\n"
                                "SIZE_SQUARE = 32\r\nOPAQUE = 50\r\nSHOW_CONTOUR = 0\r\nSHOW_SHADOW = 0\r\n"
                                "USE_ONE_COLOR = 1\r\nSQUARE_INDEX = 7\r\nSHOW_LEGAL_MOVE = 1\r\n";
    StartWith(options);
    const std::string before = View(gs().settings.view);
    std::string sizeShown;
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        d.Press(dialog, IDC_OPTIONS_DEFAULT);
        sizeShown = d.Text(dialog, IDC_SQUARE_SIZE);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(sizeShown, "48");
    EXPECT_EQ(View(gs().settings.view), before);

    run = Options([&](DialogDriver& d, HWND dialog) {
        d.Press(dialog, IDC_OPTIONS_DEFAULT);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    ViewOptions defaults;
    defaults.squareSize = gs().settings.view.squareSize; // "Auto" chooses the size for the window
    EXPECT_EQ(View(gs().settings.view), View(defaults));
    EXPECT_EQ(defaults.skinName, "skin 03.bmp");
}

TEST_F(OptionsDialog, PickFromSkinAveragesTheListedSkinAndNoSkinKeepsTheName) {
    WriteSkin("flat.bmp");
    WriteFile("Skins\\broken.bmp", "not a bitmap");
    StartWith("SKIN = flat.bmp\r\nCOLOR_BACK = 4210752\r\n");
    const std::string before = View(gs().settings.view);
    std::vector<std::string> flat, broken;
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        d.Press(dialog, IDC_PICK_FROM_SKIN);
        for (int id : {IDC_COLOR_INK, IDC_COLOR_BACK, IDC_COLOR_CONTOUR}) flat.push_back(d.Text(dialog, id));
        Choose(d, dialog, IDC_SKIN_LIST, 0); // broken.bmp: the substitute skin
        d.Press(dialog, IDC_PICK_FROM_SKIN);
        for (int id : {IDC_COLOR_INK, IDC_COLOR_BACK}) broken.push_back(d.Text(dialog, id));
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    const std::string plain = std::to_string(TileColour(13));
    EXPECT_EQ(flat, (std::vector<std::string>{std::to_string(TileColour(0)), plain, plain}));
    // The substitute's light grey open cell and grey plain square, lightened by their white frames.
    ASSERT_EQ(broken.size(), 2u);
    COLORREF ink = std::stoul(broken[0]), back = std::stoul(broken[1]);
    EXPECT_TRUE(GetRValue(ink) == GetGValue(ink) && GetGValue(ink) == GetBValue(ink) && GetRValue(ink) >= 0xF0) << ink;
    EXPECT_TRUE(GetRValue(back) == GetBValue(back) && GetRValue(back) >= 0x96 && GetRValue(back) < 0xB0) << back;
    EXPECT_EQ(View(gs().settings.view), before);

    fs::remove_all("Skins");
    bool pickEnabled = true;
    COLORREF corner = 0;
    run = Options([&](DialogDriver& d, HWND dialog) {
        pickEnabled = Enabled(dialog, IDC_PICK_FROM_SKIN);
        corner = PreviewPixel(dialog, IDC_SKIN_PREVIEW, 2, 2);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_FALSE(pickEnabled);
    EXPECT_EQ(corner, 4210752u) << "\"Skin is not found.\" on the game's back colour";
    EXPECT_EQ(gs().settings.view.skinName, "flat.bmp");
}

TEST_F(OptionsDialog, ApplyRedrawsTheGameWhileTheDialogStaysOpen) {
    WriteSkin("green.bmp", [](int) { return RGB(0, 160, 0); });
    WriteSkin("blue.bmp", [](int) { return RGB(0, 0, 160); });
    StartWith("AUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\nSKIN = blue.bmp\r\nBACKGROUND_TYPE = 1\r\n");
    int applied = 0;
    bool open = false;
    COLORREF cell = 0;
    DialogRun run = Options([&](DialogDriver& d, HWND dialog) {
        Choose(d, dialog, IDC_SKIN_LIST, 1);     // green.bmp
        Choose(d, dialog, IDC_SQUARE_SIZE, 4);   // 56
        d.Press(dialog, IDC_APPLY);
        open = IsWindowVisible(dialog) != FALSE;
        applied = gs().settings.view.squareSize;
        RedrawWindow(app().hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Rect field = FieldArea(gs());
        cell = GetPixel(app().surfaces.backBuffer.dc, field.left + 28, field.top + 28);
        Choose(d, dialog, IDC_SQUARE_SIZE, 5);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_TRUE(open);
    EXPECT_EQ(applied, 56);
    EXPECT_EQ(cell, RGB(0, 160, 0)) << "open cells in the new skin";
    EXPECT_EQ(gs().settings.view.squareSize, 56) << "Cancel after Apply keeps what was applied";
    EXPECT_EQ(gs().settings.view.skinName, "green.bmp");
    EXPECT_EQ(FieldArea(gs()).Width(), 10 * 56);
}

} // namespace
