// The keyboard's cursor and what each key does in the figure list and in the field.
#include "model/keyboard.h"

#include <algorithm>

#include "model/placement.h"

namespace {

int SquareSize(const GameState& gs) {
    return MetricsOf(gs).square;
}

// The square of the held matrix that the grab point belongs to. A grab point on a corner
// belongs to the square it closes: the top-left corner to the square below and right of it,
// the bottom-right corner to the square above and left of it.
Point GrabSquare(const GameState& gs) {
    int x = gs.hand.grabX, y = gs.hand.grabY;
    if (gs.settings.view.cursorMode == CursorMode::LastSquareCorner) {
        x -= 1;
        y -= 1;
    }
    return {x / SquareSize(gs), y / SquareSize(gs)};
}

bool KeyRectangle(const GameState& gs) {
    return gs.hand.cursor.rectangle && gs.editor.rectDrag != RectangleDrag::None;
}

void AbandonKeyRectangle(GameState& gs) {
    if (KeyRectangle(gs)) gs.editor.rectDrag = RectangleDrag::None;
    gs.hand.cursor.rectangle = false;
}

// Enter or Delete in the "By squares" editor: the rectangle anchored with Shift, or else the
// cursor cell alone, becomes squares or empty cells.
KeyOutcome PaintSquares(GameState& gs, RectangleDrag paint) {
    if (MouseDragsRectangle(gs)) return KeyOutcome::Nothing;
    if (!KeyRectangle(gs)) {
        const Point cell = CursorCell(gs);
        gs.editor.rectStartX = cell.x;
        gs.editor.rectStartY = cell.y;
    }
    gs.editor.rectDrag = paint;
    gs.hand.cursor.rectangle = false;
    gs.hand.cursor.leads = true;
    CommitEditorRectangle(gs, CursorPointer(gs, 0));
    return paint == RectangleDrag::Filling ? KeyOutcome::Filled : KeyOutcome::Cleared;
}

KeyOutcome SquaresEditorKey(GameState& gs, Key key) {
    switch (key) {
    case Key::Enter:
    case Key::Space:
        return PaintSquares(gs, RectangleDrag::Filling);
    case Key::Delete:
        return PaintSquares(gs, RectangleDrag::Clearing);
    case Key::Escape:
        if (!KeyRectangle(gs)) return KeyOutcome::Nothing;
        AbandonKeyRectangle(gs);
        return KeyOutcome::Repaint;
    case Key::Shift: {
        if (MouseDragsRectangle(gs)) return KeyOutcome::Nothing;
        const Point cell = CursorCell(gs);
        gs.editor.rectStartX = cell.x;
        gs.editor.rectStartY = cell.y;
        gs.editor.rectDrag = RectangleDrag::Filling; // shown filled until Enter or Delete
        gs.hand.cursor.rectangle = true;
        gs.hand.cursor.leads = true;
        return KeyOutcome::Repaint;
    }
    default:
        return KeyOutcome::NotMine;
    }
}

KeyOutcome PlayKey(GameState& gs, Key key) {
    switch (key) {
    case Key::Enter:
    case Key::Space:
        gs.hand.cursor.leads = true;
        return HeldFigure(gs) != 0 ? KeyOutcome::Drop : KeyOutcome::TakeBack;
    case Key::Escape:
        return HeldFigure(gs) != 0 ? KeyOutcome::PutBack : KeyOutcome::Nothing;
    default:
        return KeyOutcome::NotMine;
    }
}

} // namespace

Point CursorCell(const GameState& gs) {
    const Point c = gs.hand.cursor.cell;
    const int w = std::clamp(static_cast<int>(gs.position.fieldWidth), 1, kGridSide);
    const int h = std::clamp(static_cast<int>(gs.position.fieldHeight), 1, kGridSide);
    return {std::clamp(c.x, 0, w - 1), std::clamp(c.y, 0, h - 1)};
}

void MoveCursor(GameState& gs, int dx, int dy) {
    const Point c = CursorCell(gs);
    gs.hand.cursor.cell = {c.x + dx, c.y + dy}; // CursorCell keeps it within the field
}

Point CursorPointer(const GameState& gs, int held) {
    const Rect field = FieldArea(gs);
    const int s = SquareSize(gs);
    const Point c = CursorCell(gs);
    if (held == 0) return {field.left + c.x * s + s / 2, field.top + c.y * s + s / 2};
    const Point grab = GrabSquare(gs);
    return {field.left + (c.x - grab.x) * s + gs.hand.grabX,
            field.top + (c.y - grab.y) * s + gs.hand.grabY};
}

Point HandPointer(const GameState& gs, int held, Point mouse) {
    return gs.hand.cursor.leads ? CursorPointer(gs, held) : mouse;
}

bool FollowPointer(GameState& gs, Point pointer) {
    KeyCursor& k = gs.hand.cursor;
    const bool moved = k.pointerSeen && !(k.pointer == pointer);
    k.pointerSeen = true;
    k.pointer = pointer;
    if (!moved) return false;
    k.leads = false;
    if (FieldFrame(gs).Contains(pointer)) k.cell = CellUnderPointer(gs, pointer);
    return true;
}

bool MouseDragsRectangle(const GameState& gs) {
    return gs.editor.rectDrag != RectangleDrag::None && !gs.hand.cursor.rectangle;
}

KeyOutcome PressListKey(GameState& gs, Key key) {
    if (key != Key::Enter && key != Key::Right && key != Key::Tab) return KeyOutcome::NotMine;
    gs.hand.cursor.leads = true;
    return KeyOutcome::FocusField;
}

KeyOutcome PressFieldKey(GameState& gs, Key key, bool shift) {
    const bool squares = IsSquaresEditor(gs);
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
        if (!shift) AbandonKeyRectangle(gs);
        const int dx = key == Key::Left ? -1 : key == Key::Right ? 1 : 0;
        const int dy = key == Key::Up ? -1 : key == Key::Down ? 1 : 0;
        MoveCursor(gs, dx, dy);
        gs.hand.cursor.leads = true;
        return KeyOutcome::Repaint;
    }
    case Key::Tab:
        AbandonKeyRectangle(gs);
        return KeyOutcome::FocusList;
    default:
        return squares ? SquaresEditorKey(gs, key) : PlayKey(gs, key);
    }
}

bool LeaveField(GameState& gs) {
    const bool had = KeyRectangle(gs);
    AbandonKeyRectangle(gs);
    return had;
}
