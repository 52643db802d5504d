// The model steps of "Analyse by computer": the solver grid from the board, and laying the
// figures of a found tiling as history steps.
#pragma once

#include <functional>

#include "model/game_state.h"

// solverGrid = board with every cell below 255 cleared and the placed figures written in.
void ComposeSolverGrid(GameState& gs);

// Number of figures still in the figure list.
int FiguresLeft(const GameState& gs);

enum class AnalyseMode { Nothing = 0, OneFigure = 1, AllFigures = 2 };

// Runs the search from figure 1 on the composed position. True when a tiling exists.
bool AnalysePosition(GameState& gs);

// After a successful AnalysePosition: lays every missing figure where the tiling puts it, in
// figure-number order, one history step each. Returns how many were laid.
int LayAllFigures(GameState& gs);

// After a successful AnalysePosition: lays one missing figure drawn with `random`
// (k = random() % 12 + 1, redrawn while k is on the board, 1000 draws at most; then the
// first missing figure). Returns the figure laid, 0 if none.
int LayOneFigure(GameState& gs, const std::function<int()>& random);
