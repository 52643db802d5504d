// "Hint" of the Position menu: the hint is worked out in the background and shown as marks on
// the field and a line in the status bar (a message box while the bar is hidden).
#pragma once

#include "ui/app.h"

// Posted to the main window when a hint has been worked out.
constexpr UINT WM_HINT_WORKED_OUT = WM_APP + 3;

// The command: one more step of the hint of the position on the field.
void AskForHint(App& app);
// WM_HINT_WORKED_OUT: shows the hint when it is still the position's.
void OnHintWorkedOut(App& app);
