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

Grid Transformed(const GeneratedPuzzle& p, bool flipX, bool flipY) {
    Grid g{};
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            At(g, flipX ? p.width - 1 - x : x, flipY ? p.height - 1 - y : y) = At(p.cells, x, y);
    return g;
}

TEST(Generator, EachDifficultyInItsBandUnlikeTheLibrary) {
    const std::set<std::string> library = LibraryFields();
    ASSERT_GT(library.size(), 100u);
    for (Difficulty d : kDifficulties)
        for (uint64_t seed : {1, 2}) {
            const GenerateRequest request{d, 12, 10, false, seed};
            const GeneratedPuzzle p = GeneratePuzzle(request, library);
            SCOPED_TRACE(std::string(DifficultyName(d)) + " seed " + std::to_string(seed));
            ASSERT_TRUE(p.found);
            EXPECT_LE(p.width, 12);
            EXPECT_LE(p.height, 10);
            EXPECT_EQ(OpenCells(p), kGenerateCells);
            EXPECT_TRUE(Connected(p) && Trimmed(p));
            EXPECT_EQ(CountSolutions(OpenField(p.width, p.height, p.cells)), p.solutions);
            EXPECT_EQ(DifficultyOf(p.solutions), d) << p.solutions;
            EXPECT_EQ(library.count(FieldKey(p.width, p.height, p.cells)), 0u);
        }
}

bool Symmetric(const GeneratedPuzzle& p) {
    return Transformed(p, true, true) == p.cells || Transformed(p, true, false) == p.cells ||
           Transformed(p, false, true) == p.cells;
}

// Requests that once failed at once, although such fields exist: the half turn of a box with
// two even sides, a square box too small for the preferred start, a box too large for it, a
// narrow box.
TEST(Generator, EveryBoxGetsARealSearch) {
    const GenerateRequest requests[] = {
        {Difficulty::Hard, 12, 10, true, 3},  {Difficulty::Medium, 24, 24, false, 1},
        {Difficulty::Easy, 8, 8, false, 1},   {Difficulty::Hard, 13, 5, false, 1},
        {Difficulty::Hard, 10, 10, false, 1}, {Difficulty::Medium, 13, 5, true, 2},
    };
    for (const GenerateRequest& r : requests) {
        SCOPED_TRACE(std::string(DifficultyName(r.difficulty)) + " " + std::to_string(r.maxWidth) +
                     "x" + std::to_string(r.maxHeight) + (r.symmetric ? " symmetric" : "") +
                     " seed " + std::to_string(r.seed));
        const GeneratedPuzzle p = GeneratePuzzle(r, {});
        ASSERT_TRUE(p.found);
        EXPECT_TRUE(p.width <= r.maxWidth && p.height <= r.maxHeight);
        EXPECT_EQ(OpenCells(p), kGenerateCells);
        EXPECT_TRUE(Connected(p) && Trimmed(p));
        EXPECT_EQ(DifficultyOf(p.solutions), r.difficulty) << p.solutions;
        EXPECT_TRUE(!r.symmetric || Symmetric(p)) << "a field without symmetry";
    }
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

TEST(Generator, SymmetricFieldsAndABoxOfItsOwn) {
    for (uint64_t seed : {1, 2, 3}) {
        const GeneratedPuzzle p = GeneratePuzzle({Difficulty::Medium, 9, 11, true, seed}, {});
        ASSERT_TRUE(p.found) << seed;
        EXPECT_TRUE(p.width <= 9 && p.height <= 11 && Connected(p) && Trimmed(p)) << seed;
        EXPECT_EQ(OpenCells(p), kGenerateCells);
        EXPECT_TRUE(Symmetric(p)) << "seed " << seed << " gives a field without symmetry";
        EXPECT_EQ(DifficultyOf(p.solutions), Difficulty::Medium) << p.solutions;
    }
    EXPECT_FALSE(GeneratePuzzle({Difficulty::Easy, 5, 11, false, 1}, {}).found)
        << "a box of 55 cells holds no puzzle";
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
    ASSERT_TRUE(other.found);
    EXPECT_NE(FieldKey(other.width, other.height, other.cells), key);
    EXPECT_EQ(DifficultyOf(other.solutions), Difficulty::Expert);

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
