// The decisions of the New game, Load and Save dialogs, and of their previews.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "files/game_dialogs.h"
#include "files/puzzle_paths.h"
#include "files/save_name.h"
#include "model/history.h"
#include "test_support.h"

// A field of width x height open cells, with the first `blocked` cells of row 0 blocked.
PuzzleImage Field(int width, int height, int blocked = 0) {
    PuzzleImage image{width, height, {}, {}};
    for (int c = 0; c < blocked; ++c)
        At(image.cells, c, 0) = kCellBlocked;
    return image;
}

// A game on the open 10 x 6 field with the I and the X laid, as two drops.
std::unique_ptr<GameState> GameInProgress() {
    auto gs = std::make_unique<GameState>(ReadyState());
    Lay(*gs, BaseShapes()[1], -2, 0);
    Lay(*gs, BaseShapes()[12], 0, 0);
    gs->position.unsavedChanges = true;
    return gs;
}

TEST(DialogPreview, TextOrCentredPictureOfTheChosenFile) {
    PuzzleImage game = Field(7, 9, 2);
    game.figures[0] = Figure{-2, 2, BaseShapes()[1]};
    EXPECT_EQ(PlanPreview(false, std::nullopt, kPuzzlePreviewTexts, 200, 150).text,
              "Puzzle is not selected.");
    EXPECT_EQ(PlanPreview(true, std::nullopt, kGamePreviewTexts, 200, 150).text,
              "The game is invalid.");
    // Centred, or shifted up and left when larger than the window.
    for (const auto& [file, width, height, left, top] :
         {std::tuple{game, 200, 150, 72, 39}, {Field(24, 24), 150, 101, -21, -45}}) {
        const PreviewPicture p = PlanPreview(true, file, kGamePreviewTexts, width, height);
        EXPECT_EQ(std::tuple(p.text, p.left, p.top, p.columns, p.rows),
                  std::tuple("", left, top, file.width, file.height));
        EXPECT_EQ(p.cells, ComposePreview(file)) << "the figures are drawn in";
    }
    // Two notes of 13-pixel lines under the picture: the second ends at the bottom.
    EXPECT_EQ(PreviewNoteRow(200, 150, 13, 2, 0), (Rect{0, 124, 200, 137}));
    EXPECT_EQ(PreviewNoteRow(200, 150, 13, 2, 1), (Rect{0, 137, 200, 150}));

    // The file is read as a saved game or as a puzzle; nothing chosen reads as nothing.
    auto gs = std::make_unique<GameState>(ReadyState(7, 9));
    LayFigure(*gs, game.figures[0]);
    const std::string path = TempPath("preview.zpz");
    std::ofstream(path, std::ios::binary) << WriteSavedGameText(*gs);
    EXPECT_EQ(ReadChosenFile(path, true).value().figures[0], game.figures[0]);
    EXPECT_TRUE(IsEmptyMatrix(ReadChosenFile(path, false).value().figures[0].matrix));
    std::filesystem::remove(path);
    EXPECT_EQ(ReadChosenFile("", false), std::nullopt);
}

