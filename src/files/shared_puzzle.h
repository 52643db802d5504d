// Puzzles shared as codes: the code of the field in play, and what the Open puzzle code
// dialog's OK does with a pasted code.
#pragma once

#include <optional>
#include <string>

#include "files/game_dialogs.h"
#include "files/puzzle_code.h"

// "Copy puzzle code": the code of the field in play, figures or not.
std::string CodeOfFieldInPlay(const GameState& gs);

// OK with the text of the dialog's box: the message for a bad code (the dialog stays, nothing
// is written), or the puzzle, its place in the "Shared" group and its file's text.
struct CodeToOpen {
    std::optional<Message> refusal;
    LibraryChoice choice;
    PuzzleImage image;
    FileToSave file;
};
CodeToOpen OpenPuzzleCode(const std::string& text);

// The same code always gives the same file: it is written unless it holds the field already,
// so that a count of solutions added to it stays.
bool SharedFileNeedsWriting(const std::optional<PuzzleImage>& existing, const PuzzleImage& image);
