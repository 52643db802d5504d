// The new puzzle's groups of squares, and its figures composed.
#include <gtest/gtest.h>

#include "editor/editor_checks.h"
#include "test_support.h"

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

// The counts of squares and figures are checked through "Save puzzle" (SavePuzzle).
TEST(Editor, FiguresComposition) {
    Placement placed{};
    placed[0] = {-2, 0, BaseShapes()[1]};
    placed[1] = {1, 1, BaseShapes()[11]};
    EXPECT_EQ(RowsOf(ComposeFigures(placed), 5, 5),
              (Rows{"I....", "I....", "I..X.", "I.XXX", "I..X."}));
}
