// The straightforward placement search, kept as the reference the fast search must match.
#pragma once

#include "model/game_state.h"

// The search exactly as the analysis defines it: figures n..12 in number order, every
// orientation at every origin (orientation, then row, then column), every placement kept only
// while each empty region holds a multiple of five cells. Same contract as Search.
void ReferenceSearch(GameState& gs, int n);

// The same with a time limit: false (grid restored, solutionFound 0) when it ran out.
bool ReferenceSearchWithin(GameState& gs, int n, double seconds);
// The same with a limit on the placements tried instead of time, so that a test gives the same
// answer however busy the machine is.
bool ReferenceSearchWithinSteps(GameState& gs, int n, long placements);
