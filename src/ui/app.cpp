// The process's one App and small helpers every window uses.
#include "ui/app.h"

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
    return MessageBoxA(owner, text, TheApp().appTitle.c_str(), flags);
}
