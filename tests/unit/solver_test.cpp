// The placement search and the analysis steps built on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "model/history.h"
#include "solver/analyse.h"
#include "solver/reference_search.h"
#include "solver/search.h"
#include "solver/tiling_oracle.h"
#include "test_support.h"

// The first tiling in the fixed order (figures by number, then orientation, row, column) is
// what the analysis lays; a faster search must find exactly the same one.
TEST(Solver, FindsTheFirstTilingInTheFixedOrder) {
    for (auto [w, h] : {std::pair{10, 6}, {12, 5}, {15, 4}, {20, 3}}) {
        GameState gs = ReadyState(w, h);
        ASSERT_TRUE(AnalysePosition(gs));
        const std::string name = std::to_string(w) + "x" + std::to_string(h) + ".txt";
        EXPECT_EQ(RowsOf(gs.position.solverGrid, w, h), ReadLines(DataPath("solver/" + name)));
    }
}

TEST(Solver, UnsolvablePositionLeavesTheGridAsItWas) {
    // A 5 x 5 field has room for five figures only: the search runs through every way of
    // laying figures 1 to 5 and must take each of them back.
    GameState gs = ReadyState(5, 5);
    At(gs.position.solverGrid, 7, 7) = 99; // outside the field: never touched
    const Grid before = gs.position.solverGrid;
    Search(gs, 1);
    EXPECT_FALSE(gs.position.solutionFound);
    EXPECT_EQ(gs.position.solverGrid, before);
}

// The exact search's first cut: a group of free cells that is not a multiple of five cells.
TEST(TilingOracle, RegionsOfFiveCellsAndTheSmallest) {
    std::vector<uint64_t> row(11); // cells 0..10 side by side
    for (int i = 0; i < 11; ++i)
        row[i] = (i > 0 ? uint64_t{1} << (i - 1) : 0) | (i < 10 ? uint64_t{1} << (i + 1) : 0);
    const TilingOracle oracle(row);
    uint64_t smallest = 0;
    EXPECT_TRUE(oracle.RegionsDivisibleByFive(uint64_t{1} << 5, &smallest));
    EXPECT_EQ(smallest, uint64_t{0x1F}) << "the first of two smallest groups";
    EXPECT_FALSE(oracle.RegionsDivisibleByFive(uint64_t{1} << 4)); // 4 and 6 cells
    EXPECT_FALSE(oracle.RegionsDivisibleByFive(0));                // 11 cells
    // Beyond 64 cells the rest is left out: 64 cells alone, none a group of five.
    EXPECT_FALSE(TilingOracle(std::vector<uint64_t>(70, 0)).RegionsDivisibleByFive(0));
}

// "Can the open 10 x 6 field be tiled with one of these pieces on this cell?", asked again
// without each piece the tiling found laid there, answers as the pieces asked one by one do;
// allowing more again is a question of its own.
TEST(TilingOracle, TilingWithOneOfTheAllowedPiecesOnACell) {
    constexpr int w = 10, h = 6, cell = 1;
    std::vector<uint64_t> neighbours(w * h);
    for (int i = 0; i < w * h; ++i)
        for (const int j : {i % w > 0 ? i - 1 : -1, i % w < w - 1 ? i + 1 : -1, i - w, i + w})
            if (j >= 0 && j < w * h) neighbours[i] |= uint64_t{1} << j;
    TilingOracle oracle(neighbours);
    std::vector<std::pair<int, uint64_t>> onCell; // the pieces covering the cell
    for (const FigureMatrix& m : Orientations().catalogue)
        for (int y = -4; y < h; ++y)
            for (int x = -4; x < w; ++x) {
                uint64_t cells = 0;
                int squares = 0;
                for (int i = 0; i < kMatrixCells; ++i) {
                    const int cx = x + i % kMatrixSide, cy = y + i / kMatrixSide;
                    if (m[i] == 0 || cx < 0 || cy < 0 || cx >= w || cy >= h) continue;
                    cells |= uint64_t{1} << (cy * w + cx);
                    ++squares;
                }
                if (squares != 5) continue;
                oracle.AddPiece(FigureOf(m), cells);
                if (cells >> cell & 1) onCell.push_back({FigureOf(m), cells});
            }
    oracle.Prepare();
    const uint32_t all = ((1u << kFigureCount) - 1) << 1;
    std::vector<uint64_t> allowed, viable;
    for (const auto& [figure, cells] : onCell) {
        allowed.push_back(cells);
        if (oracle.Tileable(cells, all & ~(1u << figure))) viable.push_back(cells);
    }
    ASSERT_GT(viable.size(), 1u);
    ASSERT_LT(viable.size(), allowed.size()) << "some pieces on the cell lie in no tiling";
    std::vector<uint64_t> left = allowed;
    for (size_t found = 0; found < viable.size(); ++found) {
        ASSERT_TRUE(oracle.TileableCovering(0, all, cell, left)) << found;
        uint64_t laid = 0, there = 0;
        for (int f = 1; f <= kFigureCount; ++f) {
            EXPECT_EQ(oracle.FoundPiece(f) & laid, 0u);
            laid |= oracle.FoundPiece(f);
            if (oracle.FoundPiece(f) >> cell & 1) there = oracle.FoundPiece(f);
        }
        EXPECT_EQ(laid, oracle.Cells());
        ASSERT_EQ(std::count(left.begin(), left.end(), there), 1);
        left.erase(std::find(left.begin(), left.end(), there));
    }
    EXPECT_FALSE(oracle.TileableCovering(0, all, cell, left));
    EXPECT_TRUE(oracle.TileableCovering(0, all, cell, allowed));
}

