// Hints: which laid figures make the field impossible, or where the field is hardest to cover
// and one figure that fits there in some completion.
#pragma once

#include "model/game_state.h"
#include "model/hints.h"

// The hint for the figures on the field (gs.position.placed) on the field in play. A field
// that does not have sixty open cells, at most 64 in all, has no solution for the hint.
PositionHint ComputeHint(const GameState& gs);
