// zpz count: the number of tilings of a puzzle, and of distinct tilings up to its symmetries.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "files/puzzle_file.h"
#include "image_field.h"
#include "model/game_state.h"
#include "solver/tiling_count.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz count [--figures] [--limit N] [--time] FILE...\n"
    "\n"
    "Counts the ways to cover the open cells of FILE with the twelve figures, each\n"
    "exactly once. Every tiling counts as it lies on the field, so a tiling and its\n"
    "turned or mirrored copy are two (the open 10 x 6 field has 9356). Prints\n"
    "  tilings=N symmetries=S distinct=D\n"
    "S is the number of turns and mirrors (1 to 8) that map the field onto itself and\n"
    "D = N / S the number of tilings that are not copies of each other. With several\n"
    "files each line starts with \"FILE: \".\n"
    "--figures   read saved games with their figures: count the ways to complete them\n"
    "            (no symmetries or distinct then)\n"
    "--limit N   stop counting at N tilings and print tilings>=N\n"
    "--time      add time_ms=T, the count's own time in milliseconds\n"
    "Exit status: 0 every FILE has a tiling, 1 some has none, 2 usage error, missing or\n"
    "invalid file.\n";

struct CountOptions {
    bool withFigures = false;
    bool timed = false;
    uint64_t limit = 0;
    std::vector<std::string> files;
};

bool ParseOptions(const Arguments& args, CountOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--figures") {
            o.withFigures = true;
        } else if (a == "--time") {
            o.timed = true;
        } else if (a == "--limit" && i + 1 < args.size()) {
            const std::string& n = args[++i];
            auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), o.limit);
            if (ec != std::errc() || end != n.data() + n.size() || o.limit == 0) return false;
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else {
            o.files.push_back(a);
        }
    }
    return !o.files.empty();
}

// "tilings=N symmetries=S distinct=D" for an image (its figures lying on the field), or
// "tilings>=N" when limit (0: none) stopped the count.
std::string CountText(const PuzzleImage& image, uint64_t limit, uint64_t& n) {
    n = CountTilings(ComposedField(image), limit);
    if (limit != 0 && n >= limit) return "tilings>=" + std::to_string(n);
    std::string text = "tilings=" + std::to_string(n);
    if (FiguresOnField(image) == 0) {
        // No tiling by twelve different figures is its own turned or mirrored copy (the L
        // figure has no symmetry), so each distinct tiling lies on the field S times.
        int s = SymmetryCount(TrimmedShape(image));
        text += " symmetries=" + std::to_string(s) + " distinct=" + std::to_string(n / s);
    }
    return text;
}

} // namespace

int RunCount(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    CountOptions o;
    if (!ParseOptions(args, o)) {
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    int status = kExitOk;
    bool usageError = false;
    for (const std::string& file : o.files) {
        std::error_code ec;
        PuzzleImage image;
        std::string reason;
        if (!std::filesystem::is_regular_file(file, ec)) {
            std::fprintf(stderr, "zpz count: %s: no such file\n", file.c_str());
            usageError = true;
            continue;
        }
        if (!ReadPuzzleFile(file, o.withFigures, Orientations().catalogue, image, &reason)) {
            std::fprintf(stderr, "zpz count: %s: invalid: %s\n", file.c_str(), reason.c_str());
            usageError = true;
            continue;
        }
        auto start = std::chrono::steady_clock::now();
        uint64_t n = 0;
        std::string text = CountText(image, o.limit, n);
        std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
        if (o.timed) {
            char t[40];
            std::snprintf(t, sizeof t, " time_ms=%.1f", ms.count());
            text += t;
        }
        if (o.files.size() > 1) text = file + ": " + text;
        std::puts(text.c_str());
        if (n == 0) status = kExitFailed;
    }
    return usageError ? kExitUsage : status;
}
