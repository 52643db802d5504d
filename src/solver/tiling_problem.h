// A field to tile as the counter sees it: its open cells numbered along the scan, as bits of
// one 64-bit board, and every place of every figure still to lay.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "solver/tiling_count.h"

namespace tiling {

using Board = uint64_t; // one bit per cell, numbered in scan order (see Problem)

// One figure in one orientation at one place.
struct Place {
    Board cells = 0;
    Board border = 0; // the open cells beside the place
    int figure = 0;   // 0..11
};

// The cells numbered in scan order (the open cells only, or every cell of a grid field), and
// every place of every missing figure.
struct Problem {
    int cellCount = 0;
    Board open = 0; // the cells to cover
    // When the open cells' bounding box has at most 64 cells, every cell of the box has its
    // number, blocked or not, lines of lineLength cells one after the other, so that the
    // cells beside a whole board are a few shifts away.
    bool grid = false;
    int lineLength = 0;
    Board lineStarts = 0, lineEnds = 0;
    std::array<int, 64> gridIndex{};                      // cell number -> y * 25 + x
    std::array<Board, 64> neighbours{};                   // the open cells beside each cell
    std::vector<Place> places;                            // grouped by first cell, then by figure
    std::vector<std::array<int, kFigureCount + 1>> first; // [cell][figure]: start in places
    uint32_t missing = 0;                                 // bit f: figure f + 1 is to be laid
    std::vector<std::vector<int>>
        symmetries; // cell permutations mapping the open cells onto themselves
    // Every place by its cells, to tell at once which figure, if any, covers a set of cells
    // exactly: an open-addressed table of lastSlot + 1 slots.
    std::vector<Place> byCells;
    std::size_t lastSlot = 0;

    std::size_t SlotOf(Board cells) const {
        return (cells * 0x9E3779B97F4A7C15ull >> 40) & lastSlot;
    }
    // The figure (0..11) whose place covers exactly these cells, or -1.
    int FigureCovering(Board cells) const {
        for (std::size_t i = SlotOf(cells);; i = (i + 1) & lastSlot) {
            if (byCells[i].cells == cells) return byCells[i].figure;
            if (byCells[i].cells == 0) return -1;
        }
    }
};

// Scan order: down the columns when the open cells' bounding box is at least as wide as high,
// else along the rows, so that the search fills the field along its short side.
bool BuildProblem(const TilingField& field, Problem& p);

} // namespace tiling
