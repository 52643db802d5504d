// The status bar under the field and the clock it shows.
#pragma once

#include "model/game_clock.h"
#include "ui/app.h"

// Creates the bar (shown or hidden as the settings say) and starts its clock's timer.
void CreateStatusBar(App& app);
// "Status bar" of the Customize menu: shows or hides it, and lays the window out again.
void ToggleStatusBar(App& app);
// The bar's height while it is shown, else 0.
int StatusBarHeight(const App& app);
// The client area above the bar: where the field and the figure list are laid out and painted.
RECT BoardClientRect(const App& app);
// The main window's WM_SIZE: the bar follows the window's width.
void LayoutStatusBar(App& app);
// Writes each part whose text changed; counts the field's solutions in the background when
// they are not known yet.
void UpdateStatusBar(App& app);

// Milliseconds of the system's steady clock.
int64_t NowMs();
// The status bar's font for the window's DPI, made anew when the DPI changes, and its parts
// laid out for it.
void MakeStatusBarFont(App& app);
// Tells the game's clock what happened to the window, now.
void ClockNow(App& app, ClockEvent event);
// A new game or a loaded one starts its clock at `seconds` and forgets the last win.
void RestartClock(App& app, int32_t seconds);
// The win: stops the clock, keeps a best time of the current puzzle and shows it.
void ClockWin(App& app);
