// Placing the figure list and the field in the window, and the square size.
#pragma once

#include "ui/app.h"

// Chooses the square size (automatic sizing), centres the content and moves the figure list.
void Relayout(App& app);
// A game just started or loaded goes on screen: its clock from `seconds`, the figure list, the
// layout for its field and the picture.
void ShowNewGame(App& app, int32_t seconds);
// Ctrl with the keypad's plus (+8) or minus (-8); beeps at the limits.
void ChangeSquareSize(App& app, int delta);
// WM_DPICHANGED: the window moved to a monitor of another scale. The skin and the list's
// entries are made for the new DPI, the window takes the suggested rectangle and is laid out
// again.
void OnDpiChanged(App& app, int dpi, const RECT& suggested);
// WM_GETMINMAXINFO: the least window that shows the whole content, at most the screen.
void MinTrackSize(App& app, MINMAXINFO* info);
