// The picture of the position that "Copy to clipboard as (small) image" hands over.
#pragma once

#include <windows.h>

#include "render/surfaces_gdi.h"

// A new bitmap compatible with `reference` (the main window's device context) of
// fieldWidth x fieldHeight cells at `cellSize` pixels, drawn from `skin` (the skin scaled to
// that size): the field and the placed figures on the window's background. Null when it
// cannot be made; otherwise the caller owns it. Uses backBuffer as scratch and composes
// gs.position.board.
HBITMAP MakePositionBitmap(Surfaces& s, GameState& gs, HDC reference, int cellSize, HDC skin);
