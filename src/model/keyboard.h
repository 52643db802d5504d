// The keyboard's part of play: the cursor cell in the field, its moves within the frame, and
// what each key does in the figure list and in the field. The drop and the take-back
// themselves are the click's: the UI hands the cursor's point to the mouse flow.
#pragma once

#include "model/game_state.h"

// The keys the game gives a meaning to; the UI maps its virtual keys onto them.
enum class Key { Left, Right, Up, Down, Enter, Space, Delete, Escape, Tab, Shift, Other };

// What a key did, for the UI to finish (sounds, focus, menus, repaint).
enum class KeyOutcome {
    NotMine,    // not the key's place: the list box or the turning keys handle it as before
    Nothing,    // taken, and nothing changed
    Repaint,    // the cursor moved, or a rectangle was started or abandoned
    FocusField, // the field takes the keyboard focus
    FocusList,  // the figure list takes the keyboard focus
    Drop,       // the held figure is dropped at CursorPointer: the click's flow
    TakeBack,   // the laid figure under the cursor is taken back: the click's flow
    PutBack,    // the held figure goes back into the list: the middle button's flow
    Filled,     // the "By squares" cell or rectangle was filled with squares
    Cleared,    // or cleared
};

// The cursor's cell, kept within the field as it is now (a new game may have made it smaller).
Point CursorCell(const GameState& gs);

// Moves the cursor by (dx, dy) cells; it stops at the field's edges.
void MoveCursor(GameState& gs, int dx, int dy);

// The client point where a click does what a key does at the cursor. With figure `held`
// (0: none) in hand: the point that lays the figure's grab square on the cursor cell, the
// figure drawn exactly on the cells; with an empty hand: the centre of the cursor cell.
Point CursorPointer(const GameState& gs, int held);

// Where the figure in hand is drawn and an editor rectangle ends: at the cursor while a key
// placed it last, else at the mouse pointer.
Point HandPointer(const GameState& gs, int held, Point mouse);

// A mouse message with the pointer at a client point. Once the pointer has really moved, the
// mouse leads again and, over the field's frame, the cursor goes to the cell under the pointer.
// True when the pointer moved.
bool FollowPointer(GameState& gs, Point pointer);

// True while a "By squares" rectangle is dragged with a mouse button (not with Shift).
bool MouseDragsRectangle(const GameState& gs);

// A key while the figure list has the focus: Enter, Right and Tab take the chosen figure (or
// the empty hand) to the field, which then shows it at the cursor.
KeyOutcome PressListKey(GameState& gs, Key key);

// A key while the field has the focus, with Shift held or not. The arrows move the cursor;
// Enter and Space drop the held figure or take back the laid one under the cursor; Escape puts
// the held figure back; Tab and Shift+Tab leave for the list. In the "By squares" editor Enter
// fills the cursor cell and Delete clears it; Shift going down anchors a rectangle at the
// cursor, which Shift with the arrows drags and Enter (or Delete) fills (or clears); an arrow
// without Shift or Escape abandons it. The editor's changes are recorded in its history.
KeyOutcome PressFieldKey(GameState& gs, Key key, bool shift);

// The field lost the keyboard focus: a rectangle dragged with Shift is abandoned. True when
// there was one.
bool LeaveField(GameState& gs);
