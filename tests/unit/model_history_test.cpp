// The move history: undo, redo, cutting the redo part, the 300-step cap, the editor's fields.
#include <gtest/gtest.h>

#include <tuple>

#include "model/geometry.h"
#include "model/history.h"
#include "model/offered_commands.h"
#include "test_support.h"

std::vector<int> FiguresOnField(const GameState& gs) {
    std::vector<int> figures;
    for (const Figure& f : gs.position.placed)
        if (!IsEmptyMatrix(f.matrix)) figures.push_back(FigureOf(f.matrix));
    return figures;
}

TEST(History, UndoRedoWalkThePositionsAndANewStepCutsTheRest) {
    GameState gs = ReadyState();
    Lay(gs, BaseShapes()[1], -2, 0);
    Lay(gs, BaseShapes()[11], 0, 0);
    Lay(gs, BaseShapes()[4], 4, 0);
    gs.hand.selection = 4;
    ASSERT_TRUE(Undo(gs));
    ASSERT_TRUE(Undo(gs));
    EXPECT_EQ(FiguresOnField(gs), std::vector<int>{1});
    EXPECT_EQ(gs.position.inList[11], 1);
    EXPECT_EQ(gs.hand.selection, 0) << "nothing is held after undo";
    ASSERT_TRUE(Redo(gs));
    EXPECT_EQ(FiguresOnField(gs), (std::vector<int>{1, 11}));

    // Taking a figure back is not recorded: undo restores the recorded position.
    ComposeBoard(gs, {});
    const Rect field = FieldArea(gs);
    ASSERT_EQ(TakeBackFigure(gs, {field.left + 1, field.top + 1}), 1);
    Undo(gs);
    EXPECT_EQ(FiguresOnField(gs), std::vector<int>{1});
    // A new step after an undo cuts the redo part away.
    Lay(gs, BaseShapes()[4], 4, 0);
    for (int i = 0; i < 3; ++i) // the third stays at position 0
        Undo(gs);
    EXPECT_EQ(gs.position.historyPosition, 0);
    EXPECT_TRUE(FiguresOnField(gs).empty());
    for (int i = 0; i < 3; ++i) // the third stays at the last position
        Redo(gs);
    EXPECT_EQ(gs.position.historyPosition, 2);
    EXPECT_EQ(FiguresOnField(gs), (std::vector<int>{1, 4}));
}

TEST(History, StopsRecordingAfterThreeHundredSteps) {
    GameState gs = ReadyState();
    for (int i = 0; i < kHistorySteps; ++i)
        EXPECT_TRUE(RecordDrop(gs));
    EXPECT_FALSE(RecordDrop(gs));
    EXPECT_EQ(gs.position.historyCount, kHistorySteps + 1);
    EXPECT_EQ(gs.position.historyPosition, kHistorySteps);
    EXPECT_TRUE(Undo(gs));
    EXPECT_TRUE(RecordDrop(gs)) << "after an undo there is room again";
    GameState editor = SquaresEditor();
    for (int i = 0; i < kHistorySteps; ++i)
        EXPECT_TRUE(RecordEditorRectangle(editor));
    EXPECT_FALSE(RecordEditorRectangle(editor)) << "the editor's rectangles stop there too";
}

// "By squares": the board shows the rectangle in progress; ending it changes the field and is
// recorded only when something changed; undo goes back down to the empty field.
TEST(History, EditorRectanglesAreRecordedOnlyWhenTheyChangeTheField) {
    GameState gs = SquaresEditor(6, 4);
    const Rect field = FieldArea(gs);
    const int s = gs.settings.view.squareSize;
    auto cell = [&](int x, int y) { return Point{field.left + x * s + 1, field.top + y * s + 1}; };
    auto drag = [&](RectangleDrag how, int x, int y) {
        gs.editor.rectDrag = how;
        gs.editor.rectStartX = x;
        gs.editor.rectStartY = y;
    };
    // Dragged beyond the bottom-right corner: the rectangle stops at the field's edge.
    const Point far{field.right + 3 * s, field.bottom + 3 * s};
    drag(RectangleDrag::Filling, 4, 2);
    ComposeBoard(gs, far);
    const Rows firstRectangle{".......", ".......", "....oo.", "....oo.", "......."};
    EXPECT_EQ(RowsOf(gs.position.board, 7, 5), firstRectangle);
    EXPECT_TRUE(CommitEditorRectangle(gs, far));
    EXPECT_EQ(RowsOf(gs.editor.field, 7, 5), firstRectangle);
    drag(RectangleDrag::Filling, 5, 3);
    EXPECT_FALSE(CommitEditorRectangle(gs, cell(4, 2))) << "nothing new";
    drag(RectangleDrag::Clearing, 5, 3); // the other button clears
    EXPECT_TRUE(CommitEditorRectangle(gs, cell(4, 0)));
    EXPECT_EQ(gs.editor.field, Grid{});
    Undo(gs);
    EXPECT_EQ(RowsOf(gs.editor.field, 7, 5), firstRectangle);
    EXPECT_FALSE(CommitEditorRectangle(gs, cell(4, 2))) << "no rectangle in progress";
    EXPECT_EQ(RowsOf(gs.editor.field, 7, 5), firstRectangle);
    Undo(gs);
    EXPECT_EQ(gs.editor.field, Grid{});
    Redo(gs);
    EXPECT_EQ(RowsOf(gs.editor.field, 7, 5), firstRectangle);
}

TEST(History, NewGameEmptiesTheHistory) {
    GameState gs = ReadyState();
    Lay(gs, BaseShapes()[1], -2, 0);
    TurnClockwise(gs.hand.matrices[2]);
    gs.position.unsavedChanges = gs.position.gameWon = true;
    StartEditor(gs);
    NewGameReset(gs);
    EXPECT_EQ(gs.hand.matrices, BaseShapes());
    EXPECT_EQ(std::tuple(CanUndo(gs), CanRedo(gs), FiguresInList(gs), gs.position.unsavedChanges,
                         gs.position.gameWon, gs.editor.mode),
              std::tuple(false, false, kFigureCount, false, false, EditMode::Playing));
}

TEST(History, CommandsOfferedFollowTheGame) {
    GameState fresh = ReadyState();
    GameState moved = ReadyState();
    Lay(moved, BaseShapes()[1], -2, 0);
    moved.position.unsavedChanges = true;
    GameState undone = moved;
    Undo(undone);
    GameState won = moved;
    won.position.gameWon = true;
    GameState editing = ReadyState();
    StartEditor(editing);
    Lay(editing, BaseShapes()[2], 0, 0);
    editing.position.unsavedChanges = true;
    const std::tuple<const char*, const GameState*, OfferedCommands> cases[] = {
        {"new game", &fresh, {false, false, true, true, true, true, false, false}},
        {"a drop", &moved, {false, true, true, true, true, true, true, false}},
        {"undo", &undone, {false, true, true, true, true, true, false, true}},
        {"won", &won, {false, true, true, true, true, false, true, false}},
        {"editor", &editing, {true, false, false, false, false, false, true, false}},
    };
    for (const auto& [what, gs, offered] : cases)
        EXPECT_EQ(CommandsOffered(*gs), offered) << what;
}
