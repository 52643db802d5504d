// What the status bar says, and the New game dialog's progress and preview notes.
#include <gtest/gtest.h>

#include "files/game_dialogs.h"
#include "render/status_bar.h"
#include "test_support.h"

namespace {

const Date kToday{2026, 12, 10};

TEST(StatusBar, PartsForPlayWinsOtherFieldsAndTheEditor) {
    auto gs = std::make_unique<GameState>(ReadyState());
    SetCurrentPuzzleField(*gs, 10, 6, gs->position.board);
    gs->settings.bestTimes = {{"Tutorial", "move a figure", 75}};
    struct Case {
        StatusInput in;
        StatusTexts texts;
    };
    const Case cases[] = {
        {{2339, 42999, std::nullopt},
         {"Tutorial: move a figure", "2,339 solutions \xB7 Easy", "Time 0:42", "Best 1:15"}},
        {{std::nullopt, 0, std::nullopt},
         {"Tutorial: move a figure", "Counting solutions...", "Time 0:00", "Best 1:15"}},
        {{2339, 99000, WinTime{61, true, 75}},
         {"Tutorial: move a figure", "2,339 solutions \xB7 Easy", "Solved in 1:01",
          "New best time!"}},
        {{2339, 99000, WinTime{80, false, 75}},
         {"Tutorial: move a figure", "2,339 solutions \xB7 Easy", "Solved in 1:20", "Best 1:15"}},
        {{2339, 99000, WinTime{192, false, 75, 2}},
         {"Tutorial: move a figure", "2,339 solutions \xB7 Easy", "Solved in 3:12 with 2 hints",
          "Best 1:15"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatusBarTexts(*gs, c.in), c.texts) << c.texts[kStatusClock];

    // The clock's part grows to hold a win with hints, two characters to spare.
    const auto clockWidth = [&](const StatusInput& in) {
        const auto edges = StatusPartEdges(800, 6, StatusBarTexts(*gs, in));
        return edges[kStatusClock] - edges[kStatusSolutions];
    };
    EXPECT_EQ(clockWidth(cases[2].in), 17 * 6);
    EXPECT_EQ(clockWidth(cases[4].in), (27 + 2) * 6) << cases[4].texts[kStatusClock];

    // A hint on show takes the first part until the next move.
    gs->hints.presses = 1;
    gs->hints.hint.emplace().kind = HintKind::Dead;
    gs->hints.hint->culprits = {11};
    EXPECT_EQ(StatusBarTexts(*gs, cases[0].in)[kStatusPuzzle],
              "The field cannot be finished with the X where it lies.");
    ForgetHint(gs->hints);
    EXPECT_EQ(StatusBarTexts(*gs, cases[0].in)[kStatusPuzzle], "Tutorial: move a figure");

    gs->settings.lastFolder = "Daily";
    gs->settings.lastFile = "2026-12-10";
    EXPECT_EQ(StatusBarTexts(*gs, cases[0].in)[kStatusPuzzle], "Daily 2026-12-10 (Hard)");
    gs->settings.lastFolder = "Tutorial";
    gs->settings.lastFile = "move a figure";

    gs->settings.bestTimes.clear();
    EXPECT_EQ(StatusBarTexts(*gs, {1, 0, std::nullopt})[kStatusBest], "No best time yet");
    gs->position.fieldWidth = 12; // a saved game of another field
    gs->position.fieldHeight = 5;
    EXPECT_EQ(StatusBarTexts(*gs, {1010, 5000, std::nullopt}),
              (StatusTexts{"12 x 5 field", "1,010 solutions \xB7 Easy", "Time 0:05", ""}));
    gs->editor.mode = EditMode::Editing;
    EXPECT_EQ(StatusBarTexts(*gs, {1010, 5000, std::nullopt}),
              (StatusTexts{"Puzzle editor", "", "", ""}));
}

TEST(NewGameDialog, GroupProgressAndPreviewNotes) {
    LibraryGroup group{"Rectangles", {{"a", true}, {"b", false}, {"c", true}}};
    EXPECT_EQ(GroupItemText(group), "Rectangles (2/3)");
    EXPECT_EQ(GroupItemText({"Empty", {}}), "Empty");

    auto gs = std::make_unique<GameState>(ReadyState());
    gs->settings.bestTimes = {{"Rectangles", "a", 3725}};
    PuzzleImage counted;
    counted.solutions = 1010;
    const PuzzleImage uncounted;
    using Notes = std::vector<std::string>;
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Rectangles", "a"}, counted, 7, kToday),
              (Notes{"1,010 solutions \xB7 Easy", "Best time 1:02:05"}))
        << "the file's own count comes first";
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Rectangles", "b"}, uncounted, 7, kToday),
              (Notes{"7 solutions \xB7 Expert"}));
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Rectangles", "b"}, uncounted, std::nullopt, kToday),
              (Notes{"Counting solutions..."}));
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Rectangles", ""}, counted, 7, kToday), Notes{});
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Rectangles", "a"}, std::nullopt, 7, kToday), Notes{});
    gs->settings.daily = {Date{2026, 12, 9}, 4, 9};
    EXPECT_EQ(NewGamePreviewNotes(*gs, {"Daily", "2026-12-07"}, counted, 7, kToday),
              (Notes{"1,010 solutions \xB7 Easy", "Streak: 4 days (best 9)"}));
}

} // namespace
