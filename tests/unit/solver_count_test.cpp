// The tiling counter: published tiling numbers of rectangles and the 8 x 8 board, fields
// without a tiling, the limit, figures already on the field, and the tiling it finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "solver/search.h"
#include "solver/tiling_count.h"
#include "test_support.h"

TilingField Drawn(const std::vector<std::string>& rows) {
    return {int(rows[0].size()), int(rows.size()), GridFromRows(rows)};
}

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

// Published numbers, up to turning and mirroring: 6 x 10 2339, 5 x 12 1010, 4 x 15 368, 3 x 20
// 2, 8 x 8 with the centre hole 65. Every tiling counts here as it lies, so the rectangles
// count four times as many and the square board eight times.
TEST(TilingCount, PublishedNumbersAndATilingOfEach) {
    const std::pair<TilingField, uint64_t> known[] = {
        {Rectangle(10, 6), 9356},
        {Rectangle(6, 10), 9356},
        {Rectangle(20, 3), 8},
        {Drawn({"........", "........", "........", "...##...", "...##...", "........", "........",
                "........"}),
         520}};
    for (const auto& [field, tilings] : known) {
        EXPECT_EQ(CountTilings(field), tilings) << field.width << " x " << field.height;
        Grid tiling{};
        EXPECT_TRUE(FindAnyTiling(field, tiling) && IsTiling(field, tiling)) << field.width;
    }
}

TEST(TilingCount, FieldsWithoutTilingAndTheLimit) {
    // Three rows of twenty, each two cells further right: sixty cells in one piece and no
    // way to cover them. With one cell of shift per row there are four.
    const TilingField none =
        Drawn({"....................####", "##....................##", "####...................."});
    EXPECT_EQ(CountTilings(Drawn(
                  {"....................##", "#....................#", "##...................."})),
              4u);
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

    EXPECT_EQ(CountTilings(Rectangle(10, 6), 100), 100u);
    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1), 1u);
    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1000), 8u);
}

TEST(TilingCount, FiguresOnTheFieldAreNotLaidAgain) {
    // A tiling of the open field, with nothing missing, then with figures 1 and 2 given back.
    TilingField partial = Rectangle(10, 6);
    ASSERT_TRUE(FindAnyTiling(partial, partial.cells));
    EXPECT_EQ(CountTilings(partial), 1u);
    for (uint8_t figure : {uint8_t{1}, uint8_t{2}})
        std::replace(partial.cells.begin(), partial.cells.end(), figure, kCellOpen);
    EXPECT_GE(CountTilings(partial), 1u);
    Grid tiling{};
    EXPECT_TRUE(FindAnyTiling(partial, tiling) && IsTiling(partial, tiling));

    // A figure on the field that cuts the corner cell off: the rest cannot be completed.
    EXPECT_EQ(CountTilings(Drawn({".X........", "XXX.......", ".X........", "..........",
                                  "..........", ".........."})),
              0u);
}
