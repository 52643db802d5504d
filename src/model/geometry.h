// Figure geometry: turning and mirroring a matrix, the orientation tables and their lookups.
#pragma once

#include "model/game_state.h"

void TurnClockwise(FigureMatrix& m);
void TurnCounterClockwise(FigureMatrix& m);
void FlipTopBottom(FigureMatrix& m);
void FlipLeftRight(FigureMatrix& m);
// Shifts the squares up and left until row 0 and column 0 hold a square; an empty matrix
// stays as it is.
void MoveToTopLeft(FigureMatrix& m);

// First k with Orientations().catalogue[k] == m, or -1.
int CatalogueIndex(const FigureMatrix& m);

// Copies figure f's n-th orientation (n from 1) into out; false (out untouched) when f is
// outside 1..12 or the figure has fewer than n orientations.
bool NthOrientation(int figure, int n, FigureMatrix& out);
