// The daily puzzle's dates, difficulty, seed, streak and texts.
#include "model/daily.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "model/game_clock.h"

namespace {

// The middle dot of the ANSI code page, between the parts of a line.
constexpr const char* kDot = " \xB7 ";

bool LeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    constexpr int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : days[month - 1];
}

// The digits of text[first, first + count) as a number; -1 when one is not a digit.
int32_t Digits(std::string_view text, std::size_t first, std::size_t count) {
    int32_t n = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

// One step of SplitMix64: every bit of x reaches every bit of the result.
uint64_t SplitMix64(uint64_t x) {
    uint64_t z = x + 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// "ZENDRAKD": keeps the daily seeds apart from the small seeds the other puzzles use.
constexpr uint64_t kDailySalt = 0x5A454E4452414B44u;

} // namespace

std::optional<Date> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const Date date{Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2)};
    if (date.year < kLeastDateYear || date.year > kMostDateYear || date.month < 1 ||
        date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string DateText(const Date& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// Counted from 1 March of year 0, so that a leap day ends its year (the days-from-civil
// arithmetic of the proleptic Gregorian calendar), then moved to 1970-01-01.
int64_t DayNumber(const Date& date) {
    const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear =
        (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Weekday WeekdayOf(const Date& date) {
    // 1970-01-01 was a Thursday, three days after a Monday.
    const int64_t n = ((DayNumber(date) + 3) % 7 + 7) % 7;
    return static_cast<Weekday>(n);
}

Difficulty DailyDifficulty(const Date& date) {
    switch (WeekdayOf(date)) {
    case Weekday::Monday:
        return Difficulty::Easy;
    case Weekday::Tuesday:
    case Weekday::Wednesday:
        return Difficulty::Medium;
    case Weekday::Thursday:
    case Weekday::Friday:
        return Difficulty::Hard;
    case Weekday::Saturday:
        return Difficulty::Expert;
    case Weekday::Sunday:
        break;
    }
    return Difficulty::Unique;
}

uint64_t DailySeed(const Date& date) {
    return SplitMix64(static_cast<uint64_t>(DayNumber(date)) ^ kDailySalt);
}

bool RecordDailyWin(DailyStreak& s, const Date& puzzle, const Date& today) {
    if (puzzle != today || s.lastWon == today) return false;
    const bool continues = s.lastWon && DayNumber(*s.lastWon) + 1 == DayNumber(today);
    s.current = continues ? std::min(s.current, std::numeric_limits<int32_t>::max() - 1) + 1 : 1;
    s.best = std::max(s.best, s.current);
    s.lastWon = today;
    return true;
}

int32_t ShownStreak(const DailyStreak& s, const Date& today) {
    if (!s.lastWon) return 0;
    const int64_t since = DayNumber(today) - DayNumber(*s.lastWon);
    return since == 0 || since == 1 ? s.current : 0;
}

void LimitDailyStreak(DailyStreak& s) {
    s.current = std::max(s.current, 0);
    s.best = std::max(s.best, s.current);
    s.lastSeconds = std::max(s.lastSeconds, 0);
    s.lastHints = std::max(s.lastHints, 0);
}

std::string DailyStatusText(const Date& date) {
    return "Daily " + DateText(date) + " (" + DifficultyName(DailyDifficulty(date)) + ")";
}

std::string DailyStreakText(const DailyStreak& s, const Date& today) {
    const int32_t shown = ShownStreak(s, today);
    return "Streak: " + std::to_string(shown) + (shown == 1 ? " day" : " days") + " (best " +
           std::to_string(s.best) + ")";
}

std::string DailyResultText(const Date& date, int64_t seconds, int32_t streak, int32_t hints) {
    std::string text = "Zendrak daily " + DateText(date) + kDot +
                       DifficultyName(DailyDifficulty(date)) + kDot + "solved in " +
                       ClockText(seconds) + kDot + "streak " + std::to_string(streak);
    if (hints > 0) text += kDot + std::to_string(hints) + (hints == 1 ? " hint" : " hints");
    return text;
}
