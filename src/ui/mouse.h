// The player's mouse and keys: choosing, carrying, turning, dropping and taking back figures.
#pragma once

#include "ui/app.h"

void OnMouseMove(App& app);
// Left or right button down at a client point; `message` tells which button it was.
void OnButtonDown(App& app, UINT message, POINT point);
// Left or right button up: ends the "By squares" editor's rectangle.
void OnButtonUp(App& app);
// The window lost the mouse capture to `newOwner` (a dialog or message box opened during a
// drag): an editor rectangle being dragged is abandoned.
void OnCaptureChanged(App& app, HWND newOwner);
// Drops the figure in hand at a client point, or with an empty hand takes back the laid figure
// there: the primary button's press on the field, and Enter or Space at the keyboard's cursor.
void LayOrTakeAt(App& app, POINT point);
void OnMiddleButton(App& app);
// The orientation menu of the held figure at a screen point.
void OnContextMenu(App& app, POINT screen);
void OnKeyDown(App& app, int key);
void OnOrientationCommand(App& app, int commandId);
