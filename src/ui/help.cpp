// Help, home page and the About box.
#include "ui/help.h"

#include <shellapi.h>

#include "resource.h"
#include "ui/dialogs.h"

void ShowHelp(const App& app, int topic) {
    std::string file = app.appTitle + ".chm";
    std::string parameters = topic == 0 ? file : "-mapid " + std::to_string(topic) + " " + file;
    ShellExecuteA(app.hwndMain, "open", "HH", parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

void OpenHomePage(const App& app) {
    ShellExecuteA(app.hwndMain, "open", "marwen.url", nullptr, nullptr, SW_SHOWNORMAL);
}

namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    const App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, IDC_ABOUT_TITLE, (app.appTitle + " version " + app.appVersion).c_str());
        SetDlgItemTextA(dialog, IDC_ABOUT_CREDIT, app.creditLine.c_str());
        SetDlgItemTextA(dialog, IDC_ABOUT_LEGAL, app.legalLine.c_str());
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR AboutDialog(App& app) { return RunDialog(app, IDD_ABOUT, AboutProc); }
