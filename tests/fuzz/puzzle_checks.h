// Checks the puzzle fuzz targets share: what a valid image promises, and the game state the
// game builds from it.
#pragma once

#include <memory>
#include <string>

#include "files/puzzle_file.h"
#include "fuzz_check.h"
#include "model/game_state.h"

// A state as the game has it after start-up.
inline const GameState& StartedGame() {
    static const std::unique_ptr<GameState> gs = [] {
        auto state = std::make_unique<GameState>();
        InitGameState(*state);
        return state;
    }();
    return *gs;
}

// The state a target plays in, made a started state again on every call. It is kept from run
// to run because allocating it costs more than the reading.
inline GameState& Playing() {
    static const std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    *gs = StartedGame();
    return *gs;
}

// Reads the text; a refusal must name its reason.
inline bool Read(const std::string& text, bool withFigures, PuzzleImage& image) {
    std::string reason;
    bool ok = ReadPuzzleText(text, withFigures, Orientations().catalogue, image, &reason);
    FUZZ_CHECK(ok || !reason.empty());
    return ok;
}

// The field of a valid image: its size in range, only open and blocked cells inside it and
// nothing outside it.
inline void CheckField(const PuzzleImage& image) {
    FUZZ_CHECK(image.width >= 1 && image.width <= kMaxFieldSide);
    FUZZ_CHECK(image.height >= 1 && image.height <= kMaxFieldSide);
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x) {
            uint8_t cell = At(image.cells, x, y);
            bool inside = x < image.width && y < image.height;
            FUZZ_CHECK(cell == kCellOpen || (inside && cell == kCellBlocked));
        }
    }
}

// Writing the image back gives a text that reads as the same image.
inline void CheckRoundTrip(const std::string& written, bool withFigures, const PuzzleImage& image) {
    PuzzleImage again;
    FUZZ_CHECK(Read(written, withFigures, again));
    FUZZ_CHECK(again == image);
}
