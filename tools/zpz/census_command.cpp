// zpz census: every field of sixty connected cells that a small box holds, counted, to tell
// which difficulties exist in that box at all.
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "model/difficulty.h"
#include "solver/field_shape.h"
#include "solver/generator.h"
#include "solver/tiling_count.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz census WxH [--cap N]\n"
    "\n"
    "Counts the solutions of every field of 60 connected cells in a box of W x H that\n"
    "holds 60 to 64 cells (the box less up to four cells), each field once up to turns\n"
    "and mirrors, and prints how many fields have no solution, 1 (Unique), 2..9 (Expert)\n"
    "and N or more (each count stops at N, default 10; with N above 10 also 10..99 Hard,\n"
    "and with N above 100 also 100..999 Medium):\n"
    "  fields=F none=A unique=B expert=C hard=D medium=E at_least_N=G\n"
    "8x8 takes some minutes.\n"
    "Exit status: 0, or 2 for a usage error.\n";

struct Census {
    int width = 0, height = 0;
    uint64_t cap = 10;
    std::set<std::string> seen;
    uint64_t fields = 0, none = 0, unique = 0, expert = 0, hard = 0, medium = 0, capped = 0;

    bool Connected(const Grid& g) const {
        std::vector<int> todo;
        std::vector<char> reached(static_cast<std::size_t>(width * height), 0);
        int open = 0;
        for (int i = 0; i < width * height; ++i)
            if (At(g, i % width, i / width) == kCellOpen && open++ == 0) todo.push_back(i);
        int found = 0;
        for (std::size_t k = 0; k < todo.size(); ++k) {
            const int i = todo[k], x = i % width, y = i / width;
            if (reached[i] || At(g, x, y) != kCellOpen) continue;
            reached[i] = 1;
            ++found;
            if (x > 0) todo.push_back(i - 1);
            if (x + 1 < width) todo.push_back(i + 1);
            if (y > 0) todo.push_back(i - width);
            if (y + 1 < height) todo.push_back(i + width);
        }
        return found == open;
    }

    // Every way to block `left` more cells from cell `from` on.
    void Block(Grid& g, int from, int left) {
        if (left == 0) {
            Count(g);
            return;
        }
        for (int i = from; i < width * height; ++i) {
            At(g, i % width, i / width) = kCellBlocked;
            Block(g, i + 1, left - 1);
            At(g, i % width, i / width) = kCellOpen;
        }
    }

    void Count(const Grid& g) {
        if (!Connected(g) || !seen.insert(FieldKey(width, height, g)).second) return;
        ++fields;
        const uint64_t n = CountSolutions(OpenField(width, height, g), nullptr, cap);
        if (n >= cap)
            ++capped;
        else if (n == 0)
            ++none;
        else
            ++(DifficultyOf(n) == Difficulty::Unique   ? unique
               : DifficultyOf(n) == Difficulty::Expert ? expert
               : DifficultyOf(n) == Difficulty::Hard   ? hard
                                                       : medium);
    }
};

} // namespace

int RunCensus(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    Census c;
    bool hasBox = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--cap" && i + 1 < args.size()) {
            c.cap = std::strtoull(args[++i].c_str(), nullptr, 10);
        } else if (!hasBox) {
            hasBox = ParseSize(args[i], c.width, c.height);
            if (!hasBox) break;
        } else {
            hasBox = false;
            break;
        }
    }
    const int cells = c.width * c.height;
    if (!hasBox || cells < kGenerateCells || cells > kGenerateCells + 4 || c.cap < 1 ||
        c.cap > 1000) {
        std::fprintf(stderr, "zpz census: a box of 60 to 64 cells and a cap of 1..1000\n\n%s",
                     kHelp);
        return kExitUsage;
    }
    Grid g{};
    g.fill(kCellBlocked);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            At(g, x, y) = kCellOpen;
    c.Block(g, 0, cells - kGenerateCells);
    std::printf("fields=%llu none=%llu unique=%llu expert=%llu hard=%llu medium=%llu "
                "at_least_%llu=%llu\n",
                static_cast<unsigned long long>(c.fields), static_cast<unsigned long long>(c.none),
                static_cast<unsigned long long>(c.unique),
                static_cast<unsigned long long>(c.expert), static_cast<unsigned long long>(c.hard),
                static_cast<unsigned long long>(c.medium), static_cast<unsigned long long>(c.cap),
                static_cast<unsigned long long>(c.capped));
    return kExitOk;
}
