// The modal dialogs of the Game and Position menus, each in its own file.
#pragma once

#include "model/message.h"
#include "ui/app.h"

// Every dialog follows one convention: RunDialog opens it over the main window with the App as
// its parameter; its procedure takes the App from AttachApp (null before WM_INITDIALOG) and
// never from a global; it ends with IDOK when it acted and IDCANCEL when it did not. Its
// decisions are the core's; the procedure moves values between controls and the model.
INT_PTR RunDialog(App& app, int resource, DLGPROC procedure);
App* AttachApp(HWND dialog, UINT message, LPARAM lParam);

// Shows a message of the core's in a message box owned by `owner`; returns the button pressed.
int ShowMessage(HWND owner, const Message& message);

// New game: choose a puzzle of the library. 1 when a new game was started, 2 on Cancel.
INT_PTR NewGameDialog(App& app);
// Save: save the game under a typed name. 1 after an attempt to save, 2 on Cancel.
INT_PTR SaveDialog(App& app);
// Load: resume a saved game, or delete one. 1 on OK, 2 on Cancel.
INT_PTR LoadDialog(App& app);
// Analyse by computer: search the position and lay none, one or all missing figures.
INT_PTR AnalyseDialog(App& app);
// Options: the view options with previews; OK and Apply redraw the game. 1 on OK, 2 on Cancel.
INT_PTR OptionsDialog(App& app);
// Sound: the five sound events' switches and files. 1 on OK, 2 on Cancel.
INT_PTR SoundDialog(App& app);

// Create puzzle: size, method and name; OK switches the game into the editor.
INT_PTR CreatePuzzleDialog(App& app);
// "Save puzzle": checks the drawing and stores it as a puzzle of "My puzzles", then plays it.
void SavePuzzle(App& app);

// Saves the current game as "Save\" + name + ".zpz", talking to the player.
void SaveGame(App& app, const std::string& name);

