// The figure list box and the list procedure that lets the main window see its mouse and keys.
#include "ui/figure_list.h"

#include "model/display.h"

#include <windowsx.h>

#include "model/placement.h"
#include "render/draw_gdi.h"
#include "render/layout.h"
#include "resource.h"
#include "ui/keyboard.h"
#include "ui/main_window.h"

namespace {

// The wheel over the field turns the held figure even while the list has the focus; elsewhere
// it scrolls the list.
bool WheelOverField(const App& app, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(app.hwndMain, &p);
    return FieldFrame(app.gs).Contains({p.x, p.y});
}

// Below the last item the list shows the window background that lies behind it.
void PaintBelowItems(App& app, HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    int count = static_cast<int>(SendMessageA(hwnd, LB_GETCOUNT, 0, 0));
    int top = static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0));
    int itemsBottom = (count - top) * MetricsOf(app.gs).itemHeight;
    if (itemsBottom >= client.bottom) return;
    RECT strip{0, itemsBottom, client.right, client.bottom};
    POINT origin{0, 0};
    MapWindowPoints(hwnd, app.hwndMain, &origin, 1);
    FillItemBackground(app.surfaces, app.gs.settings.view, strip, origin.x, origin.y,
                       app.gs.settings.view.colorBack);
    HDC dc = GetDC(hwnd);
    BitBlt(dc, strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top,
           app.surfaces.backBuffer.dc, strip.left, strip.top, SRCCOPY);
    ReleaseDC(hwnd, dc);
}

LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App& app = TheApp();
    switch (message) {
    case WM_MOUSEMOVE:
        SendMessageA(app.hwndMain, message, wParam, lParam);
        break;
    case WM_KEYDOWN:
        SendMessageA(app.hwndMain, message, wParam, lParam);
        if (OnFigureListKey(app, wParam, lParam)) return 0;
        break;
    case WM_MOUSEWHEEL:
        if (WheelOverField(app, lParam)) {
            SendMessageA(app.hwndMain, message, wParam, lParam);
            return 0;
        }
        break;
    case WM_PAINT:
        PaintBelowItems(app, hwnd);
        break;
    case WM_SETFOCUS:
        app.fieldFocusBack = false;
        break;
    default:
        break;
    }
    return CallWindowProcA(app.standardListProc, hwnd, message, wParam, lParam);
}

} // namespace

void CreateFigureList(App& app) {
    app.hwndFigureList = CreateWindowExA(
        0, "LISTBOX", "List box",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
            LBS_NOINTEGRALHEIGHT,
        0, 0, 0, 0, app.hwndMain, // Relayout gives it its place and size
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FIGURE_LIST)), app.hInstance, nullptr);
}

void SubclassFigureList(App& app) {
    app.standardListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(app.hwndFigureList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProc)));
}

void SyncFigureList(App& app) {
    HWND list = app.hwndFigureList;
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) != app.gs.hand.listEntries) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < app.gs.hand.listEntries; ++i)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(app.gs.hand.selection), 0);
    InvalidateRect(list, nullptr, FALSE);
}

int FigureListSelection(const App& app) {
    return static_cast<int>(SendMessageA(app.hwndFigureList, LB_GETCURSEL, 0, 0));
}

void OnFigureListSelectionChanged(App& app) {
    app.gs.hand.selection = FigureListSelection(app);
    if (app.gs.hand.selection > 0) UpdateGrabPoint(app.gs);
    RepaintMain();
}

void SelectFigureListEntry(App& app, int entry) {
    SendMessageA(app.hwndFigureList, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    InvalidateRect(app.hwndFigureList, nullptr, FALSE);
    OnFigureListSelectionChanged(app);
}
