// Placement rules: drop position and legality, drop, take back, the win and the solved list.
#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "solver/search.h"
#include "test_support.h"

namespace {

// The pointer that drops the held figure with its matrix's top-left cell at (x, y).
Point PointerFor(const GameState& gs, int x, int y) {
    Rect frame = FieldFrame(gs);
    return {frame.left + gs.settings.view.squareSize / 2 + gs.hand.grabX + x * gs.settings.view.squareSize,
            frame.top + gs.settings.view.squareSize / 2 + gs.hand.grabY + y * gs.settings.view.squareSize};
}

void Hold(GameState& gs, int figure, const FigureMatrix& m) {
    gs.hand.matrices[figure] = m;
    gs.hand.selection = figure;
    UpdateGrabPoint(gs);
}

// The golden tiling of the open 10 x 6 field as figure records.
std::vector<Figure> Tiling10x6() {
    auto rows = ReadLines(DataPath("solver/10x6.txt"));
    Grid grid{};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c)
            for (int f = 1; f <= kFigureCount; ++f)
                if (FigureLetter(f) == rows[r][c]) At(grid, c, r) = static_cast<uint8_t>(f);
    std::vector<Figure> figures;
    for (int f = 1; f <= kFigureCount; ++f) {
        Figure fig;
        EXPECT_TRUE(ExtractPlacement(f, grid, fig));
        figures.push_back(fig);
    }
    return figures;
}

TEST(Placement, DropPositionFollowsGrabPointAndSnaps) {
    GameState gs = ReadyState();
    Hold(gs, 1, BaseShapes()[1]); // upright I, held by the centre of its middle square
    ComposeBoard(gs, {});
    DropTarget t = DropPositionAndLegality(gs, PointerFor(gs, -2, 0));
    EXPECT_TRUE(t.hasPosition && t.legal);
    EXPECT_EQ(t.x, -2) << "a negative origin is fine while the squares lie on the field";
    // A pointer just inside the frame's left border still lands the I in column 0.
    Rect frame = FieldFrame(gs);
    t = DropPositionAndLegality(gs, {frame.left + 3, PointerFor(gs, -2, 0).y});
    EXPECT_TRUE(t.legal);
    EXPECT_EQ(t.x, -2);
    EXPECT_FALSE(DropPositionAndLegality(gs, {frame.left - 1, frame.top + 100}).hasPosition);
    EXPECT_FALSE(DropPositionAndLegality(gs, {frame.right, frame.top + 100}).hasPosition);
}

TEST(Placement, IllegalDropsAtEdgesOnBlockedAndCoveredCells) {
    GameState gs = ReadyState();
    Hold(gs, 1, BaseShapes()[1]);
    EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, -2, -1)).legal) << "over the top";
    EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, -2, 2)).legal) << "below the bottom";
    EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, -3, 0)).legal) << "left of the field";
    FigureMatrix flat = BaseShapes()[1];
    TurnClockwise(flat);
    Hold(gs, 1, flat);
    EXPECT_TRUE(DropPositionAndLegality(gs, PointerFor(gs, 5, -2)).legal);
    EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, 6, -2)).legal) << "right edge";

    At(gs.position.board, 9, 0) = kCellBlocked;
    EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, 5, -2)).legal) << "one blocked square";
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, 5, -2)), DropResult::Illegal);
    EXPECT_EQ(gs.position.inList[1], 1) << "an illegal drop changes nothing";
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, 0, -1)), DropResult::Dropped);
    EXPECT_EQ(gs.position.inList[1], 0);
    EXPECT_EQ(gs.position.unsavedChanges, 1);
    EXPECT_EQ(HeldFigure(gs), 0) << "the hand is empty after a legal drop";

    Hold(gs, 2, BaseShapes()[2]); // L covering (1,1) where the I now lies
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, -1, 0)), DropResult::Illegal);
    EXPECT_EQ(At(gs.position.board, 9, 0), kCellBlocked) << "blocked cells survive composing";
}

TEST(Placement, FieldSizesOutsidePlayableRangeRefuseEveryDrop) {
    for (auto [w, h] : {std::pair{25, 6}, {6, 25}}) {
        GameState gs = ReadyState(w, h);
        Hold(gs, 11, BaseShapes()[11]);
        EXPECT_FALSE(DropPositionAndLegality(gs, PointerFor(gs, -1, -1)).legal) << w << "x" << h;
    }
}

