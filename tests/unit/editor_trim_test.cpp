// Trimming a new puzzle to its bounding box, and preparing and committing it.
#include <gtest/gtest.h>

#include "editor/new_puzzle.h"
#include "test_support.h"

namespace {

TEST(Trim, DrawingMovesToTheTopLeft) {
    Grid g{};
    // An L in the box from (3, 2) to (5, 4).
    At(g, 3, 2) = At(g, 3, 3) = At(g, 3, 4) = At(g, 4, 4) = At(g, 5, 4) = kCellSquare;
    const TrimmedPuzzle t = TrimDrawing(g);
    EXPECT_EQ(t.width, 3);
    EXPECT_EQ(t.height, 3);
    EXPECT_EQ(At(t.drawing, 2, 2), kCellSquare);
    EXPECT_EQ(CountSquares(t.drawing), 5);
    EXPECT_EQ(At(t.field, 0, 0), kCellOpen);
    EXPECT_EQ(At(t.field, 1, 1), kCellBlocked);
    EXPECT_EQ(At(t.field, 3, 0), 0) << "outside the new field";

    Grid wide{};
    for (int x = 0; x < 24; ++x)
        At(wide, x, 7) = kCellSquare;
    EXPECT_EQ(TrimDrawing(wide).width, 24);
}

TEST(Trim, PrepareLeavesTheGameAlone) {
    GameState gs;
    InitGameState(gs);
    gs.settings.creationMethod = CreationMethod::BySquares;
    StartEditor(gs);
    for (int i = 0; i < 60; ++i)
        At(gs.editor.field, 2 + i % 12, 3 + i / 12) = kCellSquare;
    const GameState before = gs;
    const PreparedPuzzle p = PrepareNewPuzzle(gs);
    ASSERT_EQ(p.check, EditorCheck::Ok);
    EXPECT_EQ(p.puzzle.width, 12);
    EXPECT_EQ(p.puzzle.height, 5);
    EXPECT_EQ(gs.editor.field, before.editor.field);
    EXPECT_EQ(gs.position.board, before.position.board);
    EXPECT_EQ(gs.position.fieldWidth, before.position.fieldWidth);
    EXPECT_EQ(gs.settings.createWidth, before.settings.createWidth);

    // "By figures": the laid figures are the drawing.
    gs.settings.creationMethod = CreationMethod::ByFigures;
    EXPECT_EQ(PrepareNewPuzzle(gs).check, EditorCheck::AllFiguresNotPlaced);
    gs.position.inList.fill(0);
    gs.position.placed[0] = {3, 1, MatrixFromText("..#../..#../..#../..#../..#..", 1)};
    gs.position.placed[1] = {4, 4, MatrixFromText("...../..#../.###./..#../.....", 11)};
    const TrimmedPuzzle figures = PrepareNewPuzzle(gs).puzzle;
    EXPECT_EQ(figures.width, 3);
    EXPECT_EQ(figures.height, 7);
    EXPECT_EQ(At(figures.drawing, 1, 6), 11);
}

TEST(Trim, CommitStartsPlayOnTheNewPuzzle) {
    GameState gs;
    InitGameState(gs);
    gs.settings.creationMethod = CreationMethod::BySquares;
    StartEditor(gs);
    Grid drawing{};
    for (int i = 0; i < 60; ++i)
        At(drawing, 4 + i % 15, 9 + i / 15) = kCellSquare;
    const TrimmedPuzzle t = TrimDrawing(drawing);
    CommitNewPuzzle(gs, t, "stairs");
    EXPECT_EQ(gs.editor.mode, EditMode::Playing);
    EXPECT_EQ(gs.position.fieldWidth, 15);
    EXPECT_EQ(gs.position.fieldHeight, 4);
    EXPECT_EQ(gs.settings.createWidth, 15);
    EXPECT_EQ(gs.settings.createHeight, 4);
    EXPECT_EQ(gs.position.board, t.field);
    EXPECT_EQ(gs.settings.lastFolder, "My puzzles");
    EXPECT_EQ(gs.settings.lastFile, "stairs");
}

} // namespace
