// Lengths in pixels at the main window's DPI: the layout's units are those of a 96-DPI display.
#pragma once

#include "model/game_state.h"

constexpr int kBaseDpi = 96;

// `units` of a 96-DPI display at `dpi`, rounded to the nearest pixel; a DPI below 1 counts as 96.
int Scaled(int units, int dpi);

// The main window's lengths in pixels.
struct Metrics {
    int square = 0;     // a cell of the field
    int margin = 0;     // every outer margin, and the gap between the list and the frame
    int listWidth = 0;  // the figure list
    int listHeight = 0; // its thirteen entries
    int itemHeight = 0; // a figure list entry and an orientation menu item
    int smallTile = 0;  // a square of the pictures in the list, the menus and the previews
    int frameLeft = 0;  // the field frame's corner: margin + list + margin, and margin
    int frameTop = 0;
    bool operator==(const Metrics&) const = default;
};
Metrics MetricsAt(int squareSize, int dpi);
// For the game's square size (kept within its range) and display.
Metrics MetricsOf(const GameState& gs);
