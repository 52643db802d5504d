// The puzzle and saved-game file format: exact text, every check of the reader, and
// write-then-read round trips through the orientation catalogue.
#include <gtest/gtest.h>

#include "files/puzzle_file.h"
#include "files/whole_file.h"
#include "solver/search.h"
#include "test_support.h"

std::string Field(int dx, int dy) {
    return WritePuzzleText(dx, dy, Grid{});
}
const std::string kSave = "\r\n[SAVE]\r\nTIME = 0\r\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? "not found" : text.replace(at, from.size(), to);
}

std::string Group(int i, int x, int y, int f) {
    const std::string n = std::to_string(i);
    return "X" + n + " = " + std::to_string(x) + "\r\nY" + n + " = " + std::to_string(y) + "\r\nF" +
           n + " = " + std::to_string(f) + "\r\n";
}

std::string Judge(const std::string& text, bool withFigures = true) {
    PuzzleImage image;
    std::string reason;
    return ReadPuzzleText(text, withFigures, Orientations().catalogue, image, &reason) ? "valid"
                                                                                       : reason;
}

TEST(PuzzleFile, ChecksSizesAndRows) {
    const std::string f = Field(10, 6), row3 = "ROW_3 = 1111111111", ones(24, '1');
    const std::pair<std::string, std::string> cases[] = {
        {Field(24, 24), "valid"},
        {Field(25, 3), "DX out of range"},
        {Field(3, 25), "DY out of range"},
        {Field(0, 3), "DX out of range"},
        {Replace(f, row3, row3 + "1"), "ROW_3 has 11 cells, expected 10"},
        {Replace(f, "ROW_2 = 11", "ROW_2 = 12"), "ROW_2 has a character other than 0 and 1"},
        {f + "ROW_7 = 1\r\n", "valid"}, // rows above DY are not read
        {"[game]\ndx=2\n  Dy   =   1 \n[data]\nrow_1=10", "valid"},
        // A row is read into 24 characters: whatever follows is never seen.
        {Replace(Field(24, 24), ones, ones + "x"), "valid"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Judge(text), expected) << text;
}

TEST(PuzzleFile, ChecksEveryFigure) {
    const std::string save = Field(10, 10) + kSave, upright = Group(0, -2, 0, 0);
    const std::pair<std::string, std::string> cases[] = {
        {upright, "valid"},
        {Group(0, -3, 0, 0), "figure 1 lies outside the field"},
        {Group(0, 8, 0, 0), "figure 1 lies outside the field"},
        {Group(0, -2, 6, 0), "figure 1 lies outside the field"},
        {Group(0, 2147483647, 0, 0), "figure 1 lies outside the field"},
        {Group(0, -2, 0, 63), "F0 out of range"},
        {"X0 = -2\r\nY0 = 0\r\n", "F0 out of range"},
        {upright + Group(1, 0, -2, 1), "figure 1 covers another figure"},
        {upright + Group(2, -2, 0, 0), "valid"}, // the list ends at the first missing X
        {Group(0, 0, 0, 62) + Group(1, 5, 5, 62), "figure 12 listed twice"},
    };
    for (const auto& [groups, expected] : cases)
        EXPECT_EQ(Judge(save + groups), expected) << groups;
    EXPECT_EQ(Judge(Replace(save, "ROW_3 = 1", "ROW_3 = 0") + upright),
              "figure 1 covers a blocked cell");
    EXPECT_EQ(Judge(save + Group(0, -2, 0, 99), false), "valid"); // [SAVE] ignored for play
}

// One golden text; then every cell value through a write and a read.
TEST(PuzzleFile, ExactTextAndBoardRoundTrip) {
    EXPECT_EQ(WritePuzzleText(3, 2, GridFromRows({".#", "I.o"})),
              "[GAME]\r\nDX = 3\r\nDY = 2\r\n\r\n[DATA]\r\nROW_1 = 101\r\nROW_2 = 111\r\n");
    Grid cells = GridFromRows({"I.o#", "", "", "...#"});
    At(cells, 0, 23) = At(cells, 24, 0) = kCellBlocked; // outside the 24 x 23 field
    PuzzleImage image;
    ASSERT_TRUE(
        ReadPuzzleText(WritePuzzleText(24, 23, cells), false, Orientations().catalogue, image));
    EXPECT_EQ(image, (PuzzleImage{24, 23, GridFromRows({"...#", "", "", "...#"}), {}}));
}

// The saved figures are the last recorded position, even after stepping back.
TEST(PuzzleFile, SavedGameTextAndRoundTripThroughAFile) {
    auto gs = std::make_unique<GameState>(ReadyState());
    gs->position.historyFigures[0][0] = Figure{-2, 0, Orientations().catalogue[0]}; // upright I
    gs->position.historyFigures[1][0] = Figure{0, -2, Orientations().catalogue[1]}; // lying I
    for (auto [count, groups] : {std::pair{3, Group(0, 0, -2, 1) + "\r\n"},
                                 {2, Group(0, -2, 0, 0) + "\r\n"},
                                 {1, std::string()}}) {
        gs->position.historyCount = count;
        gs->position.historyPosition = 1;
        EXPECT_EQ(WriteSavedGameText(*gs), Field(10, 6) + kSave + groups) << count;
    }

    gs = std::make_unique<GameState>(ReadyState());
    for (int k = 1; k <= kFigureCount; ++k) // slots in reverse figure order
        gs->position.historyFigures[0][kFigureCount - k] = TilingFigure(k);
    gs->position.historyCount = 2;
    const std::string path = TempPath("saved.zpz");
    std::ofstream(path, std::ios::binary) << WriteSavedGameText(*gs);
    PuzzleImage image;
    std::string reason;
    EXPECT_TRUE(ReadPuzzleFile(path, true, Orientations().catalogue, image, &reason)) << reason;
    std::filesystem::remove(path);
    EXPECT_EQ(image, (PuzzleImage{10, 6, Grid{}, gs->position.historyFigures[0]}));
    EXPECT_FALSE(ReadPuzzleFile(path, true, Orientations().catalogue, image, &reason));
    EXPECT_EQ(reason, "cannot read file");
    EXPECT_EQ(image, PuzzleImage{});

    // A huge file under a puzzle's name is refused rather than read into memory.
    std::ofstream(path, std::ios::binary) << std::string(kMaxFileBytes + 1, '1');
    std::string text;
    EXPECT_FALSE(ReadWholeFile(path, text));
    EXPECT_TRUE(text.empty());
    std::filesystem::remove(path);
}
