// The keyboard: the cursor's moves at the field's edges, the figure laid by its grab square on
// the cursor, what each key does, and the "By squares" editor's squares and rectangles.
#include <gtest/gtest.h>

#include <tuple>

#include "model/keyboard.h"
#include "solver/search.h"
#include "test_support.h"

namespace {

void Hold(GameState& gs, int figure) {
    gs.hand.selection = figure;
    UpdateGrabPoint(gs);
}

// Presses the arrows that walk the cursor to `to`.
void WalkTo(GameState& gs, Point to) {
    for (Point c = CursorCell(gs); !(c == to); c = CursorCell(gs)) {
        const Key key = c.x < to.x   ? Key::Right
                        : c.x > to.x ? Key::Left
                        : c.y < to.y ? Key::Down
                                     : Key::Up;
        ASSERT_EQ(PressFieldKey(gs, key, false), KeyOutcome::Repaint);
    }
}

TEST(Keyboard, ArrowsMoveTheCursorWithinTheField) {
    const std::tuple<int, int, Point, Key, Point> cases[] = {
        {10, 6, {0, 0}, Key::Left, {0, 0}},  {10, 6, {0, 0}, Key::Up, {0, 0}},
        {10, 6, {9, 5}, Key::Right, {9, 5}}, {10, 6, {9, 5}, Key::Down, {9, 5}},
        {10, 6, {4, 3}, Key::Left, {3, 3}},  {10, 6, {4, 3}, Key::Up, {4, 2}},
        {10, 6, {0, 5}, Key::Right, {1, 5}}, {10, 6, {9, 0}, Key::Down, {9, 1}},
        {3, 3, {2, 2}, Key::Right, {2, 2}},  {24, 24, {23, 0}, Key::Right, {23, 0}},
        {5, 4, {9, 5}, Key::Left, {3, 3}}, // a field smaller than the last one: from its corner
    };
    for (const auto& [w, h, from, key, to] : cases) {
        GameState gs = ReadyState(w, h);
        gs.hand.cursor.cell = from;
        EXPECT_EQ(PressFieldKey(gs, key, false), KeyOutcome::Repaint);
        EXPECT_EQ(CursorCell(gs), to) << w << "x" << h << " from " << from.x << "," << from.y;
        EXPECT_TRUE(gs.hand.cursor.leads);
    }
}

// The L lies in its matrix at (2,1) (2,2) (2,3) (2,4) (3,4); each cursor mode grabs another of its
// squares, and each lays it at the same place when that square is on the cursor.
TEST(Keyboard, HeldFigureLiesWithItsGrabSquareOnTheCursor) {
    const std::tuple<CursorMode, Point> cases[] = {
        {CursorMode::FirstSquareCorner, {4, 1}},
        {CursorMode::MiddleSquare, {4, 3}},
        {CursorMode::LastSquareCorner, {5, 4}},
    };
    for (const auto& [mode, cursor] : cases) {
        GameState gs = ReadyState();
        gs.settings.view.cursorMode = mode;
        Hold(gs, 2);
        gs.hand.cursor.cell = cursor;
        const Point mouse{3, 3};
        EXPECT_EQ(HandPointer(gs, 2, mouse), mouse) << "the mouse leads until a key is pressed";
        ASSERT_EQ(PressFieldKey(gs, Key::Right, false), KeyOutcome::Repaint);
        ASSERT_EQ(PressFieldKey(gs, Key::Left, false), KeyOutcome::Repaint);
        const Point p = HandPointer(gs, 2, mouse);
        const int s = gs.settings.view.squareSize;
        const Rect field = FieldArea(gs);
        EXPECT_EQ(p.x - gs.hand.grabX, field.left + 2 * s) << "drawn on the cells";
        EXPECT_EQ(p.y - gs.hand.grabY, field.top);
        const DropTarget t = DropPositionAndLegality(gs, p);
        EXPECT_TRUE(t.legal);
        EXPECT_EQ((Point{t.x, t.y}), (Point{2, 0}));
        EXPECT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::Drop);
        EXPECT_EQ(DropHeldFigure(gs, CursorPointer(gs, 2)), DropResult::Dropped);
        EXPECT_EQ(gs.position.placed[0], (Figure{2, 0, BaseShapes()[2]}));
    }
}

