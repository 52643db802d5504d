// The Load, Analyse, New game, Options, Sound and Random puzzle dialogs, each wired to its model.
#include <filesystem>

#include "files/game_dialogs.h"
#include "files/puzzle_file.h"
#include "fixtures.h"
#include "render/options_preview.h"

namespace {

namespace fs = std::filesystem;
using Dialogs = GameTest;
using Lines = std::vector<std::string>;

// Listing and loading with OK are played end to end (k_hostile_files.py). Delete removes the
// line too: the line after it then loads. "Save\" and the longest name make 259 characters.
TEST_F(Dialogs, LoadDeletesAndLoadsByDoubleClick) {
    StartGame();
    LayTiling({1, 2, 3, 4});
    const Placement saved = gs().position.placed;
    const std::string longest = std::string(250, 'L') + ".zpz", euro = "eleven \x80.zpz";
    fs::create_directory("Save");
    for (const std::string& name : {longest, euro})
        WriteFile("Save\\" + name, WriteSavedGameText(gs()));
    Command(IDM_UNDO);
    Command(IDM_UNDO);
    Run(IDM_LOAD, "Load", [&](DialogDriver& d, HWND dialog) {
        for (int id : {IDC_DELETE, IDC_SAVED_GAMES}) {
            d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 0);
            d.Click(dialog, id, id == IDC_DELETE ? BN_CLICKED : LBN_DBLCLK);
        }
    });
    EXPECT_EQ(FolderEntries("Save"), Lines{longest});
    EXPECT_EQ(gs().position.placed, saved);
    EXPECT_FALSE(MenuEnabled(IDM_REDO)) << "the menu follows the loaded game";
}

TEST_F(Dialogs, AnalyseShowsTheChoiceStartLaysTheRest) {
    StartGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8});
    Command(IDM_UNDO);
    gs().settings.analyseMode = AnalyseChoice::OneFigure;
    bool oneChecked = false;
    Run(IDM_ANALYSE, "Analyse by computer", [&](DialogDriver& d, HWND dialog) {
        oneChecked = IsDlgButtonChecked(dialog, IDC_PLACE_ONE) == BST_CHECKED;
        d.Send(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_TRUE(oneChecked);
    EXPECT_EQ(gs().position.historyCount, 13) << "the last five laid, one by one";
    EXPECT_FALSE(MenuEnabled(IDM_REDO)) << "the menu follows the laid figures";
}

// The tree as shown, a line an item: "text [image]", "+" after an expanded group, "*" after the
// selection; puzzles indented.
std::string Describe(HWND tree, HTREEITEM item, const std::string& indent = "") {
    std::string lines;
    for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        char text[64] = {};
        TVITEMA tv{
            TVIF_TEXT | TVIF_IMAGE | TVIF_STATE, item, 0, TVIS_EXPANDED, text, 64, 0, 0, 0, 0};
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        lines += indent + text + " [" + std::to_string(tv.iImage) + "]" +
                 ((tv.state & TVIS_EXPANDED) ? "+" : "") +
                 (item == TreeView_GetSelection(tree) ? "*" : "") + "\n" +
                 Describe(tree, TreeView_GetChild(tree, item), "  ");
    }
    return lines;
}

// The names' order is the core's, moving through the tree is played end to end. Shown here: the
// marks and each group's progress, the current puzzle opened; a double click on a group starts
// nothing, on a puzzle it starts the puzzle, whose folder's name (not the text shown) becomes
// the current group.
TEST_F(Dialogs, NewGameTreeAndOk) {
    for (const char* group : {"Puzzles\\beta", "Puzzles\\Gamma empty", "Puzzles\\Alpha"})
        fs::create_directories(group);
    WriteFile("Puzzles\\Alpha\\b.zpz", WritePuzzleText(7, 9, Grid{}));
    for (const char* name : {"Puzzles\\Alpha\\A two.zpz", "Puzzles\\beta\\x.zpz"})
        WriteFile(name, "listed, not read");
    StartGame();
    LayTiling({1});
    gs().settings.solved = {{"Alpha", "b"}};
    gs().settings.lastFolder = "beta";
    gs().settings.lastFile = "x";
    std::string tree;
    Run(IDM_NEW_GAME, "New game", [&](DialogDriver& d, HWND dialog) {
        HWND treeView = GetDlgItem(dialog, IDC_PUZZLE_TREE);
        tree = Describe(treeView, TreeView_GetRoot(treeView));
        HTREEITEM b = TreeView_GetNextSibling(
            treeView, TreeView_GetChild(treeView, TreeView_GetRoot(treeView)));
        HTREEITEM gamma = TreeView_GetLastVisible(treeView);
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET, LPARAM(gamma));
        NMHDR click{treeView, IDC_PUZZLE_TREE, static_cast<UINT>(NM_DBLCLK)};
        d.Send(dialog, 0, WM_NOTIFY, IDC_PUZZLE_TREE, reinterpret_cast<LPARAM>(&click));
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET, LPARAM(b));
        d.Send(dialog, 0, WM_NOTIFY, IDC_PUZZLE_TREE, reinterpret_cast<LPARAM>(&click));
    });
    EXPECT_EQ(tree, "Alpha (1/2) [2]\n  A two [0]\n  b [1]\nbeta (0/1) [2]+\n  x [0]*\n"
                    "Gamma empty [2]\n");
    EXPECT_EQ(std::pair(gs().position.fieldWidth, gs().position.fieldHeight), std::pair(7, 9));
    EXPECT_EQ(std::pair(gs().settings.lastFolder, gs().settings.lastFile),
              std::pair(std::string("Alpha"), std::string("b")));
    EXPECT_FALSE(MenuEnabled(IDM_UNDO)) << "the menu follows the new game";
}

