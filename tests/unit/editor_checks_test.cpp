// Checks of a new puzzle: square count, group areas and all figures laid.
#include <gtest/gtest.h>

#include "editor/editor_checks.h"
#include "test_support.h"

namespace {

// Paints `count` squares row by row into the w-wide block at (x, y).
void PaintBlock(Grid& g, int x, int y, int w, int count) {
    for (int i = 0; i < count; ++i)
        At(g, x + i % w, y + i / w) = kCellSquare;
}

Grid TwoBlocks(int first, int second) {
    Grid g{};
    PaintBlock(g, 0, 0, 6, first);
    PaintBlock(g, 10, 0, 6, second);
    return g;
}

TEST(Editor, SquaresCheckCountsThenAreas) {
    EXPECT_EQ(CheckSquares(TwoBlocks(30, 30)), EditorCheck::Ok);
    EXPECT_EQ(CheckSquares(TwoBlocks(31, 29)), EditorCheck::AreaNotMultipleOf5);
    EXPECT_EQ(CheckSquares(TwoBlocks(30, 29)), EditorCheck::WrongCount);
    EXPECT_EQ(CheckSquares(TwoBlocks(31, 30)), EditorCheck::WrongCount);

    // A filled 10 x 6 area plus one square dragged one cell beyond it: counted.
    Grid g{};
    PaintBlock(g, 0, 0, 10, 60);
    At(g, 10, 2) = kCellSquare;
    EXPECT_EQ(CheckSquares(g), EditorCheck::WrongCount);
    At(g, 9, 5) = kCellOpen;
    EXPECT_EQ(CheckSquares(g), EditorCheck::Ok);
}

TEST(Editor, GroupLabelsInScanOrder) {
    Grid g{};
    At(g, 5, 0) = kCellSquare; // met first: label 2
    // A U whose right arm is reached only by filling down, right and then up.
    At(g, 0, 1) = At(g, 2, 1) = kCellSquare;
    At(g, 0, 2) = At(g, 1, 2) = At(g, 2, 2) = kCellSquare;
    const SquareGroups groups = LabelGroups(g);
    EXPECT_EQ(groups.sizes, (std::vector<int>{1, 5}));
    EXPECT_EQ(groups.labels[5], kFirstGroupLabel);
    EXPECT_EQ(groups.labels[1 * kGridSide + 2], kFirstGroupLabel + 1);
    EXPECT_EQ(groups.labels[1 * kGridSide + 1], 0);

    // The whole grid as one group, and a checkerboard of 313 single squares.
    Grid full;
    full.fill(kCellSquare);
    EXPECT_EQ(LabelGroups(full).sizes, std::vector<int>{kGridCells});
    Grid checker{};
    for (int i = 0; i < kGridCells; i += 2)
        checker[i] = kCellSquare;
    EXPECT_EQ(LabelGroups(checker).labels[kGridCells - 1], kFirstGroupLabel + 312);
}

TEST(Editor, FiguresCheckAndComposition) {
    std::array<int8_t, kFigureCount + 1> counts{};
    counts[0] = 1; // the empty hand does not count
    EXPECT_EQ(CheckFiguresPlaced(counts), EditorCheck::Ok);
    counts[12] = 1;
    EXPECT_EQ(CheckFiguresPlaced(counts), EditorCheck::AllFiguresNotPlaced);

    Placement placed{};
    placed[0] = {-2, 0, MatrixFromText("..#../..#../..#../..#../..#..", 1)};
    placed[1] = {1, 1, MatrixFromText("...../..#../.###./..#../.....", 11)};
    const Grid drawing = ComposeFigures(placed);
    EXPECT_EQ(CountSquares(drawing), 10);
    EXPECT_EQ(At(drawing, 0, 4), 1);
    EXPECT_EQ(At(drawing, 3, 3), 11);
}

} // namespace
