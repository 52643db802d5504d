// Folder and file listings for the library tree and the Load list.
#include "ui/folder_listing.h"

#include <windows.h>

#include "files/puzzle_paths.h"

namespace {

std::vector<std::string> List(const std::string& pattern, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders || name == "." || name == "..") continue;
        names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    SortNamesIgnoringCase(names);
    return names;
}

} // namespace

std::vector<std::string> ListFolders(const std::string& pattern) { return List(pattern, true); }
std::vector<std::string> ListFiles(const std::string& pattern) { return List(pattern, false); }
