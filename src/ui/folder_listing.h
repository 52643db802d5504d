// Listing folders and files with the platform's file search, sorted as the player reads them.
#pragma once

#include <string>
#include <vector>

// Names of the sub-folders matching `pattern` (without "." and ".."), or of the ordinary files
// matching it; sorted by name with letter case ignored. A folder that cannot be listed gives
// an empty list.
std::vector<std::string> ListFolders(const std::string& pattern);
std::vector<std::string> ListFiles(const std::string& pattern);
