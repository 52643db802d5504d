// zpz library: every puzzle of every group folder must be valid, have 60 open cells, be
// solvable and differ from every other puzzle of the library.
#include <cstdio>
#include <map>

#include "files/puzzle_file.h"
#include "image_field.h"
#include "library_listing.h"
#include "model/game_state.h"
#include "solver/tiling_count.h"
#include "zpz.h"

namespace fs = std::filesystem;

namespace {

const char kHelp[] =
    "usage: zpz library DIR\n"
    "\n"
    "Checks every puzzle DIR/GROUP/NAME.zpz: it must be valid, have exactly 60 open\n"
    "cells, be solvable and have a field of its own: two puzzles whose open cells\n"
    "have the same shape, turned or mirrored, wherever they lie on their fields, are\n"
    "duplicates, and the later one fails. A count in [INFO] SOLUTIONS must be its\n"
    "number of distinct tilings. Prints one line per puzzle and a summary\n"
    "line.\n"
    "Exit status: 0 all good, 1 some puzzle failed, 2 usage error or no such folder.\n";

// The fault of one puzzle, or an empty string when it is good. shapes maps the canonical key
// of every good field seen so far to its puzzle.
std::string CheckPuzzle(const LibraryPuzzle& puzzle, PuzzleImage& image,
                        std::map<std::string, std::string>& shapes) {
    std::string reason;
    if (!ReadPuzzleFile(puzzle.file.string(), false, Orientations().catalogue, image, &reason))
        return "invalid: " + reason;
    int open = 0;
    for (int r = 0; r < image.height; ++r)
        for (int c = 0; c < image.width; ++c)
            open += At(image.cells, c, r) == kCellOpen;
    if (open != 60) return "has " + std::to_string(open) + " open cells, expected 60";
    std::string key = CanonicalKey(TrimmedShape(image));
    auto [at, fresh] = shapes.emplace(key, puzzle.group + "/" + puzzle.name);
    if (!fresh) return "same field as " + at->second;
    const uint64_t solutions = CountSolutions(ComposedField(image));
    if (solutions == 0) return "no tiling";
    if (image.solutions >= 0 && static_cast<uint64_t>(image.solutions) != solutions)
        return "SOLUTIONS = " + std::to_string(image.solutions) + ", counted " +
               std::to_string(solutions);
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
        if (args.size() == 1)
            std::fprintf(stderr, "zpz library: %s: no such folder\n", args[0].c_str());
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    LibraryListing listing = ListLibrary(args[0]);
    std::map<std::string, std::string> shapes;
    int failed = 0;
    for (const LibraryPuzzle& puzzle : listing.puzzles) {
        PuzzleImage image;
        std::string fault = CheckPuzzle(puzzle, image, shapes);
        std::string name = puzzle.group + "/" + puzzle.name;
        if (fault.empty()) {
            std::printf("%s: ok %dx%d\n", name.c_str(), image.width, image.height);
        } else {
            ++failed;
            std::printf("%s: FAILED: %s\n", name.c_str(), fault.c_str());
        }
    }
    std::printf("library %s: %d groups, %zu puzzles, %d failed\n", args[0].c_str(), listing.groups,
                listing.puzzles.size(), failed);
    return failed == 0 ? kExitOk : kExitFailed;
}
