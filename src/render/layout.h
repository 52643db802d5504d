// Main-window layout arithmetic: content size, centring offset, square size choice and limits.
// Square sizes are in 96-DPI units (the settings' SIZE_SQUARE); everything else in pixels at
// the given DPI.
#pragma once

#include "model/placement.h"

// Width W(s) and height H(s) of the content in pixels: figure list, field frame and margins.
int ContentWidth(int fieldWidth, int squareSize, int dpi);
int ContentHeight(int fieldHeight, int squareSize, int dpi);

// The centring offset (ox, oy) of the content in a client area; 0 on an axis that is too small,
// so the content is cut at the right or bottom rather than shifted off the top-left.
Point LayoutOffset(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                   int squareSize, int dpi);

// The automatic square size: the largest of 64..32 whose content fits the client area, else 24.
int AutoSquareSize(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight, int dpi);

struct SquareSizeStep {
    int size = 0;
    bool changed = false; // false: a limit was already reached, the UI beeps and stops
};
// One step of "bigger" or "smaller" squares (delta +8 or -8), kept within 24..64.
SquareSizeStep StepSquareSize(int squareSize, int delta);

// The figure list's rectangle in client coordinates for the offset.
Rect FigureListRect(Point offset, int dpi);

struct Layout {
    int squareSize = 0;
    Point offset;
    Rect figureList;
};
// Everything Relayout stores: the square size (chosen from the client area when autoSize is
// set, else kept), the centring offset and the figure list's place.
Layout ComputeLayout(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                     int squareSize, bool autoSize, int dpi);

// The least client rectangle (0, 0, W, H) of the main window, before the UI grows it by the
// frame and menu. With autoSize the least squares (24) decide, whatever the current size.
Rect MinContentRect(int fieldWidth, int fieldHeight, int squareSize, bool autoSize, int dpi);

// The square size for the first start in an installation, from the screen's width in pixels
// at its DPI: the same choice as a 96-DPI screen of the same width in units.
int InitialSquareSize(int screenWidth, int dpi);
