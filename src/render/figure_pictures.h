// Where figure pictures go: the legal-move mark, the shadow of the figure in hand and the
// picture inside a list or menu item.
#pragma once

#include <vector>

#include "model/game_state.h"
#include "model/types.h"

// The held figure's shape with every square as 13: drawn where a legal drop would land.
FigureMatrix LegalMoveMark(const FigureMatrix& held);

// The top-left pixels of the shadow's black squares for a figure whose matrix is drawn at
// `figureOrigin`: one per square, offset right and down by ShadowOffset(s).
std::vector<Point> ShadowSquares(const FigureMatrix& matrix, Point figureOrigin, int squareSize);

// Where the figure in hand is drawn for the figure list's `selection` and the mouse pointer:
// its 5 x 5 matrix with the shadow beside it, and where a legal drop would land when that is
// marked. Empty with nothing in hand. Moving the hand repaints the old and the new of it.
Rect HandPictureRect(const GameState& gs, int selection, Point mouse);

// The origin of the 5 x 5 picture of `tile`-pixel squares in a figure list or orientation menu
// item whose right edge is `right` and top edge `top`: centred across, one pixel below the top.
Point ItemPictureOrigin(int right, int top, int tile);
