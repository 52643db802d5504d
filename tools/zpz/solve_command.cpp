// zpz solve: runs the game's own analysis search on a puzzle or saved game.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "files/puzzle_file.h"
#include "model/history.h"
#include "model/shapes.h"
#include "solver/analyse.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz solve [--time] FILE\n"
    "\n"
    "Reads FILE with its figures, composes the board and runs the analysis search\n"
    "from figure 1. Prints \"solved\" and one line per field row ('#' a blocked cell,\n"
    "I L T V W Y Z P F U X N the figures 1 to 12), or \"no variant\".\n"
    "--time adds a last line time_ms=T, the search's own time in milliseconds.\n"
    "Exit status: 0 solved, 1 no variant, 2 usage error, missing or invalid file.\n";

void PrintTiling(const GameState& gs) {
    for (int r = 0; r < gs.position.fieldHeight; ++r) {
        std::string row;
        for (int c = 0; c < gs.position.fieldWidth; ++c) {
            uint8_t v = At(gs.position.solverGrid, c, r);
            row += v == kCellBlocked ? '#' : FigureLetter(v);
        }
        std::puts(row.c_str());
    }
}

} // namespace

bool ReadSavedGame(const char* command, const std::string& file, PuzzleImage& image) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        std::fprintf(stderr, "zpz %s: %s: no such file\n", command, file.c_str());
        return false;
    }
    std::string reason;
    if (!ReadPuzzleFile(file, true, Orientations().catalogue, image, &reason)) {
        std::fprintf(stderr, "zpz %s: %s: invalid: %s\n", command, file.c_str(), reason.c_str());
        return false;
    }
    return true;
}

void StartSavedGame(GameState& gs, const PuzzleImage& image) {
    ApplyPuzzleImage(gs, image);
    LoadHistoryPosition(gs, image.figures);
}

bool SolveImage(GameState& gs, const PuzzleImage& image) {
    StartSavedGame(gs, image);
    return AnalysePosition(gs);
}

int RunSolve(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    bool timed = false;
    std::string file;
    for (const std::string& a : args) {
        if (a == "--time") {
            timed = true;
        } else if (file.empty() && !(a.size() > 1 && a[0] == '-')) {
            file = a;
        } else {
            std::fputs(kHelp, stderr);
            return kExitUsage;
        }
    }
    if (file.empty()) {
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    PuzzleImage image;
    if (!ReadSavedGame("solve", file, image)) return kExitUsage;
    auto start = std::chrono::steady_clock::now();
    bool solved = SolveImage(gs, image);
    std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
    if (solved) {
        std::puts("solved");
        PrintTiling(gs);
    } else {
        std::puts("no variant");
    }
    if (timed) std::printf("time_ms=%.1f\n", ms.count());
    return solved ? kExitOk : kExitFailed;
}
