// Lengths in pixels at the main window's DPI.
#include "model/display.h"

namespace {

constexpr int kMarginUnits = 32;
constexpr int kListWidthUnits = 128;
constexpr int kItemHeightUnits = 42;
constexpr int kSmallTileUnits = 8;
constexpr int kListEntries = kFigureCount + 1; // the empty hand and the twelve figures

} // namespace

int Scaled(int units, int dpi) {
    if (dpi < 1) dpi = kBaseDpi;
    const int64_t scaled = int64_t{units} * dpi;
    return static_cast<int>((scaled + (scaled >= 0 ? kBaseDpi / 2 : -kBaseDpi / 2)) / kBaseDpi);
}

Metrics MetricsAt(int squareSize, int dpi) {
    Metrics m;
    m.square = Scaled(squareSize, dpi);
    m.margin = Scaled(kMarginUnits, dpi);
    m.listWidth = Scaled(kListWidthUnits, dpi);
    m.itemHeight = Scaled(kItemHeightUnits, dpi);
    m.listHeight = kListEntries * m.itemHeight; // the entries fill the list exactly
    m.smallTile = Scaled(kSmallTileUnits, dpi);
    m.frameLeft = m.margin + m.listWidth + m.margin;
    m.frameTop = m.margin;
    return m;
}

Metrics MetricsOf(const GameState& gs) {
    return MetricsAt(LimitSquareSize(gs.settings.view.squareSize), gs.display.dpi);
}
