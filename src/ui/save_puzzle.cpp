// "Save puzzle": check the drawing, write it as a puzzle of "My puzzles" and play it.
#include "editor/editor_checks.h"
#include "editor/new_puzzle.h"
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/window_layout.h"

void SavePuzzle(App& app) {
    GameState& gs = app.gs;
    if (gs.editor.mode != EditMode::Editing) return;
    // The drawing is checked and trimmed on a copy: nothing changes until the file is written.
    PreparedPuzzle prepared = PrepareNewPuzzle(gs);
    if (prepared.check != EditorCheck::Ok) {
        ShowMessage(app.hwndMain, EditorCheckMessage(prepared.check), MB_OK | MB_ICONINFORMATION);
        return;
    }
    const TrimmedPuzzle& puzzle = prepared.puzzle;
    CreateDirectoryA("Puzzles", nullptr);
    CreateDirectoryA("Puzzles\\My puzzles", nullptr);
    std::string text = WritePuzzleText(puzzle.width, puzzle.height, puzzle.field);
    FileSave result = SaveFileReplacing(MakeUserPuzzlePath(gs.settings.newPuzzleName), text);
    if (result != FileSave::Written) {
        ShowMessage(app.hwndMain, FileSaveMessage(result), MB_OK | MB_ICONERROR);
        return;
    }
    ShowMessage(app.hwndMain, "New puzzle saved succesfully.", MB_OK | MB_ICONQUESTION);
    CommitNewPuzzle(gs, puzzle, gs.settings.newPuzzleName);
    SyncFigureList(app);
    RepaintMain();
    UpdateMenuStates(app);
    Relayout(app);
}
