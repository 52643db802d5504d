// Trimming a new puzzle to its bounding box, and committing it; its checks and the file saved are
// tested through Save puzzle (editor_dialogs_test.cpp).
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
