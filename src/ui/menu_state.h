// Keeping the menu items' enabled states in step with the game.
#pragma once

#include "ui/app.h"

void UpdateMenuStates(App& app);
