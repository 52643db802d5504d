// The New game dialog wired to its model: the library read from the folders into the tree, the
// preview following the chosen puzzle, a double click on a group doing nothing, a new game on
// OK and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "files/game_dialogs.h"
#include "resource.h"

namespace {

// A field of width x height open cells, with the top-left `blocked` cells of row 0 blocked.
std::string PuzzleText(int width, int height, int blocked = 0) {
    Grid cells{};
    for (int c = 0; c < blocked; ++c)
        At(cells, c, 0) = kCellBlocked;
    return WritePuzzleText(width, height, cells);
}

// Group `group` of the tree, or its puzzle `puzzle`; null past the last.
HTREEITEM Item(HWND tree, int group, int puzzle = -1) {
    HTREEITEM item = TreeView_GetRoot(tree);
    for (; item != nullptr && group > 0; --group)
        item = TreeView_GetNextSibling(tree, item);
    if (item == nullptr || puzzle < 0) return item;
    for (item = TreeView_GetChild(tree, item); item != nullptr && puzzle > 0; --puzzle)
        item = TreeView_GetNextSibling(tree, item);
    return item;
}

// The tree as the player sees it, one line per item: "text [image]", "+" after a group whose
// puzzles are shown, "*" after the selected item; puzzles indented.
std::string Describe(HWND tree) {
    std::string lines;
    for (int g = 0; Item(tree, g) != nullptr; ++g)
        for (int p = -1; Item(tree, g, p) != nullptr; ++p) {
            char text[260] = {};
            TVITEMA tv{TVIF_TEXT | TVIF_IMAGE | TVIF_STATE,
                       Item(tree, g, p),
                       0,
                       TVIS_EXPANDED,
                       text,
                       sizeof text,
                       0,
                       0,
                       0,
                       0};
            SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
            lines += (p < 0 ? "" : "  ") + std::string(text) + " [" + std::to_string(tv.iImage) +
                     "]" + ((tv.state & TVIS_EXPANDED) ? "+" : "") +
                     (tv.hItem == TreeView_GetSelection(tree) ? "*" : "") + "\n";
        }
    return lines;
}

using DialogNewGame = DialogTest;

TEST_F(DialogNewGame, TreePreviewOkAndCancel) {
    // Listed by name with letter case ignored, whatever order the file system gives.
    for (const char* group : {"Puzzles\\beta", "Puzzles\\Gamma empty", "Puzzles\\Alpha"})
        std::filesystem::create_directories(group);
    WriteFile("Puzzles\\Alpha\\C.zpz", "[GAME]\r\nDX = 99\r\n");
    WriteFile("Puzzles\\Alpha\\b.zpz", PuzzleText(7, 9, 3));
    WriteFile("Puzzles\\Alpha\\A two.zpz", PuzzleText(10, 6));
    WriteFile("Puzzles\\Alpha\\notes.txt", "not a puzzle");
    WriteFile("Puzzles\\beta\\x.zpz", PuzzleText(12, 5));
    WriteFile("Puzzles\\loose.zpz", PuzzleText(10, 6));
    StartPlainGame(
        "AUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\nBACKGROUND_TYPE = 1\r\nCOLOR_BACK = 5649426\r\n");
    LayTiling({1});
    gs().settings.solved = {{"Alpha", "b"}};
    gs().settings.lastFolder = "beta";
    gs().settings.lastFile = "x";

    std::string tree;
    RECT r{};
    std::vector<std::pair<int, int>> spans; // the first and last pixel off the background
    Run(IDM_NEW_GAME, "New game", [&](DialogDriver& d, HWND dialog) {
        auto span = [&](bool across, int at) {
            spans.push_back({-1, -1});
            for (int i = 0; i < (across ? r.right : r.bottom); ++i) {
                if (d.Pixel(dialog, IDC_PREVIEW, across ? i : at, across ? at : i) ==
                    RGB(18, 52, 86))
                    continue;
                spans.back() = {spans.back().first < 0 ? i : spans.back().first, i};
            }
        };
        HWND treeView = GetDlgItem(dialog, IDC_PUZZLE_TREE);
        tree = Describe(treeView);
        GetClientRect(GetDlgItem(dialog, IDC_PREVIEW), &r);
        span(true, r.bottom / 2); // x
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(Item(treeView, 0, 1)));
        span(true, r.bottom / 2); // b
        span(false, r.right / 2);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(tree,
              "Alpha [2]\n  A two [0]\n  b [1]\n  C [0]\nbeta [2]+\n  x [0]*\nGamma empty [2]\n");
    EXPECT_EQ(gs().position.historyCount, 2) << "Cancel: the game goes on";
    // Each picture where the plan centres it, on the window's background.
    std::vector<std::pair<int, int>> planned;
    for (auto [width, height, blocked] : {std::tuple{12, 5, 0}, std::tuple{7, 9, 3}}) {
        PuzzleImage image;
        ASSERT_TRUE(ReadPuzzleText(PuzzleText(width, height, blocked), false,
                                   Orientations().catalogue, image));
        const PreviewPicture plan =
            PlanPreview(true, image, kPuzzlePreviewTexts, r.right, r.bottom);
        planned.push_back({plan.left, plan.left + width * kPreviewSquareSize - 1});
        if (width == 7) planned.push_back({plan.top, plan.top + height * kPreviewSquareSize - 1});
    }
    EXPECT_EQ(spans, planned);

    // A double click on a group starts nothing; OK starts the chosen puzzle.
    Run(IDM_NEW_GAME, "New game", [&](DialogDriver& d, HWND dialog) {
        HWND treeView = GetDlgItem(dialog, IDC_PUZZLE_TREE);
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(Item(treeView, 2)));
        NMHDR click{treeView, IDC_PUZZLE_TREE, static_cast<UINT>(NM_DBLCLK)};
        d.Send(dialog, 0, WM_NOTIFY, IDC_PUZZLE_TREE, reinterpret_cast<LPARAM>(&click));
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(Item(treeView, 0, 1)));
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(gs().position.fieldWidth, 7);
    EXPECT_EQ(gs().position.fieldHeight, 9);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO)) << "the menu follows the new game";
}

} // namespace
