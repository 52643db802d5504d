// Paths of library puzzles, user puzzles and saved games, in the program's or the player's
// folder.
#include "files/puzzle_paths.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

std::string playerFolder;

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

void SetPlayerFolder(std::string folder) {
    playerFolder = std::move(folder);
}

const std::string& PlayerFolder() {
    return playerFolder;
}

std::string ChoosePlayerFolder(bool programFolderWritable, const std::string& localAppData) {
    if (programFolderWritable || localAppData.empty()) return {};
    const bool ends = localAppData.back() == '\\' || localAppData.back() == '/';
    return localAppData + (ends ? "" : "\\") + "Zendrak\\";
}

std::string PlayerPath(const std::string& relative) {
    return playerFolder + relative;
}

bool IsPlayerGroup(const std::string& group) {
    const std::string lower = Lower(group);
    for (const char* mine : {kUserPuzzleGroup, kRandomGroup, kDailyGroup, kSharedGroup})
        if (lower == Lower(mine)) return true;
    return false;
}

std::vector<std::string> MergeLibraryGroups(const std::vector<std::string>& programGroups,
                                            const std::vector<std::string>& playerGroups) {
    if (playerFolder.empty()) return programGroups;
    std::vector<std::string> groups;
    for (const std::string& group : programGroups)
        if (!IsPlayerGroup(group)) groups.push_back(group);
    for (const std::string& group : playerGroups)
        if (IsPlayerGroup(group)) groups.push_back(group);
    SortNamesIgnoringCase(groups);
    return groups;
}

std::vector<std::string> FoldersLeadingTo(const std::string& path) {
    std::vector<std::string> folders;
    for (size_t slash = path.find_first_of("\\/"); slash != std::string::npos;
         slash = path.find_first_of("\\/", slash + 1)) {
        const std::string folder = path.substr(0, slash);
        const bool drive = folder.size() == 2 && folder[1] == ':';
        if (!folder.empty() && !drive && folder.back() != '\\') folders.push_back(folder);
    }
    return folders;
}

std::string FolderOfPath(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string MakeLibraryPuzzlePath(const std::string& group, const std::string& name) {
    return LibraryFilePath(group, name + ".zpz");
}

std::string LibraryFilePath(const std::string& group, const std::string& fileName) {
    const std::string relative = "Puzzles\\" + group + "\\" + fileName;
    return IsPlayerGroup(group) ? PlayerPath(relative) : relative;
}

std::string MakeUserPuzzlePath(const std::string& name) {
    return MakeLibraryPuzzlePath(kUserPuzzleGroup, name);
}

std::string MakeSavedGamePath(const std::string& name) {
    return PlayerPath("Save\\" + name + ".zpz");
}

std::string PuzzleNameOfFile(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
}

void SortNamesIgnoringCase(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return Lower(a) < Lower(b);
    });
}

bool IsForbiddenFileNameChar(char c) {
    return std::string_view("<>\"\\/*?:|").find(c) != std::string_view::npos;
}
