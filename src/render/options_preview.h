// The Options dialog's preview arithmetic: the skin preview's geometry, tile averages.
#pragma once

#include <cstdint>
#include <vector>

#include "model/types.h"

// The preview skin holds the 14 tiles at 8 pixels side by side: tile k at (8k, 0).
constexpr int kPreviewTile = 8;
constexpr int kPreviewTiles = 14;
constexpr int kPreviewSkinWidth = kPreviewTile * kPreviewTiles; // 112

// Top-left corners of the squares of the preview's frame: rows y = 0 and 128 for x = 0 ...
// 168, then columns x = 0 and 168 for y = 8 ... 120.
std::vector<Point> PreviewFrameSquares();
// Where the preview draws the 5 x 5 matrix of figure 1..12: three rows of four.
Point PreviewFigureOrigin(int figure);

// The average of 64 colours 0x00BBGGRR, each channel summed alone and divided by 64
// (rounding down).
uint32_t AverageColour(const uint32_t (&pixels)[kPreviewTile * kPreviewTile]);
