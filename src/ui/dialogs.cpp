// What the dialogs share: opening them and showing the core's messages.
#include "ui/dialogs.h"

INT_PTR RunDialog(App& app, int resource, DLGPROC procedure) {
    return DialogBoxParamA(app.hInstance, MAKEINTRESOURCEA(resource), app.hwndMain, procedure,
                           reinterpret_cast<LPARAM>(&app));
}

App* AttachApp(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return reinterpret_cast<App*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

int ShowMessage(HWND owner, const Message& message) {
    UINT flags = message.buttons == MessageButtons::YesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2 : MB_OK;
    switch (message.icon) {
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    case MessageIcon::None: break;
    }
    return ShowMessage(owner, message.text.c_str(), flags);
}
