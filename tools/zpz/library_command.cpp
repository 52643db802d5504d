// zpz library: every puzzle of every group folder must be valid, have 60 open cells and be
// solvable.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "files/puzzle_file.h"
#include "model/game_state.h"
#include "zpz.h"

namespace fs = std::filesystem;

namespace {

const char kHelp[] =
    "usage: zpz library DIR\n"
    "\n"
    "Checks every puzzle DIR/GROUP/NAME.zpz: it must be valid, have exactly 60 open\n"
    "cells and be solvable. Prints one line per puzzle and a summary line.\n"
    "Exit status: 0 all good, 1 some puzzle failed, 2 usage error or no such folder.\n";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Entries sorted by name with letter case ignored, as the game shows them.
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

// The fault of one puzzle, or an empty string when it is good.
std::string CheckPuzzle(GameState& gs, const fs::path& file, PuzzleImage& image) {
    std::string reason;
    if (!ReadPuzzleFile(file.string(), false, gs.orientationCatalogue, image, &reason))
        return "invalid: " + reason;
    int open = 0;
    for (int r = 0; r < image.height; ++r)
        for (int c = 0; c < image.width; ++c) open += At(image.cells, c, r) == kCellOpen;
    if (open != 60) return "has " + std::to_string(open) + " open cells, expected 60";
    if (!SolveImage(gs, image)) return "no variant";
    return {};
}

} // namespace

int RunLibrary(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    std::error_code ec;
    if (args.size() != 1 || !fs::is_directory(args[0], ec)) {
        if (args.size() == 1) std::fprintf(stderr, "zpz library: %s: no such folder\n", args[0].c_str());
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    int total = 0, failed = 0, groups = 0;
    for (const fs::path& group : SortedEntries(args[0], true)) {
        ++groups;
        for (const fs::path& file : SortedEntries(group, false)) {
            ++total;
            PuzzleImage image;
            std::string fault = CheckPuzzle(gs, file, image);
            std::string name = group.filename().string() + "/" + file.stem().string();
            if (fault.empty()) {
                std::printf("%s: ok %dx%d\n", name.c_str(), image.width, image.height);
            } else {
                ++failed;
                std::printf("%s: FAILED: %s\n", name.c_str(), fault.c_str());
            }
        }
    }
    std::printf("library %s: %d groups, %d puzzles, %d failed\n", args[0].c_str(), groups, total, failed);
    return failed == 0 ? kExitOk : kExitFailed;
}
