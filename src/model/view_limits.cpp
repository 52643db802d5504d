// The ranges of the view options, applied wherever a value comes from outside the program.
#include <algorithm>

#include "model/game_state.h"

void LimitViewOptions(ViewOptions& o) {
    o.squareSize = std::clamp(o.squareSize, 24, 64);
    o.opaque = std::clamp(o.opaque, 50, 100);
    o.squareIndex = std::clamp(o.squareIndex, 0, kFigureCount - 1);
    o.cursorMode = std::clamp(o.cursorMode, 0, 2);
    o.backgroundType = o.backgroundType == 0 ? 0 : 1;
    o.colorBack &= 0x00FFFFFF;
    o.colorInk &= 0x00FFFFFF;
    o.colorContour &= 0x00FFFFFF;
}
