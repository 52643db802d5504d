// Paths of library puzzles, user puzzles and saved games, relative to the program's folder.
#pragma once

#include <string>
#include <vector>

// "Puzzles\" + group + "\" + name + ".zpz"
std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name);
// "Puzzles\My puzzles\" + name + ".zpz": where the puzzle editor stores its puzzles.
std::string MakeUserPuzzlePath(const std::string& name);
// "Save\" + name + ".zpz"
std::string MakeSavedGamePath(const std::string& name);

// The name a file shows in the library tree and the Load list: its name less its last four
// characters (the extension) when it is longer than four characters.
std::string PuzzleNameOfFile(const std::string& fileName);

// Sorts names as the player expects to see them listed: by name, letter case ignored (the
// file system may list them in any order).
void SortNamesIgnoringCase(std::vector<std::string>& names);

// A character a file name typed by the player may not hold: < > " \ / * ? : |
bool IsForbiddenFileNameChar(char c);
