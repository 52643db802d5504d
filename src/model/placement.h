// Placement rules: composing the board, the drop position and its legality, drop, take back,
// the win, and the screen geometry of the field frame.
#pragma once

#include "model/display.h"
#include "model/game_state.h"

// Writes the non-zero cells of m at (x, y) into grid; cells outside 25 x 25 are skipped.
void Stamp(Grid& grid, const FigureMatrix& m, int x, int y);

// Composes `target` from the field and the twelve records. In play and in the "By figures"
// editor every non-blocked cell is cleared and the figures are stamped; in the "By squares"
// editor the target becomes editorField with the rectangle in progress (to the cell under
// `pointer`) applied.
void ComposeBoard(const GameState& gs, Grid& target, const Placement& figures, Point pointer);
// The same for the game's own board and placed figures.
void ComposeBoard(GameState& gs, Point pointer);

// The field frame: the field with a one-square border, in client coordinates: right of the
// left margin, the figure list and the gap beside it, below the top margin, moved by the
// centring offset (MetricsOf gives the lengths in pixels).
Rect FieldFrame(const GameState& gs);
// The field: the frame less one square on every side.
Rect FieldArea(const GameState& gs);

// The cell under a client point, each coordinate limited to 0..24.
Point CellUnderPointer(const GameState& gs, Point pointer);

struct DropTarget {
    bool hasPosition = false; // false when nothing is held or the pointer is outside the frame
    bool legal = false;
    int x = 0; // board column of the held matrix's left column
    int y = 0; // board row of the held matrix's top row
};

// Where the held figure would land for the pointer, and whether it may be dropped there.
// Reads the board as it stands (compose it first).
DropTarget DropPositionAndLegality(const GameState& gs, Point pointer);
// The same for figure `held` (0: none), as the paint asks with the figure list's own selection.
DropTarget DropPositionAndLegality(const GameState& gs, int held, Point pointer);

enum class DropResult {
    NotHeld, // nothing in hand or pointer outside the frame: nothing happened
    Illegal, // refused: the UI plays "error"
    Dropped, // laid and recorded: the UI plays "drop" and refreshes the menus
    Won,     // as Dropped, and the game was just won: the UI plays "drop", shows
             // "Congratulations! The game is won." and then plays "level is completed"
};

// Drops the figure in hand at the pointer (composes the board first).
DropResult DropHeldFigure(GameState& gs, Point pointer);

// Lays a figure record into the first free slot of `placed` and records the position: the
// part of a drop that the solver's figures share. No win test.
void LayFigure(GameState& gs, const Figure& figure);

// The win test after a drop in play: true once, when all twelve figures lie on the field.
// Marks the game won and records lastFolder/lastFile among the solved puzzles when the field
// in play is that puzzle's.
bool RunWinTest(GameState& gs);

// Adds (folder, file) to the solved list unless it is there already or the list is full.
void RecordSolved(GameState& gs, const std::string& folder, const std::string& file);

// Takes the placed figure under the pointer back into the hand. Returns its number (the UI
// plays "take" and repaints), or 0 when there was none. Reads the board without composing it.
int TakeBackFigure(GameState& gs, Point pointer);

// Ends the "By squares" editor's rectangle at the cell under `pointer`: its cells become squares
// (primary button) or empty (the other), within the field. True when the field changed; the
// change is then recorded in the history.
bool CommitEditorRectangle(GameState& gs, Point pointer);

// Works out grabX/grabY for the figure in hand and cursorMode.
void UpdateGrabPoint(GameState& gs);
