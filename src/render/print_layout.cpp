// Page arithmetic of printing ("Print..", "Figures...", "Empty field...") and clipboard sizes.
#include "render/print_layout.h"

#include <algorithm>

int PrintScale(int pageWidth, int pageHeight, int fieldWidth, int fieldHeight) {
    if (fieldWidth <= 0 || fieldHeight <= 0) return 1;
    return std::max(1, std::min(pageWidth / fieldWidth, pageHeight / fieldHeight));
}

int PageUnit(int pageWidth, int pageHeight) {
    return std::max(1, std::min(pageWidth / kStripUnitsWide, pageHeight / kStripUnitsHigh));
}

PageCells CellsPerPage(int pageWidth, int pageHeight, int unit) {
    const int u = std::max(1, unit);
    return {std::max(1, pageWidth / u), std::max(1, pageHeight / u)};
}

std::vector<Rect> EmptyFieldTiles(int fieldWidth, int fieldHeight, PageCells perPage) {
    const int cw = std::max(1, perPage.columns);
    const int ch = std::max(1, perPage.rows);
    std::vector<Rect> tiles;
    for (int top = 0; top < fieldHeight; top += ch) {
        for (int left = 0; left < fieldWidth; left += cw) {
            tiles.push_back(
                {left, top, std::min(left + cw, fieldWidth), std::min(top + ch, fieldHeight)});
        }
    }
    return tiles;
}

PageStretch TileStretch(const Rect& cells, int unit) {
    const int p = kPrintCellSize;
    return {{cells.left * p, cells.top * p, cells.right * p, cells.bottom * p},
            {0, 0, cells.Width() * unit, cells.Height() * unit}};
}

PageStretch PositionStretch(int fieldWidth, int fieldHeight, int scale) {
    return {{0, 0, fieldWidth * kPrintCellSize, fieldHeight * kPrintCellSize},
            {0, 0, fieldWidth * scale, fieldHeight * scale}};
}

int StripsPerPage(int pageHeight, int unit) {
    const int stripHeight = kStripUnitsHigh * std::max(1, unit);
    // Strip i fits while i * 5u + 5u <= page height.
    return std::max(1, pageHeight / stripHeight);
}

PageStretch StripStretch(int index, int unit) {
    const int top = index * kStripUnitsHigh * unit;
    return {{0, 0, kStripWidth, kStripHeight},
            {0, top, kStripUnitsWide * unit, top + kStripUnitsHigh * unit}};
}

int FigureSheetPages(int pageHeight, int unit) {
    const int perPage = StripsPerPage(pageHeight, unit);
    return (kFigureCount + perPage - 1) / perPage;
}

Rect ClipboardPicture(int fieldWidth, int fieldHeight, int cellSize) {
    return {0, 0, fieldWidth * cellSize, fieldHeight * cellSize};
}
