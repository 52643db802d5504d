// The move history: whole snapshots of the figures (play) or of the editor field.
#include "model/history.h"

#include <algorithm>

#include "model/placement.h"

namespace {

// Restores the position the history points at.
void RestorePosition(GameState& gs) {
    ForgetHint(gs.hints);
    int p = gs.position.historyPosition;
    if (p < 0 || p > kHistorySteps) return;
    if (IsSquaresEditor(gs)) {
        if (p == 0)
            gs.editor.field.fill(0);
        else
            gs.editor.field = gs.position.historyFields[p - 1];
        return;
    }
    if (p == 0)
        gs.position.placed.fill(Figure{});
    else
        gs.position.placed = gs.position.historyFigures[p - 1];
    gs.position.inList.fill(1);
    gs.position.inList[0] = 0;
    for (const Figure& f : gs.position.placed) {
        int k = FigureOf(f.matrix);
        if (k >= 1 && k <= kFigureCount) gs.position.inList[k] = 0;
    }
}

} // namespace

void ResetHistory(GameState& gs) {
    gs.position.historyCount = 1;
    gs.position.historyPosition = 0;
}

bool RecordDrop(GameState& gs) {
    ForgetHint(gs.hints);
    int p = gs.position.historyPosition >= 0 ? gs.position.historyPosition
                                             : gs.position.historyCount - 1;
    if (p < 0 || p >= kHistorySteps) return false;
    gs.position.historyFigures[p] = gs.position.placed;
    gs.position.historyCount = p + 2;
    gs.position.historyPosition = p + 1;
    return true;
}

bool RecordEditorRectangle(GameState& gs) {
    int p = gs.position.historyPosition;
    if (p < 0 || p >= kHistorySteps) return false;
    gs.position.historyFields[p] = gs.editor.field;
    gs.position.historyCount = p + 2;
    gs.position.historyPosition = p + 1;
    return true;
}

bool CanUndo(const GameState& gs) {
    return gs.position.historyPosition > 0 && gs.position.historyCount > 0;
}

bool CanRedo(const GameState& gs) {
    return gs.position.historyPosition >= 0 &&
           gs.position.historyPosition < gs.position.historyCount - 1;
}

namespace {

bool StepTo(GameState& gs, int delta) {
    int p = gs.position.historyPosition, n = gs.position.historyCount;
    if (p < 0 || n <= 0) return false;
    int to = p + delta;
    if (to < 0) to = 0;
    if (to > n - 1) to = n - 1;
    gs.position.historyPosition = to;
    RestorePosition(gs);
    gs.hand.selection = 0; // after undo or redo nothing is held
    return true;
}

} // namespace

bool Undo(GameState& gs) {
    return StepTo(gs, -1);
}
bool Redo(GameState& gs) {
    return StepTo(gs, +1);
}

bool RestoreHistory(GameState& gs, const std::vector<Placement>& snapshots, int position) {
    const int count = static_cast<int>(snapshots.size());
    if (count < 1 || count > kHistorySteps || position < 0 || position > count) return false;
    std::copy(snapshots.begin(), snapshots.end(), gs.position.historyFigures.begin());
    gs.position.historyCount = count + 1;
    gs.position.historyPosition = position;
    RestorePosition(gs);
    return true;
}

void LoadHistoryPosition(GameState& gs, const Placement& figures) {
    RestoreHistory(gs, {figures}, 1);
}
