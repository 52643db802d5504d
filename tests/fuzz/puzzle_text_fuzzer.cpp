// Fuzzes ReadPuzzleText as a puzzle is read for play (withFigures false), then starts a game
// on the puzzle the way the New game dialog does.
#include <cstddef>
#include <cstdint>

#include "model/placement.h"
#include "puzzle_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    PuzzleImage image;
    if (!Read(text, false, image)) return 0;
    CheckRoundTrip(WritePuzzleText(image.width, image.height, image.cells) +
                       (image.solutions >= 0 ? WritePuzzleInfo(image.solutions) : ""),
                   false, image);

    GameState& gs = Playing();
    ApplyPuzzleImage(gs, image);
    ComposeBoard(gs, Point{});
    FUZZ_CHECK(gs.position.board == image.cells);
    return 0;
}
