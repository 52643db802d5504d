// The daily puzzle: its date, its difficulty by weekday, the seed made from the date alone, the
// streak of days won and what the game says about them. The game passes in the local date;
// nothing here reads a clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/difficulty.h"

// A day of the proleptic Gregorian calendar.
struct Date {
    int32_t year = 2000;
    int32_t month = 1; // 1..12
    int32_t day = 1;   // 1..31
    bool operator==(const Date&) const = default;
};

// The years a date of the game may have.
constexpr int32_t kLeastDateYear = 2000;
constexpr int32_t kMostDateYear = 9999;

enum class Weekday { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };

// "2026-12-07": four digits, two and two, a real day of a year 2000..9999; nothing else.
std::optional<Date> ParseDate(std::string_view text);
// "2026-12-07".
std::string DateText(const Date& date);
// Days since 1970-01-01: consecutive days have consecutive numbers.
int64_t DayNumber(const Date& date);
Weekday WeekdayOf(const Date& date);

// Monday Easy, Tuesday and Wednesday Medium, Thursday and Friday Hard, Saturday Expert,
// Sunday Unique.
Difficulty DailyDifficulty(const Date& date);
// The generator's seed for the date's puzzle: a fixed mix of its day number, the same on every
// machine.
uint64_t DailySeed(const Date& date);

// The days in a row whose daily puzzle was won on its own date.
struct DailyStreak {
    std::optional<Date> lastWon; // the last such day
    int32_t current = 0;         // the streak that ends on lastWon
    int32_t best = 0;            // the longest streak ever, never below current
    int32_t lastSeconds = 0;     // the time and the hints of lastWon's win, for its result
    int32_t lastHints = 0;
    bool operator==(const DailyStreak&) const = default;
};

// The daily puzzle of `puzzle` won on `today`. It counts only on its own date, and once a day:
// the day after the last one won continues the streak, a later one starts it again at 1.
// True when the win counted.
bool RecordDailyWin(DailyStreak& streak, const Date& puzzle, const Date& today);
// The streak on `today`: the current one while the last day won is today or yesterday, else 0.
int32_t ShownStreak(const DailyStreak& streak, const Date& today);
// A streak read from a file: no number below 0, best at least current.
void LimitDailyStreak(DailyStreak& streak);

// The status bar's "Daily 2026-12-10 (Hard)".
std::string DailyStatusText(const Date& date);
// The New game preview's "Streak: 4 days (best 9)", "Streak: 1 day (best 1)" on `today`.
std::string DailyStreakText(const DailyStreak& streak, const Date& today);
// What a win puts on the clipboard: "Zendrak daily 2026-12-10 \xB7 Hard \xB7 solved in 3:12
// \xB7 streak 4", then " \xB7 2 hints" (" \xB7 1 hint") when hints were used.
std::string DailyResultText(const Date& date, int64_t seconds, int32_t streak, int32_t hints);
