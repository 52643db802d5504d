// Process entry: one instance only, the main window and the message loop.
#include <windows.h>

#include "resource.h"
#include "ui/app.h"
#include "ui/dpi.h"
#include "ui/main_window.h"
#include "ui/player_files.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    App& app = TheApp();
    app.hInstance = instance;
    std::string title = LoadResourceString(instance, IDS_APP_TITLE);
    app.appTitle = LoadResourceString(instance, IDS_APP_TITLE);
    app.creditLine = LoadResourceString(instance, IDS_CREDIT_LINE);
    app.legalLine = LoadResourceString(instance, IDS_LEGAL_LINE);
    app.appVersion = LoadResourceString(instance, IDS_APP_VERSION);
    app.windowClass = LoadResourceString(instance, IDS_WINDOW_CLASS);

    if (HWND running = FindWindowA(app.windowClass.c_str(), nullptr)) {
        if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
        return 0;
    }
    FindFolders();
    DeclareDpiAwareness();
    if (!RegisterMainWindowClass(instance, app.windowClass)) return 0;
    HWND hwnd =
        CreateWindowA(app.windowClass.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                      CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 0;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDC_ZENDRAK));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The accelerators work for the main window whichever window has the focus.
        if (TranslateAcceleratorA(app.hwndMain, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
