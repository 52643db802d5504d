// The settings file between the game state and the disk, and the main window's place.
#include "ui/settings_io.h"

#include "files/puzzle_paths.h"
#include "files/settings_file.h"
#include "files/whole_file.h"
#include "files/window_placement.h"
#include "ui/file_save.h"

namespace {

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The saved rectangle when it lies wholly on the screen, else the desktop less the task bar.
void RestoreWindowPlacement(HWND hwnd, const Rect& saved) {
    Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT taskbar;
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    bool hasTaskbar = tray != nullptr && GetWindowRect(tray, &taskbar);
    Rect tb = hasTaskbar ? ToRect(taskbar) : Rect{};
    Rect r = DecideWindowPlacement(saved, screen, ToRect(desktop), hasTaskbar ? &tb : nullptr);

    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    wp.flags = WPF_SETMINPOSITION;
    wp.showCmd = SW_HIDE; // start-up shows the window afterwards
    wp.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
    SetWindowPlacement(hwnd, &wp);
}

} // namespace

std::string SettingsPath(const App& app) {
    return PlayerPath(SettingsFileName(app.appTitle));
}

void LoadSettings(App& app) {
    std::string text;
    // A player's folder without settings takes those of the program's folder, once: from then
    // on they are written to the player's folder.
    app.firstStart =
        !ReadWholeFile(SettingsPath(app), text) &&
        (PlayerFolder().empty() || !ReadWholeFile(SettingsFileName(app.appTitle), text));
    Rect window;
    ReadSettingsText(text, app.gs.settings, window);
    RestoreWindowPlacement(app.hwndMain, window);
}

// Through a temporary file, so that a failed write keeps the settings of the last run; the
// failure itself is not reported (the game is closing).
void SaveSettings(App& app) {
    RECT r{};
    GetWindowRect(app.hwndMain, &r);
    SaveFileReplacing(SettingsPath(app), WriteSettingsText(app.gs.settings, ToRect(r)));
}
