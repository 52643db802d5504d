// Listing folders and files with the platform's file search, sorted as the player reads them.
#pragma once

#include <string>
#include <vector>

// Names of the sub-folders matching `pattern` (without "." and ".."), or of the ordinary files
// matching it; sorted by name with letter case ignored. A folder that cannot be listed gives
// an empty list. A file whose name the system takes for a device (CON, AUX, COM1 ... with any
// extension) is no ordinary file: opening it by its name would open the device.
std::vector<std::string> ListFolders(const std::string& pattern);
std::vector<std::string> ListFiles(const std::string& pattern);

// The library's groups: those of the program's folder, and the player's own groups from the
// player's folder when that is another.
std::vector<std::string> ListLibraryGroups();
