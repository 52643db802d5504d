// The New game dialog wired to its model: the library listed from the folders into the tree,
// the preview drawn where its plan says, a refusal, a new game on OK and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "files/game_dialogs.h"
#include "render/gdi_handles_gdi.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

// A field of width x height open cells, with the top-left `blocked` cells of row 0 blocked.
std::string PuzzleText(int width, int height, int blocked = 0) {
    Grid cells{};
    for (int c = 0; c < blocked; ++c)
        At(cells, c, 0) = kCellBlocked;
    return WritePuzzleText(width, height, cells);
}

// Selects a tree item as a click on it does.
void Select(DialogDriver& d, HWND dialog, const std::string& group,
            const std::string& puzzle = "") {
    HTREEITEM item = FindTreeItem(GetDlgItem(dialog, IDC_PUZZLE_TREE), group, puzzle);
    if (item == nullptr) d.Fail("no tree item " + group + "\\" + puzzle);
    d.Send(dialog, IDC_PUZZLE_TREE, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

// The preview as the dialog draws it, into a bitmap of the control's size.
struct PreviewShot {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
PreviewShot DrawPreview(DialogDriver& d, HWND dialog) {
    PreviewShot shot;
    RECT r{};
    GetClientRect(GetDlgItem(dialog, IDC_PREVIEW), &r);
    shot.width = r.right;
    shot.height = r.bottom;
    WindowDc screen(nullptr);
    MemoryDc dc(screen.get());
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), shot.width, shot.height));
    ScopedSelect select(dc.get(), bitmap.get());
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = IDC_PREVIEW;
    item.hwndItem = GetDlgItem(dialog, IDC_PREVIEW);
    item.hDC = dc.get();
    item.rcItem = r;
    d.Send(dialog, 0, WM_DRAWITEM, IDC_PREVIEW, reinterpret_cast<LPARAM>(&item));
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            shot.pixels.push_back(GetPixel(dc.get(), x, y));
    return shot;
}

using DialogNewGame = DialogTest;

TEST_F(DialogNewGame, TreePreviewOkAndCancel) {
    // Listed by name with letter case ignored, whatever order the file system gives.
    for (const char* group : {"Puzzles\\beta", "Puzzles\\Gamma empty", "Puzzles\\Alpha"})
        fs::create_directories(group);
    WriteFile("Puzzles\\Alpha\\C.zpz", "[GAME]\r\nDX = 99\r\n");
    WriteFile("Puzzles\\Alpha\\b.zpz", PuzzleText(7, 9, 3));
    WriteFile("Puzzles\\Alpha\\A two.zpz", PuzzleText(10, 6));
    WriteFile("Puzzles\\Alpha\\notes.txt", "not a puzzle");
    WriteFile("Puzzles\\beta\\x.zpz", PuzzleText(12, 5));
    WriteFile("Puzzles\\loose.zpz", PuzzleText(10, 6));
    StartPlainGame();
    LayTiling({1});
    gs().settings.solved = {{"Alpha", "b"}};
    gs().settings.lastFolder = "beta";
    gs().settings.lastFile = "x";
    gs().settings.view.backgroundType = BackgroundType::SolidColour;
    gs().settings.view.colorBack = RGB(18, 52, 86);

    // Cancel after choosing another puzzle: the game goes on.
    std::string tree;
    DialogRun run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        tree = DescribeTree(GetDlgItem(dialog, IDC_PUZZLE_TREE));
        Select(d, dialog, "Alpha", "b");
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(tree, "Alpha [2]\n"
                    "  A two [0]\n"
                    "  b [1]\n"
                    "  C [0]\n"
                    "beta [2]+\n"
                    "  x [0]*\n"
                    "Gamma empty [2]\n");
    EXPECT_EQ(gs().position.historyCount, 2);
    EXPECT_EQ(gs().settings.lastFolder, "beta");

    PreviewShot shot;
    bool stayed = false;
    run = Run(IDM_NEW_GAME, [&](DialogDriver& d) {
        HWND dialog = d.Wait("New game");
        Select(d, dialog, "Gamma empty");
        d.Press(dialog, IDOK);
        d.Answer();
        stayed = IsWindowVisible(dialog) != FALSE;
        Select(d, dialog, "Alpha", "b");
        shot = DrawPreview(d, dialog);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"information: Puzzle is not selected."});
    EXPECT_TRUE(stayed);
    EXPECT_EQ(gs().position.fieldWidth, 7);
    EXPECT_EQ(gs().position.fieldHeight, 9);
    EXPECT_EQ(gs().position.historyCount, 1);
    EXPECT_EQ(FiguresInList(), kFigureCount);
    EXPECT_EQ(gs().settings.lastFolder, "Alpha");
    EXPECT_EQ(gs().settings.lastFile, "b");

    // The 7 x 9 picture where the plan centres it, on the window background around it.
    ASSERT_GT(shot.width, 60);
    PuzzleImage b;
    ASSERT_TRUE(ReadPuzzleText(PuzzleText(7, 9, 3), false, Orientations().catalogue, b));
    const PreviewPicture plan = PlanPreview(true, b, kPuzzlePreviewTexts, shot.width, shot.height);
    const COLORREF back = RGB(18, 52, 86);
    const int middle = plan.top + 5 * kPreviewSquareSize;
    EXPECT_EQ(shot.At(plan.left - 1, middle), back);
    EXPECT_NE(shot.At(plan.left + 1, middle), back);
    EXPECT_NE(shot.At(plan.left + 7 * kPreviewSquareSize - 2, middle), back);
    EXPECT_EQ(shot.At(plan.left + 7 * kPreviewSquareSize + 1, middle), back);
    EXPECT_EQ(shot.At(plan.left + 4, plan.top - 1), back);
    EXPECT_EQ(shot.At(plan.left + 4, plan.top + 9 * kPreviewSquareSize + 1), back);
}

} // namespace
