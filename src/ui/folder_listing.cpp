// Folder and file listings for the library tree and the Load list.
#include "ui/folder_listing.h"

#include <windows.h>

#include <cctype>

#include "files/game_dialogs.h"
#include "files/puzzle_paths.h"

namespace {

// True when opening the name opens a device, whatever the folder holds: CON, PRN, AUX, NUL,
// COM1..COM9 and LPT1..LPT9, letter case ignored, also with an extension ("COM1.zpz"). Such a
// file can only have come from another system, and reading it would read the device, which
// may never end (a serial port waits for data).
bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    bool port = base.starts_with("COM") || base.starts_with("LPT");
    return port && base.size() == 4 && base[3] >= '1' && base[3] <= '9';
}

std::vector<std::string> List(const std::string& pattern, bool folders) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders || name == "." || name == "..") continue;
        if (!folders && IsDeviceName(name)) continue;
        names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    SortNamesIgnoringCase(names);
    return names;
}

} // namespace

std::vector<std::string> ListFolders(const std::string& pattern) {
    return List(pattern, true);
}
std::vector<std::string> ListFiles(const std::string& pattern) {
    return List(pattern, false);
}

std::vector<std::string> ListLibraryGroups() {
    const std::vector<std::string> program = ListFolders(kLibraryGroupsPattern);
    if (PlayerFolder().empty()) return program;
    return MergeLibraryGroups(program, ListFolders(PlayerPath(kLibraryGroupsPattern)));
}
