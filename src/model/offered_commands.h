// Which commands the game offers in its present state: the enabled items of its menu.
#pragma once

#include "model/game_state.h"

struct OfferedCommands {
    bool savePuzzle = false; // only while the editor is open
    bool saveGame = false;   // in play, after a move not yet saved
    bool analyse = false;    // the analysis, printing and copying of the position: in play
    bool printPosition = false;
    bool copyImage = false;
    bool hint = false; // in play, not won
    bool undo = false;
    bool redo = false;
    bool operator==(const OfferedCommands&) const = default;
};

OfferedCommands CommandsOffered(const GameState& gs);
