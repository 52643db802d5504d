// zpz bench --generate: how long making new puzzles takes, in the default box and in a sweep
// over boxes from small to the largest, plain and symmetric.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "model/game_state.h"
#include "solver/generator.h"
#include "solver/tiling_count.h"
#include "zpz.h"

namespace {

// The boxes of the sweep: the smallest square that holds sixty cells, the default, a narrow
// one, and up to the largest.
const char* const kSweepBoxes[] = {"8x8", "10x10", "12x10", "13x5", "16x12", "20x20", "24x24"};
constexpr uint64_t kSweepSeeds = 10;

struct Timed {
    GeneratedPuzzle puzzle;
    double ms = 0;
    int fields = 0;
};

Timed Generate(const GenerateRequest& request, const std::set<std::string>& known) {
    std::atomic<int> tried{0};
    auto start = std::chrono::steady_clock::now();
    Timed out;
    out.puzzle = GeneratePuzzle(request, known, nullptr, &tried);
    out.ms = MsSince(start);
    out.fields = tried.load();
    return out;
}

// 20 puzzles of each difficulty in the default box of 12 x 10, each on a line.
bool DefaultBox(const std::set<std::string>& known) {
    bool allFound = true;
    for (Difficulty d : kDifficulties) {
        std::vector<double> times;
        int missed = 0;
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            GenerateRequest request;
            request.difficulty = d;
            request.seed = seed;
            const Timed t = Generate(request, known);
            times.push_back(t.ms);
            missed += !t.puzzle.found;
            std::printf("  %-6s seed %2llu: %7.1f ms  %s%llu solutions\n", DifficultyName(d),
                        static_cast<unsigned long long>(seed), t.ms,
                        t.puzzle.found ? "" : "NOT FOUND ",
                        static_cast<unsigned long long>(t.puzzle.solutions));
            std::fflush(stdout);
        }
        allFound = allFound && missed == 0;
        std::printf("%-6s median %7.1f ms  worst %7.1f ms  not found %d of %zu\n",
                    DifficultyName(d), Median(times), *std::max_element(times.begin(), times.end()),
                    missed, times.size());
    }
    return allFound;
}

// Each difficulty, plain and symmetric, from the seeds 1..10 in each box: a table of how many
// were found and how long they took, then every request that found nothing.
void Sweep(const std::vector<std::string>& boxes, const std::set<std::string>& known) {
    std::printf("\nsweep: seeds 1..%llu of each request\n"
                "difficulty  kind       box      found  median ms   worst ms\n",
                static_cast<unsigned long long>(kSweepSeeds));
    std::ostringstream misses;
    int requests = 0, found = 0;
    for (Difficulty d : kDifficulties)
        for (bool symmetric : {false, true})
            for (const std::string& box : boxes) {
                GenerateRequest request;
                request.difficulty = d;
                request.symmetric = symmetric;
                ParseSize(box, request.maxWidth, request.maxHeight);
                std::vector<double> times;
                int hits = 0;
                for (uint64_t seed = 1; seed <= kSweepSeeds; ++seed) {
                    request.seed = seed;
                    const Timed t = Generate(request, known);
                    times.push_back(t.ms);
                    hits += t.puzzle.found;
                    if (!t.puzzle.found)
                        misses << "  " << DifficultyName(d) << (symmetric ? " symmetric " : " ")
                               << request.maxWidth << " x " << request.maxHeight << " seed " << seed
                               << ": nothing after " << static_cast<int>(t.ms) << " ms and "
                               << t.fields << " fields\n";
                }
                requests += static_cast<int>(times.size());
                found += hits;
                const std::string size =
                    std::to_string(request.maxWidth) + " x " + std::to_string(request.maxHeight);
                std::printf("%-10s  %-9s  %-7s  %2d/%-2llu  %9.1f  %9.1f\n", DifficultyName(d),
                            symmetric ? "symmetric" : "plain", size.c_str(), hits,
                            static_cast<unsigned long long>(kSweepSeeds), Median(times),
                            *std::max_element(times.begin(), times.end()));
                std::fflush(stdout);
            }
    std::printf("sweep: %d of %d found\n%s", found, requests, misses.str().c_str());
}

} // namespace

void PrintOpenCountTime() {
    const TilingField field = OpenField(10, 6, Grid{});
    std::vector<double> times;
    uint64_t solutions = 0;
    for (int run = 0; run < 31; ++run) {
        auto start = std::chrono::steady_clock::now();
        solutions = CountSolutions(field);
        times.push_back(MsSince(start));
    }
    std::printf("count of the open 10 x 6: %llu solutions, median %.1f ms, best %.1f ms of %zu "
                "runs\n",
                static_cast<unsigned long long>(solutions), Median(times),
                *std::min_element(times.begin(), times.end()), times.size());
}

int RunGenerateBench(const Arguments& args) {
    std::string library;
    bool sweepOnly = false;
    std::vector<std::string> boxes(std::begin(kSweepBoxes), std::end(kSweepBoxes));
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        int w = 0, h = 0;
        if (args[i] == "--generate") continue;
        if (args[i] == "--library" && hasValue) {
            library = args[++i];
        } else if (args[i] == "--sweep-only") {
            sweepOnly = true;
        } else if (args[i] == "--boxes" && hasValue) {
            boxes.clear();
            std::istringstream list(args[++i]);
            for (std::string box; std::getline(list, box, ',');) {
                if (!ParseSize(box, w, h)) {
                    std::fprintf(stderr, "zpz bench: bad box '%s'\n", box.c_str());
                    return kExitUsage;
                }
                boxes.push_back(box);
            }
        } else {
            std::fprintf(stderr, "zpz bench: bad argument '%s'\n", args[i].c_str());
            return kExitUsage;
        }
    }
    const std::set<std::string> known = KnownFields(library);
    std::printf("known fields: %zu (from %s)\n", known.size(),
                library.empty() ? "none" : library.c_str());
    const bool allFound = sweepOnly || DefaultBox(known);
    Sweep(boxes, known);
    PrintOpenCountTime();
    return allFound ? kExitOk : kExitFailed;
}
