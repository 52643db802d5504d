// "Daily puzzle" and "Copy daily result" of the Game menu: today's puzzle is made once, kept
// in the Daily group and played; the day's win goes to the clipboard as one line.
#pragma once

#include "model/daily.h"
#include "ui/app.h"

// Posted to the main window when today's puzzle has been made.
constexpr UINT WM_DAILY_GENERATED = WM_APP + 4;

// The local date.
Date LocalDate();
// Opens today's puzzle from its file, or makes it in the background first.
void OpenDailyPuzzle(App& app);
// WM_DAILY_GENERATED: writes the puzzle made and plays it.
void OnDailyGenerated(App& app);
// Gives up a puzzle being made (at exit).
void StopDailyPuzzle();
// Whether today's puzzle is won, and so its result can be copied.
bool DailyResultOffered(const App& app);
void CopyDailyResult(App& app);
