// The Analyse by computer dialog: search the position, then lay none, one or all figures.
#include <cstdlib>

#include "resource.h"
#include "solver/analyse.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"

namespace {

constexpr int kChoiceButtons[] = {IDC_PLACE_NOTHING, IDC_PLACE_ONE,
                                  IDC_PLACE_ALL}; // by AnalyseChoice

AnalyseChoice CheckedChoice(HWND dialog) {
    if (IsChecked(dialog, IDC_PLACE_ALL)) return AnalyseChoice::AllFigures;
    if (IsChecked(dialog, IDC_PLACE_ONE)) return AnalyseChoice::OneFigure;
    return AnalyseChoice::Nothing;
}

BOOL OnInit(App& app, HWND dialog) {
    const AnalyseOpening opening = OpenAnalyse(app.gs);
    if (opening.completed) {
        ShowMessage(dialog, Message{"This task is completed."});
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    }
    CheckRadioButton(dialog, IDC_PLACE_NOTHING, IDC_PLACE_ALL,
                     kChoiceButtons[static_cast<int>(opening.checked)]);
    return TRUE;
}

void OnStart(App& app, HWND dialog) {
    EnableControl(dialog, IDOK, false);
    EnableControl(dialog, IDCANCEL, false);
    SetWindowTextA(dialog, "Please wait...");
    UpdateWindow(dialog);
    const AnalyseOutcome outcome =
        StartAnalyse(app.gs, CheckedChoice(dialog), [] { return std::rand(); });
    if (outcome.laid) {
        MessageBeep(0);
        SyncFigureList(app);
        RepaintMain();
    }
    if (outcome.message) {
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ShowMessage(dialog, *outcome.message);
    }
    EndDialog(dialog, IDOK);
}

} // namespace

INT_PTR AnalyseDialog(App& app) {
    return RunDialog(
        app, IDD_ANALYSE,
        {.init = [&](HWND d) { return OnInit(app, d); }, .ok = [&](HWND d) { OnStart(app, d); }});
}
