// The Create puzzle dialog wired to its model: the remembered values in the controls, the
// arrows' range, a refusal, the overwrite question for a name of the ANSI code page, the
// editor that OK starts and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

using EditorCreate = DialogTest;

void SetSize(DialogDriver& d, HWND dialog, int width, int height) {
    d.Send(dialog, IDC_WIDTH_ARROWS, UDM_SETPOS32, 0, width);
    d.Send(dialog, IDC_HEIGHT_ARROWS, UDM_SETPOS32, 0, height);
}

// Posts a press of an arrow key to the edit box that the up-down control serves.
void PressArrowKey(DialogDriver& d, HWND dialog, int edit, WPARAM key) {
    d.Post(dialog, edit, WM_KEYDOWN, key, 1);
}

TEST_F(EditorCreate, RememberedValuesCancelThenOkStartsTheEditor) {
    WriteFile("Zendrak.ini",
              "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[LAST]\r\nCREATION_METHOD = 1\r\n"
              "DX = 99\r\nDY = 2\r\n");
    StartGame();
    gs().settings.newPuzzleName = "remembered";
    std::string opened, afterArrows;
    DialogRun run = Run(IDM_CREATE_PUZZLE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Create puzzle");
        const bool bySquares = d.Send(dialog, IDC_BY_SQUARES, BM_GETCHECK) == BST_CHECKED;
        opened = d.Text(dialog, IDC_CREATE_WIDTH) + " x " + d.Text(dialog, IDC_CREATE_HEIGHT) +
                 " " + d.Text(dialog, IDC_FILE_NAME) + (bySquares ? " squares" : "");
        PressArrowKey(d, dialog, IDC_CREATE_WIDTH, VK_UP);
        PressArrowKey(d, dialog, IDC_CREATE_HEIGHT, VK_DOWN);
        afterArrows = d.Text(dialog, IDC_CREATE_WIDTH) + " x " + d.Text(dialog, IDC_CREATE_HEIGHT);
        d.Press(dialog, IDCANCEL);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(opened, "24 x 3 remembered squares");
    EXPECT_EQ(afterArrows, "24 x 3") << "the arrows stop at 3 and 24";
    EXPECT_EQ(gs().editor.mode, EditMode::Playing) << "Cancel starts no editor";

    fs::create_directories("Puzzles\\My puzzles");
    const std::string name = "old \x80\x99";
    WriteFile("Puzzles\\My puzzles\\" + name + ".zpz", "the old puzzle");
    bool openAfterRefusal = false, openAfterNo = false;
    run = Run(IDM_CREATE_PUZZLE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Create puzzle");
        SetSize(d, dialog, 7, 8);
        d.Press(dialog, IDOK);
        d.Answer();
        openAfterRefusal = IsWindowVisible(dialog) != FALSE;
        SetSize(d, dialog, 3, 20);
        d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        d.Post(dialog, IDC_BY_FIGURES, BM_CLICK);
        d.Press(dialog, IDOK);
        d.Answer(IDNO);
        openAfterNo = IsWindowVisible(dialog) != FALSE;
        d.Press(dialog, IDOK);
        d.Answer(IDYES);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    const std::string question = "question: File exist. Overwrite?";
    EXPECT_EQ(run.messages, (std::vector<std::string>{
                                "none: Value of {Width * Height} must be equal or more than 60.",
                                question, question}));
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(gs().editor.mode, EditMode::Editing);
    EXPECT_EQ(gs().settings.creationMethod, CreationMethod::ByFigures);
    EXPECT_EQ(gs().position.fieldWidth, 3);
    EXPECT_EQ(gs().position.fieldHeight, 20);
    EXPECT_EQ(gs().settings.newPuzzleName, name);
    EXPECT_EQ(ReadFile("Puzzles\\My puzzles\\" + name + ".zpz"), "the old puzzle")
        << "kept until a drawing is saved";
    EXPECT_TRUE(MenuEnabled(IDM_SAVE_PUZZLE));
}

} // namespace
