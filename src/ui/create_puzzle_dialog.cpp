// The Create puzzle dialog: size, method and name of a new puzzle; OK starts the editor.
#include <windows.h>

#include <commctrl.h>

#include "editor/create_checks.h"
#include "files/puzzle_paths.h"
#include "ui/file_save.h"
#include "resource.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_name_edit.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

namespace {

void InitArrows(HWND dialog, int arrowsId, int value) {
    HWND arrows = GetDlgItem(dialog, arrowsId);
    SendMessageA(arrows, UDM_SETRANGE32, kMinFieldSide, kMaxFieldSide);
    // A remembered size from a hand-edited settings file is brought into range here.
    SendMessageA(arrows, UDM_SETPOS32, 0, LimitEditorSide(value));
}

int ArrowsValue(HWND dialog, int arrowsId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, arrowsId, UDM_GETPOS32, 0, 0));
}

void OnInit(const GameState& gs, HWND dialog) {
    InitArrows(dialog, IDC_WIDTH_ARROWS, gs.settings.createWidth);
    InitArrows(dialog, IDC_HEIGHT_ARROWS, gs.settings.createHeight);
    HWND name = GetDlgItem(dialog, IDC_FILE_NAME);
    SendMessageA(name, EM_LIMITTEXT, 100, 0);
    SetWindowTextA(name, gs.settings.newPuzzleName.c_str());
    MakeFileNameEdit(name);
    CheckRadioButton(dialog, IDC_BY_FIGURES, IDC_BY_SQUARES,
                     gs.settings.creationMethod == CreationMethod::BySquares ? IDC_BY_SQUARES : IDC_BY_FIGURES);
}

void OnOk(App& app, HWND dialog) {
    int w = ArrowsValue(dialog, IDC_WIDTH_ARROWS), h = ArrowsValue(dialog, IDC_HEIGHT_ARROWS);
    char text[260] = {};
    GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
    CreateCheck check = CheckCreateInput(w, h, text);
    if (check != CreateCheck::Ok) {
        ShowMessage(dialog, CreateCheckMessage(check), MB_OK);
        return;
    }
    if (FileExists(MakeUserPuzzlePath(text)) &&
        ShowMessage(dialog, "File exist. Overwrite?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    GameState& gs = app.gs;
    gs.settings.createWidth = w;
    gs.settings.createHeight = h;
    gs.settings.creationMethod =
        IsDlgButtonChecked(dialog, IDC_BY_SQUARES) == BST_CHECKED ? CreationMethod::BySquares : CreationMethod::ByFigures;
    gs.settings.newPuzzleName = text;
    NewGameReset(gs);
    StartEditor(gs);
    SyncFigureList(app);
    Relayout(app);
    RepaintMain();
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK CreatePuzzleProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        OnInit(app.gs, dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOk(app, dialog);
            return TRUE;
        case IDC_CREATE_HELP:
            ShowHelp(app, 3);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 2);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CreatePuzzleDialog(App& app) { return RunDialog(app, IDD_CREATE_PUZZLE, CreatePuzzleProc); }
