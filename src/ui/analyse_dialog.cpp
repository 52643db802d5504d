// The Analyse by computer dialog: search the position, then lay none, one or all figures.
#include <cstdlib>

#include "resource.h"
#include "solver/analyse.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"

namespace {

AnalyseChoice CheckedMode(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_PLACE_ALL) == BST_CHECKED) return AnalyseChoice::AllFigures;
    if (IsDlgButtonChecked(dialog, IDC_PLACE_ONE) == BST_CHECKED) return AnalyseChoice::OneFigure;
    return AnalyseChoice::Nothing;
}

bool OnInit(App& app, HWND dialog) {
    if (FiguresLeft(app.gs) == 0) {
        ShowMessage(dialog, "This task is completed.", MB_OK);
        EndDialog(dialog, 2);
        return false;
    }
    const AnalyseChoice mode = app.gs.settings.analyseMode;
    const int button = mode == AnalyseChoice::Nothing     ? IDC_PLACE_NOTHING
                       : mode == AnalyseChoice::OneFigure ? IDC_PLACE_ONE
                                                          : IDC_PLACE_ALL;
    CheckRadioButton(dialog, IDC_PLACE_NOTHING, IDC_PLACE_ALL, button);
    ComposeSolverGrid(app.gs);
    return true;
}

void OnStart(App& app, HWND dialog) {
    GameState& gs = app.gs;
    gs.settings.analyseMode = CheckedMode(dialog);
    EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
    SetWindowTextA(dialog, "Please wait...");
    UpdateWindow(dialog);
    if (!AnalysePosition(gs)) {
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ShowMessage(dialog, "There is no variant.", MB_OK | MB_ICONINFORMATION);
        EndDialog(dialog, 1);
        return;
    }
    if (gs.settings.analyseMode == AnalyseChoice::AllFigures) {
        LayAllFigures(gs);
        MessageBeep(0);
    } else if (gs.settings.analyseMode == AnalyseChoice::OneFigure) {
        LayOneFigure(gs, [] { return std::rand(); });
        MessageBeep(0);
    } else {
        ShowMessage(dialog, "Analyse is completed.", MB_OK | MB_ICONINFORMATION);
    }
    SyncFigureList(app);
    RepaintMain();
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK AnalyseProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        return OnInit(app, dialog);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnStart(app, dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR AnalyseDialog(App& app) { return RunDialog(app, IDD_ANALYSE, AnalyseProc); }
