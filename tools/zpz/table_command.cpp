// zpz table: the markdown tables of a library's README: each group's totals, then every puzzle
// with its size and its numbers of tilings.
#include <algorithm>
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
    "usage: zpz table DIR\n"
    "\n"
    "Counts the tilings of every puzzle DIR/GROUP/NAME.zpz (as \"zpz count\" does)\n"
    "and prints two markdown tables: one line per group with its number of puzzles,\n"
    "its fewest and most tilings and their sum, and one line per puzzle with its\n"
    "group, name, size, tilings and distinct tilings. Invalid puzzles are listed\n"
    "as such.\n"
    "Exit status: 0 every puzzle valid, 1 some invalid, 2 usage error or no such folder.\n";

struct GroupTotals {
    int puzzles = 0;
    uint64_t fewest = 0;
    uint64_t most = 0;
    uint64_t sum = 0;
};

std::string Cell(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += '\\';
        out += c;
    }
    return out;
}

} // namespace

int RunTable(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    std::error_code ec;
    if (args.size() != 1 || !fs::is_directory(args[0], ec)) {
        if (args.size() == 1)
            std::fprintf(stderr, "zpz table: %s: no such folder\n", args[0].c_str());
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    GameState gs;
    InitGameState(gs);
    LibraryListing listing = ListLibrary(args[0]);
    std::vector<std::string> groupOrder;
    std::map<std::string, GroupTotals> totals;
    std::string rows;
    int status = kExitOk;
    for (const LibraryPuzzle& p : listing.puzzles) {
        PuzzleImage image;
        std::string reason;
        std::string line = "| " + Cell(p.group) + " | " + Cell(p.name) + " | ";
        if (!ReadPuzzleFile(p.file.string(), false, Orientations().catalogue, image, &reason)) {
            rows += line + "invalid: " + Cell(reason) + " | | |\n";
            status = kExitFailed;
            continue;
        }
        uint64_t n = CountTilings(ComposedField(image));
        int symmetries = SymmetryCount(TrimmedShape(image));
        rows += line + std::to_string(image.width) + " x " + std::to_string(image.height) + " | " +
                std::to_string(n) + " | " + std::to_string(n / symmetries) + " |\n";
        if (totals.find(p.group) == totals.end()) groupOrder.push_back(p.group);
        GroupTotals& t = totals[p.group];
        t.fewest = t.puzzles == 0 ? n : std::min(t.fewest, n);
        t.most = std::max(t.most, n);
        t.sum += n;
        ++t.puzzles;
    }
    std::puts("| Group | Puzzles | Fewest tilings | Most tilings | All tilings |");
    std::puts("|---|---:|---:|---:|---:|");
    GroupTotals all;
    for (const std::string& g : groupOrder) {
        const GroupTotals& t = totals[g];
        std::printf("| %s | %d | %llu | %llu | %llu |\n", Cell(g).c_str(), t.puzzles,
                    static_cast<unsigned long long>(t.fewest),
                    static_cast<unsigned long long>(t.most),
                    static_cast<unsigned long long>(t.sum));
        all.fewest = all.puzzles == 0 ? t.fewest : std::min(all.fewest, t.fewest);
        all.most = std::max(all.most, t.most);
        all.sum += t.sum;
        all.puzzles += t.puzzles;
    }
    std::printf("| **all** | **%d** | **%llu** | **%llu** | **%llu** |\n", all.puzzles,
                static_cast<unsigned long long>(all.fewest),
                static_cast<unsigned long long>(all.most),
                static_cast<unsigned long long>(all.sum));
    std::puts("");
    std::puts("| Group | Puzzle | Size | Tilings | Distinct |");
    std::puts("|---|---|---|---:|---:|");
    std::fputs(rows.c_str(), stdout);
    return status;
}
