// "Save puzzle": check the drawing, write it as a puzzle of "My puzzles" and play it.
#include "editor/new_puzzle.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

void SavePuzzle(App& app) {
    // The drawing is checked and trimmed on a copy: nothing changes until the file is written.
    const PuzzleSave save = StartPuzzleSave(app.gs);
    if (!save.editing) return;
    if (save.refusal) {
        ShowMessage(app.hwndMain, *save.refusal);
        return;
    }
    for (const std::string& folder : save.file.folders)
        CreateDirectoryA(folder.c_str(), nullptr);
    const PuzzleSaveOutcome outcome =
        FinishPuzzleSave(SaveFileReplacing(save.file.path, save.file.text));
    ShowMessage(app.hwndMain, outcome.message);
    if (!outcome.commit) return;
    CommitNewPuzzle(app.gs, save.puzzle, app.gs.settings.newPuzzleName,
                    static_cast<int64_t>(save.solutions));
    RestartClock(app, 0);
    SyncFigureList(app);
    RepaintMain();
    UpdateMenuStates(app);
    Relayout(app);
}
