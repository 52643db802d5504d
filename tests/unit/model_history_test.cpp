// The move history: undo, redo, cutting the redo part, the 300-step cap, the editor's fields.
#include <gtest/gtest.h>

#include "model/geometry.h"
#include "model/history.h"
#include "model/offered_commands.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "test_support.h"

namespace {

// Lays figure f as if dropped: a record in the first free slot, one history step.
void Drop(GameState& gs, int f, int x, int y) {
    LayFigure(gs, Figure{x, y, BaseShapes()[f]});
    gs.position.inList[f] = 0;
}

std::vector<int> FiguresOnField(const GameState& gs) {
    std::vector<int> figures;
    for (const Figure& f : gs.position.placed)
        if (!IsEmptyMatrix(f.matrix)) figures.push_back(FigureOf(f.matrix));
    return figures;
}

TEST(History, UndoRedoWalkThePositions) {
    GameState gs = ReadyState();
    EXPECT_FALSE(CanUndo(gs));
    Drop(gs, 1, -2, 0);
    Drop(gs, 11, 0, 0);
    Drop(gs, 4, 4, 0);
    EXPECT_EQ(gs.position.historyCount, 4);
    gs.hand.selection = 4;
    ASSERT_TRUE(Undo(gs));
    ASSERT_TRUE(Undo(gs));
    EXPECT_EQ(FiguresOnField(gs), std::vector<int>{1});
    EXPECT_EQ(gs.position.inList[11], 1);
    EXPECT_EQ(gs.position.inList[4], 1);
    EXPECT_EQ(gs.hand.selection, 0) << "nothing is held after undo";
    EXPECT_TRUE(CanRedo(gs));
    ASSERT_TRUE(Redo(gs));
    EXPECT_EQ(FiguresOnField(gs), (std::vector<int>{1, 11}));
    EXPECT_EQ(gs.position.inList[11], 0);
    Undo(gs);
    Undo(gs);
    Undo(gs); // stays at position 0
    EXPECT_EQ(gs.position.historyPosition, 0);
    EXPECT_TRUE(FiguresOnField(gs).empty());
}

TEST(History, RecordAfterUndoCutsTheRedoPart) {
    GameState gs = ReadyState();
    Drop(gs, 1, -2, 0);
    Drop(gs, 11, 0, 0);
    Undo(gs);
    Drop(gs, 4, 4, 0);
    EXPECT_FALSE(CanRedo(gs));
    EXPECT_EQ(gs.position.historyCount, 3);
    Undo(gs);
    Redo(gs);
    EXPECT_EQ(FiguresOnField(gs), (std::vector<int>{1, 4}));
}

TEST(History, TakingBackIsNotRecorded) {
    GameState gs = ReadyState();
    Drop(gs, 1, -2, 0);
    Drop(gs, 11, 0, 0);
    ComposeBoard(gs, {});
    Rect field = FieldArea(gs);
    ASSERT_EQ(TakeBackFigure(gs, {field.left + 1, field.top + 1}), 1);
    EXPECT_EQ(gs.position.historyCount, 3);
    Undo(gs);
    EXPECT_EQ(FiguresOnField(gs), std::vector<int>{1}) << "undo restores the recorded position";
}

TEST(History, StopsRecordingAfterThreeHundredSteps) {
    GameState gs = ReadyState();
    for (int i = 0; i < kHistorySteps; ++i) EXPECT_TRUE(RecordDrop(gs));
    EXPECT_FALSE(RecordDrop(gs));
    EXPECT_EQ(gs.position.historyCount, kHistorySteps + 1);
    EXPECT_EQ(gs.position.historyPosition, kHistorySteps);
    EXPECT_TRUE(Undo(gs));
    EXPECT_EQ(gs.position.historyPosition, kHistorySteps - 1);
    EXPECT_TRUE(RecordDrop(gs)) << "after an undo there is room again";
}

TEST(History, SquaresEditorRestoresFieldsDownToTheEmptyOne) {
    GameState gs = ReadyState();
    gs.settings.creationMethod = CreationMethod::BySquares;
    StartEditor(gs);
    At(gs.editor.field, 1, 1) = kCellSquare;
    ASSERT_TRUE(RecordEditorRectangle(gs));
    At(gs.editor.field, 2, 2) = kCellSquare;
    ASSERT_TRUE(RecordEditorRectangle(gs));
    Undo(gs);
    EXPECT_EQ(At(gs.editor.field, 2, 2), kCellOpen);
    EXPECT_EQ(At(gs.editor.field, 1, 1), kCellSquare);
    Undo(gs);
    EXPECT_EQ(gs.editor.field, Grid{});
    Redo(gs);
    Redo(gs);
    EXPECT_EQ(At(gs.editor.field, 2, 2), kCellSquare);
}

TEST(History, LoadedPositionIsPositionOne) {
    GameState gs = ReadyState();
    Placement figures{};
    figures[0] = Figure{-2, 0, BaseShapes()[1]};
    figures[1] = Figure{0, 0, BaseShapes()[11]};
    LoadHistoryPosition(gs, figures);
    EXPECT_EQ(gs.position.placed, figures);
    EXPECT_EQ(gs.position.inList[1], 0);
    Undo(gs);
    EXPECT_TRUE(FiguresOnField(gs).empty());
    Redo(gs);
    EXPECT_EQ(gs.position.placed, figures);
}

TEST(History, NewGameResetRestoresBaseOrientationsAndEmptiesHistory) {
    GameState gs = ReadyState();
    TurnClockwise(gs.hand.matrices[2]);
    Drop(gs, 1, -2, 0);
    gs.position.unsavedChanges = gs.position.gameWon = 1;
    NewGameReset(gs);
    EXPECT_EQ(gs.hand.matrices, BaseShapes());
    EXPECT_EQ(gs.position.historyCount, 1);
    EXPECT_EQ(gs.position.historyPosition, 0);
    EXPECT_EQ(gs.position.inList[1], 1);
    EXPECT_FALSE(gs.position.unsavedChanges);
    EXPECT_FALSE(gs.position.gameWon);
    EXPECT_EQ(gs.editor.mode, EditMode::Playing);
}

} // namespace

