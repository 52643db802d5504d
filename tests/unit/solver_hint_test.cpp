// Hints: the culprits of a dead position, the hardest cell of a live one, and its ghost.
#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "model/geometry.h"
#include "solver/hint.h"
#include "solver/hint_worker.h"
#include "solver/search.h"
#include "solver/tiling_count.h"
#include "test_support.h"

namespace {

int Number(char letter) {
    for (int f = 1; f <= kFigureCount; ++f)
        if (FigureLetter(f) == letter) return f;
    return 0;
}

// A state on an open w x h field with the given figures of a tiling laid where it lays them.
GameState WithTilingFigures(const std::string& tiling, int w, int h, const std::string& letters) {
    GameState gs = ReadyState(w, h);
    for (char letter : letters)
        Lay(gs, TilingFigure(Number(letter), tiling));
    ComposeBoard(gs, Point{});
    return gs;
}

// Lays the letter's figure as BaseShapes() turns it, its matrix's top-left cell at (x, y).
void LayBase(GameState& gs, char letter, int x, int y) {
    Lay(gs, BaseShapes()[Number(letter)], x, y);
    ComposeBoard(gs, Point{});
}

TEST(Hint, DeadPositionsNameTheFewestFiguresInTheWay) {
    // One culprit among figures that lie right: the X cuts off the top right corner.
    GameState one = WithTilingFigures("solver/10x6.txt", 10, 6, "ILN");
    LayBase(one, 'X', 6, -1);
    PositionHint hint = ComputeHint(one);
    EXPECT_EQ(hint.kind, HintKind::Dead);
    EXPECT_EQ(hint.culprits, std::vector<int>{Number('X')});

    // Two: the W cuts off the bottom left corner as well; neither alone is enough.
    GameState two = WithTilingFigures("solver/10x6.txt", 10, 6, "T");
    LayBase(two, 'X', 6, -1);
    LayBase(two, 'W', -1, 2);
    hint = ComputeHint(two);
    EXPECT_EQ(hint.culprits, (std::vector<int>{Number('W'), Number('X')}));

    // Far from what it cuts off: the X in the middle of 20 x 3 leaves 24 cells on the left,
    // where the U lies right beside the cells that can no longer be covered.
    GameState far = WithTilingFigures("solver/20x3.txt", 20, 3, "U");
    LayBase(far, 'X', 8, -1);
    EXPECT_EQ(ComputeHint(far).culprits, std::vector<int>{Number('X')});

    hint.culprits = {1, 2, 3};
    EXPECT_EQ(HintText(hint, 1),
              "The field cannot be finished with the I, the L and the T where they lie.");
    GameState empty59 = ReadyState(10, 6);
    At(empty59.position.board, 0, 0) = kCellBlocked;
    EXPECT_EQ(ComputeHint(empty59).kind, HintKind::NoSolution) << "59 cells";
    EXPECT_EQ(HintText(ComputeHint(empty59), 1), "This field has no solution.");
}

// The ways each free cell can be covered in some completion, asked of the solution counter
// piece by piece: an answer found apart from the hint's own search.
std::vector<int> WaysByCounting(const GameState& gs) {
    std::vector<int> ways(kGridCells, 0);
    const TilingField field{gs.position.fieldWidth, gs.position.fieldHeight, gs.position.board};
    for (int k = 0; k < kOrientationCount; ++k) {
        const FigureMatrix& m = Orientations().catalogue[k];
        if (gs.position.inList[FigureOf(m)] == 0) continue;
        for (int y = -4; y < field.height; ++y)
            for (int x = -4; x < field.width; ++x) {
                TilingField laid = field;
                bool fits = true;
                for (int i = 0; i < kMatrixCells && fits; ++i) {
                    if (m[i] == 0) continue;
                    const int cx = x + i % 5, cy = y + i / 5;
                    fits = cx >= 0 && cy >= 0 && cx < field.width && cy < field.height &&
                           At(laid.cells, cx, cy) == kCellOpen;
                    if (fits) At(laid.cells, cx, cy) = m[i];
                }
                if (!fits || CountTilings(laid, 1) == 0) continue;
                for (int i = 0; i < kMatrixCells; ++i)
                    if (m[i] != 0) ++ways[(y + i / 5) * kGridSide + x + i % 5];
            }
    }
    return ways;
}

TEST(Hint, LivePositionsMarkTheHardestCellAndAFigureThatFitsThere) {
    // One figure missing: each of its cells has one way; the first in row order is marked,
    // and the ghost is the missing figure where the tiling lays it.
    const GameState eleven = WithTilingFigures("solver/10x6.txt", 10, 6, "ILTVWYZPFUX");
    PositionHint hint = ComputeHint(eleven);
    ASSERT_EQ(hint.kind, HintKind::Live);
    EXPECT_EQ(hint.cell, (Point{1, 4}));
    EXPECT_EQ(hint.ghost, TilingFigure(Number('N')));

    // Against the counter's own answer on positions with more figures missing.
    for (const char* laid : {"ILTVWYZ", "IUXN", "PFUXN", "LTW"}) {
        const GameState gs = WithTilingFigures("solver/10x6.txt", 10, 6, laid);
        hint = ComputeHint(gs);
        ASSERT_EQ(hint.kind, HintKind::Live) << laid;
        const std::vector<int> ways = WaysByCounting(gs);
        int hardest = -1;
        for (int i = 0; i < kGridCells; ++i)
            if (ways[i] > 0 && (hardest < 0 || ways[i] < ways[hardest])) hardest = i;
        EXPECT_EQ(hint.cell, (Point{hardest % kGridSide, hardest / kGridSide})) << laid;
    }
}

TEST(Hint, TheGhostLaidLeavesThePositionCompletable) {
    for (const char* laid : {"", "I", "XN", "ILTVW"}) {
        GameState gs = WithTilingFigures("solver/10x6.txt", 10, 6, laid);
        const PositionHint hint = ComputeHint(gs);
        ASSERT_EQ(hint.kind, HintKind::Live) << laid;
        ASSERT_EQ(hint.ghost.matrix, Orientations().catalogue[hint.orientation]);
        for (int i = 0; i < kMatrixCells; ++i) {
            if (hint.ghost.matrix[i] == 0) continue;
            ASSERT_EQ(At(gs.position.board, hint.ghost.x + i % 5, hint.ghost.y + i / 5), kCellOpen)
                << laid;
        }
        Lay(gs, hint.ghost.matrix, hint.ghost.x, hint.ghost.y);
        ComposeBoard(gs, Point{});
        const TilingField field{10, 6, gs.position.board};
        EXPECT_GT(CountTilings(field, 1), 0u) << laid;
        // The ghost covers the hardest cell.
        EXPECT_EQ(At(gs.position.board, hint.cell.x, hint.cell.y), FigureOf(hint.ghost.matrix));
    }
}

TEST(HintWorker, WorksTheHintOutAwayFromTheAskerAndTellsOnce) {
    std::mutex mutex;
    std::condition_variable told;
    int tellings = 0;
    HintWorker worker([&] {
        std::lock_guard lock(mutex);
        ++tellings;
        told.notify_all();
    });
    EXPECT_FALSE(worker.Take());
    GameState gs = WithTilingFigures("solver/10x6.txt", 10, 6, "ILN");
    LayBase(gs, 'X', 6, -1);
    gs.hints.move = 7;
    worker.Ask(gs);
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(told.wait_for(lock, std::chrono::seconds(10), [&] { return tellings > 0; }));
    }
    const std::optional<WorkedHint> worked = worker.Take();
    ASSERT_TRUE(worked);
    EXPECT_EQ(worked->move, 7u);
    EXPECT_EQ(worked->hint, ComputeHint(gs));
    EXPECT_FALSE(worker.Take()) << "taken once";
}

} // namespace
