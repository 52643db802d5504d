// What the status bar under the field says, part by part.
#include "render/status_bar.h"

#include <algorithm>

#include "files/daily_puzzle.h"
#include "model/difficulty.h"

StatusTexts StatusBarTexts(const GameState& gs, const StatusInput& in) {
    StatusTexts texts;
    if (gs.editor.mode == EditMode::Editing) {
        texts[kStatusPuzzle] = "Puzzle editor";
        return texts;
    }
    const bool current = PlaysCurrentPuzzle(gs);
    const Settings& s = gs.settings;
    const std::optional<Date> daily = DailyDateOf(s.lastFolder, s.lastFile);
    texts[kStatusPuzzle] = !current ? std::to_string(gs.position.fieldWidth) + " x " +
                                          std::to_string(gs.position.fieldHeight) + " field"
                           : daily ? DailyStatusText(*daily)
                                   : s.lastFolder + ": " + s.lastFile;
    texts[kStatusSolutions] =
        in.solutions ? SolutionsText(*in.solutions) : std::string("Counting solutions...");
    texts[kStatusClock] = in.win ? "Solved in " + ClockText(in.win->seconds)
                                 : "Time " + ClockText(in.elapsedMs / 1000);
    if (in.win && in.win->hints > 0)
        texts[kStatusClock].append(" ").append(HintsUsedText(in.win->hints));
    if (const std::optional<std::string> hint = ShownHintText(gs.hints))
        texts[kStatusPuzzle] = *hint;
    if (!current) return texts;
    const std::optional<int32_t> best = BestTimeOf(s, s.lastFolder, s.lastFile);
    if (in.win && in.win->newBest)
        texts[kStatusBest] = "New best time!";
    else if (best)
        texts[kStatusBest] = "Best " + ClockText(*best);
    else
        texts[kStatusBest] = "No best time yet";
    return texts;
}

std::array<int, kStatusPartCount> StatusPartEdges(int width, int averageCharWidth,
                                                  const StatusTexts& texts) {
    // Room for "99,999 solutions . Medium", "Solved in 59:59", "New best time!".
    const int clockChars = std::max<int>(17, static_cast<int>(texts[kStatusClock].size()) + 2);
    const int solutions = 26 * averageCharWidth, clock = clockChars * averageCharWidth,
              best = 17 * averageCharWidth;
    const int puzzle = std::max(averageCharWidth * 8, width - solutions - clock - best);
    return {puzzle, puzzle + solutions, puzzle + solutions + clock, -1};
}