constexpr COLORREF kGreen = RGB(0, 160, 0), kRed = RGB(255, 0, 0);

// Entry `index` of a list (or combo) box chosen as the player's choice does.
void Choose(DialogDriver& d, HWND dialog, int id, int index, bool combo = false) {
    d.Send(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index));
    d.Click(dialog, id, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
}

// The skin preview's frame corner (the plain square inverted), the empty top-left cell of the
// I's matrix (the open cell), a square of the I and its left edge (upright in column 2).
std::vector<COLORREF> Preview(DialogDriver& d, HWND dialog) {
    const Point i = PreviewFigureOrigin(1, kPreviewTile);
    std::vector<COLORREF> shown;
    for (POINT p : {POINT{3, 3}, POINT{i.x + 4, i.y + 4}, POINT{i.x + 20, i.y + 4},
                    POINT{i.x + 2 * kPreviewTile, i.y + 4}})
        shown.push_back(d.Pixel(dialog, IDC_SKIN_PREVIEW, p.x, p.y));
    return shown;
}

TEST_F(Dialogs, OptionsReachTheGameOnApplyAndOkNotOnCancel) {
    fs::create_directories("Skins");
    WriteBitmapFile("Skins\\A.bmp", 896, 64, [](int x, int) { return TestTileColour(x / 64); });
    WriteBitmapFile("Skins\\green.bmp", 896, 64, [](int, int) { return kGreen; });
    StartGame("AUTO_SIZE = 0\r\nSIZE_SQUARE = 48\r\nSHOW_CONTOUR = 0\r\nCOLOR_CONTOUR = 255\r\n"
              "SKIN = green.bmp\r\nBACKGROUND_TYPE = 1\r\n");
    ViewOptions expected = gs().settings.view;
    std::vector<std::vector<COLORREF>> previews;
    bool open = false;
    COLORREF cell = 0;
    Run(IDM_OPTIONS, "Options", [&](DialogDriver& d, HWND dialog) {
        previews.push_back(Preview(d, dialog));
        d.Send(dialog, IDC_SHOW_CONTOUR, BM_CLICK);
        Choose(d, dialog, IDC_SKIN_LIST, 0); // A.bmp
        previews.push_back(Preview(d, dialog));
        d.Send(dialog, IDC_USE_ONE_COLOR, BM_CLICK);
        previews.push_back(Preview(d, dialog)); // item 0 as the open cell: the same picture
        Choose(d, dialog, IDC_SQUARE_INDEX, 4, true);
        previews.push_back(Preview(d, dialog));
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
    const auto tiles = [](int i) {
        return std::vector<COLORREF>{Inverted(TestTileColour(13)), TestTileColour(0),
                                     TestTileColour(i), kRed};
    };
    EXPECT_EQ(previews,
              (std::vector<std::vector<COLORREF>>{
                  {Inverted(kGreen), kGreen, kGreen, kGreen}, tiles(1), tiles(1), tiles(5)}))
        << "green.bmp; A.bmp with contour; one colour of item 0, then of item 4";
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

    std::string size;
    Run(IDM_OPTIONS, "Options", [&](DialogDriver& d, HWND dialog) {
        d.Click(dialog, IDC_OPTIONS_DEFAULT);
        size = d.Text(dialog, IDC_SQUARE_SIZE);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(size, "48") << "Set default";
    EXPECT_EQ(gs().settings.view, expected) << "Cancel changes nothing";
}

using Sounds = std::vector<SoundSetting>;

// Default, a switch and a file edited in place, Set all, and Select taking a file from the chooser.
TEST_F(Dialogs, SoundListAndButtonsReachTheSettingsOnOk) {
    StartGame();
    std::array<SoundSetting, kSoundEventCount>& sounds = gs().settings.sounds;
    sounds[1].enabled = false;
    sounds[2].file = "C:\\waves\\turn.wav";
    WriteFile("win.wav", "RIFF");
    const std::string wav = fs::absolute("win.wav").string();
    Sounds expected(sounds.begin(), sounds.end());
    LRESULT rows = 0;
    Run(IDM_SOUND, "Sound", [&](DialogDriver& d, HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
        rows = d.Send(dialog, IDC_SOUND_LIST, LVM_GETITEMCOUNT);
        d.Click(dialog, IDC_SOUND_DEFAULT);
        ListView_SetCheckState(list, 3, FALSE);
        ListView_SetItemText(list, 3, 2, const_cast<char*>("drop.wav"));
        d.Click(dialog, IDC_SOUND_SET_ALL);
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        d.Press(dialog, IDC_SOUND_SELECT);
        HWND chooser = d.Wait("Please select a wave file");
        d.Send(chooser, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wav.c_str()));
        d.Press(chooser, IDOK);
        d.WaitGone(chooser);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(rows, kSoundEventCount) << "one row per event";
    EXPECT_TRUE(fs::equivalent(sounds[0].file, "win.wav")) << sounds[0].file;
    expected[0].file = sounds[0].file;
    expected[1].enabled = true;
    expected[2].file = ".\\Sound\\rotate.wav";
    expected[3].file = "drop.wav";
    EXPECT_EQ(Sounds(sounds.begin(), sounds.end()), expected);
}

// A size too small is refused with its message and the dialog stays; Cancel pressed at once
// after OK gives the generation up: no file is written and the game is as it was. (OK that
// plays a new puzzle is played end to end, b_random_puzzle.py.)
TEST_F(Dialogs, RandomPuzzleRefusesASmallSizeAndCancelLeavesNothing) {
    StartGame();
    const GameState before = gs();
    const std::vector<std::string> messages =
        Run(IDM_RANDOM_PUZZLE, "Random puzzle", [&](DialogDriver& d, HWND dialog) {
            d.Send(dialog, IDC_RANDOM_DIFFICULTY, CB_SETCURSEL, 1);
            d.Send(dialog, IDC_RANDOM_WIDTH_ARROWS, UDM_SETPOS32, 0, 5);
            d.Send(dialog, IDC_RANDOM_HEIGHT_ARROWS, UDM_SETPOS32, 0, 11);
            d.Press(dialog, IDOK);
            d.Answer();
            d.Send(dialog, IDC_RANDOM_HEIGHT_ARROWS, UDM_SETPOS32, 0, 24);
            d.Press(dialog, IDOK);
            d.Press(dialog, IDCANCEL);
        });
    EXPECT_EQ(messages, Lines{"information: The largest size must hold at least 60 cells."});
    EXPECT_FALSE(fs::exists("Puzzles\\Random"));
    EXPECT_EQ(gs().settings, before.settings);
    EXPECT_EQ(gs().position.board, before.position.board);
}

} // namespace
