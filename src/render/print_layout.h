// Page arithmetic of printing ("Print..", "Figures...", "Empty field...") and clipboard sizes.
#pragma once

#include <vector>

#include "model/types.h"

// Print pictures are drawn at 64 pixels per cell into a 1600 x 1600 bitmap (25 cells).
constexpr int kPrintCellSize = 64;
constexpr int kPrintPictureSide = 1600;
// A figure strip: the figure at x 0 and its mirror image at x 320, 5 cells high.
constexpr int kStripWidth = 640;
constexpr int kStripHeight = 320;
constexpr int kMirrorPictureX = 320;
constexpr int kStripUnitsWide = 10; // a strip is 10 x 5 page units
constexpr int kStripUnitsHigh = 5;
// Cell size of "Copy to clipboard as small image".
constexpr int kSmallImageCellSize = 8;

// Printer pixels per cell for "Print..": the largest whole scale at which the field fits the
// page, at least 1.
int PrintScale(int pageWidth, int pageHeight, int fieldWidth, int fieldHeight);

// Printer pixels per cell for "Figures..." and "Empty field...": min(width / 10, height / 5),
// at least 1.
int PageUnit(int pageWidth, int pageHeight);

// Cells of the field on one page of "Empty field...": page width / u by page height / u, each
// at least 1 so that a tiny page still makes progress.
struct PageCells {
    int columns = 1;
    int rows = 1;
};
PageCells CellsPerPage(int pageWidth, int pageHeight, int unit);

// The pages of "Empty field...", each as the rectangle of field cells it shows, left to right
// and then top to bottom, clipped to the field.
std::vector<Rect> EmptyFieldTiles(int fieldWidth, int fieldHeight, PageCells perPage);

// A copy from the print picture to the page.
struct PageStretch {
    Rect source; // in picture pixels
    Rect dest;   // in printer pixels
    bool operator==(const PageStretch&) const = default;
};
// The stretch of one "Empty field..." tile onto the page's top-left at u pixels per cell.
PageStretch TileStretch(const Rect& cells, int unit);
// The stretch of "Print..": the whole field onto the page's top-left at scale k.
PageStretch PositionStretch(int fieldWidth, int fieldHeight, int scale);

// Figure strips on one page of "Figures...": as many 5u-high strips as fit the page height.
// A page lower than one strip still takes one (cut at the bottom): printing must go on to
// the end rather than start page after page without ever placing a figure.
int StripsPerPage(int pageHeight, int unit);
// The stretch of the strip that goes `index`-th on its page (from 0).
PageStretch StripStretch(int index, int unit);
// Pages of the figure sheet for all twelve figures.
int FigureSheetPages(int pageHeight, int unit);

// The clipboard picture (0, 0, fieldWidth * s, fieldHeight * s).
Rect ClipboardPicture(int fieldWidth, int fieldHeight, int cellSize);
