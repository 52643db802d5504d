// The Create puzzle dialog: its checks in order, the overwrite question, the arrows and the
// remembered values, and the editor it starts.
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

void SetName(DialogDriver& d, HWND dialog, const char* name) {
    d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
}

// Posts `count` presses of an arrow key to the edit box that the up-down control serves.
void PressArrowKey(DialogDriver& d, HWND dialog, int edit, WPARAM key, int count) {
    for (int i = 0; i < count; ++i) d.Post(dialog, edit, WM_KEYDOWN, key, 1);
}

TEST_F(EditorCreate, ChecksSizeThenNameThenAsksBeforeOverwriting) {
    StartPlainGame();
    fs::create_directories("Puzzles\\My puzzles");
    // The name holds the euro and trade mark signs of code page 1252.
    WriteFile("Puzzles\\My puzzles\\old \x80\x99.zpz", "the old puzzle");
    bool openAfterSize = false, openAfterName = false, openAfterNo = false, noIsDefault = false;
    DialogRun run = Run(IDM_CREATE_PUZZLE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Create puzzle");
        // A blank name too, but the size is checked first.
        SetSize(d, dialog, 7, 8);
        SetName(d, dialog, "   ");
        d.Press(dialog, IDOK);
        d.Answer();
        openAfterSize = IsWindowVisible(dialog) != FALSE;
        SetSize(d, dialog, 3, 20); // exactly 60
        d.Press(dialog, IDOK);
        d.Answer();
        openAfterName = IsWindowVisible(dialog) != FALSE;
        SetName(d, dialog, "old \x80\x99");
        d.Post(dialog, IDC_BY_SQUARES, BM_CLICK);
        d.Press(dialog, IDOK);
        HWND box = d.WaitBox();
        if (box) noIsDefault = (GetWindowLongA(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        d.Answer(IDNO);
        openAfterNo = IsWindowVisible(dialog) != FALSE;
        d.Press(dialog, IDOK);
        d.Answer(IDYES);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"none: Value of {Width * Height} must be equal or more than 60.",
                                                      "none: Please enter a file name.",
                                                      "question: File exist. Overwrite?",
                                                      "question: File exist. Overwrite?"}));
    EXPECT_TRUE(openAfterSize);
    EXPECT_TRUE(openAfterName);
    EXPECT_TRUE(openAfterNo);
    EXPECT_TRUE(noIsDefault);
    // Yes starts the editor; the old file stays until a drawing is saved over it.
    EXPECT_EQ(ReadFile("Puzzles\\My puzzles\\old \x80\x99.zpz"), "the old puzzle");
    EXPECT_EQ(gs().editor.mode, EditMode::Editing);
    EXPECT_EQ(gs().settings.creationMethod, CreationMethod::BySquares);
    EXPECT_EQ(gs().position.fieldWidth, 3);
    EXPECT_EQ(gs().position.fieldHeight, 20);
    EXPECT_EQ(gs().settings.createWidth, 3);
    EXPECT_EQ(gs().settings.createHeight, 20);
    EXPECT_EQ(gs().settings.newPuzzleName, "old \x80\x99");
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 1) << "the list shows one square";
    EXPECT_TRUE(MenuEnabled(IDM_SAVE_PUZZLE));
    for (int id : {IDM_SAVE, IDM_ANALYSE, IDM_PRINT_POSITION, IDM_COPY_IMAGE, IDM_COPY_SMALL_IMAGE})
        EXPECT_FALSE(MenuEnabled(id)) << "command " << id << " while editing";
}

TEST_F(EditorCreate, ArrowsStayWithin3To24AndCancelChangesNothing) {
    WriteFile("Zendrak.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[LAST]\r\nCREATION_METHOD = 1\r\n"
                             "DX = 99\r\nDY = 2\r\n");
    StartGame();
    gs().settings.newPuzzleName = "remembered";
    std::string width, height, name, afterTyping, widthUp, widthDown, heightDown, heightUp;
    LRESULT limit = 0;
    bool bySquares = false;
    DialogRun run = Run(IDM_CREATE_PUZZLE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Create puzzle");
        width = d.Text(dialog, IDC_CREATE_WIDTH);
        height = d.Text(dialog, IDC_CREATE_HEIGHT);
        name = d.Text(dialog, IDC_FILE_NAME);
        limit = d.Send(dialog, IDC_FILE_NAME, EM_GETLIMITTEXT);
        bySquares = d.Send(dialog, IDC_BY_SQUARES, BM_GETCHECK) == BST_CHECKED;
        d.Type(dialog, IDC_CREATE_WIDTH, "5");
        d.Post(dialog, IDC_FILE_NAME, EM_SETSEL, 0, -1);
        d.Type(dialog, IDC_FILE_NAME, "a?b:c");
        afterTyping = d.Text(dialog, IDC_CREATE_WIDTH) + "|" + d.Text(dialog, IDC_FILE_NAME);
        PressArrowKey(d, dialog, IDC_CREATE_WIDTH, VK_UP, 2);
        widthUp = d.Text(dialog, IDC_CREATE_WIDTH);
        PressArrowKey(d, dialog, IDC_CREATE_WIDTH, VK_DOWN, 25);
        widthDown = d.Text(dialog, IDC_CREATE_WIDTH);
        PressArrowKey(d, dialog, IDC_CREATE_HEIGHT, VK_DOWN, 2);
        heightDown = d.Text(dialog, IDC_CREATE_HEIGHT);
        PressArrowKey(d, dialog, IDC_CREATE_HEIGHT, VK_UP, 25);
        heightUp = d.Text(dialog, IDC_CREATE_HEIGHT);
        d.Press(dialog, IDCANCEL);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(width, "24") << "a remembered 99 is brought into range";
    EXPECT_EQ(height, "3");
    EXPECT_EQ(name, "remembered");
    EXPECT_EQ(limit, 100);
    EXPECT_TRUE(bySquares);
    EXPECT_EQ(afterTyping, "24|abc")
        << "the size box takes no typing; the name box refuses ? and :";
    EXPECT_EQ(widthUp, "24");
    EXPECT_EQ(widthDown, "3");
    EXPECT_EQ(heightDown, "3");
    EXPECT_EQ(heightUp, "24");
    EXPECT_EQ(gs().editor.mode, EditMode::Playing) << "Cancel starts no editor";
    EXPECT_EQ(gs().settings.newPuzzleName, "remembered");
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE_PUZZLE));
}

} // namespace
