// Counts puzzles' solutions in a background thread, so that no window waits for a count: each
// window (or each purpose of a window) waits for the last field it asked for, the newest
// request is counted first, and every count a window waits for arrives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "solver/tiling_count.h"

// Posted to the window that asked, once its count is known; wParam is the purpose it asked
// with.
constexpr UINT WM_SOLUTIONS_COUNTED = WM_APP + 1;

// What a window counts for, when it waits for more than one field at a time.
enum class CountPurpose { Shown, SavedPuzzle };

// The field's number of solutions when it is known; otherwise nothing, and the field is
// counted in the background: the window waits for it instead of the field it asked for before
// with the same purpose.
std::optional<uint64_t> CountedSolutions(const TilingField& field, HWND notify,
                                         CountPurpose purpose = CountPurpose::Shown);
// The window waits for no count of that purpose any more (it shows a counted field, or closes).
void StopWaitingForCount(HWND window, CountPurpose purpose = CountPurpose::Shown);
// Gives up every count and waits for the counting thread (at exit).
void StopCounting();
