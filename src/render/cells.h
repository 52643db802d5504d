// What DrawCells puts down for a grid of cell values: the tile of each cell and its contour.
#pragma once

#include <vector>

#include "model/game_state.h"

// Tile numbers of a skin: 0 open cell, 1..12 the figures, 13 a square without colour; 14 is
// no skin tile but the black square of the shadow.
constexpr int kTileOpen = 0;
constexpr int kTilePlain = 13;
constexpr int kTileBlack = 14;
constexpr int kNoTile = -1; // the cell is not drawn

// The choices that decide a cell's tile and contour.
struct CellStyle {
    bool drawEmpty = true; // cells of value 0 are drawn as tile 0
    bool inColour = true;  // false: every nonzero cell is tile 13
    bool useOneColor = false;
    int squareIndex = 0; // with useOneColor, every figure square is tile squareIndex + 1
    bool showContour = false;
};
CellStyle MakeCellStyle(const ViewOptions& options, bool drawEmpty, bool inColour);

// The tile of a cell value, or kNoTile for a blocked cell (255) and for an empty cell when
// empty cells are not drawn.
int CellTile(uint8_t value, const CellStyle& style);

// A read-only window onto cell bytes: `columns` x `rows` cells, row-major with `stride`.
struct CellView {
    const uint8_t* cells = nullptr;
    int stride = 0;
    int columns = 0;
    int rows = 0;
    uint8_t At(int column, int row) const { return cells[row * stride + column]; }
};
CellView GridView(const Grid& grid, int columns, int rows);

// Contour sides as bits, in the order they are drawn.
constexpr uint8_t kSideLeft = 1;
constexpr uint8_t kSideRight = 2;
constexpr uint8_t kSideTop = 4;
constexpr uint8_t kSideBottom = 8;

// The sides of a cell whose neighbour lies outside the view or holds a different value.
uint8_t ContourSides(const CellView& view, int column, int row);

// The lines `width` pixels thick inside an s x s square at (x, y) for the given sides, in
// drawing order.
struct SideRects {
    std::array<Rect, 4> rects{};
    int count = 0;
    const Rect* begin() const { return rects.data(); }
    const Rect* end() const { return rects.data() + count; }
};
SideRects ContourRects(int x, int y, int squareSize, uint8_t sides, int width = 1);

// One square DrawCells draws: its top-left pixel, tile and contour sides (0 when none).
struct CellSquare {
    int x = 0;
    int y = 0;
    int tile = 0;
    uint8_t sides = 0;
    bool operator==(const CellSquare&) const = default;
};
// The squares of a grid drawn with cell (c, r) at origin + (c * s, r * s), row by row from
// the top, each row from the left. Tile 0 never gets a contour.
std::vector<CellSquare> PlanCells(const CellView& view, Point origin, int squareSize,
                                  const CellStyle& style);
