// The status bar under the field and the clock it shows.
#include "ui/status_bar.h"

#include <commctrl.h>

#include "files/daily_puzzle.h"
#include "render/status_bar.h"
#include "resource.h"
#include "ui/daily_puzzle.h"
#include "ui/menu_state.h"
#include "ui/solution_counter.h"
#include "ui/window_layout.h"

namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockPeriodMs = 250; // the seconds shown change on time

int AverageCharWidth(HWND bar) {
    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
    return metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 7;
}

std::string PartText(HWND bar, int part) {
    const int length = LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The solutions of the field in play, when known: the current puzzle's file carries them, else
// they are counted.
std::optional<uint64_t> SolutionsInPlay(App& app) {
    const Position& p = app.gs.position;
    if (p.currentPuzzleField.solutions >= 0 && PlaysCurrentPuzzle(app.gs)) {
        StopWaitingForCount(app.hwndMain); // for a field played before
        return static_cast<uint64_t>(p.currentPuzzleField.solutions);
    }
    return CountedSolutions(OpenField(p.fieldWidth, p.fieldHeight, p.board), app.hwndMain);
}

// The system's status font at `dpi`: the system makes it for its own DPI, and the window may
// be on a monitor of another. Null when it cannot be made.
HFONT StatusFontFor(int dpi) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return nullptr;
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA font = metrics.lfStatusFont;
    if (systemDpi > 0) font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    return CreateFontIndirectA(&font);
}

// The bar's texts; without the count of solutions (and without asking for it) when only the
// parts' widths are wanted.
StatusTexts CurrentTexts(App& app, bool withSolutions = true) {
    StatusInput in;
    if (withSolutions && app.gs.editor.mode == EditMode::Playing)
        in.solutions = SolutionsInPlay(app);
    in.elapsedMs = ClockElapsedMs(app.gs.clock, NowMs());
    in.win = app.win;
    return StatusBarTexts(app.gs, in);
}

// The parts laid out for the texts, when they differ from the bar's.
void SetPartEdges(const App& app, const StatusTexts& texts) {
    RECT client;
    GetClientRect(app.hwndMain, &client);
    std::array<int, kStatusPartCount> edges =
        StatusPartEdges(client.right, AverageCharWidth(app.hwndStatusBar), texts);
    std::array<int, kStatusPartCount> shown{};
    const LRESULT parts = SendMessageA(app.hwndStatusBar, SB_GETPARTS, shown.size(),
                                       reinterpret_cast<LPARAM>(shown.data()));
    if (parts == static_cast<LRESULT>(shown.size()) && shown == edges) return;
    SendMessageA(app.hwndStatusBar, SB_SETPARTS, edges.size(),
                 reinterpret_cast<LPARAM>(edges.data()));
}

} // namespace

void CreateStatusBar(App& app) {
    app.hwndStatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0,
                                        0, app.hwndMain, reinterpret_cast<HMENU>(IDC_STATUS_BAR),
                                        app.hInstance, nullptr);
    ShowWindow(app.hwndStatusBar, app.gs.settings.statusBar ? SW_SHOW : SW_HIDE);
    MakeStatusBarFont(app);
    SetTimer(app.hwndMain, kClockTimer, kClockPeriodMs, nullptr);
}

void MakeStatusBarFont(App& app) {
    if (HFONT made = StatusFontFor(app.gs.display.dpi)) {
        SendMessageA(app.hwndStatusBar, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
        if (app.statusFont != nullptr) DeleteObject(app.statusFont);
        app.statusFont = made;
    } // else the bar keeps the font it has
    LayoutStatusBar(app);
}

void ToggleStatusBar(App& app) {
    bool& shown = app.gs.settings.statusBar;
    shown = !shown;
    ShowWindow(app.hwndStatusBar, shown ? SW_SHOW : SW_HIDE);
    LayoutStatusBar(app);
    UpdateStatusBar(app);
    Relayout(app);
    InvalidateRect(app.hwndMain, nullptr, FALSE);
}

int StatusBarHeight(const App& app) {
    if (app.hwndStatusBar == nullptr || !app.gs.settings.statusBar) return 0;
    RECT r;
    GetWindowRect(app.hwndStatusBar, &r);
    return r.bottom - r.top;
}

RECT BoardClientRect(const App& app) {
    RECT client;
    GetClientRect(app.hwndMain, &client);
    client.bottom = std::max(client.top, client.bottom - StatusBarHeight(app));
    return client;
}

void LayoutStatusBar(App& app) {
    if (app.hwndStatusBar == nullptr) return;
    SendMessageA(app.hwndStatusBar, WM_SIZE, 0, 0);
    SetPartEdges(app, CurrentTexts(app, false));
}

void UpdateStatusBar(App& app) {
    if (app.hwndStatusBar == nullptr || !app.gs.settings.statusBar) return;
    const StatusTexts texts = CurrentTexts(app);
    SetPartEdges(app, texts);
    for (int part = 0; part < kStatusPartCount; ++part)
        if (PartText(app.hwndStatusBar, part) != texts[part])
            SendMessageA(app.hwndStatusBar, SB_SETTEXTA, part,
                         reinterpret_cast<LPARAM>(texts[part].c_str()));
}

int64_t NowMs() {
    return static_cast<int64_t>(GetTickCount64());
}

void ClockNow(App& app, ClockEvent event) {
    ClockApply(app.gs.clock, event, NowMs());
}

void RestartClock(App& app, int32_t seconds) {
    ClockRestart(app.gs.clock, int64_t{seconds} * 1000, NowMs());
    app.win.reset();
    UpdateStatusBar(app);
}

void ClockWin(App& app) {
    ClockNow(app, ClockEvent::Won);
    app.win = RecordWinTime(app.gs, ClockElapsedMs(app.gs.clock, NowMs()));
    RecordDailyWinOf(app.gs, *app.win, LocalDate());
    UpdateMenuStates(app); // "Copy daily result" after today's puzzle
    UpdateStatusBar(app);
}
