// Reading and writing a whole file in one go, as both file kinds of the game are handled.
#include "files/whole_file.h"

#include <cstdio>

bool ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char buffer[4096];
    std::size_t got = 0;
    bool tooLarge = false;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
        // No file of the game comes near this size; a larger one is not the game's.
        if (text.size() > kMaxFileBytes) {
            tooLarge = true;
            break;
        }
    }
    // A folder opens on some systems but fails on reading; that counts as unreadable.
    bool ok = std::ferror(file) == 0 && !tooLarge;
    std::fclose(file);
    if (!ok) text.clear();
    return ok;
}
