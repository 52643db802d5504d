// zpz generate: one new puzzle of a chosen difficulty, as the game's "Random puzzle" makes it.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/puzzle_file.h"
#include "model/game_state.h"
#include "solver/generator.h"
#include "solver/tiling_count.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz generate --difficulty D [--size WxH] [--symmetric] [--seed S]\n"
    "                    [--library DIR] [--budget SECONDS] [--out FILE]\n"
    "\n"
    "Makes a field of 60 connected cells whose number of solutions lies in the band of\n"
    "difficulty D (easy 1000 or more, medium 100-999, hard 10-99, expert 2-9, unique 1),\n"
    "inside a box of W x H (each 5..24, default 12x10), the same after a half turn or a\n"
    "mirror with --symmetric, and different from every puzzle under DIR (searched through\n"
    "its folders). The same arguments always give the same field. Writes it as a puzzle\n"
    "file with [INFO] SOLUTIONS and SEED to FILE (default generated.zpz) and prints\n"
    "  solutions=N difficulty=D seed=S size=WxH fields=F time_ms=T\n"
    "(F: the fields looked at). Gives up after searching for SECONDS (default 10, at\n"
    "least 1).\n"
    "Exit status: 0 written, 1 no field found, 2 usage error.\n";

bool ParseNumber(const std::string& text, uint64_t& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool ParseDifficulty(std::string name, Difficulty& out) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (Difficulty d : kDifficulties) {
        std::string n = DifficultyName(d);
        std::transform(n.begin(), n.end(), n.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (n == name) {
            out = d;
            return true;
        }
    }
    return false;
}

} // namespace

bool ParseSize(const std::string& text, int& w, int& h) {
    std::size_t x = text.find('x');
    uint64_t a = 0, b = 0;
    if (x == std::string::npos || !ParseNumber(text.substr(0, x), a) ||
        !ParseNumber(text.substr(x + 1), b))
        return false;
    auto inRange = [](uint64_t v) { return v >= kLeastRandomSide && v <= kMaxFieldSide; };
    if (!inRange(a) || !inRange(b)) return false;
    w = static_cast<int>(a), h = static_cast<int>(b);
    return true;
}

std::set<std::string> KnownFields(const std::string& dir) {
    std::set<std::string> known;
    std::error_code ec;
    if (dir.empty() || !std::filesystem::is_directory(dir, ec)) return known;
    GameState gs;
    InitGameState(gs);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec) || entry.path().extension() != ".zpz") continue;
        PuzzleImage image;
        if (ReadPuzzleFile(entry.path().string(), false, Orientations().catalogue, image))
            known.insert(FieldKey(image.width, image.height, image.cells));
    }
    return known;
}

double MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

int RunGenerate(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    GenerateRequest request;
    bool hasDifficulty = false;
    std::string library, out = "generated.zpz";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == "--difficulty" && hasValue) {
            ok = hasDifficulty = ParseDifficulty(args[++i], request.difficulty);
        } else if (a == "--size" && hasValue) {
            ok = ParseSize(args[++i], request.maxWidth, request.maxHeight);
        } else if (a == "--seed" && hasValue) {
            ok = ParseNumber(args[++i], request.seed);
        } else if (a == "--budget" && hasValue) {
            uint64_t seconds = 0;
            ok = ParseNumber(args[++i], seconds) && seconds >= 1 && seconds <= 3600;
            request.budgetMs = static_cast<int>(seconds) * 1000;
        } else if (a == "--library" && hasValue) {
            library = args[++i];
        } else if (a == "--out" && hasValue) {
            out = args[++i];
        } else if (a == "--symmetric") {
            request.symmetric = true;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "zpz generate: bad argument '%s'\n\n%s", a.c_str(), kHelp);
            return kExitUsage;
        }
    }
    if (!hasDifficulty) {
        std::fprintf(stderr, "zpz generate: --difficulty is required\n\n%s", kHelp);
        return kExitUsage;
    }
    if (request.maxWidth * request.maxHeight < kGenerateCells) {
        std::fprintf(stderr, "zpz generate: a box of %d x %d holds fewer than %d cells\n",
                     request.maxWidth, request.maxHeight, kGenerateCells);
        return kExitFailed;
    }
    const std::set<std::string> known = KnownFields(library);
    auto start = std::chrono::steady_clock::now();
    std::atomic<int> tried{0};
    const GeneratedPuzzle puzzle = GeneratePuzzle(request, known, nullptr, &tried);
    const double ms = MsSince(start);
    if (!puzzle.found) {
        std::fprintf(stderr,
                     "zpz generate: no field found after searching for %.1f s (fields=%d)\n",
                     ms / 1000, tried.load());
        return kExitFailed;
    }
    std::ofstream file(out, std::ios::binary);
    file << WritePuzzleText(puzzle.width, puzzle.height, puzzle.cells)
         << WritePuzzleInfo(puzzle.solutions, request.seed);
    if (!file.flush()) {
        std::fprintf(stderr, "zpz generate: cannot write %s\n", out.c_str());
        return kExitFailed;
    }
    std::printf("solutions=%llu difficulty=%s seed=%llu size=%dx%d fields=%d time_ms=%.1f\n",
                static_cast<unsigned long long>(puzzle.solutions),
                DifficultyName(request.difficulty), static_cast<unsigned long long>(request.seed),
                puzzle.width, puzzle.height, tried.load(), ms);
    return kExitOk;
}
