// The best time of each solved puzzle, as the settings file keeps them.
#pragma once

#include <optional>

#include "model/game_state.h"

// The best time of a puzzle (group and name, exactly), if it was ever solved with the clock.
std::optional<int32_t> BestTimeOf(const Settings& settings, const std::string& folder,
                                  const std::string& file);

struct WinTime {
    int32_t seconds = 0;
    bool newBest = false;                // the time was kept as the puzzle's best
    std::optional<int32_t> previousBest; // the best before this win
    int32_t hints = 0;                   // hints used on the way
    bool operator==(const WinTime&) const = default;
};
// The win of the current puzzle in elapsedMs: kept as its best time when it beats the old one
// (or is the first), unless the list already holds kMaxBestTimes other puzzles or hints were
// used: best times are a record of play without help. A win on a
// field other than the current puzzle's is timed but keeps nothing.
WinTime RecordWinTime(GameState& gs, int64_t elapsedMs);