TEST(NewGameDialog, TreeWithExactSolvedMarksTheCurrentPuzzleAndOk) {
    const std::vector<LibraryFolder> library = {{"Alpha", {"A two.zpz", "b.zpz", "C.zpz"}},
                                                {"beta", {"b.zpz", "x.zpz"}},
                                                {"Gamma empty", {}}};
    GameState gs = ReadyState();
    gs.settings.solved = {{"Alpha", "b"}, {"alpha", "C"}, {"Beta", "x"}, {"beta", "A two"}};
    const std::vector<LibraryGroup> tree = {
        {"Alpha", {{"A two", false}, {"b", true}, {"C", false}}},
        {"beta", {{"b", false}, {"x", false}}},
        {"Gamma empty", {}},
    };
    const std::tuple<const char*, const char*, int, int> openings[] = {
        {"beta", "x", 1, 1}, {"Alpha", "A two", 0, 0}, {"Beta", "x", -1, -1}};
    for (const auto& [folder, file, group, puzzle] : openings) {
        gs.settings.lastFolder = folder;
        gs.settings.lastFile = file;
        const NewGameOpening opening = OpenNewGame(gs, library);
        EXPECT_EQ(opening.groups, tree);
        EXPECT_EQ(std::pair(opening.currentGroup, opening.currentPuzzle), std::pair(group, puzzle))
            << folder << "\\" << file;
    }

    // Refused, the game in progress goes on; started, a win counts for the puzzle.
    auto game = GameInProgress();
    const Position& p = game->position;
    const Settings& s = game->settings;
    EXPECT_EQ(ChosenPuzzlePath({"Alpha", ""}), "");
    EXPECT_EQ(StartNewGame(*game, {"Alpha", ""}, Field(7, 9)),
              InformationMessage("Puzzle is not selected."));
    EXPECT_EQ(ChosenPuzzlePath({"Alpha", "b"}), "Puzzles\\Alpha\\b.zpz");
    EXPECT_EQ(StartNewGame(*game, {"Alpha", "b"}, std::nullopt),
              InformationMessage("Please select a valid puzzle."));
    EXPECT_EQ(std::tuple(p.fieldWidth, p.historyCount, FiguresInList(*game), p.unsavedChanges,
                         s.lastFolder, s.lastFile),
              std::tuple(10, 3, kFigureCount - 2, true, "Tutorial", "move a figure"));
    EXPECT_EQ(StartNewGame(*game, {"Alpha", "b"}, Field(7, 9, 3)), std::nullopt);
    EXPECT_EQ(std::tuple(p.fieldWidth, p.fieldHeight, p.historyCount, FiguresInList(*game),
                         p.unsavedChanges, s.lastFolder, s.lastFile),
              std::tuple(7, 9, 1, kFigureCount, false, "Alpha", "b"));
    EXPECT_EQ(p.board, Field(7, 9, 3).cells);
    EXPECT_TRUE(PlaysCurrentPuzzle(*game));
    At(game->position.board, 7, 0) = At(game->position.board, 0, 9) = kCellBlocked;
    EXPECT_TRUE(PlaysCurrentPuzzle(*game)) << "cells outside the field do not count";
}

// The current puzzle's file is read again: it must hold the field loaded for a win to count.
TEST(LoadDialog, OkLoadsThePositionAndRereadsTheCurrentPuzzle) {
    auto saved = GameInProgress();
    PuzzleImage file = Field(10, 6);
    file.figures = saved->position.placed;
    // Natively a backslash is an ordinary character of the file's name.
    const std::string current = MakeLibraryPuzzlePath("zendrak load test", "p");
    // Chosen, the file, the current puzzle's file (none: missing), the outcome, a win counts.
    const std::tuple<bool, std::optional<PuzzleImage>, std::optional<PuzzleImage>, LoadOutcome,
                     bool>
        cases[] = {
            {false, std::nullopt, Field(10, 6), LoadOutcome::NothingChosen, false},
            {true, std::nullopt, Field(10, 6), LoadOutcome::Invalid, false},
            {true, file, Field(10, 6), LoadOutcome::Loaded, true},
            {true, file, Field(12, 6), LoadOutcome::Loaded, false},
            {true, file, Field(10, 5), LoadOutcome::Loaded, false},
            {true, file, Field(10, 6, 1), LoadOutcome::Loaded, false},
            {true, file, std::nullopt, LoadOutcome::Loaded, false},
        };
    for (const auto& [chosen, chosenFile, currentPuzzle, expected, playsCurrent] : cases) {
        auto gs = std::make_unique<GameState>(ReadyState(7, 9));
        gs->settings.lastFolder = "zendrak load test";
        gs->settings.lastFile = "p";
        if (const auto& f = currentPuzzle)
            std::ofstream(current, std::ios::binary)
                << WritePuzzleText(f->width, f->height, f->cells);
        const LoadOutcome outcome = LoadChosenGame(*gs, chosen, chosenFile);
        std::filesystem::remove(current);
        EXPECT_EQ(outcome, expected);
        EXPECT_EQ(PlaysCurrentPuzzle(*gs), playsCurrent) << static_cast<int>(outcome);
        const Position& p = gs->position;
        if (outcome != LoadOutcome::Loaded) {
            EXPECT_EQ(p.fieldWidth, 7) << "nothing loaded";
            continue;
        }
        // The loaded figures are position 1: Undo takes them off.
        EXPECT_EQ(std::tuple(p.fieldWidth, p.fieldHeight, FiguresInList(*gs), p.historyCount,
                             p.historyPosition, p.unsavedChanges, gs->settings.lastFile),
                  std::tuple(10, 6, kFigureCount - 2, 2, 1, false, "p"));
        EXPECT_EQ(p.placed, saved->position.placed);
        Undo(*gs);
        EXPECT_EQ(FiguresInList(*gs), kFigureCount);
    }
}

