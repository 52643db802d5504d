// zpz daily: the daily puzzle of a date, as the game makes it.
#include <chrono>
#include <cstdio>
#include <fstream>

#include "files/daily_puzzle.h"
#include "zpz.h"

namespace {

const char kHelp[] =
    "usage: zpz daily DATE [--out FILE]\n"
    "\n"
    "Makes the daily puzzle of DATE (YYYY-MM-DD, a year 2000..9999): a field of 60 cells in a\n"
    "box of 12x10 whose difficulty is the weekday's (Monday easy, Tuesday and Wednesday medium,\n"
    "Thursday and Friday hard, Saturday expert, Sunday unique), from a seed made of the date\n"
    "alone, so that every player gets the same puzzle on the same date. Writes it with [INFO]\n"
    "SOLUTIONS and SEED to FILE when given, and prints\n"
    "  DATE DIFFICULTY solutions=N time_ms=T\n"
    "Exit status: 0 made, 1 none found within the search time, 2 usage error.\n";

} // namespace

int RunDaily(const Arguments& args) {
    if (WantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    std::optional<Date> date;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool ok = true;
        if (a == "--out" && i + 1 < args.size())
            out = args[++i];
        else if (!date)
            ok = (date = ParseDate(a)).has_value();
        else
            ok = false;
        if (!ok) {
            std::fprintf(stderr, "zpz daily: bad argument '%s'\n\n%s", a.c_str(), kHelp);
            return kExitUsage;
        }
    }
    if (!date) {
        std::fprintf(stderr, "zpz daily: the date is required\n\n%s", kHelp);
        return kExitUsage;
    }
    const auto start = std::chrono::steady_clock::now();
    const GeneratedPuzzle puzzle = GeneratePuzzle(DailyRequest(*date), {});
    const double ms = MsSince(start);
    if (!puzzle.found) {
        std::fprintf(stderr, "zpz daily: no field found after searching for %.1f s\n", ms / 1000);
        return kExitFailed;
    }
    if (!out.empty()) {
        std::ofstream file(out, std::ios::binary);
        file << DailyPuzzleFile(puzzle, *date).text;
        if (!file.flush()) {
            std::fprintf(stderr, "zpz daily: cannot write %s\n", out.c_str());
            return kExitFailed;
        }
    }
    std::printf("%s %s solutions=%llu time_ms=%.0f\n", DateText(*date).c_str(),
                DifficultyName(DailyDifficulty(*date)),
                static_cast<unsigned long long>(puzzle.solutions), ms);
    return kExitOk;
}
