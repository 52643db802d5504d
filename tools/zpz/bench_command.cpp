// zpz bench: times the game's analysis search against the straightforward reference search on
// a fixed, seeded set of positions (or on given files) and checks that both find the same.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "files/puzzle_file.h"
#include "model/history.h"
#include "model/placement.h"
#include "solver/analyse.h"
#include "solver/reference_search.h"
#include "solver/sample_positions.h"
#include "solver/search.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz bench [--cap SECONDS] [FILE...]\n"
    "       zpz bench --generate [--library DIR] [--sweep-only] [--boxes WxH,...]\n"
    "\n"
    "Times the analysis search and the straightforward reference on each position (the\n"
    "files given, or a fixed seeded set of 200: the rectangles both ways round, 8 x 8\n"
    "squares with holes, random 60-cell shapes, positions with figures laid, some of them\n"
    "unsolvable). Prints one line per position and a summary of median and worst times and\n"
    "ratios. A reference run longer than the cap (default 60 s) is stopped and reported.\n"
    "Then prints the time of counting the solutions of the open 10 x 6 field.\n"
    "Exit status 1 when the two searches disagree anywhere.\n"
    "\n"
    "With --generate, makes 20 puzzles of each difficulty from the seeds 1..20 (box 12 x 10,\n"
    "fields under DIR excluded) and prints each time and the median and worst time of each\n"
    "difficulty; then sweeps the boxes 8x8, 10x10, 12x10, 13x5, 16x12, 20x20 and 24x24 (or\n"
    "those of --boxes) with each difficulty, plain and symmetric, from the seeds 1..10, and\n"
    "prints how many were found with their median and worst time, and every request that\n"
    "found nothing; last the count time of the open 10 x 6. --sweep-only leaves out the\n"
    "first part. Exit status 1 when a puzzle of the first part was not found.\n";

struct BenchPosition {
    std::string name;
    GameState* gs;
};

GameState& NewState(int w, int h) {
    static std::vector<std::unique_ptr<GameState>> states;
    states.push_back(std::make_unique<GameState>());
    GameState& gs = *states.back();
    InitGameState(gs);
    gs.position.fieldWidth = w;
    gs.position.fieldHeight = h;
    return gs;
}

void Block(GameState& gs, int x, int y) {
    At(gs.position.board, x, y) = kCellBlocked;
}

GameState& RandomShape(std::mt19937& rng, int w, int h) {
    GameState& gs = NewState(w, h);
    MakeRandomShape(gs, rng, w, h);
    return gs;
}

std::vector<BenchPosition> FixedSet() {
    std::vector<BenchPosition> set;
    std::mt19937 rng(1207);
    for (auto [w, h] : {std::pair{10, 6}, {12, 5}, {15, 4}, {20, 3}}) {
        set.push_back({std::to_string(w) + "x" + std::to_string(h), &NewState(w, h)});
        set.push_back({std::to_string(h) + "x" + std::to_string(w), &NewState(h, w)});
    }
    GameState& corners = NewState(8, 8);
    for (int c : {0, 7})
        for (int r : {0, 7})
            Block(corners, c, r);
    set.push_back({"8x8 without corners", &corners});
    GameState& centre = NewState(8, 8);
    for (int c : {3, 4})
        for (int r : {3, 4})
            Block(centre, c, r);
    set.push_back({"8x8 centre hole", &centre});
    for (int i = 0; set.size() < 30; ++i) {
        GameState& holes = NewState(8, 8);
        for (int k = 0; k < 4;) {
            int x = static_cast<int>(rng() % 8), y = static_cast<int>(rng() % 8);
            if (At(holes.position.board, x, y) == 0) {
                Block(holes, x, y);
                ++k;
            }
        }
        set.push_back({"8x8 holes " + std::to_string(i), &holes});
    }
    for (int i = 0; set.size() < 170; ++i)
        set.push_back(
            {"random shape " + std::to_string(i), &RandomShape(rng, 8 + i % 6, 8 + i % 5)});
    for (int i = 0; set.size() < 200; ++i) {
        GameState& gs = i % 2 ? NewState(10, 6) : NewState(6, 10);
        LayRandomFigures(gs, rng, 1 + i % 4, 100);
        set.push_back({"laid figures " + std::to_string(i), &gs});
    }
    return set;
}

} // namespace

std::vector<const GameState*> BenchPositions() {
    static const std::vector<BenchPosition> set = FixedSet();
    std::vector<const GameState*> states;
    for (const BenchPosition& p : set)
        states.push_back(p.gs);
    return states;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

int RunBench(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (std::find(args.begin(), args.end(), "--generate") != args.end())
        return RunGenerateBench(args);
    if (std::find(args.begin(), args.end(), "--hints") != args.end()) return RunHintBench(args);
    double cap = 60;
    std::vector<BenchPosition> positions;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--cap" && i + 1 < args.size()) {
            cap = std::atof(args[++i].c_str());
            continue;
        }
        GameState& gs = NewState(10, 6);
        PuzzleImage image;
        std::string reason;
        if (!ReadPuzzleFile(args[i], true, Orientations().catalogue, image, &reason)) {
            std::fprintf(stderr, "zpz bench: %s: invalid: %s\n", args[i].c_str(), reason.c_str());
            return kExitUsage;
        }
        ApplyPuzzleImage(gs, image);
        LoadHistoryPosition(gs, image.figures);
        positions.push_back({args[i], &gs});
    }
    if (positions.empty()) positions = FixedSet();
    using Clock = std::chrono::steady_clock;
    std::vector<double> fastTimes, refTimes, ratios;
    int differ = 0, capped = 0;
    for (const BenchPosition& p : positions) {
        GameState& gs = *p.gs;
        ComposeSolverGrid(gs);
        Grid start = gs.position.solverGrid;
        auto t0 = Clock::now();
        Search(gs, 1);
        double fast = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        Grid found = gs.position.solverGrid;
        int foundFlag = gs.position.solutionFound;
        gs.position.solverGrid = start;
        t0 = Clock::now();
        bool finished = ReferenceSearchWithin(gs, 1, cap);
        double ref = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        fastTimes.push_back(fast);
        std::string verdict;
        if (!finished) {
            ++capped;
            verdict = "reference capped";
        } else {
            refTimes.push_back(ref);
            ratios.push_back(ref / std::max(fast, 0.001));
            bool same = found == gs.position.solverGrid && foundFlag == gs.position.solutionFound;
            differ += !same;
            verdict = same ? (foundFlag ? "same tiling" : "same: no variant") : "DIFFERENT";
        }
        std::printf("%-24s fast %9.3f ms  reference %10.1f ms  %s\n", p.name.c_str(), fast, ref,
                    verdict.c_str());
        std::fflush(stdout);
    }
    std::printf("positions %zu, different %d, reference capped %d\n", positions.size(), differ,
                capped);
    std::printf("fast: median %.3f ms, worst %.3f ms\n", Median(fastTimes),
                fastTimes.empty() ? 0 : *std::max_element(fastTimes.begin(), fastTimes.end()));
    std::printf("reference: median %.1f ms, worst %.1f ms\n", Median(refTimes),
                refTimes.empty() ? 0 : *std::max_element(refTimes.begin(), refTimes.end()));
    if (!ratios.empty())
        std::printf("ratio reference/fast: median %.0f, worst (smallest) %.1f\n", Median(ratios),
                    *std::min_element(ratios.begin(), ratios.end()));
    PrintOpenCountTime();
    return differ == 0 ? kExitOk : kExitFailed;
}
