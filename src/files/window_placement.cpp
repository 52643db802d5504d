// Where the main window goes at start: the saved rectangle if it lies wholly on the screen,
// otherwise the desktop less the task bar. Rectangle arithmetic as the platform defines it.
#include "files/window_placement.h"

#include <algorithm>

bool IsEmptyRect(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

Rect IntersectRects(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (IsEmptyRect(a) || IsEmptyRect(b) || IsEmptyRect(r)) return Rect{};
    return r;
}

Rect SubtractRects(const Rect& from, const Rect& cut) {
    if (IsEmptyRect(from)) return Rect{};
    Rect overlap = IntersectRects(from, cut);
    if (IsEmptyRect(overlap)) return from;
    if (overlap == from) return Rect{};
    Rect r = from;
    if (overlap.top == from.top && overlap.bottom == from.bottom) {
        if (overlap.left == from.left) {
            r.left = overlap.right;
        } else if (overlap.right == from.right) {
            r.right = overlap.left;
        }
    } else if (overlap.left == from.left && overlap.right == from.right) {
        if (overlap.top == from.top) {
            r.top = overlap.bottom;
        } else if (overlap.bottom == from.bottom) {
            r.bottom = overlap.top;
        }
    }
    return r;
}

Rect DecideWindowPlacement(const Rect& saved, const Rect& screen, const Rect& desktop,
                           const Rect* taskbar) {
    if (IntersectRects(saved, screen) == saved) return saved;
    return taskbar != nullptr ? SubtractRects(desktop, *taskbar) : desktop;
}
