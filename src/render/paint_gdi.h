// Painting the main window and the owner-drawn list and menu items (Win32 GDI).
#pragma once

#include <windows.h>

#include "render/draw_gdi.h"

// What the paint needs from the window around the game state.
struct PaintInput {
    RECT client{};             // the main window's client rectangle
    RECT figureList{};         // the figure list's window rectangle in client coordinates
    POINT pointer{};           // the mouse pointer in client coordinates
    int selection = -1;        // the figure list's selection (-1 none)
    bool windowEnabled = true; // false while a modal dialog is open
    bool fieldFocus = false;   // the field has the keyboard focus: a focus rectangle around its
                               // frame, the keyboard's cursor marked while the hand is empty
    RECT update{};             // the part to paint (the paint's own rectangle); empty: all
};

// The main window's paint: the picture composed in the back buffer, copied to hdc in one blit
// that leaves the figure list untouched. Only in.update is composed and copied, when it is
// given: while the figure in hand moves, that is where it was and where it is. Composes
// gs.position.board first.
void PaintMainWindow(Surfaces& s, GameState& gs, HDC hdc, const PaintInput& in);

// WM_DRAWITEM of a figure list entry.
void DrawFigureListItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item);
// WM_DRAWITEM of an orientation menu item: orientation n (1..8) of `figure`.
void DrawOrientationItem(Surfaces& s, const GameState& gs, const DRAWITEMSTRUCT& item, int figure,
                         int n);
