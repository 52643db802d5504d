// The placement search: depth-first tiling of the free cells with the missing figures.
#pragma once

#include "model/game_state.h"

// Runs the search from figure n on gs.position.solverGrid. Sets solutionFound; on success the grid
// holds the tiling, on failure it is back as it was.
void Search(GameState& gs, int n);

// True when every square of m at origin (column, row) lands on a free cell of the field.
bool FitsAt(const GameState& gs, const FigureMatrix& m, int column, int row);
bool IsFigureOnSolverGrid(const GameState& gs, int figure);
bool IsSolverGridFull(const GameState& gs);

// Region labels are 32-bit so that any number of separate regions can be told apart.
using RegionLabel = int32_t;
struct RegionMask {
    std::array<RegionLabel, kGridCells> cells{}; // row stride 25
};
// 4-connected flood fill of the cells holding 1 with `label`, within the field.
void FillRegion(const GameState& gs, int column, int row, RegionLabel label, RegionMask& mask);

// Finds figure k on a 25 x 25 grid and gives it as a record whose matrix is the matching
// orientationCatalogue entry; false when k is not on the grid or matches no orientation.
bool ExtractPlacement(int figure, const Grid& grid, Figure& out);
