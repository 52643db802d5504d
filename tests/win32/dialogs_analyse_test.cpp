// The Analyse by computer dialog: the three choices on a solvable position, a position made
// unsolvable by a badly laid figure, a finished position, and Cancel.
#include "dialog_driver.h"
#include "resource.h"

namespace {

constexpr const char* kCaption = "Analyse by computer";

int CheckedChoice(HWND dialog) {
    for (int id : {IDC_PLACE_NOTHING, IDC_PLACE_ONE, IDC_PLACE_ALL})
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    return 0;
}

class DialogAnalyse : public DialogTest {
protected:
    // Opens the dialog, clicks the radio button `choice` (0: leaves the remembered one) and
    // presses `button`. Returns the radio button checked on opening.
    int Analyse(DialogRun& run, int choice, int button = IDOK);
};

int DialogAnalyse::Analyse(DialogRun& run, int choice, int button) {
    int opened = 0;
    run = Run(IDM_ANALYSE, [&](DialogDriver& d) {
        HWND dialog = d.Wait(kCaption);
        opened = CheckedChoice(dialog);
        if (choice != 0) d.Post(dialog, choice, BM_CLICK);
        d.Press(dialog, button);
        if (choice == IDC_PLACE_NOTHING && button == IDOK) d.Answer();
        d.WaitGone(dialog);
    });
    return opened;
}

TEST_F(DialogAnalyse, NothingOnlyReportsAndRemembersTheChoice) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8});
    const Placement before = gs().position.placed;
    DialogRun run;
    EXPECT_EQ(Analyse(run, IDC_PLACE_NOTHING), IDC_PLACE_ONE) << "the reader's default is 1";
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"information: Analyse is completed."});
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::Nothing);
    EXPECT_EQ(gs().position.placed, before);
    EXPECT_EQ(gs().position.historyCount, 9);
}

TEST_F(DialogAnalyse, OneFigureThenAllFiguresThenTheTaskIsCompleted) {
    StartPlainGame();
    LayTiling({1, 2, 3, 4, 5, 6, 7, 8});
    gs().position.unsavedChanges = 0;
    DialogRun run;
    EXPECT_EQ(Analyse(run, 0), IDC_PLACE_ONE);
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(FiguresInList(), 3) << "exactly one figure laid";
    EXPECT_EQ(gs().position.historyCount, 10);
    EXPECT_EQ(gs().position.unsavedChanges, 0);

    std::vector<int> missing;
    for (int k = 1; k <= kFigureCount; ++k)
        if (gs().position.inList[k] != 0) missing.push_back(k);
    ASSERT_EQ(missing.size(), 3u);
    EXPECT_EQ(Analyse(run, IDC_PLACE_ALL), IDC_PLACE_ONE);
    EXPECT_EQ(run.failures, std::vector<std::string>{}) << "a win message would be left open";
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::AllFigures);
    EXPECT_EQ(FiguresInList(), 0);
    EXPECT_EQ(gs().position.historyCount, 13) << "one history step per figure";
    EXPECT_EQ(gs().position.gameWon, 0) << "no win test for figures laid by the analysis";
    EXPECT_TRUE(gs().settings.solved.empty());

    bool dialogShown = true;
    run = Run(IDM_ANALYSE, [&](DialogDriver& d) {
        HWND box = d.WaitBox();
        HWND dialog = FindWindowA("#32770", kCaption);
        dialogShown = dialog != nullptr && IsWindowVisible(dialog);
        if (box != nullptr) d.Answer();
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"none: This task is completed."});
    EXPECT_FALSE(dialogShown);

    // Laid in figure-number order: undo takes back the last, highest-numbered one first.
    Command(IDM_UNDO);
    for (int k = 1; k <= kFigureCount; ++k) EXPECT_EQ(gs().position.inList[k], k == missing.back() ? 1 : 0) << k;
}

TEST_F(DialogAnalyse, BadlyLaidFigureLeavesNoVariantAndTouchesNothing) {
    StartPlainGame();
    // The W shuts the corner cell off from the rest of the field.
    Figure w = FigureInPicture(5, {".WW", "WW.", "W.."});
    DropFigure(5, w.matrix, w.x, w.y);
    ASSERT_EQ(gs().position.inList[5], 0);
    const Placement before = gs().position.placed;
    DialogRun run = Run(IDM_ANALYSE, [&](DialogDriver& d) {
        HWND dialog = d.Wait(kCaption);
        d.Post(dialog, IDC_PLACE_ALL, BM_CLICK);
        d.Press(dialog, IDOK);
        d.Answer();
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"information: There is no variant."});
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::AllFigures);
    EXPECT_EQ(gs().position.placed, before);
    EXPECT_EQ(FiguresInList(), 11);
    EXPECT_EQ(gs().position.historyCount, 2);
}

TEST_F(DialogAnalyse, CancelKeepsTheRememberedChoice) {
    StartPlainGame();
    LayTiling({1});
    DialogRun run;
    gs().settings.analyseMode = AnalyseChoice::Nothing;
    EXPECT_EQ(Analyse(run, IDC_PLACE_ALL, IDCANCEL), IDC_PLACE_NOTHING);
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::Nothing);
    gs().settings.analyseMode = AnalyseChoice::AllFigures;
    EXPECT_EQ(Analyse(run, IDC_PLACE_NOTHING, IDCANCEL), IDC_PLACE_ALL);
    EXPECT_EQ(gs().settings.analyseMode, AnalyseChoice::AllFigures);
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    EXPECT_EQ(FiguresInList(), 11);
    EXPECT_EQ(gs().position.historyCount, 2);
}

} // namespace
