// The puzzle editor: "Create puzzle" wired to its model, rectangles of squares drawn with the
// mouse, and "Save puzzle" writing into new folders and over an older puzzle of the same name.
#include <filesystem>

#include "dialog_driver.h"
#include "editor/editor_checks.h"
#include "model/placement.h"
#include "resource.h"

namespace {

class EditorSquares : public DialogTest {
  protected:
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
        ASSERT_TRUE(now.x == screen.x && now.y == screen.y) << "the pointer stays behind";
        SendMessageA(app().hwndMain, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    }
    // A press of `down` (WM_LBUTTONDOWN or WM_RBUTTONDOWN) and its release, each after a move.
    void Press(POINT at, UINT down = WM_LBUTTONDOWN) {
        MovePointer(at);
        PressAt(at, down);
    }
    void Release(POINT at, UINT down = WM_LBUTTONDOWN) {
        MovePointer(at);
        SendMessageA(app().hwndMain, down + 1, 0, MAKELPARAM(at.x, at.y));
    }
    void Drag(int c0, int r0, int c1, int r1, UINT down = WM_LBUTTONDOWN) {
        Press(CellCentre(c0, r0), down);
        Release(CellCentre(c1, r1), down);
    }
    int Squares() { return CountSquares(gs().editor.field); }
    // "Save puzzle": the messages it showed.
    std::vector<std::string> SavePuzzle() {
        return Run(IDM_SAVE_PUZZLE, [](DialogDriver& d) { d.Answer(); }).messages;
    }
};

// A puzzle saved into new folders, then one over an older puzzle whose name holds characters
// of the upper half of code page 1252, which the system finds only through the ANSI code page.
TEST_F(EditorSquares, CreateDrawAndSaveTwice) {
    WriteFile("Zendrak.ini",
              "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[LAST]\r\nCREATION_METHOD = 1\r\n"
              "DX = 99\r\nDY = 2\r\n");
    StartGame();
    gs().settings.newPuzzleName = "remembered";
    auto shown = [](DialogDriver& d, HWND dialog) {
        return d.Text(dialog, IDC_CREATE_WIDTH) + " x " + d.Text(dialog, IDC_CREATE_HEIGHT) + " " +
               d.Text(dialog, IDC_FILE_NAME) +
               (d.Send(dialog, IDC_BY_SQUARES, BM_GETCHECK) == BST_CHECKED ? " squares" : "");
    };
    std::vector<std::string> opened;
    Run(IDM_CREATE_PUZZLE, "Create puzzle", [&](DialogDriver& d, HWND dialog) {
        opened.push_back(shown(d, dialog));
        d.Send(dialog, IDC_CREATE_WIDTH, WM_KEYDOWN, VK_UP, 1); // the arrow keys stop at 3 and 24
        d.Send(dialog, IDC_CREATE_HEIGHT, WM_KEYDOWN, VK_DOWN, 1);
        opened.push_back(shown(d, dialog));
        d.Send(dialog, IDC_WIDTH_ARROWS, UDM_SETPOS32, 0, 10);
        d.Send(dialog, IDC_HEIGHT_ARROWS, UDM_SETPOS32, 0, 6);
        d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("first"));
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(opened,
              (std::vector<std::string>{"24 x 3 remembered squares", "24 x 3 remembered squares"}));
    ASSERT_EQ(gs().editor.mode, EditMode::Editing);
    EXPECT_EQ(gs().position.fieldWidth, 10);
    EXPECT_EQ(gs().position.fieldHeight, 6);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 1)
        << "the square to draw with";
    EXPECT_TRUE(MenuEnabled(IDM_SAVE_PUZZLE));
    Drag(0, 0, 9, 5);
    EXPECT_EQ(SavePuzzle(), std::vector<std::string>{"question: New puzzle saved succesfully."});
    std::string drawn = "[GAME]\r\nDX = 10\r\nDY = 6\r\n\r\n[DATA]\r\n";
    for (int r = 1; r <= 6; ++r)
        drawn += "ROW_" + std::to_string(r) + " = 1111111111\r\n";
    EXPECT_EQ(ReadFile("Puzzles\\My puzzles\\first.zpz"), drawn) << "written into new folders";
    EXPECT_EQ(gs().editor.mode, EditMode::Playing);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE_PUZZLE));

    // "No" to the overwrite question keeps the dialog open, and Cancel then starts nothing;
    // "Yes" starts the editor, the old file staying until a drawing is saved.
    const std::string name = "old \x80\x99", path = "Puzzles\\My puzzles\\" + name + ".zpz";
    WriteFile(path, "the old puzzle");
    for (int answer : {IDNO, IDYES}) {
        bool open = false;
        DialogRun run = Run(IDM_CREATE_PUZZLE, "Create puzzle", [&](DialogDriver& d, HWND dialog) {
            d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
            d.Press(dialog, IDOK);
            d.Answer(answer);
            open = IsWindowVisible(dialog) != FALSE;
            d.Press(dialog, IDCANCEL);
        });
        EXPECT_EQ(run.messages, std::vector<std::string>{"question: File exist. Overwrite?"});
        EXPECT_EQ(open, answer == IDNO);
        EXPECT_EQ(gs().editor.mode, answer == IDNO ? EditMode::Playing : EditMode::Editing);
        EXPECT_EQ(ReadFile(path), "the old puzzle");
    }

    Drag(2, 1, 0, 0); // corners in either order
    EXPECT_EQ(Squares(), 6);
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));
    // Leaving the frame abandons a rectangle, even when the button is released back on the
    // field; so does a message box that takes the mouse from the window.
    Press(CellCentre(4, 3));
    MovePointer({5, 5});
    EXPECT_EQ(gs().editor.rectDrag, RectangleDrag::None);
    Release(CellCentre(5, 4));
    Press(CellCentre(4, 3));
    EXPECT_EQ(SavePuzzle(),
              std::vector<std::string>{"information: Number of squares must be 60 (12 figures * "
                                       "5 squares). Please check your task."});
    Release(CellCentre(5, 4));
    EXPECT_EQ(Squares(), 6);
    // The other button clears; with the buttons swapped the right button fills.
    Drag(1, 0, 1, 1, WM_RBUTTONDOWN);
    EXPECT_EQ(Squares(), 4);
    app().primaryButtonDown = WM_RBUTTONDOWN;
    Drag(5, 0, 5, 0, WM_RBUTTONDOWN);
    Drag(2, 1, 2, 1, WM_LBUTTONDOWN);
    app().primaryButtonDown = WM_LBUTTONDOWN;
    EXPECT_EQ(At(gs().editor.field, 5, 0), kCellSquare);
    EXPECT_EQ(At(gs().editor.field, 2, 1), kCellOpen);

    Drag(0, 0, 9, 5);
    EXPECT_EQ(SavePuzzle(), std::vector<std::string>{"question: New puzzle saved succesfully."});
    EXPECT_EQ(ReadFile(path), drawn);
    EXPECT_EQ(FolderEntries("Puzzles\\My puzzles"),
              (std::vector<std::string>{"first.zpz", name + ".zpz"}))
        << "no temporary file";
}

} // namespace
