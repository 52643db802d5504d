// Main-window layout arithmetic: content size, centring offset, square size choice and limits.
#pragma once

#include "model/placement.h"

constexpr int kFigureListHeight = 546; // also the least height of the content
constexpr int kItemHeight = 42;        // a figure list entry and an orientation menu item
constexpr int kExtraWidth = kFieldFrameLeft + kLayoutMargin; // 224
constexpr int kExtraHeight = 2 * kLayoutMargin;              // 64

// Width W(s) and height H(s) of the content: figure list, field frame and margins.
int ContentWidth(int fieldWidth, int squareSize);
int ContentHeight(int fieldHeight, int squareSize);

// The centring offset (ox, oy) of the content in a client area; 0 on an axis that is too small,
// so the content is cut at the right or bottom rather than shifted off the top-left.
Point LayoutOffset(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                   int squareSize);

// The automatic square size: the largest of 64..32 whose content fits the client area, else 24.
int AutoSquareSize(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight);

struct SquareSizeStep {
    int size = 0;
    bool changed = false; // false: a limit was already reached, the UI beeps and stops
};
// One step of "bigger" or "smaller" squares (delta +8 or -8), kept within 24..64.
SquareSizeStep StepSquareSize(int squareSize, int delta);

// The figure list's rectangle in client coordinates for the offset.
Rect FigureListRect(Point offset);

struct Layout {
    int squareSize = 0;
    Point offset;
    Rect figureList;
};
// Everything Relayout stores: the square size (chosen from the client area when autoSize is
// set, else kept), the centring offset and the figure list's place.
Layout ComputeLayout(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                     int squareSize, bool autoSize);

// The least client rectangle (0, 0, W, H) of the main window, before the UI grows it by the
// frame and menu. With autoSize the least squares (24) decide, whatever the current size.
Rect MinContentRect(int fieldWidth, int fieldHeight, int squareSize, bool autoSize);

// The square size for the first start in an installation, from the screen's width in pixels.
int InitialSquareSize(int screenWidth);
