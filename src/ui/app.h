// The running program: the one game state and the window, list, menu and surface handles
// that belong to the user interface.
#pragma once

#include <windows.h>

#include <optional>

#include "model/best_times.h"
#include "model/game_state.h"
#include "render/surfaces_gdi.h"

struct App {
    GameState gs;
    HINSTANCE hInstance = nullptr;
    HWND hwndMain = nullptr;
    HWND hwndFigureList = nullptr;
    HWND hwndStatusBar = nullptr;
    HFONT statusFont = nullptr;              // the status bar's, made for the window's DPI
    std::optional<WinTime> win;              // the win of the game in play, for the status bar
    HMENU contextMenus[4] = {};              // orientation menus for 1, 2, 4 and 8 orientations
    HMENU contextMenuOwners[4] = {};         // the loaded menus whose first pop-ups these are
    UINT primaryButtonDown = WM_LBUTTONDOWN; // the button that places and takes figures
    WNDPROC standardListProc = nullptr;
    Surfaces surfaces;
    bool firstStart = false; // no settings file was found
    Rect handShown;          // where the last paint drew the figure in hand (with its shadow)
    // The main window itself, where the field is drawn, has the keyboard focus (not the figure
    // list); and of the two it had the focus last, to get it back when the window is activated.
    bool fieldFocus = false;
    bool fieldFocusBack = false;
    std::string windowClass;
    // The program's strings from its resources: the caption of every message box, the
    // settings and help files' names, the About box.
    std::string appTitle = "Zendrak";
    std::string appVersion;
    std::string creditLine;
    std::string legalLine;
};

// The one App of the process. GameState is large, so it lives in static storage.
App& TheApp();

// Loads string resource id (at most 100 characters).
std::string LoadResourceString(HINSTANCE instance, UINT id);

// A message box owned by `owner` with the program's title as caption.
int ShowMessage(HWND owner, const char* text, UINT flags);
