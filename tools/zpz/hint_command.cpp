// zpz hint: the hint the game gives for a saved game; zpz bench --hints: how long hints take.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "files/puzzle_file.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "solver/hint.h"
#include "solver/sample_positions.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz hint FILE\n"
    "\n"
    "Reads the saved game FILE and prints the hint the game gives for it:\n"
    "  dead: F L              the fewest laid figures (their letters) in the way\n"
    "  cell: x y figure: N orientation: K column: C row: R\n"
    "                         the hardest open cell (column x, row y, from 0) and a figure\n"
    "                         that covers it in some completion, placed as a saved game\n"
    "                         places it (K, C, R are its F, X and Y)\n"
    "  no solution            the field cannot be tiled whatever lies on it\n"
    "Exit status: 0 a hint, 1 no solution, 2 usage error, missing or invalid file.\n";

const char kBenchHelp[] =
    "usage: zpz bench --hints\n"
    "\n"
    "Times the hint on zpz bench's positions that can be completed, then on 200 dead\n"
    "positions made from them by laying figures at random until the position cannot be\n"
    "completed. Prints the median and the worst time of each set.\n";

void Print(const PositionHint& hint) {
    switch (hint.kind) {
    case HintKind::NoSolution:
        std::puts("no solution");
        return;
    case HintKind::Dead: {
        std::string letters;
        for (int f : hint.culprits)
            letters += std::string(letters.empty() ? "" : " ") + FigureLetter(f);
        std::printf("dead: %s\n", letters.c_str());
        return;
    }
    case HintKind::Live:
        std::printf("cell: %d %d figure: %c orientation: %d column: %d row: %d\n", hint.cell.x,
                    hint.cell.y, FigureLetter(FigureOf(hint.ghost.matrix)), hint.orientation,
                    hint.ghost.x, hint.ghost.y);
        return;
    }
}

double TimedHint(const GameState& gs, PositionHint& hint) {
    const auto start = std::chrono::steady_clock::now();
    hint = ComputeHint(gs);
    return MsSince(start);
}

void PrintRow(const char* name, std::vector<double> times) {
    const double worst = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
    std::printf("%-8s %9zu %10.2f %10.2f\n", name, times.size(), Median(times), worst);
}

} // namespace

int RunHint(const Arguments& args) {
    if (WantsHelp(args) || args.size() != 1) {
        std::fputs(kHelp, WantsHelp(args) ? stdout : stderr);
        return WantsHelp(args) ? kExitOk : kExitUsage;
    }
    static GameState gs;
    InitGameState(gs);
    PuzzleImage image;
    if (!ReadSavedGame("hint", args[0], image)) return kExitUsage;
    StartSavedGame(gs, image);
    ComposeBoard(gs, Point{});
    const PositionHint hint = ComputeHint(gs);
    Print(hint);
    return hint.kind == HintKind::NoSolution ? kExitFailed : kExitOk;
}

int RunHintBench(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kBenchHelp, stdout);
        return kExitOk;
    }
    std::vector<double> live, dead;
    std::vector<const GameState*> liveStates;
    for (const GameState* gs : BenchPositions()) {
        PositionHint hint;
        const double ms = TimedHint(*gs, hint);
        if (hint.kind != HintKind::Live) continue;
        live.push_back(ms);
        liveStates.push_back(gs);
    }
    std::mt19937 rng(2612);
    static GameState gs;
    for (size_t i = 0; dead.size() < 200 && !liveStates.empty(); ++i) {
        gs = *liveStates[i % liveStates.size()];
        // Figures laid at random where they fit, until the position is dead or full.
        for (int tries = 0; tries < 12; ++tries) {
            LayRandomFigures(gs, rng, 1, 100);
            ComposeBoard(gs, Point{});
            PositionHint hint;
            const double ms = TimedHint(gs, hint);
            if (hint.kind == HintKind::Dead) {
                dead.push_back(ms);
                break;
            }
        }
    }
    std::printf("%-8s %9s %10s %10s\n", "hints", "positions", "median ms", "worst ms");
    PrintRow("live", live);
    PrintRow("dead", dead);
    return kExitOk;
}
