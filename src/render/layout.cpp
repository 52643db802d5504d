// Main-window layout arithmetic: content size, centring offset, square size choice and limits.
#include "render/layout.h"

#include <algorithm>

int ContentWidth(int fieldWidth, int squareSize, int dpi) {
    const Metrics m = MetricsAt(squareSize, dpi);
    return (fieldWidth + 2) * m.square + m.frameLeft + m.margin;
}

int ContentHeight(int fieldHeight, int squareSize, int dpi) {
    const Metrics m = MetricsAt(squareSize, dpi);
    return std::max((fieldHeight + 2) * m.square, m.listHeight) + 2 * m.margin;
}

Point LayoutOffset(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                   int squareSize, int dpi) {
    const int w = ContentWidth(fieldWidth, squareSize, dpi);
    const int h = ContentHeight(fieldHeight, squareSize, dpi);
    return {clientWidth >= w ? (clientWidth - w) / 2 : 0,
            clientHeight >= h ? (clientHeight - h) / 2 : 0};
}

int AutoSquareSize(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight, int dpi) {
    // The smallest size is the fallback and is deliberately not tested: the content is cut.
    for (int s = kMaxSquareSize; s > kMinSquareSize; s -= kSquareSizeStep) {
        if (ContentWidth(fieldWidth, s, dpi) <= clientWidth &&
            ContentHeight(fieldHeight, s, dpi) <= clientHeight)
            return s;
    }
    return kMinSquareSize;
}

SquareSizeStep StepSquareSize(int squareSize, int delta) {
    const int s = LimitSquareSize(squareSize + delta);
    return {s, s != squareSize};
}

Rect FigureListRect(Point offset, int dpi) {
    const Metrics m = MetricsAt(kMinSquareSize, dpi);
    const int left = offset.x + m.margin;
    const int top = offset.y + m.margin;
    return {left, top, left + m.listWidth, top + m.listHeight};
}

Layout ComputeLayout(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                     int squareSize, bool autoSize, int dpi) {
    Layout layout;
    layout.squareSize =
        autoSize ? AutoSquareSize(clientWidth, clientHeight, fieldWidth, fieldHeight, dpi)
                 : squareSize;
    layout.offset =
        LayoutOffset(clientWidth, clientHeight, fieldWidth, fieldHeight, layout.squareSize, dpi);
    layout.figureList = FigureListRect(layout.offset, dpi);
    return layout;
}

Rect MinContentRect(int fieldWidth, int fieldHeight, int squareSize, bool autoSize, int dpi) {
    const int s = autoSize ? kMinSquareSize : squareSize;
    return {0, 0, ContentWidth(fieldWidth, s, dpi), ContentHeight(fieldHeight, s, dpi)};
}

int InitialSquareSize(int screenWidth, int dpi) {
    const int units = screenWidth * kBaseDpi / std::max(dpi, 1);
    if (units <= 640) return 24;
    if (units <= 800) return 32;
    if (units <= 1024) return 48;
    return 64;
}
