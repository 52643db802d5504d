// Main-window layout arithmetic: content size, centring offset, square size choice and limits.
#include "render/layout.h"

#include <algorithm>

int ContentWidth(int fieldWidth, int squareSize) {
    return (fieldWidth + 2) * squareSize + kExtraWidth;
}

int ContentHeight(int fieldHeight, int squareSize) {
    return std::max((fieldHeight + 2) * squareSize, kFigureListHeight) + kExtraHeight;
}

Point LayoutOffset(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                   int squareSize) {
    const int w = ContentWidth(fieldWidth, squareSize);
    const int h = ContentHeight(fieldHeight, squareSize);
    return {clientWidth >= w ? (clientWidth - w) / 2 : 0,
            clientHeight >= h ? (clientHeight - h) / 2 : 0};
}

int AutoSquareSize(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight) {
    // The smallest size is the fallback and is deliberately not tested: the content is cut.
    for (int s = kMaxSquareSize; s > kMinSquareSize; s -= kSquareSizeStep) {
        if (ContentWidth(fieldWidth, s) <= clientWidth &&
            ContentHeight(fieldHeight, s) <= clientHeight)
            return s;
    }
    return kMinSquareSize;
}

SquareSizeStep StepSquareSize(int squareSize, int delta) {
    const int s = LimitSquareSize(squareSize + delta);
    return {s, s != squareSize};
}

Rect FigureListRect(Point offset) {
    const int left = offset.x + kLayoutMargin;
    const int top = offset.y + kLayoutMargin;
    return {left, top, left + kFigureListWidth, top + kFigureListHeight};
}

Layout ComputeLayout(int clientWidth, int clientHeight, int fieldWidth, int fieldHeight,
                     int squareSize, bool autoSize) {
    Layout layout;
    layout.squareSize =
        autoSize ? AutoSquareSize(clientWidth, clientHeight, fieldWidth, fieldHeight) : squareSize;
    layout.offset =
        LayoutOffset(clientWidth, clientHeight, fieldWidth, fieldHeight, layout.squareSize);
    layout.figureList = FigureListRect(layout.offset);
    return layout;
}

Rect MinContentRect(int fieldWidth, int fieldHeight, int squareSize, bool autoSize) {
    const int s = autoSize ? kMinSquareSize : squareSize;
    return {0, 0, ContentWidth(fieldWidth, s), ContentHeight(fieldHeight, s)};
}

int InitialSquareSize(int screenWidth) {
    if (screenWidth <= 640) return 24;
    if (screenWidth <= 800) return 32;
    if (screenWidth <= 1024) return 48;
    return 64;
}
