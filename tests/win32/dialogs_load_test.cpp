// The Load dialog: the list of saved games, loading with a two-position history, invalid
// files, and Delete.
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "resource.h"
#include "ui/dialogs.h"

namespace {

namespace fs = std::filesystem;

using DialogLoad = DialogTest;

// Starts a game on a 7 x 9 field, so that loading a 10 x 6 game shows in the field size.
void StartOtherField(App& app) {
    PuzzleImage image;
    image.width = 7;
    image.height = 9;
    ApplyPuzzle(app, image);
}

TEST_F(DialogLoad, ListIsSortedAndOkLoadsTheGameAsPositionOne) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4});
    const std::string savedText = WriteSavedGameText(gs());
    const Placement saved = gs().position.placed;
    fs::create_directories("Save\\folder.zpz");
    WriteFile("Save\\b game.zpz", savedText);
    WriteFile("Save\\C.zpz", savedText);
    WriteFile("Save\\A game.zpz", "[GAME]\r\n");
    WriteFile("Save\\notes.txt", savedText);
    StartOtherField(app());
    std::vector<std::string> lines;
    bool stayed = false;
    DialogRun run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        lines = ListBoxLines(GetDlgItem(dialog, IDC_SAVED_GAMES));
        d.Press(dialog, IDOK); // no line selected: nothing happens
        d.Press(dialog, IDC_DELETE);
        stayed = IsWindowVisible(dialog) && ListBoxLines(GetDlgItem(dialog, IDC_SAVED_GAMES)).size() == 3;
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 1);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(lines, (std::vector<std::string>{"A game.zpz", "b game.zpz", "C.zpz"}));
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(fs::exists("Save\\A game.zpz")) << "Delete without a selection deletes nothing";
    EXPECT_EQ(gs().position.fieldWidth, 10);
    EXPECT_EQ(gs().position.fieldHeight, 6);
    EXPECT_EQ(gs().position.placed, saved);
    EXPECT_EQ(FiguresInList(), 8);
    EXPECT_EQ(gs().settings.lastFolder, "Tutorial") << "loading does not change the current puzzle";
    EXPECT_EQ(gs().position.unsavedChanges, 0);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_REDO));

    Command(IDM_UNDO);
    EXPECT_EQ(FiguresInList(), kFigureCount) << "undo after loading empties the field";
    EXPECT_EQ(gs().position.placed, Placement{});
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    Command(IDM_REDO);
    EXPECT_EQ(gs().position.placed, saved);
    EXPECT_EQ(FiguresInList(), 8);
}

TEST_F(DialogLoad, InvalidFileLoadsNothingAndDeleteRemovesFileAndLine) {
    StartPlainGame();
    LayTiling({1});
    const std::string savedText = WriteSavedGameText(gs());
    fs::create_directory("Save");
    WriteFile("Save\\a.zpz", "[GAME]\r\nDX = 10\r\nDY = 6\r\n");
    WriteFile("Save\\b.zpz", savedText);
    WriteFile("Save\\c.zpz", savedText);
    const Placement before = gs().position.placed;
    DialogRun run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 0);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{}) << "an invalid file is refused silently";
    EXPECT_EQ(gs().position.placed, before);
    EXPECT_EQ(gs().position.historyCount, 2);

    // c.zpz is held open by another opener that shares nothing: it cannot be deleted.
    HANDLE held = CreateFileA("Save\\c.zpz", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<std::string> afterDelete, afterFailedDelete;
    LRESULT selection = 0;
    run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        HWND list = GetDlgItem(dialog, IDC_SAVED_GAMES);
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 1);
        d.Press(dialog, IDC_DELETE);
        afterDelete = ListBoxLines(list);
        selection = d.Send(dialog, IDC_SAVED_GAMES, LB_GETCURSEL);
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 1);
        d.Press(dialog, IDC_DELETE);
        d.Answer();
        afterFailedDelete = ListBoxLines(list);
        d.Press(dialog, IDCANCEL);
    });
    CloseHandle(held);
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(afterDelete, (std::vector<std::string>{"a.zpz", "c.zpz"}));
    EXPECT_EQ(selection, LB_ERR);
    EXPECT_FALSE(fs::exists("Save\\b.zpz"));
    EXPECT_EQ(run.messages, std::vector<std::string>{"error: Error delete file."});
    EXPECT_EQ(afterFailedDelete, afterDelete);
    EXPECT_TRUE(fs::exists("Save\\c.zpz"));
    EXPECT_EQ(gs().position.placed, before) << "Cancel loads nothing";
}

} // namespace

namespace {

// A saved game whose path ("Save\" and its name) is 259 characters long is listed and loaded.
TEST_F(DialogLoad, PathOfTheLongestLengthIsListedAndLoaded) {
    StartPlainGame();
    LayTiling({1, 2});
    const Placement saved = gs().position.placed;
    const std::string name = std::string(250, 'L') + ".zpz";
    ASSERT_EQ(("Save\\" + name).size(), 259u);
    fs::create_directory("Save");
    WriteFile("Save\\" + name, WriteSavedGameText(gs()));
    StartOtherField(app());
    std::vector<std::string> lines;
    DialogRun run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        lines = ListBoxLines(GetDlgItem(dialog, IDC_SAVED_GAMES));
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 0);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(lines, std::vector<std::string>{name});
    EXPECT_EQ(gs().position.placed, saved);
}

} // namespace

namespace {

// A saved game is a win of the current puzzle only when its field is that puzzle's: the
// current puzzle's file is read again on Load.
TEST_F(DialogLoad, WinOfALoadedGameRecordsTheCurrentPuzzleOnlyOnItsField) {
    const std::string puzzle = "Puzzles\\Tutorial\\move a figure.zpz";
    fs::create_directories("Puzzles\\Tutorial");
    WriteFile(puzzle, WritePuzzleText(12, 5, Grid{}));
    StartPlainGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    fs::create_directory("Save");
    // The name's euro sign: the game reads the file through the ANSI code page too.
    WriteFile("Save\\eleven \x80.zpz", WriteSavedGameText(gs()));
    auto loadAndWin = [&] {
        DialogRun run = Run(IDM_LOAD, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Load");
            d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 0);
            d.Press(dialog, IDOK);
        });
        EXPECT_EQ(run.failures, std::vector<std::string>{});
        MessageBoxWatcher watcher;
        LayTiling({12});
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Congratulations! The game is won."});
    };
    loadAndWin();
    EXPECT_EQ(gs().settings.solved, std::vector<SolvedPuzzle>{}) << "a 10 x 6 game is not the 12 x 5 puzzle";

    WriteFile(puzzle, WritePuzzleText(10, 6, Grid{}));
    loadAndWin();
    loadAndWin();
    EXPECT_EQ(gs().settings.solved, (std::vector<SolvedPuzzle>{{"Tutorial", "move a figure"}}));
}

} // namespace
