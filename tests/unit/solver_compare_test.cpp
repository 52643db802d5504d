// The fast search against the straightforward reference: the same tiling, or the same "no
// variant", on rectangles, holed squares, random shapes and positions with figures laid.
#include <gtest/gtest.h>

#include <random>

#include "model/placement.h"
#include "solver/analyse.h"
#include "solver/reference_search.h"
#include "solver/search.h"
#include "test_support.h"

namespace {

// A random connected shape of 60 cells inside a w x h field, grown from the centre.
void RandomShape(GameState& gs, std::mt19937& rng, int w, int h) {
    gs.fieldWidth = w;
    gs.fieldHeight = h;
    gs.board.fill(kCellBlocked);
    std::vector<Point> open{{w / 2, h / 2}};
    At(gs.board, w / 2, h / 2) = 0;
    while (open.size() < 60) {
        Point p = open[rng() % open.size()];
        const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        int d = static_cast<int>(rng() % 4);
        Point q{p.x + dx[d], p.y + dy[d]};
        if (q.x < 0 || q.y < 0 || q.x >= w || q.y >= h || At(gs.board, q.x, q.y) == 0) continue;
        At(gs.board, q.x, q.y) = 0;
        open.push_back(q);
    }
}

// Lays `count` figures of the reference tiling, or at random spots, as a player might.
void LayFigures(GameState& gs, std::mt19937& rng, int count) {
    for (int k = 0; k < count; ++k) {
        int f = static_cast<int>(rng() % kFigureCount) + 1;
        if (gs.figureCount[f] == 0) continue;
        const OrientationSet& set = gs.orientationTable[f];
        for (int attempt = 0; attempt < 50; ++attempt) {
            Figure fig{static_cast<int>(rng() % static_cast<unsigned>(gs.fieldWidth)) - 2,
                       static_cast<int>(rng() % static_cast<unsigned>(gs.fieldHeight)) - 2,
                       set.matrices[rng() % static_cast<unsigned>(set.count)]};
            ComposeSolverGrid(gs);
            if (!FitsAt(gs, fig.matrix, fig.x, fig.y)) continue;
            LayFigure(gs, fig);
            gs.figureCount[f] = 0;
            break;
        }
    }
}

// Compares the two searches; false when the reference ran out of time (not compared).
bool Compare(GameState& gs, const std::string& what) {
    ComposeSolverGrid(gs);
    Grid start = gs.solverGrid;
    if (!ReferenceSearchWithin(gs, 1, 1.5)) return false;
    Grid expected = gs.solverGrid;
    int expectedFound = gs.solutionFound;
    gs.solverGrid = start;
    Search(gs, 1);
    EXPECT_EQ(gs.solutionFound, expectedFound) << what;
    EXPECT_TRUE(gs.solverGrid == expected) << what;
    return true;
}

TEST(SolverCompare, SameTilingAsTheReference) {
    std::mt19937 rng(20261207);
    int compared = 0, total = 0;
    for (auto [w, h] : {std::pair{6, 10}, {5, 12}, {4, 15}, {3, 20}, {12, 5}}) {
        GameState gs = ReadyState(w, h);
        ++total;
        compared += Compare(gs, std::to_string(w) + "x" + std::to_string(h));
        for (int laid = 1; laid <= 4; ++laid) {
            GameState part = ReadyState(w, h);
            LayFigures(part, rng, laid);
            ++total;
            compared += Compare(part, std::to_string(w) + "x" + std::to_string(h) + " with figures");
        }
    }
    for (int i = 0; i < 40; ++i) {
        GameState gs = ReadyState();
        RandomShape(gs, rng, 8 + i % 5, 8 + i % 4);
        if (i % 3 == 0) LayFigures(gs, rng, 1 + i % 4);
        ++total;
        compared += Compare(gs, "random shape " + std::to_string(i));
    }
    // Figure 12 laid on a field with room to spare: the analysis need not fill the field.
    GameState spare = ReadyState(8, 9);
    LayFigure(spare, Figure{-1, -1, spare.orientationTable[12].matrices[0]});
    spare.figureCount[12] = 0;
    ++total;
    compared += Compare(spare, "figure 12 laid, 72 cells");
    // The reference is slow under the sanitizers; positions it cannot finish in time are not
    // compared, but most of them must be.
    EXPECT_GE(compared, total / 2) << "too few positions answered by the reference in time";
}

} // namespace
