// The keys that hold solutions and times: [INFO] SOLUTIONS of a puzzle, [SAVE] TIME of a saved
// game, STATUS_BAR and [BEST_TIMES] of the settings file; and the best time a win keeps.
#include <gtest/gtest.h>

#include "files/puzzle_file.h"
#include "files/settings_file.h"
#include "model/best_times.h"
#include "test_support.h"

namespace {

const std::string kField = "[GAME]\r\nDX = 5\r\nDY = 1\r\n\r\n[DATA]\r\nROW_1 = 11111\r\n";

PuzzleImage Read(const std::string& text, bool withFigures) {
    PuzzleImage image;
    EXPECT_TRUE(ReadPuzzleText(text, withFigures, Orientations().catalogue, image)) << text;
    return image;
}

TEST(PuzzleFileKeys, SolutionsAndTimeReadBackOrStayUnknown) {
    EXPECT_EQ(WritePuzzleInfo(2339), "\r\n[INFO]\r\nSOLUTIONS = 2339\r\n");
    EXPECT_EQ(Read(kField + WritePuzzleInfo(2339), false).solutions, 2339);
    EXPECT_EQ(Read(kField + WritePuzzleInfo(0), false).solutions, 0);
    for (const char* value : {"", "-5", "12x", "99999999999999"})
        EXPECT_EQ(Read(kField + "[INFO]\r\nSOLUTIONS = " + value + "\r\n", false).solutions, -1)
            << value;
    EXPECT_EQ(Read(kField, false).solutions, -1) << "a file of an older build";

    EXPECT_EQ(Read(kField + "[SAVE]\r\nTIME = 95\r\n", true).seconds, 95);
    EXPECT_EQ(Read(kField + "[SAVE]\r\nTIME = -3\r\n", true).seconds, 0);
    EXPECT_EQ(Read(kField + "[SAVE]\r\n", true).seconds, 0);
    EXPECT_EQ(Read(kField + "[SAVE]\r\nHINTS = -2\r\n", true).hints, 0);

    // The saved game keeps the clock's counted time, whole seconds, and the hints used, which
    // the game goes on from.
    auto gs = std::make_unique<GameState>(ReadyState());
    gs->clock.countedMs = 95999;
    EXPECT_EQ(WriteSavedGameText(*gs).find("HINTS"), std::string::npos);
    gs->hints.used = 3;
    const PuzzleImage saved = Read(WriteSavedGameText(*gs), true);
    EXPECT_EQ(std::pair(saved.seconds, saved.hints), std::pair(95, 3));
    ApplyPuzzleImage(*gs, Read(kField, true));
    EXPECT_EQ(gs->hints.used, 0);
    ApplyPuzzleImage(*gs, saved);
    EXPECT_EQ(gs->hints.used, 3);
}

TEST(SettingsFileKeys, StatusBarAndBestTimesRoundTripAfterEverySectionOfOld) {
    Settings s;
    s.statusBar = false;
    s.bestTimes = {{"Tutorial", "move a figure", 83}, {"My puzzles", "x = y", 0}};
    const Rect window{1, 2, 3, 4};
    const std::string text = WriteSettingsText(s, window);
    EXPECT_NE(text.find("USE_ONE_COLOR = 0\r\nSTATUS_BAR = 0\r\n\r\n[LAST]"), std::string::npos);
    EXPECT_NE(text.find("BOTTOM = 4\r\n\r\n[BEST_TIMES]\r\nGROUP_0 = Tutorial\r\n"
                        "PUZZLE_0 = move a figure\r\nSECONDS_0 = 83\r\nGROUP_1 = My puzzles\r\n"
                        "PUZZLE_1 = x = y\r\nSECONDS_1 = 0\r\n"),
              std::string::npos);
    const Settings read = ReadSettings(text);
    EXPECT_FALSE(read.statusBar);
    EXPECT_EQ(read.bestTimes, s.bestTimes);

    // A hand-edited list: a time below zero is left out, the list ends at the first entry
    // without both names, and it holds at most a thousand.
    std::string edited = "[BEST_TIMES]\nGROUP_0 = a\nPUZZLE_0 = b\nSECONDS_0 = -1\n"
                         "GROUP_1 = a\nPUZZLE_1 = c\nSECONDS_1 = 7\nGROUP_2 = a\nSECONDS_2 = 9\n"
                         "GROUP_3 = a\nPUZZLE_3 = d\nSECONDS_3 = 5\n";
    EXPECT_EQ(ReadSettings(edited).bestTimes, (std::vector<BestTime>{{"a", "c", 7}}));
    edited = "[BEST_TIMES]\n";
    for (int i = 0; i <= kMaxBestTimes; ++i) {
        const std::string n = std::to_string(i);
        edited += "GROUP_" + n + " = g\nPUZZLE_" + n + " = " + n + "\nSECONDS_" + n + " = 1\n";
    }
    EXPECT_EQ(ReadSettings(edited).bestTimes.size(), static_cast<std::size_t>(kMaxBestTimes));
}

TEST(BestTimes, AWinKeepsTheBestTimeOfTheCurrentPuzzleOnly) {
    auto gs = std::make_unique<GameState>(ReadyState());
    SetCurrentPuzzleField(*gs, 10, 6, gs->position.board);
    Settings& s = gs->settings;
    const std::pair<int64_t, WinTime> wins[] = {
        {83999, {83, true, std::nullopt}}, // the first win is the best so far
        {90000, {90, false, 83}},
        {83000, {83, false, 83}}, // as good is not better
        {60500, {60, true, 83}},
    };
    for (const auto& [ms, expected] : wins)
        EXPECT_EQ(RecordWinTime(*gs, ms), expected) << ms;
    EXPECT_EQ(BestTimeOf(s, "Tutorial", "move a figure"), 60);
    EXPECT_EQ(s.bestTimes.size(), 1u);

    // Another field in play is timed, and keeps nothing.
    gs->position.fieldWidth = 12;
    gs->position.fieldHeight = 5;
    EXPECT_EQ(RecordWinTime(*gs, 10000), (WinTime{10, false, std::nullopt}));
    EXPECT_EQ(s.bestTimes.size(), 1u);

    // A full list takes no new puzzle, but a listed one still improves.
    gs->position.fieldWidth = 10;
    gs->position.fieldHeight = 6;
    s.bestTimes.resize(kMaxBestTimes, BestTime{"g", "p", 1});
    s.lastFile = "another";
    EXPECT_EQ(RecordWinTime(*gs, 5000), (WinTime{5, false, std::nullopt}));
    EXPECT_FALSE(BestTimeOf(s, "Tutorial", "another"));
    s.lastFile = "move a figure";
    EXPECT_EQ(RecordWinTime(*gs, 5000), (WinTime{5, true, 60}));

    // Best times are a record of play without help.
    gs->hints.used = 2;
    EXPECT_EQ(RecordWinTime(*gs, 1000), (WinTime{1, false, 5, 2}));
    EXPECT_EQ(BestTimeOf(s, "Tutorial", "move a figure"), 5);
}

} // namespace
