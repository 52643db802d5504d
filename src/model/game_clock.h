// The clock of the puzzle in play: it counts while the main window is active and the game is
// played, pauses for dialogs, the background and a minimised window, and stops at the win.
// Times are milliseconds of a steady clock that the caller reads.
#pragma once

#include <cstdint>
#include <string>

enum class ClockEvent {
    WindowActivated,
    WindowDeactivated,
    Minimised,
    Restored,
    DialogOpened, // a dialog or message box over the main window; they may nest
    DialogClosed,
    EditorOpened, // the puzzle editor replaces the game until the next restart
    Won,
};

struct GameClock {
    int64_t countedMs = 0; // counted before `since`
    int64_t since = 0;     // when counting last began; meaningful while counting
    bool active = false;
    bool minimised = false;
    int dialogs = 0;
    bool editing = false;
    bool won = false;
};

bool ClockCounting(const GameClock& clock);
void ClockApply(GameClock& clock, ClockEvent event, int64_t now);
// A new game or a loaded one: elapsedMs counted already, not won, not editing. Whether the
// window is active, minimised or under a dialog stays as it was.
void ClockRestart(GameClock& clock, int64_t elapsedMs, int64_t now);
int64_t ClockElapsedMs(const GameClock& clock, int64_t now);

// "0:42", "12:05", "1:02:03" for a number of seconds.
std::string ClockText(int64_t seconds);
