// Listing a library folder: group folders, then the ".zpz" files of each, sorted by name.
#include "library_listing.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::vector<fs::path> SortedEntries(const fs::path& dir, bool folders) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (folders ? e.is_directory() : (e.is_regular_file() && e.path().extension() == ".zpz"))
            entries.push_back(e.path());
    }
    std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
        return Lower(a.filename().string()) < Lower(b.filename().string());
    });
    return entries;
}

} // namespace

LibraryListing ListLibrary(const fs::path& dir) {
    LibraryListing listing;
    for (const fs::path& group : SortedEntries(dir, true)) {
        ++listing.groups;
        for (const fs::path& file : SortedEntries(group, false))
            listing.puzzles.push_back({group.filename().string(), file.stem().string(), file});
    }
    return listing;
}
