// The decisions of the New game, Load and Save dialogs, and of their previews.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "files/game_dialogs.h"
#include "files/puzzle_paths.h"
#include "model/history.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "test_support.h"

namespace {

// A field of width x height open cells, with the first `blocked` cells of row 0 blocked.
PuzzleImage Field(int width, int height, int blocked = 0) {
    PuzzleImage image;
    image.width = width;
    image.height = height;
    for (int c = 0; c < blocked; ++c)
        At(image.cells, c, 0) = kCellBlocked;
    return image;
}

// A game on the open 10 x 6 field with the I and the X laid, as two drops.
std::unique_ptr<GameState> GameInProgress() {
    auto gs = std::make_unique<GameState>(ReadyState());
    for (auto [f, x] : {std::pair{1, -2}, std::pair{12, 0}}) {
        LayFigure(*gs, Figure{x, 0, BaseShapes()[f]});
        gs->position.inList[f] = 0;
    }
    gs->position.unsavedChanges = true;
    return gs;
}

int FiguresInList(const GameState& gs) {
    int n = 0;
    for (int f = 1; f <= kFigureCount; ++f)
        n += gs.position.inList[f];
    return n;
}

TEST(DialogPreview, TextOrCentredPictureOfTheChosenFile) {
    PuzzleImage game = Field(7, 9, 2);
    game.figures[0] = Figure{-2, 2, BaseShapes()[1]};
    struct Case {
        bool chosen;
        std::optional<PuzzleImage> file;
        const PreviewTexts& texts;
        int width, height;
        std::string text;
        int left, top;
    } cases[] = {
        {false, std::nullopt, kPuzzlePreviewTexts, 200, 150, "Puzzle is not selected.", 0, 0},
        {true, std::nullopt, kPuzzlePreviewTexts, 200, 150, "The puzzle is invalid.", 0, 0},
        {false, std::nullopt, kGamePreviewTexts, 200, 150, "Game is not selected.", 0, 0},
        {true, std::nullopt, kGamePreviewTexts, 200, 150, "The game is invalid.", 0, 0},
        {true, game, kGamePreviewTexts, 200, 150, "", 72, 39},
        {true, Field(24, 24), kPuzzlePreviewTexts, 150, 101, "", -21,
         -45}, // larger than the control
    };
    for (const Case& c : cases) {
        const PreviewPicture picture = PlanPreview(c.chosen, c.file, c.texts, c.width, c.height);
        EXPECT_EQ(picture.text, c.text);
        if (!c.file) continue;
        EXPECT_EQ(picture.left, c.left) << c.file->width;
        EXPECT_EQ(picture.top, c.top) << c.file->width;
        EXPECT_EQ(picture.columns, c.file->width);
        EXPECT_EQ(picture.rows, c.file->height);
        EXPECT_EQ(picture.cells, ComposePreview(*c.file)) << "the figures are drawn in";
    }

    // The file is read as a puzzle or as a saved game; nothing chosen or an invalid file
    // reads as nothing.
    auto gs = std::make_unique<GameState>(ReadyState(7, 9));
    gs->position.board = game.cells;
    LayFigure(*gs, game.figures[0]);
    const std::string path =
        (std::filesystem::temp_directory_path() / "zendrak_preview_test.zpz").string();
    ASSERT_TRUE(WriteTextFile(path, WriteSavedGameText(*gs)));
    const std::optional<PuzzleImage> asGame = ReadChosenFile(path, true),
                                     asPuzzle = ReadChosenFile(path, false);
    ASSERT_TRUE(asGame && asPuzzle);
    EXPECT_FALSE(IsEmptyMatrix(asGame->figures[0].matrix));
    EXPECT_TRUE(IsEmptyMatrix(asPuzzle->figures[0].matrix));
    EXPECT_EQ(asPuzzle->cells, game.cells);
    ASSERT_TRUE(WriteTextFile(path, "[GAME]\r\nDX = 99\r\n"));
    EXPECT_EQ(ReadChosenFile(path, false), std::nullopt);
    std::filesystem::remove(path);
    EXPECT_EQ(ReadChosenFile("", false), std::nullopt);
}

TEST(NewGameDialog, TreeWithExactSolvedMarksAndTheCurrentPuzzleSelected) {
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
    struct Case {
        const char* folder;
        const char* file;
        int group, puzzle; // the item selected at opening, -1 none
    } cases[] = {
        {"beta", "x", 1, 1},   {"Alpha", "A two", 0, 0},    {"Beta", "x", -1, -1},
        {"beta", "X", -1, -1}, {"Gamma empty", "", -1, -1}, {"Delta", "x", -1, -1},
    };
    for (const Case& c : cases) {
        gs.settings.lastFolder = c.folder;
        gs.settings.lastFile = c.file;
        const NewGameOpening opening = OpenNewGame(gs, library);
        EXPECT_EQ(opening.groups, tree);
        EXPECT_EQ(opening.currentGroup, c.group) << c.folder << "\\" << c.file;
        EXPECT_EQ(opening.currentPuzzle, c.puzzle) << c.folder << "\\" << c.file;
    }
    EXPECT_EQ(OpenNewGame(gs, {}).groups, std::vector<LibraryGroup>{})
        << "no library, an empty tree";
    EXPECT_EQ(LibraryPuzzlesPattern("Alpha"), "Puzzles\\Alpha\\*.zpz");
}

TEST(NewGameDialog, OkForEveryChoice) {
    const Message notSelected = InformationMessage("Puzzle is not selected.");
    const Message invalid = InformationMessage("Please select a valid puzzle.");
    struct Case {
        LibraryChoice choice;
        std::optional<PuzzleImage> file;
        std::string path;
        std::optional<Message> message;
    } cases[] = {
        {{"", ""}, std::nullopt, "", notSelected},
        {{"Gamma empty", ""}, std::nullopt, "", notSelected},
        {{"Alpha", "C"}, std::nullopt, "Puzzles\\Alpha\\C.zpz", invalid},
        {{"Alpha", "b"}, Field(7, 9, 3), "Puzzles\\Alpha\\b.zpz", std::nullopt},
    };
    for (const Case& c : cases) {
        auto gs = GameInProgress();
        EXPECT_EQ(ChosenPuzzlePath(c.choice), c.path);
        EXPECT_EQ(StartNewGame(*gs, c.choice, c.file), c.message) << c.path;
        const Position& p = gs->position;
        if (c.message) { // the game in progress goes on
            EXPECT_EQ(p.historyCount, 3);
            EXPECT_EQ(FiguresInList(*gs), kFigureCount - 2);
            EXPECT_EQ(gs->settings.lastFolder, "Tutorial");
            EXPECT_EQ(gs->settings.lastFile, "move a figure");
            continue;
        }
        EXPECT_EQ(p.fieldWidth, 7);
        EXPECT_EQ(p.fieldHeight, 9);
        EXPECT_EQ(p.board, c.file->cells);
        EXPECT_EQ(p.historyCount, 1);
        EXPECT_EQ(FiguresInList(*gs), kFigureCount);
        EXPECT_FALSE(p.unsavedChanges);
        EXPECT_EQ(gs->settings.lastFolder, "Alpha");
        EXPECT_EQ(gs->settings.lastFile, "b");
        EXPECT_TRUE(PlaysCurrentPuzzle(*gs)) << "a win now counts for this puzzle";
    }
}

TEST(LoadDialog, OkLoadsThePositionAndRereadsTheCurrentPuzzle) {
    auto saved = GameInProgress();
    PuzzleImage file = Field(10, 6);
    file.figures = saved->position.placed;
    // The current puzzle's file: natively a backslash is an ordinary character of its name.
    const std::string current = MakeLibraryPuzzlePath("zendrak load test", "p");
    struct Case {
        bool chosen;
        std::optional<PuzzleImage> file;
        std::optional<PuzzleImage> currentPuzzle; // the current puzzle's file, none: missing
        LoadOutcome outcome;
        bool playsCurrent;
    } cases[] = {
        {false, std::nullopt, Field(10, 6), LoadOutcome::NothingChosen, false},
        {true, std::nullopt, Field(10, 6), LoadOutcome::Invalid, false},
        {true, file, Field(10, 6), LoadOutcome::Loaded, true},
        {true, file, Field(12, 5), LoadOutcome::Loaded, false},
        {true, file, Field(10, 6, 1), LoadOutcome::Loaded, false},
        {true, file, std::nullopt, LoadOutcome::Loaded, false},
    };
    for (const Case& c : cases) {
        auto gs = std::make_unique<GameState>(ReadyState(7, 9));
        gs->settings.lastFolder = "zendrak load test";
        gs->settings.lastFile = "p";
        if (c.currentPuzzle) {
            const PuzzleImage& f = *c.currentPuzzle;
            ASSERT_TRUE(WriteTextFile(current, WritePuzzleText(f.width, f.height, f.cells)));
        }
        const LoadOutcome outcome = LoadChosenGame(*gs, c.chosen, c.file);
        std::filesystem::remove(current);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(PlaysCurrentPuzzle(*gs), c.playsCurrent) << static_cast<int>(c.outcome);
        const Position& p = gs->position;
        if (outcome != LoadOutcome::Loaded) {
            EXPECT_EQ(p.fieldWidth, 7) << "nothing loaded";
            continue;
        }
        EXPECT_EQ(p.fieldWidth, 10);
        EXPECT_EQ(p.fieldHeight, 6);
        EXPECT_EQ(p.placed, saved->position.placed);
        EXPECT_EQ(FiguresInList(*gs), kFigureCount - 2);
        EXPECT_EQ(p.historyCount, 2) << "the loaded figures are position 1";
        EXPECT_EQ(p.historyPosition, 1);
        EXPECT_FALSE(p.unsavedChanges);
        EXPECT_EQ(gs->settings.lastFile, "p") << "the current puzzle stays";
    }
}

TEST(LoadDialog, ListedFilesAndDelete) {
    EXPECT_EQ(ListedGamePath("b game.zpz"), "Save\\b game.zpz");
    EXPECT_EQ(ListedGamePath(""), "") << "no line chosen";

    const Message failed = ErrorMessage("Error delete file.");
    struct Case {
        bool chosen, deleted;
        LoadDeletion deletion;
    } cases[] = {
        {false, false, {true, false, std::nullopt, false}},
        {true, true, {false, true, std::nullopt, true}},
        {true, false, {false, false, failed, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeleteOutcome(c.chosen, c.deleted), c.deletion) << c.chosen << c.deleted;
}

TEST(SaveDialog, NameCheckOverwriteQuestionAndOutcome) {
    for (const char* blank : {"", "   ", "\t \t"})
        EXPECT_EQ(CheckSaveName(blank), ErrorMessage("Please enter a file name"))
            << "[" << blank << "]";
    for (const char* name : {" x ", ".", "a"})
        EXPECT_EQ(CheckSaveName(name), std::nullopt) << name;
    EXPECT_EQ(OverwriteCheck(true), OverwriteQuestion());
    EXPECT_EQ(OverwriteCheck(false), std::nullopt);

    auto fresh = std::make_unique<GameState>(ReadyState());
    EXPECT_EQ(PrepareGameSave(*fresh, "game"), std::nullopt) << "nothing was ever laid";
    auto gs = GameInProgress();
    Undo(*gs); // the last recorded position is saved, not the current one
    const std::optional<FileToSave> file = PrepareGameSave(*gs, " x ");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->folders, std::vector<std::string>{"Save"});
    EXPECT_EQ(file->path, "Save\\ x .zpz") << "the name exactly as typed";
    EXPECT_EQ(file->text, WriteSavedGameText(*gs));

    struct Case {
        FileSave result;
        Message message;
        bool saved;
    } cases[] = {
        {FileSave::Written, {"Game saved.", MessageIcon::Question}, true},
        {FileSave::CannotOpen, ErrorMessage("Error open file for save."), false},
        {FileSave::ShortWrite, ErrorMessage("Error save file."), false},
    };
    for (const Case& c : cases) {
        gs->position.unsavedChanges = true;
        const GameSaveOutcome outcome = FinishGameSave(*gs, c.result);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.saved, c.saved) << c.message.text;
        EXPECT_EQ(gs->position.unsavedChanges, !c.saved) << "cleared only by a written file";
    }
}

} // namespace
