// Placement rules: drop position and legality, drop, take back, the win and the solved list.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "model/geometry.h"
#include "solver/search.h"
#include "test_support.h"

// The pointer that drops the held figure with its matrix's top-left cell at (x, y).
Point PointerFor(const GameState& gs, int x, int y) {
    const Rect frame = FieldFrame(gs);
    const int s = gs.settings.view.squareSize;
    return {frame.left + s / 2 + gs.hand.grabX + x * s, frame.top + s / 2 + gs.hand.grabY + y * s};
}

void Hold(GameState& gs, int figure, const FigureMatrix& m) {
    gs.hand.matrices[figure] = m;
    gs.hand.selection = figure;
    UpdateGrabPoint(gs);
}

bool LegalAt(GameState& gs, int x, int y) {
    return DropPositionAndLegality(gs, PointerFor(gs, x, y)).legal;
}

TEST(Placement, DropPositionSnapsAndIsIllegalAtEdgesOnBlockedAndCoveredCells) {
    GameState gs = ReadyState();
    Hold(gs, 1, BaseShapes()[1]); // upright I, held by the centre of its middle square
    // A pointer just inside the frame's left border lands the I in column 0: origin -2.
    const Rect frame = FieldFrame(gs);
    const DropTarget t = DropPositionAndLegality(gs, {frame.left + 3, PointerFor(gs, -2, 0).y});
    EXPECT_TRUE(t.legal);
    EXPECT_EQ(t.x, -2);
    EXPECT_FALSE(DropPositionAndLegality(gs, {frame.left - 1, frame.top + 100}).hasPosition);
    EXPECT_FALSE(DropPositionAndLegality(gs, {frame.right, frame.top + 100}).hasPosition);
    EXPECT_FALSE(LegalAt(gs, -2, -1)) << "over the top";
    EXPECT_FALSE(LegalAt(gs, -2, 2)) << "below the bottom";
    EXPECT_FALSE(LegalAt(gs, -3, 0)) << "left of the field";
    FigureMatrix flat = BaseShapes()[1];
    TurnClockwise(flat);
    Hold(gs, 1, flat);
    EXPECT_TRUE(LegalAt(gs, 5, -2));
    EXPECT_FALSE(LegalAt(gs, 6, -2)) << "right edge";

    At(gs.position.board, 9, 0) = kCellBlocked;
    EXPECT_FALSE(LegalAt(gs, 5, -2)) << "one blocked square";
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, 5, -2)), DropResult::Illegal);
    EXPECT_EQ(gs.position.inList[1], 1) << "an illegal drop changes nothing";
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, 0, -1)), DropResult::Dropped);
    EXPECT_EQ(gs.position.inList[1], 0);
    EXPECT_TRUE(gs.position.unsavedChanges);
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, 0, 0)), DropResult::NotHeld) << "hand emptied";

    Hold(gs, 2, BaseShapes()[2]); // L covering (1,1) where the I now lies
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, -1, 0)), DropResult::Illegal);
    EXPECT_EQ(At(gs.position.board, 9, 0), kCellBlocked) << "blocked cells survive composing";

    // Fields of 3..24 cells each way are playable; any other size refuses every drop.
    for (auto [w, h, legal] :
         {std::tuple{3, 3, true}, {24, 24, true}, {25, 6, false}, {6, 25, false}}) {
        GameState sized = ReadyState(w, h);
        Hold(sized, 11, BaseShapes()[11]);
        EXPECT_EQ(LegalAt(sized, -1, -1), legal) << w << "x" << h;
    }
}

