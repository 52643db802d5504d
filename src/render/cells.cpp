// What DrawCells puts down for a grid of cell values: the tile of each cell and its contour.
#include "render/cells.h"

#include <algorithm>

CellStyle MakeCellStyle(const ViewOptions& options, bool drawEmpty, bool inColour) {
    return {drawEmpty, inColour, options.useOneColor != 0, options.squareIndex,
            options.showContour != 0};
}

int CellTile(uint8_t value, const CellStyle& style) {
    if (value == kCellBlocked) return kNoTile;
    if (value == kCellOpen) return style.drawEmpty ? kTileOpen : kNoTile;
    if (!style.inColour) return kTilePlain;
    if (value <= kFigureCount && style.useOneColor) {
        // A hand-edited settings file may hold any index; stay on the twelve figure tiles.
        return std::clamp(style.squareIndex, 0, kFigureCount - 1) + 1;
    }
    return value;
}

CellView GridView(const Grid& grid, int columns, int rows) {
    return {grid.data(), kGridSide, columns, rows};
}

uint8_t ContourSides(const CellView& view, int column, int row) {
    const uint8_t v = view.At(column, row);
    // A neighbour outside the view always counts as different, so grid edges get a contour.
    const auto differs = [&](int c, int r) {
        return c < 0 || c >= view.columns || r < 0 || r >= view.rows || view.At(c, r) != v;
    };
    uint8_t sides = 0;
    if (differs(column - 1, row)) sides |= kSideLeft;
    if (differs(column + 1, row)) sides |= kSideRight;
    if (differs(column, row - 1)) sides |= kSideTop;
    if (differs(column, row + 1)) sides |= kSideBottom;
    return sides;
}

SideRects ContourRects(int x, int y, int squareSize, uint8_t sides, int width) {
    const int s = squareSize, w = width;
    const Rect all[4] = {{x, y, x + w, y + s},
                         {x + s - w, y, x + s, y + s},
                         {x, y, x + s, y + w},
                         {x, y + s - w, x + s, y + s}};
    const uint8_t bits[4] = {kSideLeft, kSideRight, kSideTop, kSideBottom};
    SideRects out;
    for (int k = 0; k < 4; ++k) {
        if (sides & bits[k]) out.rects[out.count++] = all[k];
    }
    return out;
}

std::vector<CellSquare> PlanCells(const CellView& view, Point origin, int squareSize,
                                  const CellStyle& style) {
    std::vector<CellSquare> squares;
    for (int r = 0; r < view.rows; ++r) {
        for (int c = 0; c < view.columns; ++c) {
            const int tile = CellTile(view.At(c, r), style);
            if (tile == kNoTile) continue;
            const bool contour = style.showContour && tile != kTileOpen;
            squares.push_back({origin.x + c * squareSize, origin.y + r * squareSize, tile,
                               contour ? ContourSides(view, c, r) : uint8_t{0}});
        }
    }
    return squares;
}
