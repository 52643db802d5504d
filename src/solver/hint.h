// Hints: which laid figures make the field impossible, or where the field is hardest to cover
// and one figure that fits there in some completion.
#pragma once

#include <string>
#include <vector>

#include "model/game_state.h"

enum class HintKind {
    NoSolution, // the field cannot be tiled at all, whatever lies on it
    Dead,       // the figures laid cannot be completed: `culprits` are in the way
    Live,       // the position can be completed: the hardest cell and a figure for it
};

struct PositionHint {
    HintKind kind = HintKind::NoSolution;
    // Dead: the fewest laid figures whose removal makes the position completable; among sets
    // of that size the first in the order of the figures' numbers (1..12).
    std::vector<int> culprits;
    // Live: the open cell with the fewest ways to be covered in any completion (the first in
    // row order among equals), and the first piece in a fixed order (figure, orientation,
    // row, column) that covers it in some completion.
    Point cell;
    Figure ghost;         // its matrix (a catalogue orientation) and top-left cell
    int orientation = -1; // the catalogue index of ghost.matrix: the saved game's F
    bool operator==(const PositionHint&) const = default;
};

// The hint for the figures on the field (gs.position.placed) on the field in play. A field
// that does not have sixty open cells, at most 64 in all, has no solution for the hint.
PositionHint ComputeHint(const GameState& gs);

// What the player is told: "The field cannot be finished with the F where it lies." (and
// "with the F and the L where they lie.", "with the F, the L and the N where they lie.");
// "This square is the hardest to cover." on the first press of a live position and
// "The N fits here." on later presses; "This field has no solution." when nothing helps.
std::string HintText(const PositionHint& hint, int press);