namespace {

TEST(History, EditorRectanglesAreRecordedOnlyWhenTheyChangeTheField) {
    GameState gs = ReadyState();
    gs.settings.creationMethod = CreationMethod::BySquares;
    gs.settings.createWidth = 10;
    gs.settings.createHeight = 6;
    StartEditor(gs);
    Rect field = FieldArea(gs);
    int s = gs.settings.view.squareSize;
    auto cell = [&](int x, int y) { return Point{field.left + x * s + 1, field.top + y * s + 1}; };
    gs.editor.rectDrag = RectangleDrag::Filling;
    gs.editor.rectStartX = 8;
    gs.editor.rectStartY = 4;
    EXPECT_TRUE(CommitEditorRectangle(gs, {field.right + 3 * s, field.bottom + 3 * s}));
    EXPECT_EQ(gs.editor.rectDrag, RectangleDrag::None);
    int squares = 0;
    for (uint8_t v : gs.editor.field) squares += v == kCellSquare;
    EXPECT_EQ(squares, 4) << "columns 8-9, rows 4-5: the rectangle stops at the field's edge";
    EXPECT_EQ(gs.position.historyCount, 2);
    gs.editor.rectDrag = RectangleDrag::Filling;
    gs.editor.rectStartX = 9;
    gs.editor.rectStartY = 5;
    EXPECT_FALSE(CommitEditorRectangle(gs, cell(8, 4))) << "nothing new";
    EXPECT_EQ(gs.position.historyCount, 2);
    gs.editor.rectDrag = RectangleDrag::Clearing;
    gs.editor.rectStartX = 0;
    gs.editor.rectStartY = 0;
    EXPECT_TRUE(CommitEditorRectangle(gs, cell(9, 5)));
    EXPECT_EQ(gs.editor.field, Grid{});
    Undo(gs);
    EXPECT_EQ(At(gs.editor.field, 9, 5), kCellSquare);
}

// The menu's enabled commands in each state of a game.
TEST(History, CommandsOfferedFollowTheGame) {
    GameState fresh = ReadyState();
    GameState moved = ReadyState();
    Drop(moved, 1, -2, 0);
    moved.position.unsavedChanges = true;
    GameState undone = moved;
    Undo(undone);
    GameState saved = moved;
    saved.position.unsavedChanges = false;
    GameState editing = ReadyState();
    StartEditor(editing);
    GameState editedOnce = editing;
    Drop(editedOnce, 2, 0, 0);
    struct Case {
        const char* what;
        const GameState& gs;
        OfferedCommands offered;
    } cases[] = {
        {"a new game", fresh, {false, false, true, true, true, false, false}},
        {"after a drop", moved, {false, true, true, true, true, true, false}},
        {"after undo", undone, {false, true, true, true, true, false, true}},
        {"after saving", saved, {false, false, true, true, true, true, false}},
        {"the editor", editing, {true, false, false, false, false, false, false}},
        {"the editor after a step", editedOnce, {true, false, false, false, false, true, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandsOffered(c.gs), c.offered) << c.what;
}

} // namespace
