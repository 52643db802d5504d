// Generated puzzles: sixty connected cells inside the box, solutions inside the chosen band,
// unlike every known field, and the same field again for the same seed.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/puzzle_file.h"
#include "model/geometry.h"
#include "solver/generator.h"
#include "solver/tiling_count.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

// The fields of the shipped library.
std::set<std::string> LibraryFields() {
    std::set<std::string> known;
    for (const auto& entry : fs::recursive_directory_iterator(ZENDRAK_LIBRARY)) {
        PuzzleImage image;
        if (entry.path().extension() == ".zpz" &&
            ReadPuzzleFile(entry.path().string(), false, Orientations().catalogue, image))
            known.insert(FieldKey(image.width, image.height, image.cells));
    }
    return known;
}

int OpenCells(const GeneratedPuzzle& p) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            n += At(p.cells, x, y) == kCellOpen;
    return n;
}

bool Connected(const GeneratedPuzzle& p) {
    Grid seen{};
    std::vector<std::pair<int, int>> todo;
    for (int i = 0; i < p.width && todo.empty(); ++i)
        if (At(p.cells, i, 0) == kCellOpen) todo.push_back({i, 0});
    int reached = 0;
    while (!todo.empty()) {
        auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= p.width || y >= p.height || At(seen, x, y) ||
            At(p.cells, x, y) != kCellOpen)
            continue;
        At(seen, x, y) = 1;
        ++reached;
        todo.insert(todo.end(), {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}});
    }
    return reached == OpenCells(p);
}

// Each side of the bounding box holds an open cell.
bool Trimmed(const GeneratedPuzzle& p) {
    bool top = false, bottom = false, left = false, right = false;
    for (int x = 0; x < p.width; ++x)
        top |= At(p.cells, x, 0) == kCellOpen, bottom |= At(p.cells, x, p.height - 1) == kCellOpen;
    for (int y = 0; y < p.height; ++y)
        left |= At(p.cells, 0, y) == kCellOpen, right |= At(p.cells, p.width - 1, y) == kCellOpen;
    return top && bottom && left && right;
}

// Turned half about, or mirrored, the field is the same.
bool Symmetric(const GeneratedPuzzle& p) {
    for (const auto& [flipX, flipY] : {std::pair{true, true}, {true, false}, {false, true}}) {
        Grid g{};
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                At(g, flipX ? p.width - 1 - x : x, flipY ? p.height - 1 - y : y) =
                    At(p.cells, x, y);
        if (g == p.cells) return true;
    }
    return false;
}

// A puzzle the request asked for: sixty connected cells filling the sides of a box within the
// request's, solutions in the difficulty's band and, when asked for, a symmetric field.
void ExpectPuzzleOf(const GenerateRequest& r, const GeneratedPuzzle& p) {
    SCOPED_TRACE(std::string(DifficultyName(r.difficulty)) + " " + std::to_string(r.maxWidth) +
                 "x" + std::to_string(r.maxHeight) + (r.symmetric ? " symmetric" : "") + " seed " +
                 std::to_string(r.seed));
    ASSERT_TRUE(p.found);
    EXPECT_TRUE(p.width <= r.maxWidth && p.height <= r.maxHeight);
    EXPECT_EQ(OpenCells(p), kGenerateCells);
    EXPECT_TRUE(Connected(p) && Trimmed(p));
    EXPECT_EQ(DifficultyOf(p.solutions), r.difficulty) << p.solutions;
    EXPECT_TRUE(!r.symmetric || Symmetric(p)) << "a field without symmetry";
}

TEST(Generator, EachDifficultyInItsBandUnlikeTheLibrary) {
    const std::set<std::string> library = LibraryFields();
    ASSERT_GT(library.size(), 100u);
    for (Difficulty d : kDifficulties)
        for (uint64_t seed : {1, 2}) {
            const GenerateRequest request{d, 12, 10, false, seed};
            const GeneratedPuzzle p = GeneratePuzzle(request, library);
            ExpectPuzzleOf(request, p);
            EXPECT_EQ(CountSolutions(OpenField(p.width, p.height, p.cells)), p.solutions);
            EXPECT_EQ(library.count(FieldKey(p.width, p.height, p.cells)), 0u);
        }
}

