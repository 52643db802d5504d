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

// Fills orientationTable and the three catalogues from the shape tables.
void BuildOrientationTables(GameState& gs);

// First k with orientationCatalogue[k] == m, or -1.
int CatalogueIndex(const GameState& gs, const FigureMatrix& m);

// Copies figure f's n-th orientation (n from 1) into out; false (out untouched) when f is
// outside 1..12 or the figure has fewer than n orientations.
bool NthOrientation(const GameState& gs, int figure, int n, FigureMatrix& out);

// Resource id of the orientation pop-up menu for a figure with `count` orientations
// (1 -> 132 "Context1", 2 -> 131, 4 -> 130, 8 -> 129), 0 for any other count.
int OrientationMenuResource(int count);

// Orientation number (1..8) of a menu command id 32772..32781, 0 for an id that is no item.
int OrientationOfCommand(int commandId);
// The command id of orientation n (1..8), 0 outside.
int CommandOfOrientation(int n);

constexpr int kFirstOrientationCommand = 32772;
constexpr int kLastOrientationCommand = 32781;