TEST(Placement, LastFigureWinsOnceAndIsRecordedOnce) {
    GameState gs = ReadyState();
    SetCurrentPuzzleField(gs, 10, 6, Grid{});
    auto tiling = Tiling10x6();
    for (int f = 1; f <= kFigureCount; ++f) {
        Hold(gs, f, tiling[f - 1].matrix);
        DropResult expected = f == kFigureCount ? DropResult::Won : DropResult::Dropped;
        ASSERT_EQ(DropHeldFigure(gs, PointerFor(gs, tiling[f - 1].x, tiling[f - 1].y)), expected);
    }
    ASSERT_EQ(gs.settings.solved.size(), 1u);
    EXPECT_EQ(gs.settings.solved[0], (SolvedPuzzle{"Tutorial", "move a figure"}));
    EXPECT_EQ(gs.position.gameWon, 1);

    // Take a figure off and lay it again: nothing is announced a second time.
    Point onI = {FieldArea(gs).left + 1, FieldArea(gs).top + 1};
    int taken = TakeBackFigure(gs, onI);
    ASSERT_GE(taken, 1);
    EXPECT_EQ(HeldFigure(gs), taken);
    const Figure& t = tiling[taken - 1];
    EXPECT_EQ(DropHeldFigure(gs, PointerFor(gs, t.x, t.y)), DropResult::Dropped);
    EXPECT_EQ(gs.settings.solved.size(), 1u);
}

// A win records the current puzzle only when the field in play is the one its file holds: a
// saved game of another field, loaded while the puzzle is current, records nothing.
TEST(Placement, WinIsRecordedOnlyOnTheCurrentPuzzlesField) {
    Grid oneBlocked{};
    At(oneBlocked, 3, 2) = kCellBlocked;
    struct Case {
        const char* what;
        bool known;
        int width, height;
        Grid puzzle, board;
        bool recorded;
    } cases[] = {
        {"the puzzle's own field", true, 10, 6, Grid{}, Grid{}, true},
        {"its blocked cell kept, figures on the rest", true, 10, 6, oneBlocked, [&] {
             Grid g = oneBlocked;
             g.fill(7);
             At(g, 3, 2) = kCellBlocked;
             return g;
         }(), true},
        {"a file that could not be read", false, 10, 6, Grid{}, Grid{}, false},
        {"another size", true, 12, 5, Grid{}, Grid{}, false},
        {"the same size turned", true, 6, 10, Grid{}, Grid{}, false},
        {"a cell blocked in the file only", true, 10, 6, oneBlocked, Grid{}, false},
        {"a cell blocked in play only", true, 10, 6, Grid{}, oneBlocked, false},
    };
    for (const Case& c : cases) {
        GameState gs = ReadyState();
        if (c.known) SetCurrentPuzzleField(gs, c.width, c.height, c.puzzle);
        gs.position.board = c.board;
        gs.position.inList.fill(0);
        EXPECT_TRUE(RunWinTest(gs)) << c.what << ": the win itself is announced";
        EXPECT_EQ(gs.settings.solved.size(), c.recorded ? 1u : 0u) << c.what;
    }
}

TEST(Placement, SolvedListHasNoDuplicatesAndStopsAtItsCap) {
    GameState gs = ReadyState();
    RecordSolved(gs, "Tutorial", "one");
    RecordSolved(gs, "Tutorial", "one");
    RecordSolved(gs, "tutorial", "one"); // names compare with letter case
    EXPECT_EQ(gs.settings.solved.size(), 2u);
    for (int i = 0; i < kMaxSolved + 5; ++i) RecordSolved(gs, "G", std::to_string(i));
    EXPECT_EQ(gs.settings.solved.size(), static_cast<size_t>(kMaxSolved));
}

