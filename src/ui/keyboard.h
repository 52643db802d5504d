// The keyboard's flow: the focus between the figure list and the field, and the keys of each.
// What a key does is the core's decision (model/keyboard.h); drops and take-backs go through
// the mouse flow's own function, so that the rules, sounds, history and win are the click's.
#pragma once

#include "ui/app.h"

// WM_KEYDOWN of the main window: true when the field has the focus and the key was the
// field's; the turning keys and the rest are left to the caller.
bool OnFieldKey(App& app, WPARAM key, LPARAM flags);
// WM_KEYDOWN of the figure list: true when the key took the focus to the field; the list box
// must then not see it.
bool OnFigureListKey(App& app, WPARAM key, LPARAM flags);
// WM_SETFOCUS (gained) and WM_KILLFOCUS of the main window.
void OnFieldFocus(App& app, bool gained);
// WM_ACTIVATE: the window activated gives the focus back to the one of the list and the field
// that had it last, the figure list at the start.
void OnActivateFocus(App& app, WPARAM wParam);
