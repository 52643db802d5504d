// Where the main window goes at start: the saved rectangle if it lies wholly on the screen,
// otherwise the desktop less the task bar. Rectangle arithmetic as the platform defines it.
#pragma once

#include "model/types.h"

// A rectangle with no width or no height (right <= left or bottom <= top).
bool IsEmptyRect(const Rect& r);

// The common part of a and b; when they do not overlap (or either is empty) the result is the
// empty rectangle (0, 0, 0, 0), as the platform's IntersectRect gives it.
Rect IntersectRects(const Rect& a, const Rect& b);

// from less cut, as the platform's SubtractRect does it: the result must be a rectangle, so
// `from` shrinks only when the overlap spans its full height (and touches its left or right
// edge) or its full width (and touches its top or bottom edge). A cut covering all of `from`
// gives (0, 0, 0, 0); any other overlap, or none, leaves `from` unchanged.
Rect SubtractRects(const Rect& from, const Rect& cut);

// The window's normal rectangle for the saved one: saved when its intersection with the screen
// equals it, else the desktop less the task bar (taskbar null when there is none). Note that a
// saved (0, 0, 0, 0) intersects to itself and is kept; the settings reader's default left of -1
// is what sends a missing WINDOW section to the desktop.
Rect DecideWindowPlacement(const Rect& saved, const Rect& screen, const Rect& desktop,
                           const Rect* taskbar);
