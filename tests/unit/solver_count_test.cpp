// The tiling counter: published tiling numbers of rectangles and the 8 x 8 board, fields
// without a tiling, the limit, figures already on the field, and the tiling it finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "solver/search.h"
#include "solver/tiling_count.h"
#include "test_support.h"

TilingField Rectangle(int w, int h) {
    return Drawn(std::vector<std::string>(h, std::string(w, '.')));
}

// True when the tiling keeps every cell that was not open and covers every open cell with
// one of the figures' orientations.
bool IsTiling(const TilingField& field, const Grid& tiling) {
    Figure f;
    for (int i = 0; i < kGridCells; ++i) {
        const bool open = field.cells[i] == kCellOpen && i % kGridSide < field.width &&
                          i / kGridSide < field.height;
        if (open ? !ExtractPlacement(tiling[i], tiling, f) : tiling[i] != field.cells[i])
            return false;
    }
    return true;
}

// Every tiling counts as it lies: 3 x 20 has 2 up to turning and mirroring, so 8 here. The
// zpz command-line test counts the 6 x 10 rectangle, the holed 8 x 8 board and figures laid.
TEST(TilingCount, NumbersAndATilingOfEach) {
    for (const auto& [field, tilings] :
         {std::pair{Rectangle(20, 3), 8u}, {Rectangle(12, 5), 4040u}}) {
        EXPECT_EQ(CountTilings(field), tilings) << field.width << " x " << field.height;
        Grid tiling{};
        EXPECT_TRUE(FindAnyTiling(field, tiling) && IsTiling(field, tiling)) << field.width;
    }
}

TEST(TilingCount, FieldsWithoutTilingAndTheLimit) {
    // Three rows of twenty, each two cells further right: sixty cells in one piece and no
    // way to cover them.
    const TilingField none =
        Drawn({"....................####", "##....................##", "####...................."});
    Grid tiling{};
    tiling[3] = 77;
    const Grid before = tiling;
    EXPECT_EQ(CountTilings(none), 0u);
    EXPECT_FALSE(FindAnyTiling(none, tiling));
    EXPECT_EQ(tiling, before);
    // Sixty cells at most two rows thick: the X figure fits nowhere.
    EXPECT_EQ(CountTilings(Drawn({"......................", "......................",
                                  "######################", "................######"})),
              0u);
    // The open cells must be five per missing figure.
    TilingField short59 = Rectangle(10, 6);
    At(short59.cells, 9, 5) = kCellBlocked;
    EXPECT_EQ(CountTilings(short59), 0u);
    EXPECT_FALSE(FindAnyTiling(short59, tiling));

    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1), 1u);
    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1000), 8u);
}

TEST(TilingCount, FiguresOnTheFieldAreNotLaidAgain) {
    TilingField partial = Rectangle(10, 6);
    ASSERT_TRUE(FindAnyTiling(partial, partial.cells));
    EXPECT_EQ(CountTilings(partial), 1u);
    for (uint8_t figure : {uint8_t{1}, uint8_t{2}})
        std::replace(partial.cells.begin(), partial.cells.end(), figure, kCellOpen);
    EXPECT_GE(CountTilings(partial), 1u);
    Grid tiling{};
    EXPECT_TRUE(FindAnyTiling(partial, tiling) && IsTiling(partial, tiling));
}