TEST(Placement, TakeBackKeepsOrientationAndPacksRecords) {
    GameState gs = ReadyState();
    auto tiling = Tiling10x6();
    for (int f : {1, 2, 3}) {
        Hold(gs, f, tiling[f - 1].matrix);
        ASSERT_EQ(DropHeldFigure(gs, PointerFor(gs, tiling[f - 1].x, tiling[f - 1].y)),
                  DropResult::Dropped);
    }
    ComposeBoard(gs, {});
    // Find a cell of figure 2 and click it with nothing in hand.
    gs.hand.selection = 0;
    Point cell{};
    for (int i = 0; i < kGridCells; ++i)
        if (gs.position.board[i] == 2) cell = {i % kGridSide, i / kGridSide};
    Rect field = FieldArea(gs);
    Point click{field.left + cell.x * gs.settings.view.squareSize + 5, field.top + cell.y * gs.settings.view.squareSize + 5};
    EXPECT_EQ(TakeBackFigure(gs, click), 2);
    EXPECT_EQ(gs.hand.matrices[2], tiling[1].matrix);
    EXPECT_EQ(gs.position.inList[2], 1);
    EXPECT_EQ(FigureOf(gs.position.placed[0].matrix), 1);
    EXPECT_EQ(FigureOf(gs.position.placed[1].matrix), 3);
    EXPECT_TRUE(IsEmptyMatrix(gs.position.placed[2].matrix));
    // Empty, blocked and outside-the-field clicks take nothing.
    gs.hand.selection = 0;
    ComposeBoard(gs, {});
    EXPECT_EQ(TakeBackFigure(gs, click), 0) << "the cell is empty now";
    EXPECT_EQ(TakeBackFigure(gs, {field.left - 1, field.top}), 0);
}

TEST(Placement, GrabPointForEachCursorMode) {
    GameState gs = ReadyState();
    gs.settings.view.squareSize = 40;
    FigureMatrix l = BaseShapes()[2]; // ...../..#../..#../..#../..##.
    gs.settings.view.cursorMode = CursorMode::FirstSquareCorner;
    Hold(gs, 2, l);
    EXPECT_EQ((Point{gs.hand.grabX, gs.hand.grabY}), (Point{80, 40}));
    gs.settings.view.cursorMode = CursorMode::MiddleSquare;
    Hold(gs, 2, l); // square 3 is at row 3, column 2
    EXPECT_EQ((Point{gs.hand.grabX, gs.hand.grabY}), (Point{100, 140}));
    gs.settings.view.cursorMode = CursorMode::LastSquareCorner;
    Hold(gs, 2, l);
    EXPECT_EQ((Point{gs.hand.grabX, gs.hand.grabY}), (Point{160, 200}));
    // Square 3 keeps the pointer whatever the orientation.
    gs.settings.view.cursorMode = CursorMode::MiddleSquare;
    TurnClockwise(l); // square 3 moves to row 2, column 1
    Hold(gs, 2, l);
    EXPECT_EQ((Point{gs.hand.grabX, gs.hand.grabY}), (Point{60, 100}));
}

TEST(Placement, SquaresEditorComposesTheRectangleInProgress) {
    GameState gs = ReadyState();
    gs.settings.createWidth = 6;
    gs.settings.createHeight = 10;
    gs.settings.creationMethod = CreationMethod::BySquares;
    NewGameReset(gs);
    StartEditor(gs);
    EXPECT_EQ(gs.hand.listEntries, 1);
    EXPECT_EQ(gs.hand.matrices[0][12], kCellSquare);
    At(gs.editor.field, 0, 0) = kCellSquare;
    gs.editor.rectDrag = RectangleDrag::Filling;
    gs.editor.rectStartX = 4;
    gs.editor.rectStartY = 8;
    Rect field = FieldArea(gs);
    // Dragged beyond the field's bottom-right corner: the rectangle stops at the edge.
    Point far{field.right + 10, field.bottom + 10};
    EXPECT_EQ(CellUnderPointer(gs, far), (Point{6, 10}));
    ComposeBoard(gs, far);
    EXPECT_EQ(At(gs.position.board, 5, 9), kCellSquare);
    EXPECT_EQ(At(gs.position.board, 6, 9), kCellOpen) << "no square outside the field";
    EXPECT_EQ(At(gs.position.board, 0, 0), kCellSquare);
    EXPECT_EQ(At(gs.position.board, 3, 8), kCellOpen);
    gs.editor.rectDrag = RectangleDrag::Clearing;
    gs.editor.rectStartX = 0;
    gs.editor.rectStartY = 0;
    ComposeBoard(gs, {field.left + 1, field.top + 1});
    EXPECT_EQ(At(gs.position.board, 0, 0), kCellOpen) << "the other button clears";
}

} // namespace
