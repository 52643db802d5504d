// What the puzzle fuzz targets share: the game they play in, reading, and the round trip.
#pragma once

#include <memory>
#include <string>

#include "files/puzzle_file.h"
#include "fuzz_check.h"
#include "model/game_state.h"

// A state as the game has it after start-up, made afresh on every call; kept from run to run
// because allocating it costs more than the reading.
inline GameState& Playing() {
    static const auto started = [] {
        auto gs = std::make_unique<GameState>();
        InitGameState(*gs);
        return gs;
    }();
    static const auto gs = std::make_unique<GameState>();
    *gs = *started;
    return *gs;
}

// Reads the text; a refusal must name its reason.
inline bool Read(const std::string& text, bool withFigures, PuzzleImage& image) {
    std::string reason;
    bool ok = ReadPuzzleText(text, withFigures, Orientations().catalogue, image, &reason);
    FUZZ_CHECK(ok || !reason.empty());
    return ok;
}

// Writing the image back gives a text that reads as the same image (which also holds the
// field to its size limits and its two kinds of cell).
inline void CheckRoundTrip(const std::string& written, bool withFigures, const PuzzleImage& image) {
    PuzzleImage again;
    FUZZ_CHECK(Read(written, withFigures, again));
    FUZZ_CHECK(again == image);
}
