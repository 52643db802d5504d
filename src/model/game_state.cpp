// The resets of the game state: start-up, new game and the start of the puzzle editor.
#include "model/game_state.h"

#include <algorithm>

#include "model/geometry.h"
#include "model/history.h"
#include "model/shapes.h"

void ResetViewOptions(ViewOptions& options) {
    // The member initialisers of ViewOptions are the defaults; cursorMode is among them (1).
    options = ViewOptions{};
}

namespace {
constexpr const char* kSoundNames[kSoundEventCount] = {"drop", "take", "rotate",
                                                       "level is completed", "error"};
}

std::string SoundEventName(int index) {
    if (index < 0 || index >= kSoundEventCount) return {};
    return kSoundNames[index];
}

std::string DefaultSoundFile(int index) {
    if (index < 0 || index >= kSoundEventCount) return "ERROR";
    return ".\\Sound\\" + SoundEventName(index) + ".wav";
}

void InitGameState(GameState& gs) {
    for (int i = 0; i < kSoundEventCount; ++i) {
        gs.sounds[i].name = SoundEventName(i);
        gs.sounds[i].file = DefaultSoundFile(i);
        gs.sounds[i].enabled = 1;
    }
    gs.fieldWidth = 10;
    gs.fieldHeight = 6;
    BuildOrientationTables(gs);
    NewGameReset(gs);
}

void NewGameReset(GameState& gs) {
    gs.board.fill(0);
    gs.placed.fill(Figure{});
    gs.figureCount.fill(1);
    gs.figureCount[0] = 0;
    gs.handMatrices = BaseShapes();
    gs.figureListCount = kFigureCount + 1;
    gs.handSelection = 0;
    ResetHistory(gs);
    gs.editMode = 0;
    gs.moveMade = 0;
    gs.gameWon = 0;
    gs.rectDrag = 0;
}

void SetCurrentPuzzleField(GameState& gs, int32_t width, int32_t height, const Grid& cells) {
    gs.currentPuzzleField = {.known = true, .width = width, .height = height, .cells = cells};
}

bool PlaysCurrentPuzzle(const GameState& gs) {
    const CurrentPuzzleField& puzzle = gs.currentPuzzleField;
    if (!puzzle.known || puzzle.width != gs.fieldWidth || puzzle.height != gs.fieldHeight) return false;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            if ((At(puzzle.cells, x, y) == kCellBlocked) != (At(gs.board, x, y) == kCellBlocked)) return false;
    return true;
}

bool IsSquaresEditor(const GameState& gs) { return gs.editMode == 1 && gs.creationMethod == 1; }

void StartEditor(GameState& gs) {
    gs.editMode = 1;
    // A hand-edited settings file may hold any size; the editor only works on playable ones.
    gs.createWidth = std::clamp(gs.createWidth, kMinFieldSide, kMaxFieldSide);
    gs.createHeight = std::clamp(gs.createHeight, kMinFieldSide, kMaxFieldSide);
    gs.fieldWidth = gs.createWidth;
    gs.fieldHeight = gs.createHeight;
    if (gs.creationMethod == 1) {
        // The list shows a single square: the empty hand with a square in its centre.
        gs.figureListCount = 1;
        gs.handSelection = 0;
        gs.handMatrices[0][12] = kCellSquare;
    }
    gs.editorField.fill(0);
}

int HeldFigure(const GameState& gs) {
    int sel = gs.handSelection;
    if (sel < 1 || sel > kFigureCount || sel >= gs.figureListCount) return 0;
    return gs.figureCount[sel] != 0 ? sel : 0;
}
