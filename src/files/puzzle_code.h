// Puzzle codes: a puzzle's field as one line of letters, digits, "-" and "_", for players to
// share by pasting it into a chat. The form is described in README.md ("Puzzle codes").
#pragma once

#include <string>
#include <string_view>

#include "model/types.h"

// The longest code: a 24 x 24 field.
constexpr int kMaxPuzzleCodeLength = 120;

// The code of the top-left width x height part of cells (kCellBlocked blocked, any other
// value open), each side 1..24; empty for a side out of range.
std::string PuzzleCode(int width, int height, const Grid& cells);

enum class CodeFault {
    None,
    NotACode,     // a wrong start, character, length or check, sides out of range, stray bits
    NewerVersion, // a well-formed start with a version above the one this program writes
    NotAPuzzle,   // a valid code whose field does not have exactly 60 open cells
};

// What ReadPuzzleCode found. With no fault or NotAPuzzle: the field's size and its cells as
// the puzzle reader fills them (kCellOpen open, kCellBlocked blocked, the rest kCellOpen);
// otherwise a size of 0 x 0 and every cell kCellOpen.
struct DecodedPuzzle {
    CodeFault fault = CodeFault::NotACode;
    int width = 0;
    int height = 0;
    Grid cells{};
};

// Reads a code; spaces, tabs and line ends around it are passed over.
DecodedPuzzle ReadPuzzleCode(std::string_view text);

// What the player is told of a fault ("This is not a puzzle code."); empty for None.
std::string CodeFaultText(CodeFault fault);

// The file name (without ".zpz") a shared puzzle is saved under: its size and eight hex digits
// of a hash of its field, "12 x 10 3f9a0c21". The same field always gives the same name, on
// every machine. Sides 1..24 (the cells are not read otherwise).
std::string SharedPuzzleName(int width, int height, const Grid& cells);
