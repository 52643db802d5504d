// Paths of library puzzles, user puzzles and saved games, relative to the program's folder.
#include "files/puzzle_paths.h"

std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name) {
    return "Puzzles\\" + group + "\\" + name + ".zpz";
}

std::string MakeUserPuzzlePath(const std::string& name) {
    return MakeLibraryPuzzlePath("My puzzles", name);
}

std::string MakeSavedGamePath(const std::string& name) {
    return "Save\\" + name + ".zpz";
}
