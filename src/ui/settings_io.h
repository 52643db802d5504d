// Reading the settings file at start and writing it at exit.
#pragma once

#include "ui/app.h"

// appTitle + ".ini" in the player's folder.
std::string SettingsPath(const App& app);

// Reads the settings into the game state (defaults for whatever is missing), keeps the view
// options within their ranges, marks a first start when there is no file, and restores the
// main window's place.
void LoadSettings(App& app);

// Writes the whole settings file with the main window's current rectangle. Failures are
// silent: the settings of this run are then lost.
void SaveSettings(App& app);
