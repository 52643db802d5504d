// The main window's commands: menus, accelerators and the list notifications.
#pragma once

#include "ui/app.h"

// Carries out command `id` (with the control's notification code) and brings the menu states
// up to date. False for an id the window does not handle (default processing).
bool OnCommand(App& app, int id, int notification);
