// A puzzle's solutions (its tilings up to the field's own symmetries) and the difficulty and
// words that follow from them.
#include <gtest/gtest.h>

#include <atomic>

#include "model/difficulty.h"
#include "solver/tiling_count.h"
#include "test_support.h"

namespace {

// Where the field has symmetries the two numbers differ: a rectangle by 4 (tilings 9356), the
// 8 x 8 with the centre hole by 8 (520); a field without symmetry not at all.
TEST(Solutions, TilingsUpToTheFieldsOwnSymmetries) {
    const std::pair<Rows, uint64_t> known[] = {
        {Rows(6, std::string(10, '.')), 2339},
        {{"........", "........", "........", "...##...", "...##...", "........", "........",
          "........"},
         65},
        {{".##.....", ".##.....", "........", "........", "........", "........", "........",
          "........"},
         3207},
    };
    for (const auto& [rows, solutions] : known)
        EXPECT_EQ(CountSolutions(Drawn(rows)), solutions) << rows[0] << " x " << rows.size();

    // Only a puzzle has solutions: not a field with a figure on it, nor one of 55 cells.
    Rows withFigure(6, std::string(10, '.'));
    withFigure[0].replace(0, 5, std::string(5, FigureLetter(1)));
    EXPECT_EQ(CountSolutions(Drawn(withFigure)), 0u);
    EXPECT_EQ(CountSolutions(Drawn(Rows(5, std::string(11, '.')))), 0u);

    // A limited count stops at the limit, on fields with and without symmetries.
    EXPECT_EQ(CountSolutions(Drawn(Rows(6, std::string(10, '.'))), nullptr, 100), 100u);
    EXPECT_EQ(CountSolutions(Drawn(known[2].first), nullptr, 3000), 3000u);
    EXPECT_EQ(CountSolutions(Drawn(known[1].first), nullptr, 1000), 65u);

    std::atomic<bool> stop{true};
    EXPECT_LT(CountSolutions(Drawn(Rows(6, std::string(10, '.'))), &stop), 2339u)
        << "a stopped count ends early";
}

TEST(Solutions, DifficultyBandsAndWords) {
    const std::pair<uint64_t, const char*> table[] = {
        {0, "No solution"},
        {1, "1 solution \xB7 Unique"},
        {2, "2 solutions \xB7 Expert"},
        {9, "9 solutions \xB7 Expert"},
        {10, "10 solutions \xB7 Hard"},
        {99, "99 solutions \xB7 Hard"},
        {100, "100 solutions \xB7 Medium"},
        {999, "999 solutions \xB7 Medium"},
        {1000, "1,000 solutions \xB7 Easy"},
        {1234567, "1,234,567 solutions \xB7 Easy"},
    };
    for (const auto& [n, text] : table)
        EXPECT_EQ(SolutionsText(n), text);
}

} // namespace
