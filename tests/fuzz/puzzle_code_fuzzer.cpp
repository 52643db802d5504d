// Fuzzes ReadPuzzleCode as a pasted line is read: a code read is exactly the one PuzzleCode
// writes for its field, and it is a puzzle's exactly when the field has 60 open cells.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/puzzle_code.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const DecodedPuzzle puzzle = ReadPuzzleCode(text);
    FUZZ_CHECK(CodeFaultText(puzzle.fault).empty() == (puzzle.fault == CodeFault::None));
    if (puzzle.fault != CodeFault::None && puzzle.fault != CodeFault::NotAPuzzle) {
        FUZZ_CHECK(puzzle.width == 0 && puzzle.height == 0 && puzzle.cells == Grid{});
        return 0;
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::size_t end = text.find_last_not_of(" \t\r\n") + 1;
    FUZZ_CHECK(PuzzleCode(puzzle.width, puzzle.height, puzzle.cells) ==
               text.substr(first, end - first));
    int open = 0;
    for (int y = 0; y < kGridSide; ++y)
        for (int x = 0; x < kGridSide; ++x) {
            const uint8_t cell = At(puzzle.cells, x, y);
            const bool inside = x < puzzle.width && y < puzzle.height;
            FUZZ_CHECK(cell == kCellOpen || (inside && cell == kCellBlocked));
            open += inside && cell == kCellOpen;
        }
    FUZZ_CHECK((open == 60) == (puzzle.fault == CodeFault::None));
    return 0;
}
