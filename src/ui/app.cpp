// The process's one App and small helpers every window uses.
#include "ui/app.h"

#include "ui/status_bar.h"

App& TheApp() {
    static App app;
    return app;
}

std::string LoadResourceString(HINSTANCE instance, UINT id) {
    char buffer[101] = {};
    int n = LoadStringA(instance, id, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

int ShowMessage(HWND owner, const char* text, UINT flags) {
    App& app = TheApp();
    ClockNow(app, ClockEvent::DialogOpened);
    const int button = MessageBoxA(owner, text, app.appTitle.c_str(), flags);
    ClockNow(app, ClockEvent::DialogClosed);
    return button;
}
