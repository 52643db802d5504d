// The puzzle editor at work: rectangles of squares with their history; and "Save puzzle" wired
// to its model: a refusal, the file it writes, and play on the new puzzle.
#include <filesystem>

#include "dialog_driver.h"
#include "editor/editor_checks.h"
#include "model/placement.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

class EditorTest : public DialogTest {
  protected:
    // Opens Create puzzle, chooses size, method and name and presses OK.
    void StartEditing(int width, int height, bool bySquares, const char* name) {
        DialogRun run = Run(IDM_CREATE_PUZZLE, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Create puzzle");
            d.Send(dialog, IDC_WIDTH_ARROWS, UDM_SETPOS32, 0, width);
            d.Send(dialog, IDC_HEIGHT_ARROWS, UDM_SETPOS32, 0, height);
            d.Post(dialog, bySquares ? IDC_BY_SQUARES : IDC_BY_FIGURES, BM_CLICK);
            d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
            d.Press(dialog, IDOK);
            d.WaitGone(dialog);
        });
        ASSERT_EQ(run.failures, std::vector<std::string>{});
        ASSERT_EQ(gs().editor.mode, EditMode::Editing);
    }

    // The game reads the pointer with GetCursorPos. Under Wine it reports the old position
    // for a while after SetCursorPos, and a move to where Wine believes the pointer already
    // is gets lost: wait until the new position has held for 150 ms, moving again if needed.
    void MovePointer(POINT client) {
        POINT screen = client, now{};
        ClientToScreen(app().hwndMain, &screen);
        SetCursorPos(screen.x, screen.y);
        DWORD start = GetTickCount(), steady = start, moved = start;
        while (GetTickCount() - steady < 150 && GetTickCount() - start < 3000) {
            Sleep(5);
            GetCursorPos(&now);
            if (now.x == screen.x && now.y == screen.y) continue;
            steady = GetTickCount();
            if (steady - moved > 300) {
                SetCursorPos(screen.x + 1, screen.y);
                SetCursorPos(screen.x, screen.y);
                moved = steady;
            }
        }
        ASSERT_EQ(now.x, screen.x);
        ASSERT_EQ(now.y, screen.y);
        SendMessageA(app().hwndMain, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    }

    // Presses `down` (WM_LBUTTONDOWN or WM_RBUTTONDOWN) on one client point, moves to another
    // and releases there.
    void Drag(POINT from, POINT to, UINT down = WM_LBUTTONDOWN) {
        MovePointer(from);
        PressAt(from, down);
        MovePointer(to);
        SendMessageA(app().hwndMain, down + 1, 0, MAKELPARAM(to.x, to.y));
    }
    void Fill(int c0, int r0, int c1, int r1) { Drag(CellCentre(c0, r0), CellCentre(c1, r1)); }
    void Clear(int c0, int r0, int c1, int r1) {
        Drag(CellCentre(c0, r0), CellCentre(c1, r1), WM_RBUTTONDOWN);
    }

    // "Save puzzle", its message box answered; the messages it showed.
    std::vector<std::string> SaveMessages() {
        DialogRun run = Run(IDM_SAVE_PUZZLE, [](DialogDriver& d) { d.Answer(); });
        EXPECT_EQ(run.failures, std::vector<std::string>{});
        return run.messages;
    }

    static std::vector<std::string> UserPuzzles() { return FolderEntries("Puzzles\\My puzzles"); }

    // The laid figures of the 10 x 6 tiling, moved by (dx, dy).
    void LayTilingAt(std::initializer_list<int> figures, int dx, int dy) {
        for (int k : figures) {
            Figure f = FigureInPicture(k, kTiling10x6);
            DropFigure(k, f.matrix, f.x + dx, f.y + dy);
            ASSERT_EQ(gs().position.inList[k], 0) << "figure " << k;
        }
    }
};

using EditorSquares = EditorTest;
using EditorSave = EditorTest;

