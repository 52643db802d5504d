// The daily puzzle as the files see it: what the generator is asked for on a date, and the
// file the puzzle is kept in, "Puzzles\Daily\2026-12-07.zpz" in the player's folder.
#pragma once

#include <optional>
#include <string>

#include "files/saving.h"
#include "model/best_times.h"
#include "model/daily.h"
#include "model/message.h"
#include "solver/generator.h"

// The date's puzzle: its weekday's difficulty in a box of 12 x 10, not symmetric, with the
// generator's default budget and the date's seed. Asked for with no known fields, it depends
// on the date and the program alone.
GenerateRequest DailyRequest(const Date& date);

// "2026-12-07.zpz".
std::string DailyFileName(const Date& date);
// "Puzzles\Daily\2026-12-07.zpz" in the player's folder.
std::string DailyPuzzlePath(const Date& date);
// The date's puzzle as written to its path: its field, then [INFO] with SOLUTIONS and SEED.
FileToSave DailyPuzzleFile(const GeneratedPuzzle& puzzle, const Date& date);
// The date of a daily puzzle named by its group and name ("Daily", "2026-12-07"); nothing for
// any other puzzle.
std::optional<Date> DailyDateOf(const std::string& group, const std::string& name);

// The win of the game in play: when it is today's daily puzzle, won for the first time today,
// the streak counts it and keeps its time and hints for the day's result.
void RecordDailyWinOf(GameState& gs, const WinTime& win, const Date& today);
// "Copy daily result": the line of today's win; nothing until today's puzzle is won.
std::optional<std::string> DailyResult(const DailyStreak& streak, const Date& today);
// When the generator found no puzzle for the day (it never should).
Message DailyNotMadeMessage();
