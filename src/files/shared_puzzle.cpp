// Puzzles shared as codes.
#include "files/shared_puzzle.h"

#include "files/puzzle_paths.h"

std::string CodeOfFieldInPlay(const GameState& gs) {
    return PuzzleCode(gs.position.fieldWidth, gs.position.fieldHeight, gs.position.board);
}

CodeToOpen OpenPuzzleCode(const std::string& text) {
    CodeToOpen open;
    const DecodedPuzzle decoded = ReadPuzzleCode(text);
    if (decoded.fault != CodeFault::None) {
        open.refusal = InformationMessage(CodeFaultText(decoded.fault));
        return open;
    }
    open.image.width = decoded.width;
    open.image.height = decoded.height;
    open.image.cells = decoded.cells;
    open.choice = {kSharedGroup, SharedPuzzleName(decoded.width, decoded.height, decoded.cells)};
    open.file = {MakeLibraryPuzzlePath(open.choice.group, open.choice.puzzle),
                 WritePuzzleText(decoded.width, decoded.height, decoded.cells)};
    return open;
}

bool SharedFileNeedsWriting(const std::optional<PuzzleImage>& existing, const PuzzleImage& image) {
    return !existing || existing->width != image.width || existing->height != image.height ||
           existing->cells != image.cells;
}