TEST(Keyboard, KeysInTheListAndInTheField) {
    for (Key key : {Key::Enter, Key::Right, Key::Tab}) {
        GameState gs = ReadyState();
        EXPECT_EQ(PressListKey(gs, key), KeyOutcome::FocusField);
        EXPECT_TRUE(gs.hand.cursor.leads) << "the figure in hand shows at the cursor";
    }
    for (Key key : {Key::Up, Key::Down, Key::Left, Key::Space, Key::Escape, Key::Other}) {
        GameState gs = ReadyState();
        EXPECT_EQ(PressListKey(gs, key), KeyOutcome::NotMine) << "the list box's own key";
    }
    enum class Hand { Held, Empty, Squares };
    const std::tuple<Hand, Key, bool, KeyOutcome> cases[] = {
        {Hand::Held, Key::Enter, false, KeyOutcome::Drop},
        {Hand::Held, Key::Space, true, KeyOutcome::Drop},
        {Hand::Held, Key::Escape, false, KeyOutcome::PutBack},
        {Hand::Held, Key::Tab, true, KeyOutcome::FocusList},
        {Hand::Held, Key::Delete, false, KeyOutcome::NotMine},
        {Hand::Held, Key::Shift, true, KeyOutcome::NotMine},
        {Hand::Held, Key::Other, false, KeyOutcome::NotMine}, // A S Q W turn as before
        {Hand::Empty, Key::Enter, false, KeyOutcome::TakeBack},
        {Hand::Empty, Key::Space, false, KeyOutcome::TakeBack},
        {Hand::Empty, Key::Escape, false, KeyOutcome::Nothing},
        {Hand::Squares, Key::Enter, false, KeyOutcome::Filled},
        {Hand::Squares, Key::Delete, false, KeyOutcome::Cleared},
        {Hand::Squares, Key::Escape, false, KeyOutcome::Nothing},
        {Hand::Squares, Key::Shift, true, KeyOutcome::Repaint},
        {Hand::Squares, Key::Tab, false, KeyOutcome::FocusList},
        {Hand::Squares, Key::Other, false, KeyOutcome::NotMine},
    };
    for (const auto& [hand, key, shift, outcome] : cases) {
        GameState gs = hand == Hand::Squares ? SquaresEditor() : ReadyState();
        if (hand == Hand::Held) Hold(gs, 5);
        EXPECT_EQ(PressFieldKey(gs, key, shift), outcome)
            << int(hand) << " key " << int(key) << " shift " << shift;
    }
}

// The golden tiling laid with the arrows and Enter, square 3 of each figure on the cursor; the
// last one wins. An occupied place refuses the drop, and the empty hand takes a figure back.
TEST(Keyboard, TilingLaidFromTheKeysWinsAndTheEmptyHandTakesBack) {
    GameState gs = ReadyState();
    SetCurrentPuzzleField(gs, 10, 6, Grid{});
    const Grid tiling = GridFromRows(ReadLines(DataPath("solver/10x6.txt")));
    const int s = gs.settings.view.squareSize;
    for (int f = 1; f <= kFigureCount; ++f) {
        Figure laid;
        ASSERT_TRUE(ExtractPlacement(f, tiling, laid));
        gs.hand.matrices[f] = laid.matrix;
        Hold(gs, f);
        if (f == 2) {
            EXPECT_EQ(DropHeldFigure(gs, CursorPointer(gs, f)), DropResult::Illegal)
                << "over the I";
        }
        WalkTo(gs, {laid.x + gs.hand.grabX / s, laid.y + gs.hand.grabY / s});
        ASSERT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::Drop);
        const DropResult expected = f == kFigureCount ? DropResult::Won : DropResult::Dropped;
        ASSERT_EQ(DropHeldFigure(gs, CursorPointer(gs, HeldFigure(gs))), expected) << f;
    }
    EXPECT_EQ(gs.settings.solved.size(), 1u);

    gs.hand.selection = 0;
    WalkTo(gs, {9, 5}); // a square of the P
    ASSERT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::TakeBack);
    EXPECT_EQ(TakeBackFigure(gs, CursorPointer(gs, 0)), 8);
    EXPECT_EQ(HeldFigure(gs), 8);
    EXPECT_EQ(TakeBackFigure(gs, CursorPointer(gs, 0)), 0) << "the P lies there no more";
}

