// The puzzles of a library folder, groups and puzzles sorted by name with letter case ignored
// (the order in which Windows lists them).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct LibraryPuzzle {
    std::string group;
    std::string name; // the file name without ".zpz"
    std::filesystem::path file;
};

struct LibraryListing {
    int groups = 0; // every folder directly inside the library, also one without puzzles
    std::vector<LibraryPuzzle> puzzles;
};

LibraryListing ListLibrary(const std::filesystem::path& dir);
