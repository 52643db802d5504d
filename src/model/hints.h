// Hints: what one says about the position on the field, the marks it leaves until the next
// move, and how many the puzzle in play has used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/types.h"

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

// The hints of the puzzle in play.
struct Hints {
    int32_t used = 0;    // hints shown on the puzzle in play; saved games keep the count
    int32_t presses = 0; // presses since the last move, at most 2; 0 while nothing is asked
    uint32_t move = 0;   // counts the moves, so that a hint worked out before one is dropped
    std::optional<PositionHint> hint; // the hint of the position on the field, once worked out
    bool operator==(const Hints&) const = default;
};

// A move: the marks go and the next press starts again at the first step.
void ForgetHint(Hints& hints);

enum class HintPress {
    Ask,  // the first press on this position: the hint is to be worked out for hints.move
    Wait, // it is being worked out; it will be shown at this press's step
    Show, // shown at once at this press's step
};
HintPress PressHint(Hints& hints);

// The hint worked out for the position at `move`: kept and counted as used when it is still
// that position's and was asked for. True when it is to be shown.
bool TakeHint(Hints& hints, uint32_t move, const PositionHint& hint);

// The text of the hint on show, if any.
std::optional<std::string> ShownHintText(const Hints& hints);

// What the player is told: "The field cannot be finished with the F where it lies." (and
// "with the F and the L where they lie.", "with the F, the L and the N where they lie.");
// "This square is the hardest to cover." on the first press of a live position and
// "The N fits here." on later presses; "This field has no solution." when nothing helps.
std::string HintText(const PositionHint& hint, int press);

// "with 1 hint", "with 2 hints".
std::string HintsUsedText(int32_t used);