// The twelve figures of the golden tiling dropped one by one: the last one wins, once.
TEST(Placement, LastFigureWinsOnceAndTakeBackKeepsOrientationAndPacksRecords) {
    GameState gs = ReadyState();
    SetCurrentPuzzleField(gs, 10, 6, Grid{});
    const Grid tiling = GridFromRows(ReadLines(DataPath("solver/10x6.txt")));
    Placement figures{};
    EXPECT_FALSE(ExtractPlacement(1, Grid{}, figures[0])) << "no figure 1 on an empty grid";
    Grid lone{};
    At(lone, 3, 2) = 1;
    EXPECT_FALSE(ExtractPlacement(1, lone, figures[0])) << "a lone square is no figure";
    for (int f = 1; f <= kFigureCount; ++f) {
        ASSERT_TRUE(ExtractPlacement(f, tiling, figures[f - 1]));
        Hold(gs, f, figures[f - 1].matrix);
        const DropResult expected = f == kFigureCount ? DropResult::Won : DropResult::Dropped;
        ASSERT_EQ(DropHeldFigure(gs, PointerFor(gs, figures[f - 1].x, figures[f - 1].y)), expected);
    }
    ASSERT_EQ(gs.settings.solved.size(), 1u);
    EXPECT_EQ(gs.settings.solved[0], (SolvedPuzzle{"Tutorial", "move a figure"}));
    EXPECT_TRUE(gs.position.gameWon);

    // Click a cell of figure 2 with nothing in hand: it comes back as it lay, the later records
    // move up one slot.
    gs.hand.selection = 0;
    const Rect field = FieldArea(gs);
    auto cellOf = [&](int f) {
        const int i = int(std::find(tiling.begin(), tiling.end(), f) - tiling.begin());
        const int s = gs.settings.view.squareSize;
        return Point{field.left + i % kGridSide * s + 5, field.top + i / kGridSide * s + 5};
    };
    EXPECT_EQ(TakeBackFigure(gs, cellOf(2)), 2);
    EXPECT_EQ(gs.position.inList[2], 1) << "back in the list";
    EXPECT_EQ(gs.hand.matrices[2], figures[1].matrix);
    EXPECT_EQ(gs.position.placed[1], figures[2]);
    EXPECT_TRUE(IsEmptyMatrix(gs.position.placed[11].matrix));
    // Laid again: nothing is announced a second time.
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, figures[1].x, figures[1].y)), DropResult::Dropped);
    EXPECT_EQ(gs.settings.solved.size(), 1u);
    EXPECT_EQ(TakeBackFigure(gs, {field.left - 1, field.top}), 0) << "outside the field";

    // When the field in play is not the current puzzle's (as LoadDialog checks) the win is
    // announced and nothing is recorded.
    GameState other = ReadyState();
    other.position.inList.fill(0);
    EXPECT_TRUE(RunWinTest(other));
    EXPECT_TRUE(other.settings.solved.empty());
}

// A figure over the grid's edges keeps its squares inside the 25 x 25 grid and loses the rest.
TEST(Placement, StampCutsAFigureAtTheGridsEdges) {
    const FigureMatrix cross = BaseShapes()[11]; // X: the centre and its four neighbours
    for (int corner : {-2, kGridSide - 3}) {
        Grid grid{};
        Stamp(grid, cross, corner, corner);
        int squares = 0;
        for (uint8_t v : grid)
            squares += v != 0;
        EXPECT_EQ(squares, 3) << corner;
        const int c = corner < 0 ? 0 : kGridSide - 1;
        EXPECT_EQ(At(grid, c, c), 11) << "the centre square, in the corner cell";
    }
}

TEST(Placement, SolvedListHasNoDuplicatesAndStopsAtItsCap) {
    GameState gs = ReadyState();
    for (const char* name : {"one", "one", "One"}) // names compare with letter case
        RecordSolved(gs, "Tutorial", name);
    RecordSolved(gs, "tutorial", "one");
    EXPECT_EQ(
        gs.settings.solved,
        (std::vector<SolvedPuzzle>{{"Tutorial", "one"}, {"Tutorial", "One"}, {"tutorial", "one"}}));
    for (int i = 0; i < kMaxSolved + 5; ++i)
        RecordSolved(gs, "G", std::to_string(i));
    EXPECT_EQ(gs.settings.solved.size(), static_cast<size_t>(kMaxSolved));
}

TEST(Placement, GrabPointForEachCursorMode) {
    GameState gs = ReadyState();
    gs.settings.view.squareSize = 40;
    const FigureMatrix l = BaseShapes()[2]; // ...../..#../..#../..#../..##.
    FigureMatrix turned = l;                // ...../...../####./#..../.....
    TurnClockwise(turned);
    const std::tuple<CursorMode, FigureMatrix, Point> cases[] = {
        {CursorMode::FirstSquareCorner, l, {80, 40}},
        {CursorMode::MiddleSquare, l, {100, 140}}, // square 3: row 3, column 2
        {CursorMode::LastSquareCorner, l, {160, 200}},
        {CursorMode::MiddleSquare, turned, {60, 100}}, // square 3 follows: row 2, column 1
    };
    for (const auto& [mode, m, grab] : cases) {
        gs.settings.view.cursorMode = mode;
        Hold(gs, 2, m);
        EXPECT_EQ((Point{gs.hand.grabX, gs.hand.grabY}), grab) << static_cast<int>(mode);
    }
}
