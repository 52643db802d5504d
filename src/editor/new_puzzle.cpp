// Saving a new puzzle from the editor, the parts without files: check and trim, then commit.
#include "editor/new_puzzle.h"

#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"

namespace {

const char* CheckFailedText(EditorCheck check) {
    switch (check) {
    case EditorCheck::Ok:
        break;
    case EditorCheck::AllFiguresNotPlaced:
        return "Please put all figures.";
    case EditorCheck::WrongCount:
        return "Number of squares must be 60 (12 figures * 5 squares). Please check your task.";
    case EditorCheck::AreaNotMultipleOf5:
        return "Area of closed figure must divide to 5. Please check your task.";
    }
    return "";
}

} // namespace

PreparedPuzzle PrepareNewPuzzle(const GameState& gs) {
    PreparedPuzzle out;
    const bool bySquares = gs.settings.creationMethod == CreationMethod::BySquares;
    out.check = bySquares ? CheckSquares(gs.editor.field) : CheckFiguresPlaced(gs.position.inList);
    if (out.check != EditorCheck::Ok) return out;
    out.puzzle = TrimDrawing(bySquares ? gs.editor.field : ComposeFigures(gs.position.placed));
    return out;
}

PuzzleSave StartPuzzleSave(const GameState& gs) {
    PuzzleSave save;
    save.editing = gs.editor.mode == EditMode::Editing;
    if (!save.editing) return save;
    const PreparedPuzzle prepared = PrepareNewPuzzle(gs);
    if (prepared.check != EditorCheck::Ok) {
        save.refusal = InformationMessage(CheckFailedText(prepared.check));
        return save;
    }
    const TrimmedPuzzle& p = prepared.puzzle;
    save.puzzle = p;
    save.file = {MakeUserPuzzlePath(gs.settings.newPuzzleName),
                 WritePuzzleText(p.width, p.height, p.field)};
    return save;
}

std::optional<std::string> SavedPuzzleWithCount(const std::string& fileText,
                                                const TrimmedPuzzle& puzzle, uint64_t solutions) {
    PuzzleImage image;
    const std::string written = WritePuzzleText(puzzle.width, puzzle.height, puzzle.field);
    if (!ReadPuzzleText(fileText, false, Orientations().catalogue, image) || image.solutions >= 0 ||
        WritePuzzleText(image.width, image.height, image.cells) != written)
        return std::nullopt;
    return written + WritePuzzleInfo(solutions);
}

PuzzleSaveOutcome FinishPuzzleSave(FileSave result) {
    if (result != FileSave::Written) return {SaveFailedMessage(result), false};
    return {Message{"New puzzle saved succesfully.", MessageIcon::Question}, true};
}

void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name) {
    NewGameReset(gs);
    gs.position.fieldWidth = puzzle.width;
    gs.position.fieldHeight = puzzle.height;
    // The next "Create puzzle..." starts from the size of the puzzle just made.
    gs.settings.createWidth = puzzle.width;
    gs.settings.createHeight = puzzle.height;
    gs.position.board = puzzle.field;
    gs.settings.lastFolder = kUserPuzzleGroup;
    gs.settings.lastFile = name;
    SetCurrentPuzzleField(gs, puzzle.width, puzzle.height, puzzle.field, -1);
}
