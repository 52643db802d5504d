// The name the Save dialog proposes, and the test for a name that is no name.
#include "files/save_name.h"

std::string DefaultSaveName(const std::string& lastFolder, const std::string& lastFile,
                            const std::string& shortDate) {
    std::string name;
    if (!lastFolder.empty()) name += "[" + lastFolder + "] ";
    if (!lastFile.empty()) name += lastFile + " ";
    // The date's separators ('/', '.', '-') cannot all stand in a file name.
    std::string date = shortDate;
    for (char& c : date) {
        if (c < '0' || c > '9') c = '_';
    }
    name += "[" + date + "]";
    return name;
}

bool IsBlankName(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}
