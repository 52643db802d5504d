// The keyboard: the cursor's moves at the field's edges, the figure laid by its grab square on
// the cursor, what each key does, and the "By squares" editor's squares and rectangles.
#include <gtest/gtest.h>

#include <tuple>

#include "model/keyboard.h"
#include "test_support.h"

TEST(Keyboard, ArrowsMoveTheCursorWithinTheField) {
    const std::tuple<int, int, Point, Key, Point> cases[] = {
        {10, 6, {0, 0}, Key::Left, {0, 0}},  {10, 6, {0, 0}, Key::Up, {0, 0}},
        {10, 6, {9, 5}, Key::Right, {9, 5}}, {10, 6, {9, 5}, Key::Down, {9, 5}},
        {10, 6, {0, 5}, Key::Right, {1, 5}}, {10, 6, {9, 0}, Key::Down, {9, 1}},
        {3, 3, {2, 2}, Key::Right, {2, 2}},  {5, 4, {9, 5}, Key::Left, {3, 3}}, // field shrunk
    };
    for (const auto& [w, h, from, key, to] : cases) {
        GameState gs = ReadyState(w, h);
        gs.hand.cursor.cell = from;
        EXPECT_EQ(PressFieldKey(gs, key, false), KeyOutcome::Repaint);
        EXPECT_EQ(CursorCell(gs), to) << w << "x" << h << " from " << from.x << "," << from.y;
    }
}

// The L lies in its matrix at (2,1) (2,2) (2,3) (2,4) (3,4); each cursor mode grabs another of
// its squares, and each lays it at the same place, drawn on the cells, with that square on the
// cursor. Space with the empty hand then takes it back from the cursor cell.
TEST(Keyboard, FigureLiesWithItsGrabSquareOnTheCursorAndComesBack) {
    for (auto [mode, cursor] : {std::tuple{CursorMode::FirstSquareCorner, Point{4, 1}},
                                {CursorMode::MiddleSquare, Point{4, 3}},
                                {CursorMode::LastSquareCorner, Point{5, 4}}}) {
        GameState gs = ReadyState();
        gs.settings.view.cursorMode = mode;
        gs.hand.selection = 2;
        UpdateGrabPoint(gs);
        gs.hand.cursor.cell = cursor;
        PressFieldKey(gs, Key::Up, false);
        PressFieldKey(gs, Key::Down, false);
        const Point p = HandPointer(gs, 2, {3, 3});
        EXPECT_EQ((Point{p.x - gs.hand.grabX, p.y - gs.hand.grabY}),
                  (Point{FieldArea(gs).left + 2 * gs.settings.view.squareSize, FieldArea(gs).top}))
            << "cursor mode " << int(mode);
        ASSERT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::Drop);
        EXPECT_EQ(DropHeldFigure(gs, CursorPointer(gs, 2)), DropResult::Dropped);
        EXPECT_EQ(gs.position.placed[0], (Figure{2, 0, BaseShapes()[2]}));
        ComposeBoard(gs, {0, 0});
        ASSERT_EQ(PressFieldKey(gs, Key::Space, false), KeyOutcome::TakeBack);
        EXPECT_EQ(TakeBackFigure(gs, CursorPointer(gs, 0)), 2);
    }
}

TEST(Keyboard, KeysOfTheListAndOfTheField) {
    for (Key key : {Key::Enter, Key::Right, Key::Tab, Key::Up, Key::Space}) {
        GameState gs = ReadyState();
        const bool toField = key == Key::Enter || key == Key::Right || key == Key::Tab;
        EXPECT_EQ(PressListKey(gs, key), toField ? KeyOutcome::FocusField : KeyOutcome::NotMine);
        EXPECT_EQ(gs.hand.cursor.leads, toField) << "the figure in hand shows at the cursor";
    }
    enum class InHand { Figure, Nothing, Squares };
    const std::tuple<InHand, Key, KeyOutcome> cases[] = {
        {InHand::Figure, Key::Escape, KeyOutcome::PutBack},
        {InHand::Figure, Key::Tab, KeyOutcome::FocusList},
        {InHand::Figure, Key::Other, KeyOutcome::NotMine}, // A S Q W turn as before
        {InHand::Nothing, Key::Escape, KeyOutcome::Nothing},
        {InHand::Squares, Key::Enter, KeyOutcome::Filled},
        {InHand::Squares, Key::Delete, KeyOutcome::Cleared},
        {InHand::Squares, Key::Shift, KeyOutcome::Repaint},
    };
    for (const auto& [hand, key, outcome] : cases) {
        GameState gs = hand == InHand::Squares ? SquaresEditor() : ReadyState();
        gs.hand.selection = hand == InHand::Figure ? 5 : 0;
        EXPECT_EQ(PressFieldKey(gs, key, true), outcome) << int(hand) << " key " << int(key);
    }
}

TEST(Keyboard, MouseTakesTheCursorOnlyWhenItMoves) {
    GameState gs = ReadyState();
    gs.hand.cursor.leads = true;
    const Rect field = FieldArea(gs);
    const int s = gs.settings.view.squareSize;
    EXPECT_FALSE(FollowPointer(gs, {1, 1})) << "the first message only shows where it is";
    EXPECT_FALSE(FollowPointer(gs, {1, 1})) << "a message without a movement";
    EXPECT_TRUE(gs.hand.cursor.leads);
    for (auto [pointer, cell] : {std::tuple{Point{field.right + 2, field.top - 2}, Point{9, 0}},
                                 {Point{field.left + 3 * s + 1, field.top + 3 * s - 1}, {3, 2}},
                                 {Point{field.left - s - 1, field.top}, Point{3, 2}}}) {
        EXPECT_TRUE(FollowPointer(gs, pointer));
        EXPECT_EQ(CursorCell(gs), cell) << pointer.x << "," << pointer.y;
        EXPECT_FALSE(gs.hand.cursor.leads);
    }
}

TEST(Keyboard, SquaresEditorFillsClearsAndDragsRectanglesWithShift) {
    GameState gs = SquaresEditor(6, 4);
    const int steps = gs.position.historyCount;
    auto press = [&](bool shift, std::initializer_list<Key> keys) {
        for (Key key : keys)
            PressFieldKey(gs, key, shift);
    };
    press(false, {Key::Right, Key::Down, Key::Enter, Key::Shift});
    press(true, {Key::Right, Key::Right, Key::Down, Key::Enter});
    EXPECT_EQ(gs.position.historyCount, steps + 2) << "each change is a step of the history";
    // Abandoned by an arrow without Shift, by Escape and by leaving the field.
    press(true, {Key::Shift, Key::Left});
    press(false, {Key::Left, Key::Delete, Key::Shift});
    press(true, {Key::Right, Key::Escape, Key::Shift});
    EXPECT_TRUE(LeaveField(gs));
    EXPECT_EQ(RowsOf(gs.editor.field, 6, 4), (Rows{"......", ".ooo..", "..oo..", "......"}));
    gs.editor.rectDrag = RectangleDrag::Clearing; // a mouse button's: the keys leave it alone
    EXPECT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::Nothing);
    EXPECT_EQ(PressFieldKey(gs, Key::Escape, false), KeyOutcome::Nothing);
    EXPECT_EQ(gs.editor.rectDrag, RectangleDrag::Clearing);
}
