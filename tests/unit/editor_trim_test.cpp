// Trimming a new puzzle to its bounding box, and preparing and committing it.
#include <gtest/gtest.h>

#include "editor/new_puzzle.h"
#include "test_support.h"

TEST(Trim, DrawingMovesToTheTopLeft) {
    const TrimmedPuzzle t = TrimDrawing(GridFromRows({"", "", "...o", "...o", "...ooo"}));
    EXPECT_EQ(RowsOf(t.drawing, 4, 4), (Rows{"o...", "o...", "ooo.", "...."}));
    EXPECT_EQ(RowsOf(t.field, 4, 4), (Rows{".##.", ".##.", "....", "...."}));
    EXPECT_EQ((Point{t.width, t.height}), (Point{3, 3}));
    // A drawing that touches the last row and column keeps its full extent.
    Grid corner{};
    At(corner, 1, 24) = At(corner, 24, 1) = kCellSquare;
    EXPECT_EQ((Point{TrimDrawing(corner).width, TrimDrawing(corner).height}), (Point{24, 24}));
    EXPECT_EQ(TrimDrawing(Grid{}).width, 1) << "an empty drawing stays inside the grid";
}

// Each creation method's check, then its drawing trimmed.
TEST(Trim, PrepareChecksAndTrimsTheDrawingOfTheMethod) {
    GameState gs = SquaresEditor();
    for (int i = 0; i < 60; ++i)
        At(gs.editor.field, 2 + i % 12, 3 + i / 12) = kCellSquare;
    const PreparedPuzzle p = PrepareNewPuzzle(gs);
    ASSERT_EQ(p.check, EditorCheck::Ok);
    EXPECT_EQ((Point{p.puzzle.width, p.puzzle.height}), (Point{12, 5}));

    gs.settings.creationMethod = CreationMethod::ByFigures;
    EXPECT_EQ(PrepareNewPuzzle(gs).check, EditorCheck::AllFiguresNotPlaced);
    gs.position.inList.fill(0);
    gs.position.placed[0] = {3, 1, BaseShapes()[1]};
    gs.position.placed[1] = {4, 4, BaseShapes()[11]};
    const TrimmedPuzzle figures = PrepareNewPuzzle(gs).puzzle;
    EXPECT_EQ(RowsOf(figures.drawing, 4, 8),
              (Rows{"I...", "I...", "I...", "I...", "IX..", "XXX.", ".X..", "...."}));
}

TEST(Trim, CommitStartsPlayOnTheNewPuzzle) {
    GameState gs = SquaresEditor();
    const TrimmedPuzzle t = TrimDrawing(GridFromRows({"", "..oooo", "..o..o", "..oooo"}));
    CommitNewPuzzle(gs, t, "ring");
    EXPECT_EQ(gs.editor.mode, EditMode::Playing);
    EXPECT_EQ((Point{gs.position.fieldWidth, gs.position.fieldHeight}), (Point{4, 3}));
    EXPECT_EQ((Point{gs.settings.createWidth, gs.settings.createHeight}), (Point{4, 3}));
    EXPECT_EQ(RowsOf(gs.position.board, 4, 3), (Rows{"....", ".##.", "...."}));
    EXPECT_EQ(gs.settings.lastFolder + "\\" + gs.settings.lastFile, "My puzzles\\ring");
    EXPECT_TRUE(PlaysCurrentPuzzle(gs)) << "a win on it counts for the new puzzle";
}