TEST(Keyboard, MouseTakesTheCursorOnlyWhenItMoves) {
    GameState gs = ReadyState();
    gs.hand.cursor.cell = {4, 4};
    gs.hand.cursor.leads = true;
    const Rect field = FieldArea(gs);
    const int s = gs.settings.view.squareSize;
    const Point overCell{field.left + 3 * s + 1, field.top + 2 * s + s - 1};
    EXPECT_FALSE(FollowPointer(gs, overCell)) << "the first message only shows where it is";
    EXPECT_FALSE(FollowPointer(gs, overCell)) << "a message without a movement";
    EXPECT_EQ(CursorCell(gs), (Point{4, 4}));
    EXPECT_TRUE(gs.hand.cursor.leads);
    const std::tuple<Point, Point> moves[] = {
        {{overCell.x + 1, overCell.y}, {3, 2}},
        {{field.left - 2, field.top - 2}, {0, 0}},     // on the frame's border: the nearest cell
        {{field.right + 2, field.bottom + 2}, {9, 5}}, //
        {{field.left - s - 1, field.top}, {9, 5}},     // outside the frame: the cursor stays
    };
    for (const auto& [pointer, cell] : moves) {
        EXPECT_TRUE(FollowPointer(gs, pointer));
        EXPECT_EQ(CursorCell(gs), cell) << pointer.x << "," << pointer.y;
        EXPECT_FALSE(gs.hand.cursor.leads);
    }
    PressFieldKey(gs, Key::Left, false);
    EXPECT_EQ(CursorCell(gs), (Point{8, 5})) << "a key moves it from there";
}

TEST(Keyboard, SquaresEditorFillsClearsAndDragsRectanglesWithShift) {
    GameState gs = SquaresEditor(6, 4);
    const int steps = gs.position.historyCount;
    auto press = [&](std::initializer_list<Key> keys, bool shift = false) {
        for (Key key : keys)
            PressFieldKey(gs, key, shift);
    };
    press({Key::Right, Key::Down, Key::Enter});
    press({Key::Shift});
    press({Key::Right, Key::Right, Key::Down}, true);
    EXPECT_EQ(RowsOf(gs.editor.field, 6, 4), (Rows{"......", ".o....", "......", "......"}));
    ASSERT_EQ(PressFieldKey(gs, Key::Enter, true), KeyOutcome::Filled);
    EXPECT_EQ(RowsOf(gs.editor.field, 6, 4), (Rows{"......", ".ooo..", ".ooo..", "......"}));
    EXPECT_EQ(gs.editor.rectDrag, RectangleDrag::None);
    EXPECT_EQ(gs.position.historyCount, steps + 2) << "each change is a step of the history";
    // Abandoned by an arrow without Shift, by Escape and by leaving the field.
    press({Key::Shift});
    press({Key::Left}, true);
    press({Key::Left});
    press({Key::Delete});
    press({Key::Shift});
    press({Key::Right}, true);
    press({Key::Escape});
    press({Key::Shift});
    EXPECT_TRUE(LeaveField(gs));
    EXPECT_FALSE(LeaveField(gs));
    EXPECT_EQ(RowsOf(gs.editor.field, 6, 4), (Rows{"......", ".ooo..", "..oo..", "......"}));
    // A rectangle dragged with a mouse button is the mouse's: Enter leaves it alone.
    gs.editor.rectDrag = RectangleDrag::Clearing;
    EXPECT_EQ(PressFieldKey(gs, Key::Enter, false), KeyOutcome::Nothing);
    EXPECT_EQ(gs.editor.rectDrag, RectangleDrag::Clearing);
}

} // namespace
