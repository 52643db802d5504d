// The dialog driver: a script thread that waits for dialogs and message boxes, reads their
// controls and posts what a player's typing and clicks would.
#include "dialog_driver.h"

#include <atomic>
#include <thread>
#include <utility>

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kRescueGraceMs = 2000;
constexpr int kMessageBoxIcon = 1088; // the icon control of a message box

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The visible dialogs (class #32770) of a thread, those of one caption when it is given.
std::vector<HWND> VisibleDialogs(DWORD thread, const char* caption = nullptr) {
    std::vector<HWND> found;
    for (HWND d = nullptr; (d = FindWindowExA(nullptr, d, "#32770", caption)) != nullptr;)
        if (IsWindowVisible(d) && GetWindowThreadProcessId(d, nullptr) == thread)
            found.push_back(d);
    return found;
}

// "icon: text" of a message box.
std::string DescribeMessageBox(HWND box) {
    std::string icon = "none";
    HWND control = GetDlgItem(box, kMessageBoxIcon);
    const auto shown = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
    for (auto [id, name] :
         {std::pair{IDI_ERROR, "error"}, std::pair{IDI_QUESTION, "question"},
          std::pair{IDI_INFORMATION, "information"}, std::pair{IDI_WARNING, "warning"}})
        if (IsWindowVisible(control) && shown == LoadIconA(nullptr, id)) icon = name;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return icon + ": " + text;
}

} // namespace

HWND DialogDriver::WaitFor(const std::function<HWND()>& find, const std::string& what) {
    for (DWORD start = GetTickCount(); !failed() && GetTickCount() - start < kWaitMs; Sleep(10))
        if (HWND hwnd = find()) return hwnd;
    if (!failed()) Fail("timed out waiting for " + what);
    return nullptr;
}

HWND DialogDriver::Wait(const char* caption) {
    return WaitFor(
        [&]() -> HWND {
            const std::vector<HWND> found = VisibleDialogs(thread_, caption);
            return found.empty() ? nullptr : found[0];
        },
        std::string("\"") + caption + "\"");
}

void DialogDriver::WaitGone(HWND window) {
    // WaitFor waits for a non-null handle: any one stands for "gone".
    WaitFor([&] { return IsWindow(window) ? nullptr : HWND_MESSAGE; }, "a window to close");
    Send(TheApp().hwndMain, 0, WM_NULL); // returns once the code that ran the window has gone on
}

void DialogDriver::Answer(int button) {
    HWND box = WaitBox();
    if (box == nullptr) return;
    messages.push_back(DescribeMessageBox(box));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitGone(box);
}

LRESULT DialogDriver::Send(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    HWND to = id == 0 ? dialog : GetDlgItem(dialog, id);
    if (!failed() &&
        !SendMessageTimeoutA(to, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result))
        Fail("no answer to message " + std::to_string(message) + " for " + std::to_string(id));
    return static_cast<LRESULT>(result);
}

std::string DialogDriver::Text(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

COLORREF DialogDriver::Pixel(HWND dialog, int id, int x, int y) {
    HWND control = GetDlgItem(dialog, id);
    Send(dialog, 0, WM_NULL); // returns when the dialog's thread is between messages
    RedrawWindow(control, nullptr, nullptr, RDW_UPDATENOW);
    HDC dc = GetDC(control);
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

DialogRun DialogTest::Drive(const std::function<void()>& open,
                            const std::function<void(DialogDriver&)>& script) {
    const DWORD thread = GetCurrentThreadId();
    DialogDriver driver(thread);
    std::atomic<bool> opened{true}, scripted{false};
    std::thread worker([&] {
        script(driver);
        scripted = true;
        // Whatever the script left open (or could not reach) is closed, after a grace period
        // for windows that are closing already.
        for (DWORD ended = GetTickCount(); opened; Sleep(20)) {
            if (GetTickCount() - ended < kRescueGraceMs) continue;
            for (HWND d : VisibleDialogs(thread)) {
                const std::string what =
                    WindowText(d) == TheApp().appTitle ? DescribeMessageBox(d) : WindowText(d);
                driver.Fail("left open: " + what);
                PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
            }
            ended = GetTickCount();
        }
    });
    open();
    opened = false;
    // The script may still wait for this thread: what it sends is handled until it is done.
    for (MSG msg; !scripted; MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE))
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    worker.join();
    for (const std::string& failure : driver.failures)
        ADD_FAILURE() << failure;
    return {driver.messages, driver.failures};
}

DialogRun DialogTest::Run(int id, const std::function<void(DialogDriver&)>& script) {
    return Drive([&] { Command(id); }, script);
}

DialogRun DialogTest::Run(int id, const char* caption,
                          const std::function<void(DialogDriver&, HWND)>& script) {
    return Run(id, [&](DialogDriver& d) {
        if (HWND dialog = d.Wait(caption)) script(d, dialog);
    });
}
