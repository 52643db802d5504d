// Fuzzes ReadPuzzleText as a saved game is read (withFigures true), then resumes the game the
// way the Load dialog does and saves it again.
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/geometry.h"
#include "model/history.h"
#include "model/placement.h"
#include "puzzle_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    PuzzleImage image;
    if (!Read(text, true, image)) return 0;
    // The figures: filled slots first, each an orientation of the catalogue, each figure at
    // most once; on the composed picture five squares each (none off the field or under
    // another) and every blocked cell still blocked.
    std::array<int, 256> listed{}, stamped{}, blocked{};
    bool ended = false;
    for (const Figure& f : image.figures) {
        ended = ended || IsEmptyMatrix(f.matrix);
        FUZZ_CHECK(ended ? f == Figure{} : CatalogueIndex(f.matrix) >= 0);
        if (!ended) ++listed[static_cast<std::size_t>(FigureOf(f.matrix))];
    }
    const Grid preview = ComposePreview(image);
    for (int i = 0; i < kGridCells; ++i) {
        ++stamped[preview[static_cast<std::size_t>(i)]];
        ++blocked[image.cells[static_cast<std::size_t>(i)]];
        FUZZ_CHECK((i % kGridSide < image.width && i / kGridSide < image.height) ||
                   preview[static_cast<std::size_t>(i)] == 0);
    }
    FUZZ_CHECK(stamped[kCellBlocked] == blocked[kCellBlocked]);
    for (std::size_t k = 1; k <= kFigureCount; ++k)
        FUZZ_CHECK(listed[k] <= 1 && stamped[k] == 5 * listed[k]);
    // Read for play, the same text gives the same field without the figures.
    PuzzleImage field;
    FUZZ_CHECK(Read(text, false, field));
    FUZZ_CHECK(field.figures == Placement{});
    field.figures = image.figures;
    field.seconds = image.seconds;
    FUZZ_CHECK(field == image);

    GameState& gs = Playing();
    ApplyPuzzleImage(gs, image);
    LoadHistoryPosition(gs, image.figures);
    FUZZ_CHECK(gs.position.placed == image.figures);
    for (std::size_t k = 1; k <= kFigureCount; ++k)
        FUZZ_CHECK((gs.position.inList[k] != 0) == (listed[k] == 0));
    // Saved again with the clock the load starts; a saved game keeps no count of solutions.
    gs.clock.countedMs = int64_t{image.seconds} * 1000;
    PuzzleImage saved = image;
    saved.solutions = -1;
    CheckRoundTrip(WriteSavedGameText(gs), true, saved);
    ComposeBoard(gs, Point{});
    FUZZ_CHECK(gs.position.board == ComposePreview(image));
    return 0;
}
