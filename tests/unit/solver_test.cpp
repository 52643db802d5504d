// The placement search and the analysis steps built on it.
#include <gtest/gtest.h>

#include <map>

#include "model/history.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "solver/analyse.h"
#include "solver/search.h"
#include "test_support.h"

namespace {

std::vector<std::string> Rows(const GameState& gs, const Grid& grid) {
    std::vector<std::string> rows;
    for (int r = 0; r < gs.position.fieldHeight; ++r) {
        std::string row;
        for (int c = 0; c < gs.position.fieldWidth; ++c) {
            uint8_t v = At(grid, c, r);
            row += v == kCellBlocked ? '#' : v == 0 ? '.' : FigureLetter(v);
        }
        rows.push_back(row);
    }
    return rows;
}

// The first tiling in the fixed order (figures by number, then orientation, row, column) is
// what the analysis lays; a faster search must find exactly the same one.
class SolverRectangle : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SolverRectangle, FindsTheFirstTilingInTheFixedOrder) {
    auto [w, h] = GetParam();
    GameState gs = ReadyState(w, h);
    ASSERT_TRUE(AnalysePosition(gs));
    auto rows = Rows(gs, gs.position.solverGrid);
    EXPECT_EQ(rows, ReadLines(DataPath("solver/" + std::to_string(w) + "x" + std::to_string(h) + ".txt")));
    std::map<char, int> counts;
    for (const auto& row : rows)
        for (char c : row) ++counts[c];
    EXPECT_EQ(counts.size(), 12u);
    for (auto [letter, n] : counts) EXPECT_EQ(n, 5) << letter;
}

INSTANTIATE_TEST_SUITE_P(Rectangles, SolverRectangle,
                         ::testing::Values(std::pair{10, 6}, std::pair{12, 5}, std::pair{15, 4},
                                           std::pair{20, 3}));

TEST(Solver, UnsolvablePositionLeavesTheGridAsItWas) {
    // A 5 x 5 field has room for five figures only: the search runs through every way of
    // laying figures 1 to 5 and must take each of them back.
    GameState gs = ReadyState(5, 5);
    At(gs.position.solverGrid, 7, 7) = 99; // outside the field: never touched
    Grid before = gs.position.solverGrid;
    Search(gs, 1);
    EXPECT_EQ(gs.position.solutionFound, 0);
    EXPECT_EQ(gs.position.solverGrid, before);

    // A player's figure that cuts off a corner cell: no placement passes the region test.
    GameState cut = ReadyState();
    LayFigure(cut, Figure{-1, -1, BaseShapes()[11]});
    cut.position.inList[11] = 0;
    Placement placed = cut.position.placed;
    int positions = cut.position.historyCount;
    EXPECT_FALSE(AnalysePosition(cut));
    EXPECT_EQ(cut.position.placed, placed);
    EXPECT_EQ(cut.position.historyCount, positions);
    EXPECT_EQ(At(cut.position.solverGrid, 1, 1), 11) << "the player's figure is never moved";
}

TEST(Solver, FiguresAlreadyOnTheGridAreSkipped) {
    GameState gs = ReadyState(6, 10);
    ASSERT_TRUE(AnalysePosition(gs));
    Grid tiled = gs.position.solverGrid;
    Search(gs, 1); // every figure is on the grid already
    EXPECT_EQ(gs.position.solutionFound, 1);
    EXPECT_EQ(gs.position.solverGrid, tiled);
    EXPECT_TRUE(IsSolverGridFull(gs));
    gs.position.fieldHeight = 0;
    gs.position.solverGrid.fill(0);
    EXPECT_TRUE(IsSolverGridFull(gs)) << "no rows: nothing is free";
}

TEST(Solver, RegionsAndFits) {
    GameState gs = ReadyState(6, 3);
    // Column 2 blocked splits the field into two regions of 6 and 9 cells.
    for (int r = 0; r < 3; ++r) At(gs.position.solverGrid, 2, r) = kCellBlocked;
    RegionMask mask;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) mask.cells[r * kGridSide + c] = At(gs.position.solverGrid, c, r) == 0;
    FillRegion(gs, 0, 0, 2, mask);
    FillRegion(gs, 3, 0, 3, mask);
    int sizes[4] = {};
    for (RegionLabel l : mask.cells) sizes[l]++;
    EXPECT_EQ(sizes[2], 6);
    EXPECT_EQ(sizes[3], 9);
    // The upright I fits at origin columns -2..w-3 only where its column is free.
    const FigureMatrix& flat = Orientations().byFigure[1].matrices[1];
    GameState wide = ReadyState(7, 3);
    EXPECT_TRUE(FitsAt(wide, flat, 0, -2));
    EXPECT_TRUE(FitsAt(wide, flat, 2, -2));
    EXPECT_FALSE(FitsAt(wide, flat, 3, -2));
    EXPECT_FALSE(FitsAt(wide, flat, -1, -2));
    EXPECT_FALSE(FitsAt(gs, flat, 0, -1)) << "crosses the blocked column";
}