// Requests that once failed at once, although such fields exist: the half turn of a box with
// two even sides, a square box too small for the preferred start, a box too large for it, a
// narrow box; and symmetric fields in a box of two odd sides.
TEST(Generator, EveryBoxGetsARealSearch) {
    const GenerateRequest requests[] = {
        {Difficulty::Hard, 12, 10, true, 3},  {Difficulty::Medium, 24, 24, false, 1},
        {Difficulty::Easy, 8, 8, false, 1},   {Difficulty::Hard, 13, 5, false, 1},
        {Difficulty::Hard, 10, 10, false, 1}, {Difficulty::Medium, 13, 5, true, 2},
        {Difficulty::Medium, 9, 11, true, 1}, {Difficulty::Medium, 9, 11, true, 2},
        {Difficulty::Medium, 9, 11, true, 3},
    };
    for (const GenerateRequest& r : requests)
        ExpectPuzzleOf(r, GeneratePuzzle(r, {}));
    EXPECT_FALSE(GeneratePuzzle({Difficulty::Easy, 5, 11, false, 1}, {}).found)
        << "a box of 55 cells holds no puzzle";
}

// No field of an 8 x 8 box has fewer than ten solutions: the search gives up when its time is
// up, and not before a second.
TEST(Generator, ARequestThatCannotBeMetFailsAfterItsBudget) {
    GenerateRequest unique{Difficulty::Unique, 8, 8, false, 1};
    unique.budgetMs = 0;
    std::atomic<int> tried{0};
    const GeneratedPuzzle none = GeneratePuzzle(unique, {}, nullptr, &tried);
    EXPECT_FALSE(none.found);
    EXPECT_GE(none.searchedMs, 1000);
    EXPECT_LT(none.searchedMs, 5000);
    EXPECT_GT(tried.load(), 10) << "fields were counted";
}

TEST(Generator, TheSameSeedGivesTheSameFieldAndKnownFieldsAreAvoided) {
    const GenerateRequest request{Difficulty::Expert, 12, 10, false, 77};
    const GeneratedPuzzle first = GeneratePuzzle(request, {});
    const GeneratedPuzzle again = GeneratePuzzle(request, {});
    ASSERT_TRUE(first.found);
    EXPECT_EQ(RowsOf(again.cells, again.width, again.height),
              RowsOf(first.cells, first.width, first.height));
    const std::string key = FieldKey(first.width, first.height, first.cells);
    const GeneratedPuzzle other = GeneratePuzzle(request, {key});
    ExpectPuzzleOf(request, other);
    EXPECT_NE(FieldKey(other.width, other.height, other.cells), key);

    std::atomic<bool> stop{true};
    EXPECT_FALSE(GeneratePuzzle(request, {}, &stop).found) << "a stopped search finds nothing";
}

// The key is the same for the eight turns and mirrors of a field, and differs for another.
TEST(Generator, FieldKeyOfTurnsAndMirrors) {
    const Rows shape{"###..", "#....", "#.#.#"};
    const Grid g = GridFromRows(shape);
    const std::string key = FieldKey(5, 3, g);
    FigureMatrix m{};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            At(m, x, y) = At(g, x, y) == kCellOpen;
    for (int t = 0; t < 8; ++t) {
        if (t == 4) FlipTopBottom(m);
        TurnClockwise(m);
        FigureMatrix a = m;
        MoveToTopLeft(a);
        Grid turned;
        turned.fill(kCellBlocked);
        for (int y = 0; y < kMatrixSide; ++y)
            for (int x = 0; x < kMatrixSide; ++x)
                if (At(a, x, y)) At(turned, x + 1, y + 2) = kCellOpen;
        EXPECT_EQ(FieldKey(7, 8, turned), key) << t;
    }
    EXPECT_NE(FieldKey(5, 3, GridFromRows({"###..", "#....", "#..##"})), key);
}

} // namespace
