// The ranges of the settings, applied wherever a value comes from outside the program.
#include <algorithm>

#include "model/game_state.h"

int32_t LimitSquareSize(int32_t size) {
    return std::clamp(size, kMinSquareSize, kMaxSquareSize);
}

int32_t LimitOpacity(int32_t percent) {
    return std::clamp(percent, kMinOpacity, kMaxOpacity);
}

int32_t LimitEditorSide(int32_t side) {
    return std::clamp(side, kMinFieldSide, kMaxFieldSide);
}

void LimitViewOptions(ViewOptions& o) {
    o.squareSize = LimitSquareSize(o.squareSize);
    o.opacityPercent = LimitOpacity(o.opacityPercent);
    o.squareIndex = std::clamp(o.squareIndex, 0, kFigureCount - 1);
    o.colorBack &= 0x00FFFFFF;
    o.colorInk &= 0x00FFFFFF;
    o.colorContour &= 0x00FFFFFF;
}

void LimitSettings(Settings& s) {
    LimitViewOptions(s.view);
    s.colorShadow &= 0x00FFFFFF;
    s.createWidth = LimitEditorSide(s.createWidth);
    s.createHeight = LimitEditorSide(s.createHeight);
    s.randomPuzzle.width = std::clamp(s.randomPuzzle.width, kLeastRandomSide, kMaxFieldSide);
    s.randomPuzzle.height = std::clamp(s.randomPuzzle.height, kLeastRandomSide, kMaxFieldSide);
    LimitDailyStreak(s.daily);
}
