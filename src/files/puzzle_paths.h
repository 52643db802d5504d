// Paths of library puzzles, user puzzles and saved games, relative to the program's folder.
#pragma once

#include <string>

// "Puzzles\" + group + "\" + name + ".zpz"
std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name);
// "Puzzles\My puzzles\" + name + ".zpz": where the puzzle editor stores its puzzles.
std::string MakeUserPuzzlePath(const std::string& name);
// "Save\" + name + ".zpz"
std::string MakeSavedGamePath(const std::string& name);
