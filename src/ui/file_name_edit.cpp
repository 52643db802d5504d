// The file-name edit box: a normal edit control that will not take forbidden characters.
#include "ui/file_name_edit.h"

#include "files/puzzle_paths.h"
#include "files/save_name.h"

namespace {

constexpr const char* kStandardProcProperty = "ZendrakEditProc";

LRESULT CALLBACK FileNameEditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto standard = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kStandardProcProperty));
    switch (message) {
    case WM_CHAR:
        if (IsForbiddenFileNameChar(static_cast<char>(wParam))) {
            MessageBeep(0);
            return 0;
        }
        break;
    case WM_PASTE:
        // Pasted text could hold anything, so pasting is refused altogether.
        MessageBeep(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(standard));
        RemovePropA(hwnd, kStandardProcProperty);
        break;
    default:
        break;
    }
    return CallWindowProcA(standard, hwnd, message, wParam, lParam);
}

} // namespace

void MakeFileNameEdit(HWND edit) {
    SendMessageA(edit, EM_LIMITTEXT, kMaxTypedNameLength, 0);
    auto standard =
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FileNameEditProc));
    SetPropA(edit, kStandardProcProperty, reinterpret_cast<HANDLE>(standard));
}
