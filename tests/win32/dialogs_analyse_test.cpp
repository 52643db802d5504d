// The Analyse by computer dialog wired to its decisions: the remembered choice on opening, the
// chosen one laid by Start, Cancel, and a finished position that opens no dialog.
#include "dialog_driver.h"
#include "resource.h"

namespace {

using DialogAnalyse = DialogTest;

TEST_F(DialogAnalyse, ChoiceOnOpeningCancelStartAndAFinishedPosition) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8});
    Command(IDM_UNDO);
    gs().settings.analyseMode = AnalyseChoice::Nothing;
    bool nothingChecked = false;
    Run(IDM_ANALYSE, "Analyse by computer", [&](DialogDriver& d, HWND dialog) {
        nothingChecked = IsDlgButtonChecked(dialog, IDC_PLACE_NOTHING) == BST_CHECKED;
        d.Send(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(nothingChecked);
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::Nothing)
        << "Cancel keeps the remembered choice";
    EXPECT_EQ(gs().position.historyPosition, 7) << "nothing laid";

    Run(IDM_ANALYSE, "Analyse by computer", [&](DialogDriver& d, HWND dialog) {
        d.Send(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::AllFigures);
    EXPECT_EQ(gs().position.historyCount, 13) << "the last five laid, one by one";
    EXPECT_FALSE(MenuEnabled(IDM_REDO)) << "the menu follows the laid figures";

    EXPECT_EQ(Run(IDM_ANALYSE, [](DialogDriver& d) { d.Answer(); }).messages,
              std::vector<std::string>{"none: This task is completed."});
}

} // namespace
