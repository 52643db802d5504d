// Checks of a new puzzle before it is saved: all figures laid, or 60 squares in groups of 5.
#pragma once

#include <vector>

#include "model/game_state.h"

// A new puzzle has exactly as many open cells as the twelve figures cover.
constexpr int kSquaresPerFigure = 5;
constexpr int kPuzzleSquares = kFigureCount * kSquaresPerFigure; // 60

enum class EditorCheck {
    Ok,
    AllFiguresNotPlaced, // "By figures": a figure is still in the list
    WrongCount,          // "By squares": not 60 squares
    AreaNotMultipleOf5,  // "By squares": a connected group cannot be tiled by figures
};

// Nonzero cells of the whole 25 x 25 grid.
int CountSquares(const Grid& grid);

// 4-connected groups of nonzero cells. Labels start at 2 and are given in scan order (rows
// from the top, each row from the left); a label is 32 bits wide so that any number of groups
// stays distinct. labels[i] is 0 for an empty cell.
constexpr int32_t kFirstGroupLabel = 2;
struct SquareGroups {
    std::array<int32_t, kGridCells> labels{};
    std::vector<int> sizes; // sizes[k] is the size of the group labelled kFirstGroupLabel + k
};
SquareGroups LabelGroups(const Grid& grid);

// The "By squares" check over every nonzero cell of the drawing, also cells beyond the
// chosen area, so that no square is saved without having been counted.
EditorCheck CheckSquares(const Grid& drawing);

// The "By figures" check: every figure 1..12 has left the list.
EditorCheck CheckFiguresPlaced(const std::array<int8_t, kFigureCount + 1>& figureCount);

// The laid figures as a drawing: a cell covered by figure k holds k, every other cell 0.
Grid ComposeFigures(const Placement& placed);
