// The orientation pop-up menus, one for figures of 1, 2, 4 and 8 orientations, and their
// owner-drawn commands.
#pragma once

#include "ui/app.h"

// Loads the four menus and makes their items owner-drawn, so that they show the orientations.
void LoadOrientationMenus(App& app);

// The pop-up for a figure with `count` orientations; null for any other count.
HMENU OrientationMenuFor(const App& app, int count);

// Orientation number (1..8) of a command of these menus, 0 for any other command.
int OrientationOfCommand(int commandId);
