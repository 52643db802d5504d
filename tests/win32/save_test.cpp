// The Save dialog and the editor's "Save puzzle", each over an older file named with bytes
// 0x80..0x9F (found only through the ANSI code page), and failed writes that keep the old files.
#include <filesystem>

#include "editor/editor_checks.h"
#include "files/puzzle_file.h"
#include "fixtures.h"
#include "ui/file_save.h"
#include "ui/sound.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Saving = GameTest;

TEST_F(Saving, SaveDialogNameBoxCancelThenSaveAndOverwrite) {
    const std::string name = "game \x80\x96\x99", path = "Save\\" + name + ".zpz";
    StartGame();
    LayTiling({1});
    std::string proposed, typed;
    Run(IDM_SAVE, "Save", [&](DialogDriver& d, HWND dialog) {
        proposed = d.Text(dialog, IDC_FILE_NAME);
        d.Send(dialog, IDC_FILE_NAME, WM_COPY); // the proposed name, to paste it
        d.Type(dialog, IDC_FILE_NAME, "a<b>c\"d\\e/f*g?h:i|j");
        d.Send(dialog, IDC_FILE_NAME, WM_PASTE);
        d.Type(dialog, IDC_FILE_NAME, "\x16" + std::string(105, 'n')); // Ctrl+V
        typed = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDCANCEL);
    });
    SYSTEMTIME now; // the prefix's short date is M/d/yyyy, its separators made "_"
    GetLocalTime(&now);
    EXPECT_EQ(proposed, "[Tutorial] move a figure [" + std::to_string(now.wMonth) + "_" +
                            std::to_string(now.wDay) + "_" + std::to_string(now.wYear) + "]");
    EXPECT_EQ(typed, "abcdefghij" + std::string(90, 'n'))
        << "forbidden characters and pasting refused, at most 100 characters";
    EXPECT_FALSE(fs::exists("Save")) << "Cancel saves nothing";

    // Saved into a new folder; then, after a move, over that file made longer: "No" (the
    // default button) keeps it byte for byte, "Yes" replaces it wholly.
    for (int answer : {IDOK, IDNO, IDYES}) {
        if (answer == IDNO) {
            LayTiling({2});
            WriteFile(path, ReadFile(path) + std::string(4000, ';') + "\r\n");
        }
        const std::string old = ReadFile(path);
        bool noIsDefault = false;
        const Lines shown = Run(IDM_SAVE, "Save", [&](DialogDriver& d, HWND dialog) {
            d.Send(dialog, IDC_FILE_NAME, EM_SETSEL, 0, -1);
            d.Type(dialog, IDC_FILE_NAME, name);
            d.Press(dialog, IDOK);
            const LONG no = GetWindowLongA(GetDlgItem(d.Wait(), IDNO), GWL_STYLE);
            noIsDefault = (no & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            if (answer != IDOK) d.Answer(answer);
            if (answer != IDNO) d.Answer();
        });
        Lines expected;
        if (answer != IDOK) expected.push_back("question: File exist. Overwrite?");
        if (answer != IDNO) expected.push_back("question: Game saved.");
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(noIsDefault, answer != IDOK);
        EXPECT_EQ(ReadFile(path), answer == IDNO ? old : WriteSavedGameText(gs()));
        EXPECT_EQ(MenuEnabled(IDM_SAVE), answer == IDNO) << "nothing new to save";
    }
    EXPECT_EQ(FolderEntries("Save"), Lines{name + ".zpz"}) << "no temporary file";
}

// The settings are written at exit: a failure there says nothing and keeps the old file.
TEST_F(Saving, FailedWritesKeepTheOldFilesAndLeaveNoTemporaryFile) {
    StartGame();
    fs::create_directories("Save\\folder.zpz");
    WriteFile("Save\\game.zpz", "old");
    const std::tuple<DiskFault, std::string, FileSave> cases[] = {
        {DiskFault::ReadOnly, "Save\\game.zpz", FileSave::CannotOpen},
        {DiskFault::Full, "Save\\game.zpz", FileSave::ShortWrite},
        {DiskFault::None, "Save\\folder.zpz", FileSave::CannotOpen},
    };
    for (const auto& [fault, path, result] : cases) { // the last one lifts the fault
        SimulateDiskFault(fault);
        EXPECT_EQ(SaveFileReplacing(path, "new"), result) << path;
    }
    const std::string settings = ReadFile("Zendrak.ini"); // its whole write is seen end to end
    SimulateDiskFault(DiskFault::Full);
    CloseGame();
    SimulateDiskFault(DiskFault::None);
    EXPECT_EQ(ReadFile("Zendrak.ini"), settings);
    EXPECT_EQ(ReadFile("Save\\game.zpz"), "old");
    EXPECT_EQ(FolderEntries("Save"), (Lines{"folder.zpz", "game.zpz"}));
    EXPECT_EQ(FolderEntries("."), (Lines{"Save", "Zendrak.ini"})) << "no temporary file";
}

