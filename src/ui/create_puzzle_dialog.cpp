// The Create puzzle dialog: size, method and name of a new puzzle; OK starts the editor.
#include <windows.h>

#include <commctrl.h>

#include "editor/create_puzzle.h"
#include "files/puzzle_paths.h"
#include "files/saving.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_name_edit.h"
#include "ui/file_save.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

void InitArrows(HWND dialog, int arrowsId, int value) {
    SendControl(dialog, arrowsId, UDM_SETRANGE32, kMinFieldSide, kMaxFieldSide);
    SendControl(dialog, arrowsId, UDM_SETPOS32, 0, value);
}

int ArrowsValue(HWND dialog, int arrowsId) {
    return static_cast<int>(SendControl(dialog, arrowsId, UDM_GETPOS32));
}

CreatePuzzleForm FormOf(HWND dialog) {
    return {ArrowsValue(dialog, IDC_WIDTH_ARROWS), ArrowsValue(dialog, IDC_HEIGHT_ARROWS),
            IsChecked(dialog, IDC_BY_SQUARES) ? CreationMethod::BySquares
                                              : CreationMethod::ByFigures,
            ControlText(dialog, IDC_FILE_NAME)};
}

BOOL OnInit(const GameState& gs, HWND dialog) {
    const CreatePuzzleForm form = OpenCreatePuzzle(gs);
    InitArrows(dialog, IDC_WIDTH_ARROWS, form.width);
    InitArrows(dialog, IDC_HEIGHT_ARROWS, form.height);
    SetControlText(dialog, IDC_FILE_NAME, form.name);
    MakeFileNameEdit(GetDlgItem(dialog, IDC_FILE_NAME));
    CheckRadioButton(dialog, IDC_BY_FIGURES, IDC_BY_SQUARES,
                     form.method == CreationMethod::BySquares ? IDC_BY_SQUARES : IDC_BY_FIGURES);
    return TRUE;
}

void OnOk(App& app, HWND dialog) {
    const CreatePuzzleForm form = FormOf(dialog);
    if (const std::optional<Message> refusal = CheckCreatePuzzle(form)) {
        ShowMessage(dialog, *refusal);
        return;
    }
    const std::optional<Message> question =
        OverwriteCheck(FileExists(MakeUserPuzzlePath(form.name)));
    if (question && ShowMessage(dialog, *question) != IDYES) return;
    StartCreatingPuzzle(app.gs, form);
    ClockNow(app, ClockEvent::EditorOpened);
    SyncFigureList(app);
    Relayout(app);
    RepaintMain();
    EndDialog(dialog, IDOK);
}

} // namespace

INT_PTR CreatePuzzleDialog(App& app) {
    return RunDialog(app, IDD_CREATE_PUZZLE,
                     {.init = [&](HWND d) { return OnInit(app.gs, d); },
                      .ok = [&](HWND d) { OnOk(app, d); },
                      .command =
                          [&](HWND, int id, int) {
                              if (id == IDC_CREATE_HELP) ShowHelp(app, 3);
                          }});
}
