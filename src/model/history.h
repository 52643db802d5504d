// The move history: snapshots of the twelve records (play) or of the editor field.
#pragma once

#include <vector>

#include "model/game_state.h"

// One position, nothing recorded yet.
void ResetHistory(GameState& gs);

// Records `placed` as a new position after the current one (cuts the redo part away).
// Returns false when the 300-step cap was reached and nothing was recorded.
bool RecordDrop(GameState& gs);

// Records editorField as a new position after the current one.
bool RecordEditorRectangle(GameState& gs);

// Steps back or forward and restores that position; the hand becomes empty.
// Returns false when there was nothing to do (no selection, no positions).
bool Undo(GameState& gs);
bool Redo(GameState& gs);
bool CanUndo(const GameState& gs);
bool CanRedo(const GameState& gs);

// The whole history of play at once: snapshots[i] is position i + 1 after the empty field of
// position 0, and `position` is the current one, restored. False, and nothing changes, unless
// there are 1 to kHistorySteps snapshots and the position is one of them or 0.
bool RestoreHistory(GameState& gs, const std::vector<Placement>& snapshots, int position);

// Makes the history two positions long with `figures` as position 1 and restores it: what
// loading a saved game does.
void LoadHistoryPosition(GameState& gs, const Placement& figures);
