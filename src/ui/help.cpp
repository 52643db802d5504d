// Help, home page and the About box.
#include "ui/help.h"

#include <shellapi.h>

#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

void ShowHelp(const App& app, int topic) {
    std::string file = app.appTitle + ".chm";
    std::string parameters = topic == 0 ? file : "-mapid " + std::to_string(topic) + " " + file;
    ShellExecuteA(app.hwndMain, "open", "HH", parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

void OpenHomePage(const App& app) {
    ShellExecuteA(app.hwndMain, "open", "marwen.url", nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR AboutDialog(App& app) {
    return RunDialog(app, IDD_ABOUT,
                     {.init =
                          [&](HWND d) {
                              SetControlText(d, IDC_ABOUT_TITLE,
                                             app.appTitle + " version " + app.appVersion);
                              SetControlText(d, IDC_ABOUT_CREDIT, app.creditLine);
                              SetControlText(d, IDC_ABOUT_LEGAL, app.legalLine);
                              return TRUE;
                          },
                      .ok = [](HWND d) { EndDialog(d, IDOK); }});
}
