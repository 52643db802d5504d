// The daily puzzle's request and file.
#include "files/daily_puzzle.h"

#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"

GenerateRequest DailyRequest(const Date& date) {
    GenerateRequest request;
    request.difficulty = DailyDifficulty(date);
    request.maxWidth = 12;
    request.maxHeight = 10;
    request.symmetric = false;
    request.seed = DailySeed(date);
    return request;
}

std::string DailyFileName(const Date& date) {
    return DateText(date) + ".zpz";
}

std::string DailyPuzzlePath(const Date& date) {
    return LibraryFilePath(kDailyGroup, DailyFileName(date));
}

FileToSave DailyPuzzleFile(const GeneratedPuzzle& puzzle, const Date& date) {
    return {DailyPuzzlePath(date), WritePuzzleText(puzzle.width, puzzle.height, puzzle.cells) +
                                       WritePuzzleInfo(puzzle.solutions, DailySeed(date))};
}

std::optional<Date> DailyDateOf(const std::string& group, const std::string& name) {
    if (group != kDailyGroup) return std::nullopt;
    return ParseDate(name);
}

void RecordDailyWinOf(GameState& gs, const WinTime& win, const Date& today) {
    const std::optional<Date> date = DailyDateOf(gs.settings.lastFolder, gs.settings.lastFile);
    if (!date || !PlaysCurrentPuzzle(gs)) return;
    DailyStreak& streak = gs.settings.daily;
    if (!RecordDailyWin(streak, *date, today)) return;
    streak.lastSeconds = win.seconds;
    streak.lastHints = win.hints;
}

std::optional<std::string> DailyResult(const DailyStreak& streak, const Date& today) {
    if (streak.lastWon != today) return std::nullopt;
    return DailyResultText(today, streak.lastSeconds, streak.current, streak.lastHints);
}

Message DailyNotMadeMessage() {
    return InformationMessage("Today's puzzle could not be made. Please try again.");
}
