// The resets of the game state: start-up, new game and the start of the puzzle editor.
#include "model/game_state.h"

#include <algorithm>

#include "model/geometry.h"
#include "model/history.h"
#include "model/shapes.h"

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
    gs = GameState{};
    for (int i = 0; i < kSoundEventCount; ++i) {
        gs.settings.sounds[i].name = SoundEventName(i);
        gs.settings.sounds[i].file = DefaultSoundFile(i);
    }
    NewGameReset(gs);
}

void NewGameReset(GameState& gs) {
    gs.position.board.fill(0);
    gs.position.placed.fill(Figure{});
    gs.position.inList.fill(1);
    gs.position.inList[0] = 0;
    gs.hand.matrices = BaseShapes();
    gs.hand.listEntries = kFigureCount + 1;
    gs.hand.selection = 0;
    ResetHistory(gs);
    gs.editor.mode = EditMode::Playing;
    gs.position.unsavedChanges = false;
    gs.position.gameWon = false;
    gs.editor.rectDrag = RectangleDrag::None;
    ForgetHint(gs.hints);
    gs.hints.used = 0;
}

void SetCurrentPuzzleField(GameState& gs, int32_t width, int32_t height, const Grid& cells,
                           int64_t solutions) {
    gs.position.currentPuzzleField = {
        .known = true, .width = width, .height = height, .cells = cells, .solutions = solutions};
}

bool IsCurrentPuzzleField(const GameState& gs, int32_t width, int32_t height, const Grid& cells) {
    const CurrentPuzzleField& puzzle = gs.position.currentPuzzleField;
    if (!puzzle.known || puzzle.width != width || puzzle.height != height) return false;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x)
            if ((At(puzzle.cells, x, y) == kCellBlocked) != (At(cells, x, y) == kCellBlocked))
                return false;
    return true;
}

bool PlaysCurrentPuzzle(const GameState& gs) {
    return IsCurrentPuzzleField(gs, gs.position.fieldWidth, gs.position.fieldHeight,
                                gs.position.board);
}

bool IsSquaresEditor(const GameState& gs) {
    return gs.editor.mode == EditMode::Editing &&
           gs.settings.creationMethod == CreationMethod::BySquares;
}

void StartEditor(GameState& gs) {
    gs.editor.mode = EditMode::Editing;
    gs.settings.createWidth = LimitEditorSide(gs.settings.createWidth);
    gs.settings.createHeight = LimitEditorSide(gs.settings.createHeight);
    gs.position.fieldWidth = gs.settings.createWidth;
    gs.position.fieldHeight = gs.settings.createHeight;
    if (gs.settings.creationMethod == CreationMethod::BySquares) {
        // The list shows a single square: the empty hand with a square in its centre.
        gs.hand.listEntries = 1;
        gs.hand.selection = 0;
        gs.hand.matrices[0][12] = kCellSquare;
    }
    gs.editor.field.fill(0);
}

int HeldFigure(const GameState& gs) {
    return HeldFigure(gs, gs.hand.selection);
}

int HeldFigure(const GameState& gs, int sel) {
    if (sel < 1 || sel > kFigureCount || sel >= gs.hand.listEntries) return 0;
    return gs.position.inList[sel] != 0 ? sel : 0;
}
