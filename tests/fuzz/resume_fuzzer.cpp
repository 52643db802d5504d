// Fuzzes the resume file as the game reads it at start, for a current puzzle whose field is the
// text's own (so that recognition is passed as often as the text allows); a game it takes is
// played on: the history walks from the empty field to its last step, and the game kept again
// reads back as the same.
#include <cstddef>
#include <cstdint>

#include "files/resume_file.h"
#include "model/history.h"
#include "puzzle_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    GameState& gs = Playing();
    PuzzleImage field;
    if (ReadPuzzleText(text, false, Orientations().catalogue, field))
        SetCurrentPuzzleField(gs, field.width, field.height, field.cells);
    const std::optional<ResumedGame> game = ReadResumeText(text, gs);
    if (!game) return 0;
    FUZZ_CHECK(game->current >= 1 && game->current <= static_cast<int>(game->steps.size()));
    FUZZ_CHECK(game->steps.size() <= static_cast<std::size_t>(kHistorySteps));
    ApplyResumedGame(gs, *game);
    FUZZ_CHECK(gs.position.placed == game->field.figures);
    FUZZ_CHECK(PlaysCurrentPuzzle(gs));
    const std::optional<std::string> kept =
        WriteResumeText(gs, int64_t{game->field.seconds} * 1000);
    FUZZ_CHECK(kept.has_value());
    const std::optional<ResumedGame> again = ReadResumeText(*kept, gs);
    FUZZ_CHECK(again && again->steps == game->steps && again->current == game->current &&
               again->field.figures == game->field.figures &&
               again->field.seconds == game->field.seconds);
    while (Undo(gs) && gs.position.historyPosition > 0) {
    }
    FUZZ_CHECK(gs.position.placed == Placement{});
    while (CanRedo(gs))
        Redo(gs);
    FUZZ_CHECK(gs.position.placed == game->steps.back());
    return 0;
}
