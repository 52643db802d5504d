// The Load dialog wired to its model: the saved games listed from the folder, the file of the
// longest name really deleted, a game whose name holds a character of the ANSI code page
// loaded on OK, and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

using DialogLoad = DialogTest;

TEST_F(DialogLoad, ListDeleteOkAndCancel) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4});
    const Placement saved = gs().position.placed;
    // "Save\" and the name make 259 characters, the longest path the game handles.
    const std::string longest = std::string(250, 'L') + ".zpz", euro = "eleven \x80.zpz";
    fs::create_directories("Save\\folder.zpz");
    WriteFile("Save\\" + longest, WriteSavedGameText(gs()));
    WriteFile("Save\\" + euro, WriteSavedGameText(gs()));
    WriteFile("Save\\C.zpz", "[GAME]\r\n");
    WriteFile("Save\\A game.zpz", "[GAME]\r\n");
    WriteFile("Save\\notes.txt", "not a saved game");
    Command(IDM_UNDO);
    Command(IDM_UNDO);

    std::vector<std::string> lines, afterDelete;
    DialogRun run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        lines = ListBoxLines(GetDlgItem(dialog, IDC_SAVED_GAMES));
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 3);
        d.Press(dialog, IDC_DELETE);
        afterDelete = ListBoxLines(GetDlgItem(dialog, IDC_SAVED_GAMES));
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 2);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(lines, (std::vector<std::string>{"A game.zpz", "C.zpz", euro, longest}));
    EXPECT_EQ(afterDelete, (std::vector<std::string>{"A game.zpz", "C.zpz", euro}));
    EXPECT_FALSE(fs::exists("Save\\" + longest));
    EXPECT_EQ(FiguresInList(), 10) << "Cancel loads nothing";

    run = Run(IDM_LOAD, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Load");
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 2);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(gs().position.placed, saved);
    EXPECT_EQ(gs().position.historyCount, 2);
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
}

} // namespace
