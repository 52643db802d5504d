// The move history: whole snapshots of the figures (play) or of the editor field.
#include "model/history.h"

#include "model/placement.h"

void ResetHistory(GameState& gs) {
    gs.historyCount = 1;
    gs.historyPosition = 0;
}

bool RecordDrop(GameState& gs) {
    int p = gs.historyPosition >= 0 ? gs.historyPosition : gs.historyCount - 1;
    if (p < 0 || p >= kHistorySteps) return false;
    gs.historyFigures[p] = gs.placed;
    gs.historyCount = p + 2;
    gs.historyPosition = p + 1;
    return true;
}

bool RecordEditorRectangle(GameState& gs) {
    int p = gs.historyPosition;
    if (p < 0 || p >= kHistorySteps) return false;
    gs.historyFields[p] = gs.editorField;
    gs.historyCount = p + 2;
    gs.historyPosition = p + 1;
    return true;
}

bool CanUndo(const GameState& gs) { return gs.historyPosition > 0 && gs.historyCount > 0; }

bool CanRedo(const GameState& gs) {
    return gs.historyPosition >= 0 && gs.historyPosition < gs.historyCount - 1;
}

namespace {

bool StepTo(GameState& gs, int delta) {
    int p = gs.historyPosition, n = gs.historyCount;
    if (p < 0 || n <= 0) return false;
    int to = p + delta;
    if (to < 0) to = 0;
    if (to > n - 1) to = n - 1;
    gs.historyPosition = to;
    RestorePosition(gs);
    gs.handSelection = 0; // after undo or redo nothing is held
    return true;
}

} // namespace

bool Undo(GameState& gs) { return StepTo(gs, -1); }
bool Redo(GameState& gs) { return StepTo(gs, +1); }

void RestorePosition(GameState& gs) {
    int p = gs.historyPosition;
    if (p < 0 || p > kHistorySteps) return;
    if (IsSquaresEditor(gs)) {
        if (p == 0)
            gs.editorField.fill(0);
        else
            gs.editorField = gs.historyFields[p - 1];
        return;
    }
    if (p == 0)
        gs.placed.fill(Figure{});
    else
        gs.placed = gs.historyFigures[p - 1];
    gs.figureCount.fill(1);
    gs.figureCount[0] = 0;
    for (const Figure& f : gs.placed) {
        int k = FigureOf(f.matrix);
        if (k >= 1 && k <= kFigureCount) gs.figureCount[k] = 0;
    }
}

void LoadHistoryPosition(GameState& gs, const Placement& figures) {
    gs.historyFigures[0] = figures;
    gs.historyCount = 2;
    gs.historyPosition = 1;
    RestorePosition(gs);
}
