// DPI awareness and a window's DPI, through the functions of newer systems where they exist.
#include "ui/dpi.h"

namespace {

template <typename Function> Function FromUser32(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

// The awareness contexts of Windows 10, as their documented handle values.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

} // namespace

void DeclareDpiAwareness() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = FromUser32<SetContext>("SetProcessDpiAwarenessContext")) {
        if (set(kPerMonitorAwareV2) || set(kPerMonitorAware)) return;
    }
    using SetAware = BOOL(WINAPI*)();
    if (auto set = FromUser32<SetAware>("SetProcessDPIAware")) set();
}

int WindowDpi(HWND hwnd) {
    using GetDpi = UINT(WINAPI*)(HWND);
    if (auto get = FromUser32<GetDpi>("GetDpiForWindow")) {
        const UINT dpi = get(hwnd);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}
