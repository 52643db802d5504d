// What the status bar under the field says, part by part.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/best_times.h"

enum StatusPart { kStatusPuzzle, kStatusSolutions, kStatusClock, kStatusBest, kStatusPartCount };
using StatusTexts = std::array<std::string, kStatusPartCount>;

struct StatusInput {
    std::optional<uint64_t> solutions; // of the field in play; nothing while it is counted
    int64_t elapsedMs = 0;             // the clock
    std::optional<WinTime> win;        // the win of the game in play, once it is won
};

// The puzzle ("Tutorial: move a figure", or the field's size when the field in play is not the
// current puzzle's, or "Puzzle editor"), its solutions and difficulty, the clock ("Time 0:42",
// "Solved in 0:42") and the best time ("Best 0:35", "No best time yet", "New best time!").
StatusTexts StatusBarTexts(const GameState& gs, const StatusInput& in);

// The right edges of the parts for a bar `width` pixels wide: the clock's part grows to hold a
// win with hints, and the puzzle takes what the three others leave.
std::array<int, kStatusPartCount> StatusPartEdges(int width, int averageCharWidth,
                                                  const StatusTexts& texts);
