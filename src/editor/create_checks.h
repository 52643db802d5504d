// The "Create puzzle" dialog's checks of the typed size and name.
#pragma once

#include <string_view>

// Width and height of the drawing area, as the up-down controls allow.


enum class CreateCheck {
    Ok,
    AreaTooSmall, // width * height below 60: not room for the twelve figures
    NameMissing,
};
// The checks of "OK", in the order the dialog makes them (the overwrite question, which needs
// the file system, comes after).
CreateCheck CheckCreateInput(int width, int height, std::string_view name);

// The text the UI shows for a failed check; empty for Ok.
const char* CreateCheckMessage(CreateCheck check);
