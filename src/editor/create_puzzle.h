// The "Create puzzle" dialog: what it opens with, its checks, and the editor that OK starts.
#pragma once

#include <optional>
#include <string>

#include "model/game_state.h"
#include "model/message.h"

// The dialog's values: the drawing area's size (3..24 each way, as the arrows allow), the
// creation method and the new puzzle's name.
struct CreatePuzzleForm {
    int width = 0;
    int height = 0;
    CreationMethod method = CreationMethod::ByFigures;
    std::string name;
    bool operator==(const CreatePuzzleForm&) const = default;
};

// The remembered values; a size from a hand-edited settings file is brought into range.
CreatePuzzleForm OpenCreatePuzzle(const GameState& gs);

// OK's checks in order: an area below 60 squares, then a blank name. The first failure's
// message (no icon), and the dialog stays. The overwrite question, which needs the file
// system, comes after (MakeUserPuzzlePath of the name).
std::optional<Message> CheckCreatePuzzle(const CreatePuzzleForm& form);

// OK after the checks (and a Yes when the file exists): the settings remember the form and a
// new game switches into the editor. The caller relayouts and repaints.
void StartCreatingPuzzle(GameState& gs, const CreatePuzzleForm& form);
