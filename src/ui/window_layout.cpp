// The layout of the main window, computed by the layout arithmetic and applied here.
#include "ui/window_layout.h"

#include "model/display.h"

#include <algorithm>

#include "render/layout.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"

void ShowNewGame(App& app, int32_t seconds) {
    RestartClock(app, seconds);
    SyncFigureList(app);
    Relayout(app);
    RepaintMain();
}

void Relayout(App& app) {
    GameState& gs = app.gs;
    const RECT client = BoardClientRect(app);
    Layout layout =
        ComputeLayout(client.right, client.bottom, gs.position.fieldWidth, gs.position.fieldHeight,
                      gs.settings.view.squareSize, gs.settings.view.autoSize != 0, gs.display.dpi);
    if (layout.squareSize != gs.settings.view.squareSize) {
        gs.settings.view.squareSize = layout.squareSize;
        ReloadSkin(app.surfaces, gs, app.hwndMain);
    }
    gs.position.fieldOffsetX = layout.offset.x;
    gs.position.fieldOffsetY = layout.offset.y;
    const Rect& list = layout.figureList;
    MoveWindow(app.hwndFigureList, list.left, list.top, list.Width(), list.Height(), TRUE);
}

void ChangeSquareSize(App& app, int delta) {
    SquareSizeStep step = StepSquareSize(app.gs.settings.view.squareSize, delta);
    if (!step.changed) {
        MessageBeep(0);
        return;
    }
    app.gs.settings.view.squareSize = step.size;
    ReloadSkin(app.surfaces, app.gs, app.hwndMain);
    Relayout(app);
    RepaintMain();
}

void OnDpiChanged(App& app, int dpi, const RECT& suggested) {
    app.gs.display.dpi = dpi;
    ReloadSkin(app.surfaces, app.gs, app.hwndMain);
    SendMessageA(app.hwndFigureList, LB_SETITEMHEIGHT, 0, MetricsOf(app.gs).itemHeight);
    MakeStatusBarFont(app);
    // Laid out again below also when the suggested size is the old one (no WM_SIZE then).
    SetWindowPos(app.hwndMain, nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Relayout(app);
    RepaintMain();
}

void MinTrackSize(App& app, MINMAXINFO* info) {
    const GameState& gs = app.gs;
    Rect content =
        MinContentRect(gs.position.fieldWidth, gs.position.fieldHeight, gs.settings.view.squareSize,
                       gs.settings.view.autoSize != 0, gs.display.dpi);
    RECT r{content.left, content.top, content.right, content.bottom + StatusBarHeight(app)};
    AdjustWindowRect(&r, WS_CAPTION | WS_THICKFRAME, TRUE);
    info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
    // At most the screen, or all the monitors together where they reach further, so that the
    // window can fill a second monitor larger than the first.
    info->ptMaxTrackSize = {
        std::max(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN)),
        std::max(GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}
