// zpz: checks, solves, counts, surveys and shares puzzle files with the game's own reader
// and search.
#include <cstdio>
#include <cstring>

#include "zpz.h"

namespace {

const char kUsage[] =
    "usage: zpz COMMAND [ARGS]\n"
    "\n"
    "  check [--figures] FILE...   check puzzle files (saved games with --figures)\n"
    "  solve [--time] FILE         find the tiling that \"Analyse by computer\" finds\n"
    "  count [--limit N] FILE...   count the tilings of puzzles\n"
    "  bench [--cap S] [FILE...]   time the analysis search against the reference\n"
    "  bench --generate [--library DIR]  time making new puzzles of each difficulty\n"
    "  generate --difficulty D ... make a new puzzle of a difficulty\n"
    "  daily DATE [--out FILE]     make the daily puzzle of a date (YYYY-MM-DD)\n"
    "  census WxH [--cap N]        which difficulties a box of 60..64 cells holds\n"
    "  hint FILE                   the hint the game gives for a saved game\n"
    "  bench --hints               time the hints\n"
    "  library DIR                 check every puzzle of a library folder\n"
    "  table DIR                   markdown tables of a library's puzzles and tilings\n"
    "  code FILE...                the puzzle code of each puzzle file\n"
    "  decode CODE --out FILE      the puzzle of a puzzle code\n"
    "\n"
    "\"zpz COMMAND --help\" describes one command.\n";

} // namespace

bool WantsHelp(const Arguments& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    Arguments args(argv + 2, argv + argc);
    std::string command = argv[1];
    if (command == "check") return RunCheck(args);
    if (command == "solve") return RunSolve(args);
    if (command == "library") return RunLibrary(args);
    if (command == "count") return RunCount(args);
    if (command == "table") return RunTable(args);
    if (command == "bench") return RunBench(args);
    if (command == "generate") return RunGenerate(args);
    if (command == "daily") return RunDaily(args);
    if (command == "census") return RunCensus(args);
    if (command == "hint") return RunHint(args);
    if (command == "code") return RunCode(args);
    if (command == "decode") return RunDecode(args);
    std::fprintf(stderr, "zpz: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return kExitUsage;
}
