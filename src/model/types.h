// Basic value types shared by every part of the game core: matrices, grids, figure records.
#pragma once

#include <array>
#include <cstdint>

constexpr int kFigureCount = 12; // figures are numbered 1..12; 0 is the empty hand
constexpr int kMatrixSide = 5;
constexpr int kMatrixCells = 25;
constexpr int kGridSide = 25; // every board-like grid is 25 x 25 with stride 25
constexpr int kGridCells = kGridSide * kGridSide;
constexpr int kOrientationCount = 63; // distinct orientations of all twelve figures
constexpr int kMinFieldSide = 3;      // playable fields are 3..24 cells in each direction
constexpr int kMaxFieldSide = 24;
constexpr int kLeastRandomSide = 5; // the largest size asked of a generated puzzle, each side
constexpr int kHistorySteps = 300;
constexpr int kMaxSolved = 1000;
constexpr int kMaxBestTimes = 1000;
constexpr int kMaxNameLength = 259; // names and paths are held in 260-byte buffers

// Cell values of the board, the editor field and the history grids.
constexpr uint8_t kCellOpen = 0;
constexpr uint8_t kCellSquare = 13; // a square painted in the "By squares" editor
constexpr uint8_t kCellBlocked = 255;

// A 5 x 5 matrix in row-major order; a non-zero byte is a square.
using FigureMatrix = std::array<uint8_t, kMatrixCells>;

// A 25 x 25 grid, row-major, cell (x, y) at y * 25 + x.
using Grid = std::array<uint8_t, kGridCells>;

inline uint8_t& At(Grid& g, int x, int y) {
    return g[y * kGridSide + x];
}
inline uint8_t At(const Grid& g, int x, int y) {
    return g[y * kGridSide + x];
}
inline uint8_t& At(FigureMatrix& m, int col, int row) {
    return m[row * kMatrixSide + col];
}
inline uint8_t At(const FigureMatrix& m, int col, int row) {
    return m[row * kMatrixSide + col];
}

// One placed figure: the matrix's top-left cell lies at board column x, row y (may be negative).
struct Figure {
    int32_t x = 0;
    int32_t y = 0;
    FigureMatrix matrix{};
    bool operator==(const Figure&) const = default;
};

// The twelve figure slots of a position; filled slots first, an all-zero matrix is empty.
using Placement = std::array<Figure, kFigureCount>;

// The figure a matrix holds: the value of its first non-zero cell, 0 for an empty matrix.
int FigureOf(const FigureMatrix& m);
bool IsEmptyMatrix(const FigureMatrix& m);
bool RowHasSquare(const FigureMatrix& m, int row);
bool ColumnHasSquare(const FigureMatrix& m, int column);

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom edges outside.
    bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};
