// The new puzzle's groups of squares; its figures composed are checked through Trim.
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
