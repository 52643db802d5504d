// The Random puzzle dialog's decisions: the choice remembered in [RANDOM_PUZZLE], the size
// refused, the file a generated puzzle becomes and the game that starts on it.
#include <gtest/gtest.h>

#include "files/puzzle_file.h"
#include "files/random_puzzle.h"
#include "files/settings_file.h"
#include "test_support.h"

namespace {

TEST(RandomPuzzle, ChoiceRememberedLastInTheSettingsAndLimited) {
    Settings s;
    s.randomPuzzle = {Difficulty::Unique, 7, 24, true};
    const std::string text = WriteSettingsText(s, Rect{});
    const std::string tail = "[RANDOM_PUZZLE]\r\nDIFFICULTY = 1\r\nWIDTH = 7\r\nHEIGHT = 24\r\n"
                             "SYMMETRIC = 1\r\n";
    EXPECT_TRUE(text.ends_with(tail)) << text;
    EXPECT_EQ(OpenRandomPuzzle(ReadSettings(text)), s.randomPuzzle);

    // Hand-edited: no difficulty the dialog offers reads as Hard; sides are kept to 5..24.
    for (const char* difficulty : {"0", "6"})
        EXPECT_EQ(ReadSettings(std::string("[RANDOM_PUZZLE]\nDIFFICULTY = ") + difficulty +
                               "\nWIDTH = 4\nHEIGHT = 25\n")
                      .randomPuzzle,
                  (RandomPuzzleChoice{Difficulty::Hard, 5, 24, false}))
            << difficulty;
}

TEST(RandomPuzzle, SizeRefusedNamesFileAndGame) {
    EXPECT_EQ(CheckRandomPuzzle({Difficulty::Easy, 5, 11, false}),
              InformationMessage("The largest size must hold at least 60 cells."));
    EXPECT_EQ(CheckRandomPuzzle({Difficulty::Easy, 5, 12, false}), std::nullopt);
    // A search that found nothing says how long it searched.
    EXPECT_EQ(NoRandomPuzzleMessage(10400),
              InformationMessage("No puzzle of this difficulty was found in this size in 10 "
                                 "seconds of search. Please try a larger size or another "
                                 "difficulty."));
    EXPECT_NE(NoRandomPuzzleMessage(1999).text.find(" in 1 second of search."), std::string::npos);
    const GenerateRequest request = RandomPuzzleRequest({Difficulty::Expert, 9, 8, true}, 42);
    EXPECT_TRUE(request.difficulty == Difficulty::Expert && request.maxWidth == 9 &&
                request.maxHeight == 8 && request.symmetric && request.seed == 42);

    // A name taken in the same second gets the next number.
    const LocalTime t{2026, 12, 7, 14, 5, 9};
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& n) { return taken.count(n) > 0; };
    EXPECT_EQ(RandomPuzzleName(Difficulty::Hard, t, isTaken), "Hard 2026-12-07 14-05-09");
    taken = {"Hard 2026-12-07 14-05-09", "Hard 2026-12-07 14-05-09 (2)"};
    EXPECT_EQ(RandomPuzzleName(Difficulty::Hard, t, isTaken), "Hard 2026-12-07 14-05-09 (3)");

    GeneratedPuzzle puzzle;
    puzzle.found = true;
    puzzle.width = 12, puzzle.height = 5, puzzle.solutions = 1010;
    const FileToSave file = RandomPuzzleFile(puzzle, 99, "Easy x");
    EXPECT_EQ(file.path, "Puzzles\\Random\\Easy x.zpz");
    EXPECT_EQ(file.text, WritePuzzleText(12, 5, puzzle.cells) +
                             "\r\n[INFO]\r\nSOLUTIONS = 1010\r\nSEED = 99\r\n");

    // Play starts on it as on a library puzzle, with its count known.
    auto gs = std::make_unique<GameState>(ReadyState());
    StartRandomPuzzle(*gs, {Difficulty::Easy, 12, 9, false}, puzzle, "Easy x");
    EXPECT_EQ(gs->settings.lastFolder, "Random");
    EXPECT_EQ(gs->settings.lastFile, "Easy x");
    EXPECT_EQ(gs->position.fieldWidth, 12);
    EXPECT_EQ(gs->position.currentPuzzleField.solutions, 1010);
    EXPECT_EQ(gs->settings.randomPuzzle, (RandomPuzzleChoice{Difficulty::Easy, 12, 9, false}));
}

} // namespace
