// The marks a hint leaves on the field until the next move.
#pragma once

#include <vector>

#include "model/game_state.h"

// Colours as Windows COLORREF values (0x00BBGGRR): amber for the figures in the way, blue for
// where to go on.
inline constexpr uint32_t kWarningMarkColour = 0x0000C8FF;
inline constexpr uint32_t kTeachingMarkColour = 0x00E66E00;

struct MarkStroke {
    Rect rect;
    uint32_t colour = 0;
    bool operator==(const MarkStroke&) const = default;
};

// The lines of the hint on show, over a field whose cell (0, 0) lies at origin with squares
// squareSize pixels wide: the outline of each figure in the way in the warning colour; the
// hardest cell's frame and, from the second press, the outline of the figure that fits there
// in the teaching colour. Every line lies inside the cells it marks.
std::vector<MarkStroke> PlanHintMarks(const GameState& gs, Point origin, int squareSize);
