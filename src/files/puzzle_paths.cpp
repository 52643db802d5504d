// Paths of library puzzles, user puzzles and saved games, relative to the program's folder.
#include "files/puzzle_paths.h"

#include <algorithm>
#include <cctype>
#include <string_view>

std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name) {
    return "Puzzles\\" + group + "\\" + name + ".zpz";
}

std::string MakeUserPuzzlePath(const std::string& name) {
    return MakeLibraryPuzzlePath("My puzzles", name);
}

std::string MakeSavedGamePath(const std::string& name) {
    return "Save\\" + name + ".zpz";
}

std::string PuzzleNameOfFile(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

void SortNamesIgnoringCase(std::vector<std::string>& names) {
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return lower(a) < lower(b);
    });
}

bool IsForbiddenFileNameChar(char c) {
    return std::string_view("<>\"\\/*?:|").find(c) != std::string_view::npos;
}
