// Cutting a new puzzle's drawing down to its bounding box, and the field made from it.
#pragma once

#include "model/types.h"

struct TrimmedPuzzle {
    Grid drawing{}; // the drawing moved to the top-left corner
    int width = 1;  // its bounding box, 1..25 (a drawing that passed the checks: 1..24)
    int height = 1;
    Grid field{}; // width x height cells: drawn -> open (0), not drawn -> blocked (255);
                  // cells beyond width x height 0
    bool operator==(const TrimmedPuzzle&) const = default;
};

// Trims a copy of the drawing; the drawing itself is left as it is, so a save that fails
// later leaves the editor exactly as the player left it.
TrimmedPuzzle TrimDrawing(const Grid& drawing);
