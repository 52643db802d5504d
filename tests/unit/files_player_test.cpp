// Where the player's files go, and the game kept from one run to the next.
#include <gtest/gtest.h>

#include <memory>

#include "files/daily_puzzle.h"
#include "files/game_dialogs.h"
#include "files/puzzle_paths.h"
#include "files/resume_file.h"
#include "model/history.h"
#include "solver/search.h"
#include "test_support.h"

namespace {

// The player's folder for the length of a test.
struct PlayerFolderSet {
    explicit PlayerFolderSet(const std::string& folder) { SetPlayerFolder(folder); }
    ~PlayerFolderSet() { SetPlayerFolder(""); }
};

TEST(PlayerFolder, ChosenWhenTheProgramsFolderIsReadOnlyAndHoldsThePlayersFilesOnly) {
    const std::string local = "C:\\users\\ann\\AppData\\Local";
    EXPECT_EQ(ChoosePlayerFolder(true, local), "");
    EXPECT_EQ(ChoosePlayerFolder(false, local), local + "\\Zendrak\\");
    EXPECT_EQ(ChoosePlayerFolder(false, local + "\\"), local + "\\Zendrak\\");
    EXPECT_EQ(ChoosePlayerFolder(false, ""), "") << "nowhere else to go";

    const std::vector<std::string> program = {"My puzzles", "Rectangles", "Tutorial"};
    const std::vector<std::string> player = {"random", "Rectangles", "My puzzles"};
    EXPECT_EQ(MergeLibraryGroups(program, player), program) << "one folder for both";

    const PlayerFolderSet set(local + "\\Zendrak\\");
    const std::string mine = local + "\\Zendrak\\";
    const std::pair<std::string, std::string> paths[] = {
        {MakeSavedGamePath("a"), mine + "Save\\a.zpz"},
        {SavedGamesPattern(), mine + "Save\\*.zpz"},
        {ListedGamePath("a.zpz"), mine + "Save\\a.zpz"},
        {MakeUserPuzzlePath("b"), mine + "Puzzles\\My puzzles\\b.zpz"},
        {MakeLibraryPuzzlePath("random", "c"), mine + "Puzzles\\random\\c.zpz"},
        {LibraryPuzzlesPattern("Random"), mine + "Puzzles\\Random\\*.zpz"},
        {DailyPuzzlePath({2026, 12, 7}), mine + "Puzzles\\Daily\\2026-12-07.zpz"},
        {MakeLibraryPuzzlePath("Rectangles", "d"), "Puzzles\\Rectangles\\d.zpz"},
        {PlayerPath(kResumeFileName), mine + "Resume.zpz"},
    };
    for (const auto& [path, expected] : paths)
        EXPECT_EQ(path, expected);
    EXPECT_EQ(MergeLibraryGroups(program, player),
              (std::vector<std::string>{"My puzzles", "random", "Rectangles", "Tutorial"}))
        << "the library's groups from the program, the player's own from the player";
}

TEST(PlayerFolder, FoldersLeadingToAFileAreMadeOuterFirst) {
    using Folders = std::vector<std::string>;
    EXPECT_EQ(FoldersLeadingTo("Save\\a.zpz"), Folders{"Save"});
    EXPECT_EQ(FoldersLeadingTo("Zendrak.ini"), Folders{});
    EXPECT_EQ(FoldersLeadingTo("C:\\users\\Zendrak\\Puzzles\\My puzzles\\b.zpz"),
              (Folders{"C:\\users", "C:\\users\\Zendrak", "C:\\users\\Zendrak\\Puzzles",
                       "C:\\users\\Zendrak\\Puzzles\\My puzzles"}));
    EXPECT_EQ(FolderOfPath("C:\\games\\Zendrak\\Zendrak.exe"), "C:\\games\\Zendrak");
    EXPECT_EQ(FolderOfPath("Zendrak.exe"), ".");
}

// The current puzzle is the open 10 x 6 "Rectangles/10 x 6"; figures are laid from the golden
// tiling, `laid` of them, then `undone` steps taken back.
std::unique_ptr<GameState> Playing(int laid, int undone = 0) {
    auto gs = std::make_unique<GameState>(ReadyState());
    gs->settings.lastFolder = "Rectangles";
    gs->settings.lastFile = "10 x 6";
    SetCurrentPuzzleField(*gs, 10, 6, Grid{});
    for (int k = 1; k <= laid; ++k)
        Lay(*gs, TilingFigure(k));
    gs->position.gameWon = laid == kFigureCount;
    for (int i = 0; i < undone; ++i)
        Undo(*gs);
    return gs;
}

// A fresh start of the same puzzle, as the game is before it resumes.
std::unique_ptr<GameState> Started() {
    return Playing(0);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ResumeFile, AGameInProgressComesBackWithItsClockAndHistory) {
    const auto played = Playing(3, 1); // three laid, one undone: Redo has work left
    const std::optional<std::string> text = WriteResumeText(*played, 83'900);
    ASSERT_TRUE(text);
    const std::optional<ResumedGame> game = ReadResumeText(*text, *Started());
    ASSERT_TRUE(game);
    EXPECT_EQ(game->field.seconds, 83);
    EXPECT_EQ(game->current, 2);
    ASSERT_EQ(game->steps.size(), 3u);

    auto gs = Started();
    ApplyResumedGame(*gs, *game);
    EXPECT_EQ(gs->position.placed, played->position.placed);
    EXPECT_EQ(FiguresInList(*gs), FiguresInList(*played));
    EXPECT_TRUE(gs->position.unsavedChanges) << "Save is offered";
    EXPECT_TRUE(PlaysCurrentPuzzle(*gs));
    ASSERT_TRUE(Redo(*gs));
    EXPECT_EQ(gs->position.placed, Playing(3)->position.placed);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Undo(*gs));
    EXPECT_EQ(gs->position.placed, Placement{}) << "three undos empty the field";
    EXPECT_FALSE(CanUndo(*gs));

    // A figure taken from the field into the hand is kept where it lay.
    auto holding = Playing(2);
    holding->position.placed[1] = Figure{};
    EXPECT_EQ(WriteResumeText(*holding, 0), WriteResumeText(*Playing(2), 0));
}

TEST(ResumeFile, NothingIsKeptOrResumedUnlessItIsAGameOfTheCurrentPuzzleInProgress) {
    EXPECT_FALSE(WriteResumeText(*Playing(0), 5000)) << "a new game";
    EXPECT_FALSE(WriteResumeText(*Playing(2, 2), 5000)) << "every figure undone";
    EXPECT_FALSE(WriteResumeText(*Playing(kFigureCount), 5000)) << "won";
    auto editing = Playing(2);
    editing->editor.mode = EditMode::Editing;
    EXPECT_FALSE(WriteResumeText(*editing, 5000)) << "the editor";

    const std::string valid = *WriteResumeText(*Playing(3), 5000);

    // Every figure of the golden tiling: a won game, written by hand.
    auto won = Playing(kFigureCount);
    won->position.gameWon = false;
    const std::string wonText = *WriteResumeText(*won, 0);

    // 300 steps are what play keeps; 301 are more than a game can have made.
    auto longText = [](int n) {
        std::string text = WritePuzzleText(10, 6, Grid{}) +
                           "\r\n[SAVE]\r\nTIME = 5\r\nX0 = 0\r\nY0 = 0\r\nF0 = 17\r\n"
                           "\r\n[RESUME]\r\nGROUP = Rectangles\r\nPUZZLE = 10 x 6\r\nSTEPS = " +
                           std::to_string(n) + "\r\nCURRENT = 1\r\n";
        for (int i = 1; i <= n; ++i)
            text += "STEP_" + std::to_string(i) + " = 17:0:0\r\n";
        return text;
    };
    ASSERT_TRUE(ReadResumeText(longText(300), *Started())) << "the longest history";

    for (const std::string& text : {
             Replaced(valid, "STEP_2 = ", "STEP_2 = 9"),    // a bad step
             Replaced(valid, "CURRENT = 3", "CURRENT = 4"), // past the last step
             Replaced(valid, "CURRENT = 3", "CURRENT = 2"), // not the figures shown
             Replaced(valid, "[RESUME]", "[OTHER]"),        // a saved game only
             std::string("\x89PNG\r\n\x1a\n"),
             wonText,
             longText(301),
         })
        EXPECT_FALSE(ReadResumeText(text, *Started())) << text.substr(0, 300);
    auto other = Started();
    other->settings.lastFile = "10 x 6 again";
    EXPECT_FALSE(ReadResumeText(valid, *other)) << "another puzzle";
    Grid blocked{};
    At(blocked, 9, 5) = kCellBlocked;
    SetCurrentPuzzleField(*other, 10, 6, blocked);
    other->settings.lastFile = "10 x 6";
    EXPECT_FALSE(ReadResumeText(valid, *other)) << "another field";
}

} // namespace