// The reference search gives up at its time limit, with nothing found.
TEST(Solver, ReferenceSearchStopsAtItsTimeLimit) {
    GameState gs = ReadyState();
    EXPECT_FALSE(ReferenceSearchWithin(gs, 1, 0.0));
    EXPECT_FALSE(gs.position.solutionFound);
}

TEST(Solver, RegionsSplitAtBlockedCells) {
    GameState gs = ReadyState(6, 3);
    // Column 2 blocked splits the field into two regions of 6 and 9 cells.
    for (int r = 0; r < 3; ++r)
        At(gs.position.solverGrid, 2, r) = kCellBlocked;
    RegionMask mask;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c)
            mask.cells[r * kGridSide + c] = At(gs.position.solverGrid, c, r) == 0;
    FillRegion(gs, 0, 0, 2, mask);
    FillRegion(gs, 5, 2, 3, mask);
    EXPECT_EQ(std::count(mask.cells.begin(), mask.cells.end(), 2), 6);
    EXPECT_EQ(std::count(mask.cells.begin(), mask.cells.end(), 3), 9);
}

TEST(Analyse, AllFiguresAreLaidAsSeparateSteps) {
    GameState gs = ReadyState(12, 5);
    Lay(gs, BaseShapes()[1], -2, 0); // the player's upright I in column 0
    gs.settings.analyseMode = AnalyseChoice::Nothing;
    EXPECT_EQ(OpenAnalyse(gs).checked, AnalyseChoice::Nothing) << "the dialog opens as last time";
    EXPECT_FALSE(OpenAnalyse(gs).completed);
    ASSERT_TRUE(AnalysePosition(gs));
    EXPECT_TRUE(IsSolverGridFull(gs));
    EXPECT_EQ(LayAllFigures(gs), 11);
    EXPECT_TRUE(OpenAnalyse(gs).completed) << "every figure on the field: nothing to analyse";
    // Laid figures are no player's move and win nothing.
    EXPECT_EQ(std::tuple(FiguresLeft(gs), gs.position.historyCount, gs.position.unsavedChanges,
                         gs.position.gameWon),
              std::tuple(0, 13, false, false));
    ComposeBoard(gs, {});
    EXPECT_EQ(gs.position.board, gs.position.solverGrid);
    Undo(gs);
    EXPECT_EQ(gs.position.inList[12], 1) << "the last laid figure comes back first";
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
    // Only misses: after 1000 draws the first missing figure is laid.
    draws = 0;
    EXPECT_EQ(LayOneFigure(gs, [&draws] { return draws++ % 10; }), 11);
    EXPECT_EQ(draws, 1000);
    EXPECT_EQ(FiguresLeft(gs), 0);
}

// What the dialog's Start lays and says for each choice on a solvable position, and on one
// without a tiling; the choice is remembered whatever the outcome.
TEST(AnalyseDialog, StartForEveryChoice) {
    const Message noVariant = InformationMessage("There is no variant.");
    const std::tuple<AnalyseChoice, bool, bool, std::optional<Message>, int> cases[] = {
        {AnalyseChoice::Nothing, true, false, InformationMessage("Analyse is completed."), 12},
        {AnalyseChoice::OneFigure, true, true, std::nullopt, 11},
        {AnalyseChoice::AllFigures, false, false, noVariant, 11},
    };
    for (const auto& [choice, solvable, laid, message, left] : cases) {
        GameState gs = ReadyState();
        if (!solvable) Lay(gs, BaseShapes()[11], -1, -1); // the X in the corner cuts off a cell
        const AnalyseOutcome outcome = StartAnalyse(gs, choice, [] { return 4; });
        EXPECT_EQ(std::tuple(gs.settings.analyseMode, outcome.laid, outcome.message,
                             FiguresLeft(gs), gs.hints.used),
                  std::tuple(choice, laid, message, left, laid ? 1 : 0))
            << "laying figures counts as a hint";
    }
}
