// The tiling counter: published tiling numbers of rectangles and the 8 x 8 board, fields
// without a tiling, the limit, figures already on the field, and the tiling it finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/shapes.h"
#include "solver/tiling_count.h"
#include "test_support.h"

namespace {

// A field drawn as rows: '#' open, '.' blocked, a letter a figure already lying there.
TilingField Drawn(const std::vector<std::string>& rows) {
    TilingField f;
    f.height = static_cast<int>(rows.size());
    f.width = static_cast<int>(rows[0].size());
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            char c = rows[y][x];
            uint8_t v = c == '#' ? kCellOpen : c == '.' ? kCellBlocked : 0;
            for (int n = 1; n <= kFigureCount; ++n)
                if (FigureLetter(n) == c) v = static_cast<uint8_t>(n);
            At(f.cells, x, y) = v;
        }
    return f;
}

TilingField Rectangle(int w, int h) {
    return Drawn(std::vector<std::string>(h, std::string(w, '#')));
}

// True when every open cell of field is covered in tiling by a figure that lies there in one
// of its orientations, each figure once, and nothing else changed.
bool IsTiling(const TilingField& field, const Grid& tiling) {
    GameState gs = ReadyState();
    std::map<int, std::vector<Point>> squares;
    for (int y = 0; y < kGridSide; ++y)
        for (int x = 0; x < kGridSide; ++x) {
            uint8_t was = At(field.cells, x, y), now = At(tiling, x, y);
            bool inside = x < field.width && y < field.height;
            if (was != kCellOpen || !inside) {
                if (now != was) return false;
            } else if (now < 1 || now > kFigureCount) {
                return false;
            } else {
                squares[now].push_back({x, y});
            }
        }
    for (const auto& [figure, cells] : squares) {
        if (cells.size() != 5) return false;
        int left = cells[0].x, top = cells[0].y;
        for (Point p : cells) left = std::min(left, p.x), top = std::min(top, p.y);
        FigureMatrix m{};
        for (Point p : cells) {
            if (p.x - left >= kMatrixSide || p.y - top >= kMatrixSide) return false;
            At(m, p.x - left, p.y - top) = static_cast<uint8_t>(figure);
        }
        bool known = false;
        for (const FigureMatrix& a : Orientations().aligned) known = known || a == m;
        if (!known) return false;
    }
    return true;
}

struct Known {
    const char* name;
    TilingField field;
    uint64_t tilings;
};

void PrintTo(const Known& known, std::ostream* os) { *os << known.name; }

class TilingCountKnown : public ::testing::TestWithParam<Known> {};

// Published numbers, up to turning and mirroring: 6 x 10 2339, 5 x 12 1010, 4 x 15 368, 3 x 20
// 2, 8 x 8 with the centre hole 65. Every tiling counts here as it lies, so the rectangles
// count four times as many and the square board eight times.
TEST_P(TilingCountKnown, CountsEveryTilingAndFindsOne) {
    const Known& k = GetParam();
    EXPECT_EQ(CountTilings(k.field), k.tilings);
    Grid tiling{};
    ASSERT_TRUE(FindAnyTiling(k.field, tiling));
    EXPECT_TRUE(IsTiling(k.field, tiling));
}

INSTANTIATE_TEST_SUITE_P(
    Published, TilingCountKnown,
    ::testing::Values(Known{"Wide10x6", Rectangle(10, 6), 9356},
                      Known{"Tall6x10", Rectangle(6, 10), 9356},
                      Known{"Wide12x5", Rectangle(12, 5), 4040},
                      Known{"Tall4x15", Rectangle(4, 15), 1472},
                      Known{"Wide20x3", Rectangle(20, 3), 8},
                      Known{"BoardWithCentreHole",
                            Drawn({"########", "########", "########", "###..###", "###..###",
                                   "########", "########", "########"}),
                            520}),
    [](const ::testing::TestParamInfo<Known>& known) { return std::string(known.param.name); });

TEST(TilingCount, FieldsWithoutTiling) {
    // Three rows of twenty, each two cells further right: sixty cells in one piece and no
    // way to cover them. With one cell of shift per row there are four.
    TilingField none = Drawn({"####################....", "..####################..",
                              "....####################"});
    EXPECT_EQ(CountTilings(Drawn({"####################..", ".####################.",
                                  "..####################"})),
              4u);
    Grid tiling{};
    tiling[3] = 77;
    Grid before = tiling;
    EXPECT_EQ(CountTilings(none), 0u);
    EXPECT_FALSE(FindAnyTiling(none, tiling));
    EXPECT_EQ(tiling, before);

    // Sixty cells at most two rows thick: the X figure fits nowhere.
    TilingField thin = Drawn({"######################", "######################",
                              "......................", "################......"});
    EXPECT_EQ(CountTilings(thin), 0u);

    // The open cells must be five per missing figure.
    TilingField short59 = Rectangle(10, 6);
    At(short59.cells, 9, 5) = kCellBlocked;
    EXPECT_EQ(CountTilings(short59), 0u);
    EXPECT_FALSE(FindAnyTiling(short59, tiling));
}

TEST(TilingCount, LimitStopsTheCount) {
    EXPECT_EQ(CountTilings(Rectangle(10, 6), 100), 100u);
    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1), 1u);
    EXPECT_EQ(CountTilings(Rectangle(20, 3), 1000), 8u);
}

TEST(TilingCount, FiguresOnTheFieldAreNotLaidAgain) {
    // Take a tiling of the open field, then give figures back one at a time: with one missing
    // figure its place is the only tiling; with more the count can only grow.
    TilingField field = Rectangle(10, 6);
    Grid full{};
    ASSERT_TRUE(FindAnyTiling(field, full));
    TilingField partial{10, 6, full};
    EXPECT_EQ(CountTilings(partial), 1u); // nothing missing: the field as it is
    uint64_t previous = 1;
    for (int figure = 1; figure <= kFigureCount; ++figure) {
        for (uint8_t& v : partial.cells)
            if (v == figure) v = kCellOpen;
        uint64_t n = CountTilings(partial);
        EXPECT_GE(n, previous) << "figure " << figure;
        if (figure == 1) {
            EXPECT_EQ(n, 1u);
        }
        Grid tiling{};
        ASSERT_TRUE(FindAnyTiling(partial, tiling)) << "figure " << figure;
        EXPECT_TRUE(IsTiling(partial, tiling));
        previous = n;
    }
    EXPECT_EQ(previous, 9356u);

    // A figure on the field that cuts the corner cell off: the rest cannot be completed.
    TilingField cut = Drawn({"#X########", "XXX#######", "#X########", "##########",
                             "##########", "##########"});
    EXPECT_EQ(CountTilings(cut), 0u);
}

} // namespace
