// The modal dialogs of the Game and Position menus, each in its own file.
#pragma once

#include <functional>
#include <string>

#include "model/message.h"
#include "ui/app.h"

// Every dialog follows one convention: RunDialog opens it over the main window with its
// handlers as the dialog's parameter, and one procedure hands each message to them. A handler
// captures the App it works on (no global lookup); a dialog ends with IDOK when it acted and
// IDCANCEL when it did not (Cancel always ends it so). Its decisions are the core's; the
// handlers move values between the controls and the model and show what the decision says.
struct DialogHandlers {
    std::function<BOOL(HWND)> init = nullptr;              // WM_INITDIALOG; FALSE: it set the focus
    std::function<void(HWND)> ok = nullptr;                // the OK button
    std::function<void(HWND, int, int)> command = nullptr; // any other command: id, notification
    std::function<BOOL(HWND, const NMHDR&)> notify = nullptr; // WM_NOTIFY
    std::function<void(HWND, const DRAWITEMSTRUCT&)> drawItem = nullptr;
    std::function<void(HWND)> destroy = nullptr;   // WM_DESTROY
    std::function<void(HWND)> counted = nullptr;   // a count of solutions it asked for is known
    std::function<void(HWND)> generated = nullptr; // the puzzle it asked for is made (or not)
};

// Posted to the Random puzzle dialog when its background generation has ended.
constexpr UINT WM_PUZZLE_GENERATED = WM_APP + 2;
// The game's clock pauses while a dialog is open.
INT_PTR RunDialog(App& app, int resource, const DialogHandlers& handlers);

// Shows a message of the core's in a message box owned by `owner`; returns the button pressed.
int ShowMessage(HWND owner, const Message& message);

// New game: choose a puzzle of the library.
INT_PTR NewGameDialog(App& app);
// Save: save the game under a typed name.
INT_PTR SaveDialog(App& app);
// Open puzzle code: play the puzzle of a pasted code.
INT_PTR OpenCodeDialog(App& app);
// Copy puzzle code: the field in play as a code on the clipboard.
void CopyPuzzleCode(App& app);
// Load: resume a saved game, or delete one.
INT_PTR LoadDialog(App& app);
// Analyse by computer: search the position and lay none, one or all missing figures.
INT_PTR AnalyseDialog(App& app);
// Options: the view options with previews; OK and Apply redraw the game.
INT_PTR OptionsDialog(App& app);
// Sound: the five sound events' switches and files.
INT_PTR SoundDialog(App& app);
// Random puzzle: make a new puzzle of a chosen difficulty and play it.
INT_PTR RandomPuzzleDialog(App& app);

// Create puzzle: size, method and name; OK switches the game into the editor.
INT_PTR CreatePuzzleDialog(App& app);
// "Save puzzle": checks the drawing and stores it as a puzzle of "My puzzles", then plays it.
void SavePuzzle(App& app);
// Adds the counts that have arrived to the files of the puzzles saved before them (on
// WM_SOLUTIONS_COUNTED for CountPurpose::SavedPuzzle).
void AddSavedPuzzleCounts(App& app);

// Saves the current game as "Save\" + name + ".zpz", talking to the player.
void SaveGame(App& app, const std::string& name);
