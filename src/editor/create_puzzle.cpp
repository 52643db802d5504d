// The decisions of the "Create puzzle" dialog.
#include "editor/create_puzzle.h"

#include "editor/editor_checks.h"
#include "files/save_name.h"

CreatePuzzleForm OpenCreatePuzzle(const GameState& gs) {
    return {LimitEditorSide(gs.settings.createWidth), LimitEditorSide(gs.settings.createHeight),
            gs.settings.creationMethod, gs.settings.newPuzzleName};
}

std::optional<Message> CheckCreatePuzzle(const CreatePuzzleForm& form) {
    if (form.width * form.height < kPuzzleSquares)
        return Message{"Value of {Width * Height} must be equal or more than 60."};
    if (IsBlankName(form.name)) return Message{"Please enter a file name."};
    return std::nullopt;
}

void StartCreatingPuzzle(GameState& gs, const CreatePuzzleForm& form) {
    gs.settings.createWidth = form.width;
    gs.settings.createHeight = form.height;
    gs.settings.creationMethod = form.method;
    gs.settings.newPuzzleName = form.name;
    NewGameReset(gs);
    StartEditor(gs);
}
