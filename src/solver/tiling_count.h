// Counting and finding tilings of a field by the twelve figures: an exact-cover search.
#pragma once

#include <atomic>
#include <cstdint>

#include "model/types.h"

// A field to tile. cells: row-major with stride 25 as on the board; 0 an open cell, 255 a
// blocked cell, 1..12 a square of that figure already lying on the field (the figure is not
// laid again). Only the top-left width x height part is read.
struct TilingField {
    int width = 0;
    int height = 0;
    Grid cells{};
};

// The field of a puzzle: every cell but the blocked ones (255) open.
TilingField OpenField(int width, int height, const Grid& cells);

// Number of ways to cover every open cell with the figures not on the field, each exactly
// once, in any of its 63 orientations. Every tiling counts as it lies on the field: a turned
// or mirrored copy of a tiling is another tiling (the open 10 x 6 field has 9356). With limit
// above 0 the count stops as soon as it reaches limit. 0 when the open cells are not five per
// missing figure.
uint64_t CountTilings(const TilingField& field, uint64_t limit = 0);

// Number of solutions of a puzzle (a field with no figure on it): its tilings up to the field's
// own turns and mirrors (the open 10 x 6 field has 2339). 0 when the field holds a figure or
// does not have sixty open cells. Setting *stop ends the count early; its result is then
// meaningless. With limit above 0 the count stops once it reaches limit solutions and gives
// at most limit. A whole count is shared between the machine's processors.
uint64_t CountSolutions(const TilingField& field, const std::atomic<bool>* stop = nullptr,
                        uint64_t limit = 0);

// Finds one tiling. On success tiling is the field's cells with every open cell set to the
// number of the figure covering it; otherwise tiling is left as it was.
bool FindAnyTiling(const TilingField& field, Grid& tiling);
