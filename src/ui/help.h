// The user manual, its topics and the home page, opened in the system's viewers.
#pragma once

#include "ui/app.h"

// Topic 0 opens the manual's start page; 1 the tutorial, 2 the Options dialog, 3 the Create
// puzzle dialog.
void ShowHelp(const App& app, int topic);
void OpenHomePage(const App& app);
INT_PTR AboutDialog(App& app);
