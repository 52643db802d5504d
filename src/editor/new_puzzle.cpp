// Saving a new puzzle from the editor, the parts without files: check and trim, then commit.
#include "editor/new_puzzle.h"

PreparedPuzzle PrepareNewPuzzle(const GameState& gs) {
    PreparedPuzzle out;
    const bool bySquares = gs.creationMethod == 1;
    out.check = bySquares ? CheckSquares(gs.editorField) : CheckFiguresPlaced(gs.figureCount);
    if (out.check != EditorCheck::Ok) return out;
    out.puzzle = TrimDrawing(bySquares ? gs.editorField : ComposeFigures(gs.placed));
    return out;
}

void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name) {
    NewGameReset(gs);
    gs.fieldWidth = puzzle.width;
    gs.fieldHeight = puzzle.height;
    // The next "Create puzzle..." starts from the size of the puzzle just made.
    gs.createWidth = puzzle.width;
    gs.createHeight = puzzle.height;
    gs.board = puzzle.field;
    gs.lastFolder = kUserPuzzleFolder;
    gs.lastFile = name;
    SetCurrentPuzzleField(gs, puzzle.width, puzzle.height, puzzle.field);
}
