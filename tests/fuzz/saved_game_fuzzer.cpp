// Fuzzes ReadPuzzleText as a saved game is read (withFigures true), then resumes the game the
// way the Load dialog does and saves it again.
#include <array>
#include <cstddef>
#include <cstdint>

#include "model/geometry.h"
#include "model/history.h"
#include "model/placement.h"
#include "puzzle_checks.h"

namespace {

// The figures of a valid image: filled slots first, each an entry of the catalogue, each
// figure at most once, all of them on open cells of the field without overlapping.
void CheckFigures(const PuzzleImage& image) {
    std::array<int, kFigureCount + 1> listed{};
    bool ended = false;
    for (const Figure& f : image.figures) {
        if (IsEmptyMatrix(f.matrix)) {
            FUZZ_CHECK(f == Figure{});
            ended = true;
            continue;
        }
        FUZZ_CHECK(!ended && CatalogueIndex(f.matrix) >= 0);
        ++listed[static_cast<std::size_t>(FigureOf(f.matrix))];
    }
    // On the composed picture: five squares of each listed figure (none lost off the grid or
    // under another), every blocked cell still blocked, and nothing outside the field.
    const Grid preview = ComposePreview(image);
    std::array<int, 256> stamped{}, blocked{};
    for (uint8_t cell : preview)
        ++stamped[cell];
    for (uint8_t cell : image.cells)
        ++blocked[cell];
    FUZZ_CHECK(stamped[kCellBlocked] == blocked[kCellBlocked]);
    for (int k = 1; k <= kFigureCount; ++k) {
        int n = listed[static_cast<std::size_t>(k)];
        FUZZ_CHECK(n <= 1 && stamped[static_cast<std::size_t>(k)] == 5 * n);
    }
    for (int y = 0; y < kGridSide; ++y)
        for (int x = 0; x < kGridSide; ++x)
            FUZZ_CHECK((x < image.width && y < image.height) || At(preview, x, y) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    PuzzleImage image;
    if (!Read(text, true, image)) return 0;
    CheckField(image);
    CheckFigures(image);
    // Read for play, the same text gives the same field without the figures.
    PuzzleImage field;
    FUZZ_CHECK(Read(text, false, field));
    FUZZ_CHECK(field.cells == image.cells && field.width == image.width &&
               field.height == image.height && field.figures == Placement{});

    GameState& gs = Playing();
    ApplyPuzzleImage(gs, image);
    LoadHistoryPosition(gs, image.figures);
    FUZZ_CHECK(gs.position.placed == image.figures);
    for (int k = 1; k <= kFigureCount; ++k) {
        bool inList = gs.position.inList[static_cast<std::size_t>(k)] != 0;
        bool placed = false;
        for (const Figure& f : image.figures)
            placed = placed || FigureOf(f.matrix) == k;
        FUZZ_CHECK(inList != placed);
    }
    CheckRoundTrip(WriteSavedGameText(gs), true, image);
    ComposeBoard(gs, Point{});
    FUZZ_CHECK(gs.position.board == ComposePreview(image));
    return 0;
}
