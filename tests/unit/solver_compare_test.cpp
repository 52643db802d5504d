// The fast search against the straightforward reference: the same tiling, or the same "no
// variant", on rectangles, holed squares, random shapes and positions with figures laid.
#include <gtest/gtest.h>

#include <random>

#include "solver/analyse.h"
#include "solver/reference_search.h"
#include "solver/sample_positions.h"
#include "solver/search.h"
#include "test_support.h"

// Enough for about half the positions, and a few seconds in all under the sanitizers; the
// release build compares the benchmark's positions and the library with a longer reach
// (make compare-fixed, compare-library).
constexpr long kReferencePlacements = 1'000'000;

// Compares the two searches; false when the reference ran out of placements (not compared).
bool Compare(GameState& gs, const std::string& what) {
    ComposeSolverGrid(gs);
    Grid start = gs.position.solverGrid;
    if (!ReferenceSearchWithinSteps(gs, 1, kReferencePlacements)) return false;
    Grid expected = gs.position.solverGrid;
    int expectedFound = gs.position.solutionFound;
    gs.position.solverGrid = start;
    Search(gs, 1);
    EXPECT_EQ(gs.position.solutionFound, expectedFound) << what;
    EXPECT_TRUE(gs.position.solverGrid == expected) << what;
    return true;
}

TEST(SolverCompare, SameTilingAsTheReference) {
    std::mt19937 rng(20261207);
    int compared = 0, total = 0;
    for (auto [w, h] : {std::pair{6, 10}, {5, 12}, {4, 15}, {3, 20}, {12, 5}})
        for (int laid = 0; laid <= 4; ++laid) {
            GameState gs = ReadyState(w, h);
            if (laid > 0) LayRandomFigures(gs, rng, laid, 50);
            ++total;
            compared += Compare(gs, std::to_string(w) + "x" + std::to_string(h) + " with " +
                                        std::to_string(laid));
        }
    for (int i = 0; i < 40; ++i) {
        GameState gs = ReadyState();
        MakeRandomShape(gs, rng, 8 + i % 5, 8 + i % 4);
        if (i % 3 == 0) LayRandomFigures(gs, rng, 1 + i % 4, 50);
        ++total;
        compared += Compare(gs, "random shape " + std::to_string(i));
    }
    // Figure 12 laid on a field with room to spare: the analysis need not fill the field, and
    // here it has a tiling that leaves ten cells free.
    GameState spare = ReadyState(10, 7);
    Lay(spare, BaseShapes()[12], -1, -1);
    ++total;
    ASSERT_TRUE(Compare(spare, "figure 12 laid, 70 cells"));
    ++compared;
    EXPECT_EQ(spare.position.solutionFound, 1);
    // Positions the reference cannot finish within its placements are not compared.
    EXPECT_GE(compared, total * 2 / 5) << "too few positions answered by the reference";
}
