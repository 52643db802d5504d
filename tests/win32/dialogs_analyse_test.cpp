// The Analyse by computer dialog wired to its decisions: the remembered choice on opening, the
// chosen one laid by Start, Cancel, and a finished position that opens no dialog.
#include "dialog_driver.h"
#include "resource.h"

namespace {

using DialogAnalyse = DialogTest;

TEST_F(DialogAnalyse, ChoiceOnOpeningStartCancelAndAFinishedPosition) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8});
    gs().settings.analyseMode = AnalyseChoice::Nothing;
    bool nothingChecked = false;
    DialogRun run = Run(IDM_ANALYSE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Analyse by computer");
        nothingChecked = IsDlgButtonChecked(dialog, IDC_PLACE_NOTHING) == BST_CHECKED;
        d.Post(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDCANCEL);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_TRUE(nothingChecked);
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::Nothing)
        << "Cancel keeps the remembered choice";
    EXPECT_EQ(FiguresInList(), 4);

    run = Run(IDM_ANALYSE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Analyse by computer");
        d.Post(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDOK);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::AllFigures);
    EXPECT_EQ(FiguresInList(), 0);
    EXPECT_EQ(gs().position.historyCount, 13);

    run = Run(IDM_ANALYSE, [&](DialogDriver& d) { d.Answer(); });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"none: This task is completed."});
}

} // namespace
