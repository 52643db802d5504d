// zpz check: one line per file, valid with its size and counts, or invalid with the reason.
#include <cstdio>
#include <filesystem>

#include "files/puzzle_file.h"
#include "image_field.h"
#include "model/game_state.h"
#include "zpz.h"

namespace {

const char kHelp[] = "usage: zpz check [--figures] FILE...\n"
                     "\n"
                     "Reads each FILE as a puzzle (with --figures as a saved game) and prints\n"
                     "  FILE: valid WxH open=N figures=K\n"
                     "or\n"
                     "  FILE: invalid: REASON\n"
                     "Exit status: 0 all valid, 1 some invalid, 2 usage error or missing file.\n";

int OpenCells(const PuzzleImage& image) {
    int open = 0;
    for (int r = 0; r < image.height; ++r)
        for (int c = 0; c < image.width; ++c)
            open += At(image.cells, c, r) == kCellOpen;
    return open;
}

} // namespace

int RunCheck(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    bool withFigures = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--figures")
            withFigures = true;
        else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "zpz check: unknown option '%s'\n\n%s", a.c_str(), kHelp);
            return kExitUsage;
        } else
            files.push_back(a);
    }
    if (files.empty()) {
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    int status = kExitOk;
    for (const std::string& file : files) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            std::fprintf(stderr, "zpz check: %s: no such file\n", file.c_str());
            status = kExitUsage;
            continue;
        }
        PuzzleImage image;
        std::string reason;
        if (ReadPuzzleFile(file, withFigures, Orientations().catalogue, image, &reason)) {
            std::printf("%s: valid %dx%d open=%d figures=%d\n", file.c_str(), image.width,
                        image.height, OpenCells(image), FiguresOnField(image));
        } else {
            std::printf("%s: invalid: %s\n", file.c_str(), reason.c_str());
            if (status == kExitOk) status = kExitFailed;
        }
    }
    return status;
}
