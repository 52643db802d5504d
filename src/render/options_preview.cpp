// The Options dialog's preview arithmetic: frame and figure places, tile average.
#include "render/options_preview.h"

namespace {

constexpr int kFrameRight = 168;  // x of the frame's right column
constexpr int kFrameBottom = 128; // y of the frame's bottom row
constexpr int kFigureStep = 40;   // one 5 x 5 matrix of 8-pixel cells
constexpr int kFiguresPerRow = 4;

} // namespace

std::vector<Point> PreviewFrameSquares() {
    std::vector<Point> squares;
    for (int y : {0, kFrameBottom})
        for (int x = 0; x <= kFrameRight; x += kPreviewTile)
            squares.push_back({x, y});
    for (int x : {0, kFrameRight})
        for (int y = kPreviewTile; y < kFrameBottom; y += kPreviewTile)
            squares.push_back({x, y});
    return squares;
}

Point PreviewFigureOrigin(int figure) {
    const int row = (figure - 1) / kFiguresPerRow, column = (figure - 1) % kFiguresPerRow;
    return {kPreviewTile + kFigureStep * column, kPreviewTile + kFigureStep * row};
}

uint32_t AverageColour(const uint32_t (&pixels)[kPreviewTile * kPreviewTile]) {
    uint32_t red = 0, green = 0, blue = 0;
    for (uint32_t p : pixels) {
        red += p & 0xFF;
        green += (p >> 8) & 0xFF;
        blue += (p >> 16) & 0xFF;
    }
    constexpr uint32_t n = kPreviewTile * kPreviewTile;
    return (red / n) | ((green / n) << 8) | ((blue / n) << 16);
}
