// Saving a new puzzle from the editor, the parts without files: check and trim, then commit.
#include "editor/new_puzzle.h"

PreparedPuzzle PrepareNewPuzzle(const GameState& gs) {
    PreparedPuzzle out;
    const bool bySquares = gs.settings.creationMethod == CreationMethod::BySquares;
    out.check = bySquares ? CheckSquares(gs.editor.field) : CheckFiguresPlaced(gs.position.inList);
    if (out.check != EditorCheck::Ok) return out;
    out.puzzle = TrimDrawing(bySquares ? gs.editor.field : ComposeFigures(gs.position.placed));
    return out;
}

void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name) {
    NewGameReset(gs);
    gs.position.fieldWidth = puzzle.width;
    gs.position.fieldHeight = puzzle.height;
    // The next "Create puzzle..." starts from the size of the puzzle just made.
    gs.settings.createWidth = puzzle.width;
    gs.settings.createHeight = puzzle.height;
    gs.position.board = puzzle.field;
    gs.settings.lastFolder = kUserPuzzleFolder;
    gs.settings.lastFile = name;
    SetCurrentPuzzleField(gs, puzzle.width, puzzle.height, puzzle.field);
}