TEST(Solver, ExtractPlacementRoundTripsEveryOrientation) {
    GameState gs = ReadyState();
    for (int k = 0; k < kOrientationCount; ++k) {
        const FigureMatrix& m = Orientations().catalogue[k];
        Grid grid{};
        Stamp(grid, m, 3, 1 + k % 3);
        Figure f;
        ASSERT_TRUE(ExtractPlacement(FigureOf(m), grid, f)) << k;
        EXPECT_EQ(f.matrix, m);
        EXPECT_EQ(f.x, 3);
        EXPECT_EQ(f.y, 1 + k % 3);
    }
    Grid grid{};
    Figure f;
    EXPECT_FALSE(ExtractPlacement(5, grid, f));
    At(grid, 0, 0) = 5; // a lone square matches no orientation
    EXPECT_FALSE(ExtractPlacement(5, grid, f));
}

TEST(Analyse, AllFiguresAreLaidAsSeparateSteps) {
    GameState gs = ReadyState(12, 5);
    LayFigure(gs, Figure{-2, 0, BaseShapes()[1]}); // the player's upright I in column 0
    gs.position.inList[1] = 0;
    ASSERT_TRUE(AnalysePosition(gs));
    EXPECT_EQ(LayAllFigures(gs), 11);
    EXPECT_EQ(FiguresLeft(gs), 0);
    EXPECT_EQ(gs.position.historyCount, 13);
    EXPECT_EQ(gs.position.unsavedChanges, 0) << "laid figures are no player's move";
    EXPECT_EQ(gs.position.gameWon, 0) << "and win nothing";
    ComposeBoard(gs, {});
    EXPECT_EQ(gs.position.board, gs.position.solverGrid);
    Undo(gs);
    EXPECT_EQ(gs.position.inList[12], 1) << "the last laid figure comes back first";
    EXPECT_EQ(FiguresLeft(gs), 1);
}

TEST(Analyse, OneFigureNeverLaysAFigureOnTheBoard) {
    GameState gs = ReadyState(6, 10);
    ASSERT_TRUE(AnalysePosition(gs));
    LayAllFigures(gs);
    Undo(gs);
    Undo(gs); // figures 11 and 12 are missing again
    ASSERT_TRUE(AnalysePosition(gs));
    int draws = 0;
    EXPECT_EQ(LayOneFigure(gs, [&draws] { return draws++ == 0 ? 0 : 11; }), 12)
        << "a draw of figure 1 (on the board) is redrawn";
    EXPECT_EQ(FiguresLeft(gs), 1);
    // Only misses: after 1000 draws the first missing figure is laid.
    draws = 0;
    EXPECT_EQ(LayOneFigure(gs, [&draws] { return draws++ % 10; }), 11);
    EXPECT_EQ(draws, 1000);
    EXPECT_EQ(FiguresLeft(gs), 0);
}

// The dialog's decisions: what it opens with, and what Start lays and says for each choice on
// a solvable and on an unsolvable position.
TEST(AnalyseDialog, OpeningAndStartForEveryChoice) {
    GameState done = ReadyState(12, 5);
    done.settings.analyseMode = AnalyseChoice::Nothing;
    EXPECT_EQ(OpenAnalyse(done).checked, AnalyseChoice::Nothing);
    EXPECT_FALSE(OpenAnalyse(done).completed);
    ASSERT_TRUE(AnalysePosition(done));
    LayAllFigures(done);
    EXPECT_TRUE(OpenAnalyse(done).completed) << "every figure on the field: nothing to analyse";

    const Message noVariant = InformationMessage("There is no variant.");
    const Message completed = InformationMessage("Analyse is completed.");
    struct Case {
        AnalyseChoice choice;
        bool solvable;
        bool laid;
        std::optional<Message> message;
        int left; // figures in the list afterwards
    } cases[] = {
        {AnalyseChoice::Nothing, true, false, completed, 12},
        {AnalyseChoice::OneFigure, true, true, std::nullopt, 11},
        {AnalyseChoice::AllFigures, true, true, std::nullopt, 0},
        {AnalyseChoice::AllFigures, false, false, noVariant, 11},
        {AnalyseChoice::OneFigure, false, false, noVariant, 11},
        {AnalyseChoice::Nothing, false, false, noVariant, 11},
    };
    for (const Case& c : cases) {
        GameState gs = ReadyState();
        if (!c.solvable) { // the X in the corner cuts off a cell
            LayFigure(gs, Figure{-1, -1, BaseShapes()[11]});
            gs.position.inList[11] = 0;
        }
        const AnalyseOutcome outcome = StartAnalyse(gs, c.choice, [] { return 4; });
        const int choice = static_cast<int>(c.choice);
        EXPECT_EQ(gs.settings.analyseMode, c.choice) << "remembered whatever the outcome: " << choice;
        EXPECT_EQ(outcome.laid, c.laid) << choice << " " << c.solvable;
        EXPECT_EQ(outcome.message, c.message) << choice << " " << c.solvable;
        EXPECT_EQ(FiguresLeft(gs), c.left) << choice << " " << c.solvable;
    }
}

} // namespace
