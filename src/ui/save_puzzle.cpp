// "Save puzzle": check the drawing, write it as a puzzle of "My puzzles" and play it; its count
// of solutions is added to the file when the background count brings it.
#include <deque>

#include "editor/new_puzzle.h"
#include "files/whole_file.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/solution_counter.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// A saved puzzle whose file waits for its count.
struct AwaitedCount {
    std::string path;
    TrimmedPuzzle puzzle;
};

// The saved puzzles waiting for their counts, the oldest first: the main window waits for one
// of them at a time.
std::deque<AwaitedCount>& Awaited() {
    static std::deque<AwaitedCount> awaited;
    return awaited;
}

} // namespace

void AddSavedPuzzleCounts(App& app) {
    std::deque<AwaitedCount>& awaited = Awaited();
    while (!awaited.empty()) {
        const AwaitedCount& next = awaited.front();
        const std::optional<uint64_t> solutions =
            CountedSolutions(OpenField(next.puzzle.width, next.puzzle.height, next.puzzle.field),
                             app.hwndMain, CountPurpose::SavedPuzzle);
        if (!solutions) return; // WM_SOLUTIONS_COUNTED comes back here
        std::string text;
        ReadWholeFile(next.path, text);
        // A file replaced or removed meanwhile is left as it is; one that cannot be written
        // now keeps its puzzle, and is counted again when it is shown.
        if (const std::optional<std::string> counted =
                SavedPuzzleWithCount(text, next.puzzle, *solutions))
            SaveFileReplacing(next.path, *counted);
        awaited.pop_front();
    }
}

void SavePuzzle(App& app) {
    // The drawing is checked and trimmed on a copy: nothing changes until the file is written.
    const PuzzleSave save = StartPuzzleSave(app.gs);
    if (!save.editing) return;
    if (save.refusal) {
        ShowMessage(app.hwndMain, *save.refusal);
        return;
    }
    const PuzzleSaveOutcome outcome =
        FinishPuzzleSave(SaveFileReplacing(save.file.path, save.file.text));
    if (outcome.commit) {
        Awaited().push_back({save.file.path, save.puzzle});
        AddSavedPuzzleCounts(app);
    }
    ShowMessage(app.hwndMain, outcome.message);
    if (!outcome.commit) return;
    CommitNewPuzzle(app.gs, save.puzzle, app.gs.settings.newPuzzleName);
    ShowNewGame(app, 0);
    UpdateMenuStates(app);
}
