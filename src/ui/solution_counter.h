// Counts puzzles' solutions in a background thread, so that no window waits for a count: one
// count at a time, the newest request first; the counts are kept for the session.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "solver/tiling_count.h"

// Posted to the window that asked, once its count is known.
constexpr UINT WM_SOLUTIONS_COUNTED = WM_APP + 1;

// The field's number of solutions when it is known; otherwise nothing, and the field is
// counted in the background (a count of another field in progress is given up).
std::optional<uint64_t> CountedSolutions(const TilingField& field, HWND notify);
// Gives up the count in progress and waits for its thread (at exit).
void StopCounting();
