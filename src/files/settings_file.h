// The settings file: its name, its text as written at exit and its reading at start.
#pragma once

#include <string>

#include "model/game_state.h"

// The settings file's name in the program's folder: appTitle + ".ini".
std::string SettingsFileName(const std::string& appTitle);

// The whole file text: sections OPTIONS, LAST, SOLVED_PUZZLES, SOUND, WINDOW, BEST_TIMES and
// RANDOM_PUZZLE in this order, then DAILY once a daily puzzle was won on its date;
// "KEY = value" lines with CR LF, colours in decimal. windowRect is the main window's
// rectangle at the time of writing.
std::string WriteSettingsText(const Settings& settings, const Rect& windowRect);

// Fills the settings and the saved window rectangle from the file's text; every key that is
// missing takes its default, so an empty text (no file) gives all defaults. Every value is
// brought into its range (a hand-edited file may hold anything); the cursor mode always
// starts as the middle square, whatever the file says. Names are cut to kMaxNameLength
// characters, and blanks the cut leaves at the end are dropped.
void ReadSettingsText(const std::string& text, Settings& settings, Rect& windowRect);