class Editor : public GameTest {
  protected:
    // GetCursorPos under Wine reports the old position for a while, and a move to where Wine
    // believes the pointer is gets lost: wait until it has held for 150 ms, moving again.
    void MovePointer(POINT client) {
        POINT screen = client, now{};
        ClientToScreen(app().hwndMain, &screen);
        SetCursorPos(screen.x, screen.y);
        for (DWORD start = GetTickCount(), steady = start, moved = start;
             GetTickCount() - steady < 150 && GetTickCount() - start < 3000; Sleep(5)) {
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
    void Press(int c, int r, UINT down = WM_LBUTTONDOWN) {
        MovePointer(CellCentre(c, r));
        PressAt(CellCentre(c, r), down);
    }
    void Release(int c, int r, UINT down = WM_LBUTTONDOWN) {
        MovePointer(CellCentre(c, r));
        SendMessageA(app().hwndMain, down + 1, 0,
                     MAKELPARAM(CellCentre(c, r).x, CellCentre(c, r).y));
    }
    void Drag(int c0, int r0, int c1, int r1, UINT down = WM_LBUTTONDOWN) {
        Press(c0, r0, down);
        Release(c1, r1, down);
    }
    Lines SavePuzzle() {
        return Run(IDM_SAVE_PUZZLE, nullptr, [](DialogDriver& d, HWND) { d.Answer(); });
    }
};

// "No" to the overwrite question keeps the dialog open, "Yes" starts the editor; the old file
// stays byte for byte until a drawing is saved over it.
TEST_F(Editor, CreateOverAnOldPuzzleDrawAndSave) {
    WriteFile("Zendrak.ini", "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[LAST]\r\n"
                             "CREATION_METHOD = 1\r\n");
    StartGame(nullptr);
    gs().settings.newPuzzleName = "remembered";
    const std::string name = "old \x80\x99", path = "Puzzles\\My puzzles\\" + name + ".zpz";
    fs::create_directories("Puzzles\\My puzzles");
    WriteFile(path, "the old puzzle");
    std::string shown;
    bool open = false;
    const Lines asked = Run(IDM_CREATE_PUZZLE, "Create puzzle", [&](DialogDriver& d, HWND dialog) {
        shown = d.Text(dialog, IDC_FILE_NAME) +
                (d.Send(dialog, IDC_BY_SQUARES, BM_GETCHECK) == BST_CHECKED ? " squares" : "");
        d.Send(dialog, IDC_WIDTH_ARROWS, UDM_SETPOS32, 0, 10);
        d.Send(dialog, IDC_HEIGHT_ARROWS, UDM_SETPOS32, 0, 6);
        d.Send(dialog, IDC_FILE_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        d.Press(dialog, IDOK);
        d.Answer(IDNO);
        open = IsWindowVisible(dialog) != FALSE;
        d.Press(dialog, IDOK);
        d.Answer(IDYES);
    });
    EXPECT_EQ(shown, "remembered squares");
    EXPECT_EQ(asked, Lines(2, "question: File exist. Overwrite?"));
    EXPECT_TRUE(open);
    ASSERT_EQ(gs().editor.mode, EditMode::Editing);
    EXPECT_EQ(std::pair(gs().position.fieldWidth, gs().position.fieldHeight), std::pair(10, 6));
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 1) << "the square to draw";
    EXPECT_EQ(ReadFile(path), "the old puzzle");

    // A rectangle is heard as it starts: the primary button's as a drop, the other's as a take.
    static std::vector<std::string> heard;
    SetWavePlayer([](const char* file) { heard.push_back(file); });
    for (int k = 0; k < kSoundEventCount; ++k)
        gs().settings.sounds[k] = {true, "", "event " + std::to_string(k) + ".wav"};
    Drag(2, 1, 0, 0); // corners in either order
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    // Shift anchors a rectangle, the arrows without it abandon it: Enter then paints one square.
    app().fieldFocus = true;
    for (WPARAM key : {VK_SHIFT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN})
        SendMessageA(app().hwndMain, WM_KEYDOWN, key, 0);
    app().fieldFocus = false;
    EXPECT_EQ(CountSquares(gs().editor.field), 7) << "a rectangle drawn as if Shift were held";
    Command(IDM_UNDO);
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));
    // Leaving the frame abandons a rectangle, even when released back on the field; so does a
    // message box that takes the mouse from the window.
    Press(4, 3);
    MovePointer({5, 5});
    EXPECT_EQ(gs().editor.rectDrag, RectangleDrag::None);
    Release(5, 4);
    Press(4, 3);
    EXPECT_EQ(SavePuzzle(), Lines{"information: Number of squares must be 60 (12 figures * 5 "
                                  "squares). Please check your task."});
    Release(5, 4);
    EXPECT_EQ(CountSquares(gs().editor.field), 6);
    Drag(1, 0, 1, 1, WM_RBUTTONDOWN); // the other button clears
    EXPECT_EQ(CountSquares(gs().editor.field), 4);
    SetWavePlayer(nullptr);
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ(heard.front(), "event " + std::to_string(kSoundDrop) + ".wav");
    EXPECT_EQ(heard.back(), "event " + std::to_string(kSoundTake) + ".wav");

    Drag(0, 0, 9, 5);
    EXPECT_EQ(SavePuzzle(), Lines{"question: New puzzle saved succesfully."});
    // The count follows the file: the window does not wait for it.
    EXPECT_TRUE(PumpMessagesUntil([&] {
        return ReadFile(path) == WritePuzzleText(10, 6, Grid{}) + WritePuzzleInfo(2339);
    })) << ReadFile(path);
    EXPECT_EQ(FolderEntries("Puzzles\\My puzzles"), Lines{name + ".zpz"}) << "no temporary file";
    EXPECT_EQ(gs().editor.mode, EditMode::Playing);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE_PUZZLE));
}

} // namespace
