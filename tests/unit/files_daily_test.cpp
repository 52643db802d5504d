// The daily puzzle: its dates and their difficulty, the fields of fixed dates, the streak of
// days won, kept in the settings file's [DAILY], and what the game says about them.
#include <gtest/gtest.h>

#include <limits>

#include "files/daily_puzzle.h"
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "files/settings_file.h"
#include "solver/field_shape.h"
#include "test_support.h"

namespace {

Date D(const char* text) {
    const std::optional<Date> date = ParseDate(text);
    EXPECT_TRUE(date) << text;
    return date.value_or(Date{});
}

TEST(DailyDate, ParsedStrictlyWithTheWeekdaysDifficulty) {
    for (const char* bad : {"2026-02-30", "2100-02-29", "2026-1-07", "2026-12-1:", "2026-13-01",
                            "2026-12-00", "1999-12-31", "2026/12/07", ""})
        EXPECT_FALSE(ParseDate(bad)) << bad;
    EXPECT_EQ(D("2026-12-07"), (Date{2026, 12, 7}));
    const std::pair<const char*, Difficulty> days[] = {
        {"2026-12-07", Difficulty::Easy},   {"2026-12-08", Difficulty::Medium},
        {"2026-12-09", Difficulty::Medium}, {"2026-12-10", Difficulty::Hard},
        {"2026-12-11", Difficulty::Hard},   {"2026-12-12", Difficulty::Expert},
        {"2026-12-13", Difficulty::Unique}, {"2026-12-31", Difficulty::Hard},
        {"2027-01-01", Difficulty::Hard},   {"2028-02-28", Difficulty::Easy},
        {"2028-02-29", Difficulty::Medium}, {"2028-03-01", Difficulty::Medium},
        {"2100-02-28", Difficulty::Unique}, {"2100-03-01", Difficulty::Easy},
        {"2000-01-01", Difficulty::Expert}, {"9999-12-31", Difficulty::Hard},
    };
    for (const auto& [text, difficulty] : days) {
        EXPECT_EQ(DailyDifficulty(D(text)), difficulty) << text;
        EXPECT_EQ(DateText(D(text)), text);
    }
}

TEST(DailyPuzzle, FieldsOfFixedDates) {
    // Any change of the generator or of the seed shows here: every player's puzzle of the day
    // would change with it.
    const struct {
        const char* date;
        int64_t solutions;
        const char* key;
    } days[] = {
        {"2026-12-07", 6730,
         "10x7:0011111110001111111001111111111111111111111111111011111111101111111110"},
        {"2026-12-08", 969,
         "12x6:000000100001111111111111101111111111101111111111111111111111111111111111"},
        {"2026-12-10", 68,
         "8x9:011111110111101101111101011111100111111101111111011110111111111101111111"},
    };
    for (const auto& day : days) {
        const Date date = D(day.date);
        const GeneratedPuzzle puzzle = GeneratePuzzle(DailyRequest(date), {});
        ASSERT_TRUE(puzzle.found) << day.date;
        const FileToSave file = DailyPuzzleFile(puzzle, date);
        PuzzleImage image;
        ASSERT_TRUE(ReadPuzzleText(file.text, false, Orientations().catalogue, image));
        EXPECT_EQ(FieldKey(image.width, image.height, image.cells), day.key) << day.date;
        EXPECT_EQ(image.solutions, day.solutions) << day.date;
        EXPECT_NE(file.text.find("SEED = " + std::to_string(DailySeed(date)) + "\r\n"),
                  std::string::npos);
    }
    EXPECT_EQ(DailyDateOf(kDailyGroup, "2026-12-10"), D("2026-12-10"));
    EXPECT_EQ(DailyDateOf(kRandomGroup, "2026-12-10"), std::nullopt);
}

TEST(DailyStreak, CountsDaysWonOnTheirDateInARow) {
    DailyStreak s;
    EXPECT_TRUE(RecordDailyWin(s, D("2026-12-30"), D("2026-12-30")));
    EXPECT_TRUE(RecordDailyWin(s, D("2026-12-31"), D("2026-12-31")));
    EXPECT_FALSE(RecordDailyWin(s, D("2026-12-31"), D("2026-12-31"))) << "won twice the same day";
    EXPECT_FALSE(RecordDailyWin(s, D("2026-12-31"), D("2027-01-01"))) << "yesterday's puzzle";
    EXPECT_TRUE(RecordDailyWin(s, D("2027-01-01"), D("2027-01-01")));
    EXPECT_EQ(s, (DailyStreak{D("2027-01-01"), 3, 3}));
    EXPECT_EQ(DailyStreakText(s, D("2027-01-02")), "Streak: 3 days (best 3)")
        << "today's may still be won";
    EXPECT_EQ(DailyStreakText(s, D("2027-01-03")), "Streak: 0 days (best 3)");
    EXPECT_TRUE(RecordDailyWin(s, D("2027-01-03"), D("2027-01-03"))) << "a day missed";
    EXPECT_EQ(DailyStreakText(s, D("2027-01-03")), "Streak: 1 day (best 3)");

    constexpr int32_t most = std::numeric_limits<int32_t>::max();
    s = {D("2027-01-03"), most, most}; // as a hand-edited file may have it
    EXPECT_TRUE(RecordDailyWin(s, D("2027-01-04"), D("2027-01-04")));
    EXPECT_EQ(s.current, most);
}

TEST(DailyStreak, KeptLastInTheSettingsOnceThereIsOne) {
    Settings s;
    Rect window;
    EXPECT_EQ(WriteSettingsText(s, window).find("[DAILY]"), std::string::npos);
    s.daily = {D("2026-12-07"), 4, 9, 192, 2};
    const std::string text = WriteSettingsText(s, window);
    const std::string tail = "SYMMETRIC = 0\r\n\r\n[DAILY]\r\nLAST_WON = 2026-12-07\r\nSTREAK = "
                             "4\r\nBEST = 9\r\nTIME = 192\r\nHINTS = 2\r\n";
    EXPECT_TRUE(text.ends_with(tail)) << text;
    EXPECT_EQ(ReadSettings(text).daily, s.daily);

    const std::pair<const char*, DailyStreak> edited[] = {
        {"STREAK = 4\nBEST = 9", {}},
        {"LAST_WON = 2026-02-30\nSTREAK = 4\nBEST = 9", {}},
        {"LAST_WON = 2026-12-07\nSTREAK = -3\nBEST = many\nTIME = -1", {D("2026-12-07"), 0, 0}},
        {"LAST_WON = 2026-12-07\nSTREAK = 5\nBEST = 2", {D("2026-12-07"), 5, 5}},
    };
    for (const auto& [keys, streak] : edited)
        EXPECT_EQ(ReadSettings(std::string("[DAILY]\n") + keys + "\n").daily, streak) << keys;
}

// The day's result is there once today's puzzle is won on the field of its file.
TEST(DailyResult, TodaysWinWithItsTimeHintsAndStreak) {
    const Date thursday = D("2026-12-10");
    auto gs = std::make_unique<GameState>(ReadyState(10, 6));
    gs->settings.lastFolder = "Daily";
    gs->settings.lastFile = "2026-12-10";
    gs->settings.daily = {D("2026-12-09"), 3, 9};
    RecordDailyWinOf(*gs, {100, false, std::nullopt, 0}, thursday);
    EXPECT_FALSE(DailyResult(gs->settings.daily, thursday)) << "not the field of its file";
    SetCurrentPuzzleField(*gs, 10, 6, gs->position.board);
    RecordDailyWinOf(*gs, {192, false, std::nullopt, 2}, D("2026-12-11"));
    EXPECT_FALSE(DailyResult(gs->settings.daily, D("2026-12-11"))) << "won a day late";
    RecordDailyWinOf(*gs, {192, false, std::nullopt, 2}, thursday);
    RecordDailyWinOf(*gs, {60, false, std::nullopt, 0}, thursday); // once a day
    const std::string result =
        "Zendrak daily 2026-12-10 \xB7 Hard \xB7 solved in 3:12 \xB7 streak 4";
    EXPECT_EQ(DailyResult(gs->settings.daily, thursday), result + " \xB7 2 hints");
    gs->settings.daily.lastHints = 1;
    EXPECT_EQ(DailyResult(gs->settings.daily, thursday), result + " \xB7 1 hint");
    gs->settings.daily.lastHints = 0;
    EXPECT_EQ(DailyResult(gs->settings.daily, thursday), result);
}

} // namespace
