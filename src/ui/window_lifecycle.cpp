// The main window's creation and destruction, step by step in their fixed orders.
#include "ui/window_lifecycle.h"

#include <commctrl.h>

#include <cstdlib>

#include "files/puzzle_file.h"
#include "model/geometry.h"
#include "model/shapes.h"
#include "render/layout.h"
#include "resource.h"
#include "ui/app.h"
#include "ui/figure_list.h"
#include "ui/menu_state.h"
#include "ui/settings_io.h"
#include "ui/window_layout.h"

namespace {

// The orientation pop-ups, for 1, 2, 4 and 8 orientations, with owner-drawn items that show
// the orientations themselves.
void LoadOrientationMenus(App& app) {
    const int resources[4] = {IDR_CONTEXT1, IDR_CONTEXT2, IDR_CONTEXT4, IDR_CONTEXT8};
    for (int i = 0; i < 4; ++i) {
        app.contextMenuOwners[i] = LoadMenuA(app.hInstance, MAKEINTRESOURCEA(resources[i]));
        app.contextMenus[i] = GetSubMenu(app.contextMenuOwners[i], 0);
        for (int n = 1; n <= 8; ++n) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_OWNERDRAW;
            SetMenuItemInfoA(app.contextMenus[i], static_cast<UINT>(CommandOfOrientation(n)), FALSE, &info);
        }
    }
}

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
    LoadSettings(app);
    gs.fieldWidth = 10;
    gs.fieldHeight = 6;
    CreateSurfaces(app.surfaces, hwnd);
    ReloadSkin(app.surfaces, gs, hwnd);
    BuildBackground(app.surfaces, gs, hwnd);
    BuildOrientationTables(gs);
    LoadOrientationMenus(app);
    CreateFigureList(app);
    app.primaryButtonDown = ProbePrimaryButton();
    SubclassFigureList(app);
    NewGameReset(gs);
    ReadCurrentPuzzleField(gs);
    SyncFigureList(app);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Relayout(app);
    UpdateMenuStates(app);
    if (app.firstStart) {
        HDC screen = GetDC(nullptr);
        gs.squareSize = InitialSquareSize(GetDeviceCaps(screen, HORZRES));
        ReleaseDC(nullptr, screen);
        ReloadSkin(app.surfaces, gs, hwnd);
        Relayout(app);
    }
    std::srand(GetTickCount());
}

void OnDestroy() {
    App& app = TheApp();
    SaveSettings(app);
    FreeSurfaces(app.surfaces);
    for (HMENU& menu : app.contextMenuOwners) {
        if (menu) DestroyMenu(menu);
        menu = nullptr;
    }
    PostQuitMessage(0);
}
