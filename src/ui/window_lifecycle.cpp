// The main window's creation and destruction, step by step in their fixed orders.
#include "ui/window_lifecycle.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "files/puzzle_file.h"
#include "model/geometry.h"
#include "model/shapes.h"
#include "render/layout.h"
#include "resource.h"
#include "ui/app.h"
#include "ui/daily_puzzle.h"
#include "ui/dpi.h"
#include "ui/figure_list.h"
#include "ui/menu_state.h"
#include "ui/orientation_menus.h"
#include "ui/player_files.h"
#include "ui/settings_io.h"
#include "ui/solution_counter.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// The physical left button places and takes figures, also when the system swaps the buttons.
// Probing turns swapping off; it is turned on again at once when it was on.
UINT ProbePrimaryButton() {
    if (SwapMouseButton(FALSE)) {
        SwapMouseButton(TRUE);
        return WM_RBUTTONDOWN;
    }
    return WM_LBUTTONDOWN;
}

} // namespace

void OnCreate(HWND hwnd) {
    App& app = TheApp();
    GameState& gs = app.gs;
    app.hwndMain = hwnd;
    InitGameState(gs); // the 10 x 6 field after a new game reset, as zpz and the tests start
    gs.display.dpi = WindowDpi(hwnd);
    LoadSettings(app);
    CreateSurfaces(app.surfaces, hwnd);
    ReloadSkin(app.surfaces, gs, hwnd);
    BuildBackground(app.surfaces, gs, hwnd);
    LoadOrientationMenus(app);
    CreateFigureList(app);
    app.primaryButtonDown = ProbePrimaryButton();
    SubclassFigureList(app);
    ReadCurrentPuzzleField(gs);
    const int32_t resumedSeconds = ResumeKeptGame(app);
    SyncFigureList(app);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CreateStatusBar(app);
    Relayout(app);
    UpdateMenuStates(app);
    if (app.firstStart) {
        HDC screen = GetDC(nullptr);
        gs.settings.view.squareSize =
            InitialSquareSize(GetDeviceCaps(screen, HORZRES), gs.display.dpi);
        ReleaseDC(nullptr, screen);
        ReloadSkin(app.surfaces, gs, hwnd);
        Relayout(app);
    }
    std::srand(GetTickCount());
    RestartClock(app, std::max(resumedSeconds, 0));
}

void OnDestroy() {
    App& app = TheApp();
    StopCounting();
    StopDailyPuzzle();
    KeepPlayersWork(app);
    FreeSurfaces(app.surfaces);
    if (app.statusFont != nullptr) {
        SendMessageA(app.hwndStatusBar, WM_SETFONT, 0, FALSE); // the bar goes after the window
        DeleteObject(app.statusFont);
        app.statusFont = nullptr;
    }
    for (HMENU& menu : app.contextMenuOwners) {
        if (menu) DestroyMenu(menu);
        menu = nullptr;
    }
    PostQuitMessage(0);
}
