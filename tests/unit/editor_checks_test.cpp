// Checks of a new puzzle: square count, group areas and all figures laid.
#include <gtest/gtest.h>

#include "editor/editor_checks.h"
#include "test_support.h"

namespace {

// Two groups of squares painted row by row into 6-wide blocks.
Grid TwoBlocks(int first, int second) {
    Grid g{};
    for (int i = 0; i < first; ++i)
        At(g, i % 6, i / 6) = kCellSquare;
    for (int i = 0; i < second; ++i)
        At(g, 10 + i % 6, i / 6) = kCellSquare;
    return g;
}

TEST(Editor, SquaresCheckCountsThenAreas) {
    EXPECT_EQ(CheckSquares(TwoBlocks(30, 30)), EditorCheck::Ok);
    EXPECT_EQ(CheckSquares(TwoBlocks(31, 29)), EditorCheck::AreaNotMultipleOf5);
    EXPECT_EQ(CheckSquares(TwoBlocks(30, 29)), EditorCheck::WrongCount);
    EXPECT_EQ(CheckSquares(TwoBlocks(31, 30)), EditorCheck::WrongCount);
}

TEST(Editor, GroupLabelsInScanOrder) {
    // The first group is met at (1, 0) and reached all over only by filling in all four
    // directions; the lone square at (5, 0) is met second.
    const SquareGroups groups = LabelGroups(GridFromRows({".L.L.L", "LL.L..", ".LLL.."}));
    EXPECT_EQ(groups.sizes, (std::vector<int>{8, 1}));
    EXPECT_EQ(groups.labels[3], kFirstGroupLabel);
    EXPECT_EQ(groups.labels[1 * kGridSide + 0], kFirstGroupLabel);
    EXPECT_EQ(groups.labels[5], kFirstGroupLabel + 1);
    EXPECT_EQ(groups.labels[2], 0);

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
    placed[0] = {-2, 0, BaseShapes()[1]};
    placed[1] = {1, 1, BaseShapes()[11]};
    EXPECT_EQ(RowsOf(ComposeFigures(placed), 5, 5),
              (Rows{"I....", "I....", "I..X.", "I.XXX", "I..X."}));
}

} // namespace
