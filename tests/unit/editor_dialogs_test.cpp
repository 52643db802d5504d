// The decisions of the Create puzzle dialog and of "Save puzzle".
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "editor/create_puzzle.h"
#include "editor/new_puzzle.h"
#include "files/puzzle_file.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "solver/analyse.h"
#include "test_support.h"

TEST(CreatePuzzleDialog, OpeningChecksInOrderAndOk) {
    GameState gs = ReadyState(); // a remembered size out of range is brought into it
    gs.settings.createWidth = 99;
    gs.settings.createHeight = 2;
    gs.settings.creationMethod = CreationMethod::BySquares;
    gs.settings.newPuzzleName = "remembered";
    EXPECT_EQ(OpenCreatePuzzle(gs),
              (CreatePuzzleForm{24, 3, CreationMethod::BySquares, "remembered"}));

    const Message areaTooSmall{"Value of {Width * Height} must be equal or more than 60."};
    const Message noName{"Please enter a file name."};
    const auto check = [](int width, int height, const char* name) {
        return CheckCreatePuzzle({width, height, CreationMethod::ByFigures, name});
    };
    EXPECT_EQ(check(7, 8, "   "), areaTooSmall) << "the size is checked first";
    EXPECT_EQ(check(3, 20, "   "), noName);
    EXPECT_EQ(check(3, 20, "a"), std::nullopt);

    struct Start {
        CreatePuzzleForm form;
        int listEntries; // the figure list: one square, or the twelve figures
    } starts[] = {
        {{3, 20, CreationMethod::BySquares, "old"}, 1},
        {{12, 8, CreationMethod::ByFigures, "tiles"}, kFigureCount + 1},
    };
    for (const Start& s : starts) {
        auto game = std::make_unique<GameState>(ReadyState());
        LayFigure(*game, Figure{-2, 0, BaseShapes()[1]});
        StartCreatingPuzzle(*game, s.form);
        const Position& p = game->position;
        EXPECT_EQ(OpenCreatePuzzle(*game), s.form) << "remembered";
        EXPECT_EQ(std::tuple(p.fieldWidth, p.fieldHeight, p.historyCount, game->editor.mode,
                             game->hand.listEntries),
                  std::tuple(s.form.width, s.form.height, 1, EditMode::Editing, s.listEntries));
    }
}

TEST(SavePuzzle, ChecksThenTheFileThenTheOutcome) {
    const Message wrongCount = InformationMessage(
        "Number of squares must be 60 (12 figures * 5 squares). Please check your task.");
    const Message notMultipleOf5 =
        InformationMessage("Area of closed figure must divide to 5. Please check your task.");
    const Message putAll = InformationMessage("Please put all figures.");
    Rows rows(7, "..ooooo.ooooo"); // two 5 x 6 blocks with a blank column between them
    rows[0] = "";
    const Grid halves = GridFromRows(rows);
    Grid fiftyNine = halves, thirtyOneAndTwentyNine = halves;
    At(fiftyNine, 12, 6) = kCellOpen;
    At(thirtyOneAndTwentyNine, 12, 6) = kCellOpen;
    At(thirtyOneAndTwentyNine, 2, 7) = kCellSquare;
    // Written at once; the count of solutions follows.
    const std::string halvesText = WritePuzzleText(11, 6, GridFromRows(Rows(6, ".....#")));
    const std::string tilingText = WritePuzzleText(10, 6, Grid{});

    // Editing, the method, the drawing ("By squares"), the first figures of the 10 x 6 tiling
    // laid ("By figures"), the refusal, the text written when nothing is refused.
    const std::tuple<bool, CreationMethod, Grid, int, std::optional<Message>, std::string> cases[] =
        {
            {false, CreationMethod::BySquares, halves, 0, std::nullopt, ""},
            {true, CreationMethod::BySquares, fiftyNine, 0, wrongCount, ""},
            {true, CreationMethod::BySquares, thirtyOneAndTwentyNine, 0, notMultipleOf5, ""},
            {true, CreationMethod::BySquares, halves, 0, std::nullopt, halvesText},
            {true, CreationMethod::ByFigures, halves, 11, putAll, ""},
            {true, CreationMethod::ByFigures, Grid{}, 12, std::nullopt, tilingText},
        };
    for (const auto& [editing, method, drawing, figuresLaid, refusal, text] : cases) {
        auto gs = std::make_unique<GameState>(ReadyState());
        ASSERT_TRUE(AnalysePosition(*gs));
        for (int k = 1; k <= figuresLaid; ++k)
            LayOneFigure(*gs, [k] { return k - 1; });
        gs->settings.newPuzzleName = "two halves";
        gs->settings.creationMethod = method;
        gs->editor.mode = editing ? EditMode::Editing : EditMode::Playing;
        gs->editor.field = drawing;
        const PuzzleSave save = StartPuzzleSave(*gs);
        EXPECT_EQ(std::tuple(save.editing, save.refusal, save.file.text),
                  std::tuple(editing, refusal, text))
            << figuresLaid;
        if (text.empty()) continue;
        EXPECT_EQ(save.file.path, "Puzzles\\My puzzles\\two halves.zpz");
        EXPECT_EQ(save.file.text,
                  WritePuzzleText(save.puzzle.width, save.puzzle.height, save.puzzle.field))
            << "the puzzle committed is the one written";
    }

    const PuzzleSaveOutcome written = FinishPuzzleSave(FileSave::Written),
                            failed = FinishPuzzleSave(FileSave::ShortWrite);
    EXPECT_EQ(std::pair(written.message, written.commit),
              std::pair(Message{"New puzzle saved succesfully.", MessageIcon::Question}, true));
    EXPECT_EQ(std::pair(failed.message, failed.commit),
              std::pair(ErrorMessage("Error save file."), false));
}

// The count arrives after the file was written: it is added to the file only while the file
// still holds that puzzle without a count.
TEST(SavePuzzle, TheCountIsAddedToTheFileItBelongsTo) {
    TrimmedPuzzle saved;
    saved.width = 10;
    saved.height = 6;
    const std::string written = WritePuzzleText(10, 6, saved.field);
    EXPECT_EQ(SavedPuzzleWithCount(written, saved, 2339), written + WritePuzzleInfo(2339));
    Grid other{};
    At(other, 9, 5) = kCellBlocked;
    EXPECT_EQ(SavedPuzzleWithCount(written + WritePuzzleInfo(2339), saved, 2339), std::nullopt)
        << "already counted";
    EXPECT_EQ(SavedPuzzleWithCount(WritePuzzleText(10, 6, other), saved, 2339), std::nullopt)
        << "replaced by another puzzle of that name";
    EXPECT_EQ(SavedPuzzleWithCount(WritePuzzleText(6, 10, Grid{}), saved, 2339), std::nullopt);
    EXPECT_EQ(SavedPuzzleWithCount("", saved, 2339), std::nullopt) << "deleted or unreadable";
}