TEST_F(EditorSquares, RectanglesFillClearAbandonAndUndoToTheEmptyField) {
    StartPlainGame();
    StartEditing(10, 6, true, "drawn");
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 1);
    Fill(2, 1, 0, 0); // corners in either order
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    EXPECT_EQ(At(gs().editor.field, 2, 1), kCellSquare);
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));

    // While the button is held the board shows the rectangle.
    MovePointer(CellCentre(4, 3));
    PressAt(CellCentre(4, 3));
    MovePointer(CellCentre(5, 4));
    EXPECT_EQ(BackBufferPixel(CellCentre(5, 4)), BackBufferPixel(CellCentre(0, 0)));
    EXPECT_NE(BackBufferPixel(CellCentre(6, 4)), BackBufferPixel(CellCentre(0, 0)));
    // Leaving the frame abandons it, even when the button is released back on the field.
    MovePointer({5, 5});
    EXPECT_EQ(gs().editor.rectDrag, RectangleDrag::None);
    MovePointer(CellCentre(5, 4));
    SendMessageA(app().hwndMain, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    // So does a message box that takes the mouse from the window.
    MovePointer(CellCentre(4, 3));
    PressAt(CellCentre(4, 3));
    EXPECT_EQ(SaveMessages(),
              std::vector<std::string>{"information: Number of squares must be 60 (12 figures * "
                                       "5 squares). Please check your task."});
    MovePointer(CellCentre(5, 4));
    SendMessageA(app().hwndMain, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    EXPECT_EQ(gs().position.historyCount, 2);

    // A drag that ends on the frame's corner stops at the field's edge.
    Rect frame = FieldFrame(gs());
    Drag(CellCentre(8, 4), {frame.right - 2, frame.bottom - 2});
    EXPECT_EQ(CountSquares(gs().editor.field), 10) << "no square beyond column 9 or row 5";
    EXPECT_EQ(At(gs().editor.field, 9, 5), kCellSquare);

    Clear(1, 0, 1, 1);
    EXPECT_EQ(CountSquares(gs().editor.field), 8);
    Clear(5, 0, 6, 0); // empty already: no new position
    EXPECT_EQ(gs().position.historyCount, 4);
    EXPECT_EQ(gs().position.historyPosition, 3);

    // With the buttons swapped the right button fills and the left one clears.
    app().primaryButtonDown = WM_RBUTTONDOWN;
    Drag(CellCentre(5, 0), CellCentre(5, 0), WM_RBUTTONDOWN);
    Drag(CellCentre(9, 5), CellCentre(9, 5), WM_LBUTTONDOWN);
    app().primaryButtonDown = WM_LBUTTONDOWN;
    EXPECT_EQ(At(gs().editor.field, 5, 0), kCellSquare);
    EXPECT_EQ(At(gs().editor.field, 9, 5), kCellOpen);

    for (int i = 0; i < 5; ++i)
        Command(IDM_UNDO);
    EXPECT_EQ(gs().editor.field, Grid{}) << "position 0 is the empty field";
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    EXPECT_TRUE(MenuEnabled(IDM_REDO));
    Command(IDM_REDO);
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    EXPECT_EQ(gs().editor.mode, EditMode::Editing);
}

TEST_F(EditorSave, ByFiguresNeedsEveryFigureThenTheNewPuzzleIsWrittenPlayedAndSolved) {
    StartPlainGame();
    StartEditing(12, 8, false, "tiles");
    LayTilingAt({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1, 1);
    EXPECT_EQ(SaveMessages(), std::vector<std::string>{"information: Please put all figures."});
    {
        MessageBoxWatcher watcher;
        LayTilingAt({12}, 1, 1);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{}) << "no win while editing";
    }
    EXPECT_EQ(SaveMessages(), std::vector<std::string>{"question: New puzzle saved succesfully."});
    std::string expected = "[GAME]\r\nDX = 10\r\nDY = 6\r\n\r\n[DATA]\r\n";
    for (int r = 1; r <= 6; ++r)
        expected += "ROW_" + std::to_string(r) + " = 1111111111\r\n";
    EXPECT_EQ(ReadFile("Puzzles\\My puzzles\\tiles.zpz"), expected);
    EXPECT_EQ(UserPuzzles(), std::vector<std::string>{"tiles.zpz"}) << "no temporary file is left";
    EXPECT_EQ(gs().editor.mode, EditMode::Playing);
    EXPECT_EQ(gs().position.fieldWidth, 10);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE_PUZZLE));
    {
        MessageBoxWatcher watcher;
        LayTiling({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Congratulations! The game is won."});
    }
    EXPECT_EQ(gs().settings.solved, (std::vector<SolvedPuzzle>{{"My puzzles", "tiles"}}));
}

} // namespace
