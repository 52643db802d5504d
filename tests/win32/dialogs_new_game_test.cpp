// The New game dialog: the library tree with its order and marks, the current puzzle
// selected, refused choices, a new game on OK and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "model/shapes.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

// A field of width x height open cells, with the top-left `blocked` cells of row 0 blocked.
std::string PuzzleText(int width, int height, int blocked = 0) {
    Grid cells{};
    for (int c = 0; c < blocked; ++c) At(cells, c, 0) = kCellBlocked;
    return WritePuzzleText(width, height, cells);
}

class DialogNewGame : public DialogTest {
protected:
    // Groups "Alpha", "beta" and "Gamma empty" (no puzzles); the file system may list them
    // in any order.
    void MakeLibrary() {
        for (const char* group : {"Puzzles\\beta", "Puzzles\\Gamma empty", "Puzzles\\Alpha"})
            fs::create_directories(group);
        WriteFile("Puzzles\\Alpha\\C.zpz", "[GAME]\r\nDX = 99\r\n");
        WriteFile("Puzzles\\Alpha\\b.zpz", PuzzleText(7, 9, 3));
        WriteFile("Puzzles\\Alpha\\A two.zpz", PuzzleText(10, 6));
        WriteFile("Puzzles\\Alpha\\notes.txt", "not a puzzle");
        WriteFile("Puzzles\\beta\\x.zpz", PuzzleText(12, 5));
        WriteFile("Puzzles\\beta\\b.zpz", PuzzleText(6, 10));
        WriteFile("Puzzles\\loose.zpz", PuzzleText(10, 6));
    }
    // Selects a tree item as a click on it does.
    static void Select(DialogDriver& d, HWND dialog, const std::string& group, const std::string& puzzle = "") {
        HWND tree = GetDlgItem(dialog, IDC_PUZZLE_TREE);
        HTREEITEM item = FindTreeItem(tree, group, puzzle);
        if (item == nullptr) d.Fail("no tree item " + group + "\\" + puzzle);
        d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }
};

TEST_F(DialogNewGame, TreeIsSortedMarksExactSolvedRecordsAndSelectsTheCurrentPuzzle) {
    MakeLibrary();
    StartPlainGame();
    gs().settings.solved = {{"Alpha", "b"}, {"alpha", "C"}, {"Beta", "x"}, {"beta", "A two"}};
    gs().settings.lastFolder = "beta";
    gs().settings.lastFile = "x";
    std::string tree;
    DialogRun run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        tree = DescribeTree(GetDlgItem(dialog, IDC_PUZZLE_TREE));
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(tree,
              "Alpha [2]\n"
              "  A two [0]\n"
              "  b [1]\n"
              "  C [0]\n"
              "beta [2]+\n"
              "  b [0]\n"
              "  x [0]*\n"
              "Gamma empty [2]\n");
}

TEST_F(DialogNewGame, MissingLibraryGivesAnEmptyTree) {
    StartPlainGame();
    std::string tree = "not read";
    DialogRun run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        tree = DescribeTree(GetDlgItem(dialog, IDC_PUZZLE_TREE));
        d.Press(dialog, IDOK);
        d.Answer();
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(tree, "");
    EXPECT_EQ(run.messages, std::vector<std::string>{"information: Puzzle is not selected."});
}

TEST_F(DialogNewGame, RefusedChoicesAndCancelKeepTheGame) {
    MakeLibrary();
    StartPlainGame();
    LayTiling({1});
    bool stayed = false;
    DialogRun run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        Select(d, dialog, "Gamma empty");
        d.Press(dialog, IDOK);
        d.Answer();
        Select(d, dialog, "Alpha", "C");
        d.Press(dialog, IDOK);
        d.Answer();
        d.Sync();
        stayed = IsWindowVisible(dialog) != FALSE;
        Select(d, dialog, "beta", "x");
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"information: Puzzle is not selected.",
                                                      "information: Please select a valid puzzle."}));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(gs().position.fieldWidth, 10);
    EXPECT_EQ(gs().position.fieldHeight, 6);
    EXPECT_EQ(gs().position.inList[1], 0) << "the game in progress goes on";
    EXPECT_EQ(gs().position.historyCount, 2);
    EXPECT_EQ(gs().settings.lastFolder, "Tutorial");
    EXPECT_EQ(gs().settings.lastFile, "move a figure");
}

TEST_F(DialogNewGame, OkStartsTheSelectedPuzzleAndMakesItCurrent) {
    MakeLibrary();
    StartPlainGame();
    LayTiling({1, 2});
    DialogRun run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        Select(d, dialog, "Alpha", "b");
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(gs().position.fieldWidth, 7);
    EXPECT_EQ(gs().position.fieldHeight, 9);
    EXPECT_EQ(gs().settings.lastFolder, "Alpha");
    EXPECT_EQ(gs().settings.lastFile, "b");
    EXPECT_EQ(FiguresInList(), kFigureCount);
    EXPECT_EQ(gs().position.historyCount, 1);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
    // The blocked cells of the puzzle are blocked on the field: a drop over them is refused.
    const FigureMatrix& i = BaseShapes()[1]; // upright in the matrix's column 2
    DropFigure(1, i, -2, 0); // the I upright in column 0, over the blocked corner
    EXPECT_EQ(gs().position.inList[1], 1);
    DropFigure(1, i, 1, 0); // in column 3, open from the top
    EXPECT_EQ(gs().position.inList[1], 0);
}

} // namespace
