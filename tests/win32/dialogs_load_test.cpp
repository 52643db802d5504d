// The Load dialog wired to its model: the saved games listed from the folder, a file really
// deleted, a game whose name holds a character of the ANSI code page loaded by a double click,
// and nothing on Cancel.
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "resource.h"

namespace {

std::vector<std::string> Lines(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SAVED_GAMES);
    std::vector<std::string> lines;
    for (LRESULT i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
        char text[260] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

using DialogLoad = DialogTest;

TEST_F(DialogLoad, ListDeleteCancelAndLoad) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4});
    const Placement saved = gs().position.placed;
    // "Save\" and the name make 259 characters, the longest path the game handles.
    const std::string longest = std::string(250, 'L') + ".zpz", euro = "eleven \x80.zpz";
    std::filesystem::create_directories("Save\\folder.zpz");
    WriteFile("Save\\" + longest, WriteSavedGameText(gs()));
    WriteFile("Save\\" + euro, WriteSavedGameText(gs()));
    WriteFile("Save\\C.zpz", "[GAME]\r\n");
    WriteFile("Save\\notes.txt", "not a saved game");
    Command(IDM_UNDO);
    Command(IDM_UNDO);

    std::vector<std::vector<std::string>> lines;
    Run(IDM_LOAD, "Load", [&](DialogDriver& d, HWND dialog) {
        lines.push_back(Lines(dialog));
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 2);
        d.Click(dialog, IDC_DELETE);
        lines.push_back(Lines(dialog));
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 1);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(lines,
              (std::vector<std::vector<std::string>>{{"C.zpz", euro, longest}, {"C.zpz", euro}}));
    EXPECT_EQ(FolderEntries("Save"),
              (std::vector<std::string>{"C.zpz", euro, "folder.zpz", "notes.txt"}));
    EXPECT_NE(gs().position.placed, saved) << "Cancel loads nothing";

    Run(IDM_LOAD, "Load", [&](DialogDriver& d, HWND dialog) {
        d.Send(dialog, IDC_SAVED_GAMES, LB_SETCURSEL, 1);
        d.Click(dialog, IDC_SAVED_GAMES, LBN_DBLCLK);
    });
    EXPECT_EQ(gs().position.placed, saved);
    EXPECT_FALSE(MenuEnabled(IDM_REDO)) << "the menu follows the loaded game";
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
}

} // namespace
