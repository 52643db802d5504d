// The ranges of the view options and the other remembered settings, applied wherever a value
// comes from outside the program.
#include <algorithm>

#include "model/game_state.h"

namespace {

int32_t Switch(int32_t value) { return value != 0 ? 1 : 0; }

} // namespace

void LimitViewOptions(ViewOptions& o) {
    o.squareSize = std::clamp(o.squareSize, 24, 64);
    o.opaque = std::clamp(o.opaque, 50, 100);
    o.squareIndex = std::clamp(o.squareIndex, 0, kFigureCount - 1);
    o.cursorMode = std::clamp(o.cursorMode, 0, 2);
    o.backgroundType = o.backgroundType == 0 ? 0 : 1;
    o.colorBack &= 0x00FFFFFF;
    o.colorInk &= 0x00FFFFFF;
    o.colorContour &= 0x00FFFFFF;
    for (int32_t ViewOptions::*flag : {&ViewOptions::autoSize, &ViewOptions::showContour, &ViewOptions::showLegalMove,
                                       &ViewOptions::showShadow, &ViewOptions::showInverse, &ViewOptions::useOneColor})
        o.*flag = Switch(o.*flag);
}

void LimitRememberedSettings(GameState& gs) {
    LimitViewOptions(gs);
    gs.colorShadow &= 0x00FFFFFF;
    // The dialog checks "All figures" for any value but 0 and 1, and that is what is kept.
    if (gs.analyseMode != 0 && gs.analyseMode != 1) gs.analyseMode = 2;
    gs.creationMethod = gs.creationMethod == 1 ? 1 : 0;
    gs.createWidth = std::clamp(gs.createWidth, kMinFieldSide, kMaxFieldSide);
    gs.createHeight = std::clamp(gs.createHeight, kMinFieldSide, kMaxFieldSide);
    for (SoundSetting& sound : gs.sounds) sound.enabled = Switch(sound.enabled);
}
