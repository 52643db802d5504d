// "Save puzzle": saving a new puzzle from the editor, the parts without files: check and trim,
// what to write and what the player is told, then the commit.
#pragma once

#include <optional>
#include <string>

#include "editor/editor_checks.h"
#include "editor/trim.h"
#include "files/puzzle_paths.h"
#include "files/saving.h"
#include "model/message.h"

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
    // The trimmed field as "Puzzles\My puzzles\" + name + ".zpz". Its count of solutions is
    // added when it is known (SavedPuzzleWithCount): the fields that count slowest take over a
    // second, and the window does not wait for them.
    FileToSave file;
};
PuzzleSave StartPuzzleSave(const GameState& gs);

// The saved puzzle's file once its count is known: the same puzzle with [INFO] SOLUTIONS.
// Nothing when the file's text no longer holds that puzzle without a count (it was replaced
// meanwhile): the file is then left as it is.
std::optional<std::string> SavedPuzzleWithCount(const std::string& fileText,
                                                const TrimmedPuzzle& puzzle, uint64_t solutions);

struct PuzzleSaveOutcome {
    Message message;
    bool commit = false; // the file was written: CommitNewPuzzle once the player has read it
};
// After the write: "New puzzle saved succesfully." (question icon), or the failure's message,
// and then the drawing stays exactly as it was.
PuzzleSaveOutcome FinishPuzzleSave(FileSave result);

// After the file was written: ends editing and starts play on the new puzzle, which becomes
// the current puzzle of the user folder under `name`. The caller relayouts and repaints.
void CommitNewPuzzle(GameState& gs, const TrimmedPuzzle& puzzle, const std::string& name);
