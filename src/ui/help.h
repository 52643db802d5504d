// The user manual, its topics and the home page, opened in the system's viewers.
#pragma once

#include "ui/app.h"

// Topic 0 opens the manual's start page; 1 the tutorial, 2 the Options dialog, 3 the Create
// puzzle dialog.
void ShowHelp(const App& app, int topic);
void OpenHomePage(const App& app);

// What opens a file in its viewer: the system's shell, or in a test a record of what the game
// opens (nullptr puts the shell back).
using ShellOpener = void (*)(HWND owner, const char* file, const char* parameters);
void SetShellOpener(ShellOpener opener);
INT_PTR AboutDialog(App& app);
