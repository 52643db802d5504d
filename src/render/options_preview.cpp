// The Options dialog's preview arithmetic: frame and figure places, tile average.
#include "render/options_preview.h"

namespace {

// In tiles: the frame's right column and bottom row, one 5 x 5 matrix, and figures per row.
constexpr int kFrameRight = 21;
constexpr int kFrameBottom = 16;
constexpr int kFigureStep = 5;
constexpr int kFiguresPerRow = 4;

} // namespace

std::vector<Point> PreviewFrameSquares(int tile) {
    std::vector<Point> squares;
    for (int y : {0, kFrameBottom})
        for (int x = 0; x <= kFrameRight; ++x)
            squares.push_back({x * tile, y * tile});
    for (int x : {0, kFrameRight})
        for (int y = 1; y < kFrameBottom; ++y)
            squares.push_back({x * tile, y * tile});
    return squares;
}

Point PreviewFigureOrigin(int figure, int tile) {
    const int row = (figure - 1) / kFiguresPerRow, column = (figure - 1) % kFiguresPerRow;
    return {(1 + kFigureStep * column) * tile, (1 + kFigureStep * row) * tile};
}

uint32_t AverageColour(const std::vector<uint32_t>& pixels) {
    uint32_t red = 0, green = 0, blue = 0;
    for (uint32_t p : pixels) {
        red += p & 0xFF;
        green += (p >> 8) & 0xFF;
        blue += (p >> 16) & 0xFF;
    }
    const uint32_t n = static_cast<uint32_t>(pixels.size());
    if (n == 0) return 0;
    return (red / n) | ((green / n) << 8) | ((blue / n) << 16);
}
