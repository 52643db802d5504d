// Paths of library puzzles, user puzzles and saved games. The shipped files are named
// relative to the program's folder (the game makes it the current directory at start); the
// player's own files (the settings, the resume file, saved games and the player's groups)
// lie in the player's folder, which is the program's folder too unless that cannot be written.
#pragma once

#include <string>
#include <vector>

// The library groups the player's own puzzles go to: the editor's, the generator's, the daily
// puzzles and the puzzles opened from codes.
inline constexpr const char* kUserPuzzleGroup = "My puzzles";
inline constexpr const char* kRandomGroup = "Random";
inline constexpr const char* kDailyGroup = "Daily";
inline constexpr const char* kSharedGroup = "Shared";

// The player's folder as a prefix: empty for the program's folder, else a folder ending in
// "\". Set once at start; empty until then (zpz and the tests).
void SetPlayerFolder(std::string folder);
const std::string& PlayerFolder();
// The player's folder for a program folder that can or cannot be written: the program's own
// (empty), or localAppData + "\Zendrak\". Without a known localAppData the program's folder
// stays, as nothing better is at hand.
std::string ChoosePlayerFolder(bool programFolderWritable, const std::string& localAppData);
// A player's file or folder, named as in the program's folder ("Zendrak.ini", "Save\x.zpz"),
// in the player's folder.
std::string PlayerPath(const std::string& relative);
// "My puzzles", "Random", "Daily" and "Shared", letter case ignored: the library groups the
// player writes.
bool IsPlayerGroup(const std::string& group);
// The New game tree's groups: the library's groups of the program's folder and the player's
// groups found in the player's folder, sorted as listed. With one folder for both, the
// program's list as it is.
std::vector<std::string> MergeLibraryGroups(const std::vector<std::string>& programGroups,
                                            const std::vector<std::string>& playerGroups);
// The folders that lead to a file, outer before inner ("Save\a.zpz" gives "Save"; a drive
// such as "C:" is not a folder to make).
std::vector<std::string> FoldersLeadingTo(const std::string& path);
// The folder part of a path without its last "\"; "." for a bare name.
std::string FolderOfPath(const std::string& path);

// "Puzzles\" + group + "\" + name + ".zpz", in the player's folder for a player's group.
std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name);
// The same for a file name as listed ("name.zpz").
std::string LibraryFilePath(const std::string& group, const std::string& fileName);
// "Puzzles\My puzzles\" + name + ".zpz": where the puzzle editor stores its puzzles.
std::string MakeUserPuzzlePath(const std::string& name);
// "Save\" + name + ".zpz" in the player's folder.
std::string MakeSavedGamePath(const std::string& name);

// The name a file shows in the library tree and the Load list: its name less its last four
// characters (the extension) when it is longer than four characters.
std::string PuzzleNameOfFile(const std::string& fileName);

// Sorts names as the player expects to see them listed: by name, letter case ignored (the
// file system may list them in any order).
void SortNamesIgnoringCase(std::vector<std::string>& names);

// A character a file name typed by the player may not hold: < > " \ / * ? : |
bool IsForbiddenFileNameChar(char c);
