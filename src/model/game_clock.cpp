// The clock of the puzzle in play.
#include "model/game_clock.h"

#include <algorithm>
#include <cstdio>

bool ClockCounting(const GameClock& c) {
    return c.active && !c.minimised && c.dialogs == 0 && !c.editing && !c.won;
}

namespace {

void Change(GameClock& c, int64_t now, void (*change)(GameClock&)) {
    if (ClockCounting(c)) c.countedMs += std::max<int64_t>(0, now - c.since);
    change(c);
    if (ClockCounting(c)) c.since = now;
}

} // namespace

void ClockApply(GameClock& clock, ClockEvent event, int64_t now) {
    switch (event) {
    case ClockEvent::WindowActivated:
        return Change(clock, now, [](GameClock& c) { c.active = true; });
    case ClockEvent::WindowDeactivated:
        return Change(clock, now, [](GameClock& c) { c.active = false; });
    case ClockEvent::Minimised:
        return Change(clock, now, [](GameClock& c) { c.minimised = true; });
    case ClockEvent::Restored:
        return Change(clock, now, [](GameClock& c) { c.minimised = false; });
    case ClockEvent::DialogOpened:
        return Change(clock, now, [](GameClock& c) { ++c.dialogs; });
    case ClockEvent::DialogClosed:
        return Change(clock, now, [](GameClock& c) { c.dialogs = std::max(0, c.dialogs - 1); });
    case ClockEvent::EditorOpened:
        return Change(clock, now, [](GameClock& c) { c.editing = true; });
    case ClockEvent::Won:
        return Change(clock, now, [](GameClock& c) { c.won = true; });
    }
}

void ClockRestart(GameClock& clock, int64_t elapsedMs, int64_t now) {
    clock.countedMs = std::max<int64_t>(0, elapsedMs);
    clock.editing = false;
    clock.won = false;
    clock.since = now;
}

int64_t ClockElapsedMs(const GameClock& c, int64_t now) {
    return c.countedMs + (ClockCounting(c) ? std::max<int64_t>(0, now - c.since) : 0);
}

std::string ClockText(int64_t seconds) {
    seconds = std::max<int64_t>(0, seconds);
    char text[32];
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
    return text;
}
