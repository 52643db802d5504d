// Saving a new puzzle from the editor, the parts without files: check and trim, then commit.
#pragma once

#include <string>

#include "editor/editor_checks.h"
#include "editor/trim.h"

// The library folder that holds the player's own puzzles.
constexpr const char* kUserPuzzleFolder = "My puzzles";

struct PreparedPuzzle {
    EditorCheck check = EditorCheck::Ok;
    TrimmedPuzzle puzzle; // meaningful only when check is Ok
};

// Runs the check of the creation method ("By figures": all figures laid, composed from
// `placed`; "By squares": the editor field) and, when it passes, trims the drawing.
// The game state is not changed: the UI writes the file first.
PreparedPuzzle PrepareNewPuzzle(const GameState& gs);

// After the file was written: ends editing and starts play on the new puzzle, which becomes
// the current puzzle of the user folder under `name`. The caller relayouts and repaints.
void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name);
