// "Save puzzle": saving a new puzzle from the editor, the parts without files: check and trim,
// what to write and what the player is told, then the commit.
#pragma once

#include <optional>
#include <string>

#include "editor/editor_checks.h"
#include "editor/trim.h"
#include "files/saving.h"
#include "model/message.h"

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

// "Save puzzle" up to the write.
struct PuzzleSave {
    bool editing = false;           // outside the editor the command does nothing
    std::optional<Message> refusal; // a failed check (information icon): nothing is written
    TrimmedPuzzle puzzle;
    uint64_t solutions = 0; // counted here and written with the field
    FileToSave file; // the trimmed field and its count as "Puzzles\My puzzles\" + name + ".zpz"
};
PuzzleSave StartPuzzleSave(const GameState& gs);

struct PuzzleSaveOutcome {
    Message message;
    bool commit = false; // the file was written: CommitNewPuzzle once the player has read it
};
// After the write: "New puzzle saved succesfully." (question icon), or the failure's message,
// and then the drawing stays exactly as it was.
PuzzleSaveOutcome FinishPuzzleSave(FileSave result);

// After the file was written: ends editing and starts play on the new puzzle, which becomes
// the current puzzle of the user folder under `name`, with the count of solutions written with
// it. The caller relayouts and repaints.
void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name,
                     int64_t solutions = -1);
