// Help, home page and the About box.
#include "ui/help.h"

#include <shellapi.h>

#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace {

void ShellOpen(HWND owner, const char* file, const char* parameters) {
    ShellExecuteA(owner, "open", file, parameters, nullptr, SW_SHOWNORMAL);
}

ShellOpener theOpener = ShellOpen;

} // namespace

void SetShellOpener(ShellOpener opener) {
    theOpener = opener != nullptr ? opener : ShellOpen;
}

void ShowHelp(const App& app, int topic) {
    std::string file = app.appTitle + ".chm";
    std::string parameters = topic == 0 ? file : "-mapid " + std::to_string(topic) + " " + file;
    theOpener(app.hwndMain, "HH", parameters.c_str());
}

void OpenHomePage(const App& app) {
    theOpener(app.hwndMain, "marwen.url", nullptr);
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
