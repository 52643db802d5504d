// Drawing squares and grids of cells from a skin surface (Win32 GDI).
#pragma once

#include <windows.h>

#include "render/surfaces_gdi.h"

// One s x s square at (x, y) of target from tile `tile` of source (tiles s pixels wide):
// copied at opacity 100, blended with constant alpha otherwise; inverted copies the negative.
// Tile 14 is a black square (the shadow).
void DrawSquare(Surfaces& s, HDC target, int x, int y, int size, int tile, int opacity,
                bool inverted, HDC source);

struct CellsToDraw {
    HDC source = nullptr; // a skin surface whose tiles are `size` pixels wide
    int size = 0;         // square size in pixels
    int x0 = 0;           // where cell (0, 0) lands
    int y0 = 0;
    int columns = 0;
    int rows = 0;
    const uint8_t* cells = nullptr; // row-major, `stride` bytes per row
    int stride = 0;
    bool drawEmpty = true; // draw cells of value 0 as tile 0
    bool inColour = true;  // false: every nonzero cell as tile 13
    bool inverted = false;
    int opacity = 100;
};

// A figure's 5 x 5 matrix drawn from `source` with its top-left cell at origin.
CellsToDraw MatrixToDraw(HDC source, int size, Point origin, const FigureMatrix& m, bool drawEmpty);

// A grid of cells with the contours of the view options.
void DrawCells(Surfaces& s, HDC target, const CellsToDraw& toDraw, const ViewOptions& options);

// Paints rect of backBuffer with what lies behind it: the background surface's pixels at
// (rect.left + dx, rect.top + dy) with a pattern background, else a solid colour.
void FillItemBackground(Surfaces& s, const ViewOptions& options, const RECT& rect, int dx, int dy,
                        COLORREF colour);