TEST(LoadDialog, ListedFilesAndDelete) {
    EXPECT_EQ(ListedGamePath(""), "") << "no line chosen";
    EXPECT_EQ(DeleteOutcome(false, false), (LoadDeletion{true, false, std::nullopt, false}));
    EXPECT_EQ(DeleteOutcome(true, true), (LoadDeletion{false, true, std::nullopt, true}));
    EXPECT_EQ(DeleteOutcome(true, false),
              (LoadDeletion{false, false, ErrorMessage("Error delete file."), true}));
}

TEST(SaveDialog, NameCheckOverwriteQuestionAndOutcome) {
    EXPECT_EQ(CheckSaveName("\t \t"), ErrorMessage("Please enter a file name"));
    EXPECT_EQ(CheckSaveName(" x "), std::nullopt);
    EXPECT_EQ(OverwriteCheck(true), OverwriteQuestion());
    EXPECT_EQ(OverwriteCheck(false), std::nullopt);

    auto fresh = std::make_unique<GameState>(ReadyState());
    EXPECT_EQ(PrepareGameSave(*fresh, "game"), std::nullopt) << "nothing was ever laid";
    Lay(*fresh, BaseShapes()[1], -2, 0);
    EXPECT_NE(PrepareGameSave(*fresh, "game"), std::nullopt) << "one figure laid is a game";
    auto gs = GameInProgress();
    Undo(*gs); // the last recorded position is saved, not the current one
    const std::optional<FileToSave> file = PrepareGameSave(*gs, " x ");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->path, "Save\\ x .zpz") << "the name exactly as typed";
    EXPECT_EQ(file->text, WriteSavedGameText(*gs));

    const std::tuple<FileSave, Message, bool> cases[] = {
        {FileSave::Written, {"Game saved.", MessageIcon::Question}, true},
        {FileSave::CannotOpen, ErrorMessage("Error open file for save."), false},
        {FileSave::ShortWrite, ErrorMessage("Error save file."), false},
    };
    for (const auto& [result, message, saved] : cases) {
        gs->position.unsavedChanges = true;
        const GameSaveOutcome outcome = FinishGameSave(*gs, result);
        EXPECT_EQ(std::tuple(outcome.message, outcome.saved, gs->position.unsavedChanges),
                  std::tuple(message, saved, !saved)); // cleared only by a written file
    }
}

// The name the Save dialog proposes keeps every digit of the date, 0 and 9 included.
TEST(SaveName, DefaultNameFromLastPuzzleAndDate) {
    EXPECT_EQ(DefaultSaveName("Tutorial", "move a figure", "12/31/10"),
              "[Tutorial] move a figure [12_31_10]");
    EXPECT_EQ(DefaultSaveName("", "", "09/18/2025"), "[09_18_2025]");
}
