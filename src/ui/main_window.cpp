// The main window's class and procedure: a switch that hands each message to its handler.
#include "ui/main_window.h"

#include <windowsx.h>

#include "render/figure_pictures.h"
#include "render/layout.h"
#include "render/paint_gdi.h"
#include "resource.h"
#include "ui/app.h"
#include "ui/commands.h"
#include "ui/daily_puzzle.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/hints.h"
#include "ui/keyboard.h"
#include "ui/mouse.h"
#include "ui/orientation_menus.h"
#include "ui/player_files.h"
#include "ui/solution_counter.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"
#include "ui/window_lifecycle.h"

namespace {

void OnPaint(HWND hwnd) {
    App& app = TheApp();
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    PaintInput in;
    in.client = BoardClientRect(app);
    GetWindowRect(app.hwndFigureList, &in.figureList);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&in.figureList), 2);
    GetCursorPos(&in.pointer);
    ScreenToClient(hwnd, &in.pointer);
    in.selection = FigureListSelection(app);
    in.windowEnabled = IsWindowEnabled(hwnd) != FALSE;
    in.fieldFocus = app.fieldFocus;
    in.update = ps.rcPaint;
    PaintMainWindow(app.surfaces, app.gs, hdc, in);
    app.handShown = HandPictureRect(app.gs, in.selection, {in.pointer.x, in.pointer.y});
    EndPaint(hwnd, &ps);
}

void OnMeasureItem(const App& app, MEASUREITEMSTRUCT* item) {
    const UINT height = static_cast<UINT>(MetricsOf(app.gs).itemHeight);
    if (item->CtlType == ODT_MENU) {
        item->itemHeight = height;
        if (item->itemWidth < height) item->itemWidth = height;
    } else if (item->CtlID == IDC_FIGURE_LIST) {
        item->itemHeight = height;
    }
}

void OnDrawItem(WPARAM controlId, const DRAWITEMSTRUCT* item) {
    App& app = TheApp();
    if (controlId == IDC_FIGURE_LIST) {
        DrawFigureListItem(app.surfaces, app.gs, *item);
    } else if (item->CtlType == ODT_MENU) {
        const int n = OrientationOfCommand(static_cast<int>(item->itemID));
        if (n != 0) DrawOrientationItem(app.surfaces, app.gs, *item, FigureListSelection(app), n);
    }
}

LRESULT OnListColours(HDC dc) {
    const GameState& gs = TheApp().gs;
    SetBkColor(dc, gs.settings.view.colorBack);
    SetTextColor(dc, gs.settings.view.colorInk);
    return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
}

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

void RepaintMain() {
    InvalidateRect(TheApp().hwndMain, nullptr, FALSE);
}

bool RegisterMainWindowClass(HINSTANCE instance, const std::string& className) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ZENDRAK));
    wc.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // the standard arrow
    wc.hbrBackground = nullptr;                                 // the paint covers every pixel
    wc.lpszMenuName = MAKEINTRESOURCEA(IDC_ZENDRAK);
    wc.lpszClassName = className.c_str();
    return RegisterClassExA(&wc) != 0;
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App& app = TheApp();
    switch (message) {
    case WM_CREATE:
        OnCreate(hwnd);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Windows ends the process after this message without destroying the window.
        if (wParam) KeepPlayersWork(app);
        return 0;
    case WM_SIZE:
        ClockNow(app, wParam == SIZE_MINIMIZED ? ClockEvent::Minimised : ClockEvent::Restored);
        LayoutStatusBar(app);
        GrowSurfacesToClient(app.surfaces, app.gs, hwnd);
        if (app.hwndFigureList) Relayout(app);
        return 0;
    case WM_ACTIVATE:
        ClockNow(app, LOWORD(wParam) == WA_INACTIVE ? ClockEvent::WindowDeactivated
                                                    : ClockEvent::WindowActivated);
        OnActivateFocus(app, wParam); // instead of the default focus on the main window
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        OnFieldFocus(app, message == WM_SETFOCUS);
        return 0;
    case WM_SOLUTIONS_COUNTED:
        if (wParam == static_cast<WPARAM>(CountPurpose::SavedPuzzle)) AddSavedPuzzleCounts(app);
        UpdateStatusBar(app);
        return 0;
    case WM_DAILY_GENERATED:
        OnDailyGenerated(app);
        return 0;
    case WM_HINT_WORKED_OUT:
        OnHintWorkedOut(app);
        return 0;
    case WM_TIMER:
        UpdateStatusBar(app);
        return 0;
    case WM_PAINT:
        OnPaint(hwnd);
        return 0;
    case WM_GETMINMAXINFO:
        MinTrackSize(app, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(wParam, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(app, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CONTEXTMENU:
        OnContextMenu(app, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        if (!OnFieldKey(app, wParam, lParam)) OnKeyDown(app, static_cast<int>(wParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(app, LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    case WM_CTLCOLORLISTBOX:
        return OnListColours(reinterpret_cast<HDC>(wParam));
    case WM_MOUSEMOVE:
        OnMouseMove(app);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        OnButtonDown(app, message, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        OnButtonUp(app);
        break; // default processing brings the context menu after a right-button release
    case WM_CAPTURECHANGED:
        OnCaptureChanged(app, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_MBUTTONDOWN:
        OnMiddleButton(app);
        return 0;
    case WM_MOUSEWHEEL:
        // Towards the user turns clockwise (S), away from the user counter-clockwise (A).
        SendMessageA(hwnd, WM_KEYDOWN, GET_WHEEL_DELTA_WPARAM(wParam) < 1 ? 'S' : 'A', 0);
        return 0;
    case WM_XBUTTONDOWN:
        SendMessageA(hwnd, WM_KEYDOWN, GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? 'Q' : 'W', 0);
        return TRUE;
    case WM_DISPLAYCHANGE:
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(app, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
