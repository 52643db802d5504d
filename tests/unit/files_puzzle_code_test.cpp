// Puzzle codes: every library puzzle through its code and back, the longest code, each fault
// and its message, and the names shared puzzles are saved under.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "files/puzzle_code.h"
#include "files/puzzle_file.h"
#include "files/shared_puzzle.h"
#include "test_support.h"

namespace {

const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string Judge(std::string_view text) {
    return CodeFaultText(ReadPuzzleCode(text).fault);
}

} // namespace

// Codes already shared must keep reading: the open 10 x 6 field's code is fixed.
TEST(PuzzleCode, LibraryRoundTripsAndNamesDiffer) {
    EXPECT_EQ(PuzzleCode(10, 6, Grid{}), "ZBKG__________jy");
    std::set<std::string> names;
    int puzzles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ZENDRAK_LIBRARY)) {
        PuzzleImage image;
        if (entry.path().extension() != ".zpz") continue;
        ASSERT_TRUE(ReadPuzzleFile(entry.path().string(), false, Orientations().catalogue, image));
        const DecodedPuzzle back =
            ReadPuzzleCode(PuzzleCode(image.width, image.height, image.cells));
        EXPECT_EQ(back.fault, CodeFault::None) << entry.path();
        EXPECT_EQ(std::pair(back.width, back.height), std::pair(image.width, image.height));
        EXPECT_TRUE(back.cells == image.cells) << entry.path();
        names.insert(SharedPuzzleName(image.width, image.height, image.cells));
        ++puzzles;
    }
    EXPECT_GT(puzzles, 100);
    EXPECT_EQ(int(names.size()), puzzles);
}

TEST(PuzzleCode, LongestFieldFitsOneLine) {
    Grid cells{};
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            At(cells, x, y) = (x + 2 * y) % 3 ? kCellOpen : kCellBlocked;
    const std::string code = PuzzleCode(24, 24, cells);
    EXPECT_LE(code.size(), 120u);
    EXPECT_EQ(code.find_first_not_of(kAlphabet), std::string::npos) << code;
    const DecodedPuzzle back = ReadPuzzleCode(code);
    EXPECT_EQ(back.fault, CodeFault::NotAPuzzle); // 384 open cells, still read
    EXPECT_TRUE(back.cells == cells);
}

TEST(PuzzleCode, EachFaultHasItsMessage) {
    const std::string good = PuzzleCode(10, 6, Grid{}), no = "This is not a puzzle code.";
    Grid fewer{};
    At(fewer, 9, 5) = kCellBlocked;
    const std::pair<std::string, std::string> cases[] = {
        {" \t" + good + "\r\n", ""},
        {"z" + good.substr(1), no},
        {good.substr(0, 5) + "+" + good.substr(6), no},
        {good + "A", no},
        {"ZC" + good.substr(2), "This puzzle code comes from a newer version of the game."},
        {"ZA" + good.substr(2), no},
        {PuzzleCode(10, 6, fewer), "A puzzle needs 60 open cells."},
        {"", no},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(Judge(text), message) << text;
    // Any one character after the version changed fails the check or the length.
    for (std::size_t at = 2; at < good.size(); ++at)
        for (const char c : kAlphabet) {
            std::string changed = good;
            changed[at] = c;
            if (c != good[at]) {
                EXPECT_EQ(Judge(changed), no) << changed;
            }
        }
    // No check makes these a code: a width of 25 (25 open cells), a height of 0, and a set bit
    // after the last of 63 cells.
    std::string stray = PuzzleCode(7, 9, GridFromRows({"###"}));
    stray.resize(stray.size() - 2);
    stray.back() = kAlphabet[kAlphabet.find(stray.back()) + 1];
    for (const std::string& body : {std::string("ZBZB____g"), std::string("ZBKA"), stray})
        for (const char high : kAlphabet)
            for (const char low : kAlphabet)
                if (Judge(body + high + low) != no) FAIL() << body + high + low;
}

// The same field gives the same name whatever marks its open cells or lies outside it.
TEST(PuzzleCode, SharedNameIsTheField) {
    Grid marked = GridFromRows({"Io.#"});
    At(marked, 10, 0) = kCellBlocked;
    const Grid plain = GridFromRows({"...#"});
    EXPECT_EQ(SharedPuzzleName(10, 6, marked), SharedPuzzleName(10, 6, plain));
    EXPECT_EQ(PuzzleCode(10, 6, marked), PuzzleCode(10, 6, plain));
    EXPECT_EQ(SharedPuzzleName(10, 6, Grid{}), "10 x 6 83d0a44d");
}

// Opening a code: a bad one is refused with its message; a good one goes to the Shared group
// under its field's name, and is written again only when its file holds another field.
TEST(PuzzleCode, OpeningACodeWritesItsPuzzleOnce) {
    EXPECT_EQ(OpenPuzzleCode("ZB").refusal, InformationMessage("This is not a puzzle code."));
    auto gs = std::make_unique<GameState>(ReadyState(10, 6));
    At(gs->position.board, 3, 2) = 5; // a figure's square is an open cell
    const CodeToOpen open = OpenPuzzleCode(CodeOfFieldInPlay(*gs) + "\r\n");
    ASSERT_FALSE(open.refusal);
    EXPECT_EQ(open.choice.group, "Shared");
    EXPECT_EQ(open.file.path, "Puzzles\\Shared\\" + open.choice.puzzle + ".zpz");
    PuzzleImage written;
    ASSERT_TRUE(ReadPuzzleText(open.file.text, false, Orientations().catalogue, written));
    EXPECT_EQ(written, open.image);
    EXPECT_EQ(written.cells, Grid{});
    EXPECT_FALSE(SharedFileNeedsWriting(written, open.image));
    written.solutions = 2339;
    EXPECT_FALSE(SharedFileNeedsWriting(written, open.image)) << "its count stays";
    At(written.cells, 0, 0) = kCellBlocked;
    EXPECT_TRUE(SharedFileNeedsWriting(written, open.image));
    EXPECT_TRUE(SharedFileNeedsWriting(std::nullopt, open.image));
}
