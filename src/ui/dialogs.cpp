// What the dialogs share: opening them and showing the core's messages.
#include "ui/dialogs.h"

#include "ui/solution_counter.h"
#include "ui/status_bar.h"

namespace {

const DialogHandlers& HandlersOf(HWND dialog) {
    return *reinterpret_cast<const DialogHandlers*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

INT_PTR OnDialogCommand(HWND dialog, const DialogHandlers& h, int id, int notification) {
    if (id == IDOK && h.ok) {
        h.ok(dialog);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    } else if (h.command) {
        h.command(dialog, id, notification);
    } else {
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const DialogHandlers& h = HandlersOf(dialog);
        return h.init ? h.init(dialog) : TRUE;
    }
    if (GetWindowLongPtrA(dialog, DWLP_USER) == 0) return FALSE;
    const DialogHandlers& h = HandlersOf(dialog);
    switch (message) {
    case WM_COMMAND:
        return OnDialogCommand(dialog, h, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return h.notify ? h.notify(dialog, *reinterpret_cast<const NMHDR*>(lParam)) : FALSE;
    case WM_SOLUTIONS_COUNTED:
        if (h.counted) h.counted(dialog);
        return TRUE;
    case WM_PUZZLE_GENERATED:
        if (h.generated) h.generated(dialog);
        return TRUE;
    case WM_DRAWITEM:
        if (!h.drawItem) return FALSE;
        h.drawItem(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        if (h.destroy) h.destroy(dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR RunDialog(App& app, int resource, const DialogHandlers& handlers) {
    ClockNow(app, ClockEvent::DialogOpened);
    const INT_PTR result = DialogBoxParamA(app.hInstance, MAKEINTRESOURCEA(resource), app.hwndMain,
                                           DialogProc, reinterpret_cast<LPARAM>(&handlers));
    ClockNow(app, ClockEvent::DialogClosed);
    return result;
}

int ShowMessage(HWND owner, const Message& message) {
    UINT flags =
        message.buttons == MessageButtons::YesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2 : MB_OK;
    switch (message.icon) {
    case MessageIcon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case MessageIcon::Error:
        flags |= MB_ICONERROR;
        break;
    case MessageIcon::Question:
        flags |= MB_ICONQUESTION;
        break;
    case MessageIcon::None:
        break;
    }
    return ShowMessage(owner, message.text.c_str(), flags);
}
