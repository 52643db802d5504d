// The Options dialog's preview arithmetic: the skin preview's geometry, tile averages.
#pragma once

#include <cstdint>
#include <vector>

#include "model/types.h"

// The preview skin holds the 14 tiles side by side: tile k at (k * tile, 0). A tile is 8
// pixels at 96 DPI, and the whole preview scales with it.
constexpr int kPreviewTile = 8;
constexpr int kPreviewTiles = 14;

// Top-left corners of the squares of the preview's frame, for tiles of 8: rows y = 0 and 128
// for x = 0 ... 168, then columns x = 0 and 168 for y = 8 ... 120.
std::vector<Point> PreviewFrameSquares(int tile);
// Where the preview draws the 5 x 5 matrix of figure 1..12: three rows of four.
Point PreviewFigureOrigin(int figure, int tile);

// The average of colours 0x00BBGGRR, each channel summed alone and divided by their number
// (rounding down); 0 for none.
uint32_t AverageColour(const std::vector<uint32_t>& pixels);
