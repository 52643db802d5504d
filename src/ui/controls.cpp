// Thin helpers for a dialog's controls.
#include "ui/controls.h"

#include "model/types.h"

LRESULT SendControl(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

std::string ControlText(HWND dialog, int id) {
    char text[kMaxNameLength + 1] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void EnableControl(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void RepaintControl(HWND dialog, int id) {
    InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
}

int ListSelection(HWND dialog, int id) {
    return static_cast<int>(SendControl(dialog, id, LB_GETCURSEL));
}

std::string ListLine(HWND dialog, int id, int line) {
    if (line < 0 ||
        SendControl(dialog, id, LB_GETTEXTLEN, static_cast<WPARAM>(line)) > kMaxNameLength)
        return {};
    char text[kMaxNameLength + 1] = {};
    SendControl(dialog, id, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    return text;
}

void AddListLine(HWND dialog, int id, const std::string& text) {
    SendControl(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
