// The Load dialog: the saved games with a preview; OK resumes one, Delete removes one.
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "model/history.h"
#include "resource.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/folder_listing.h"
#include "ui/main_window.h"
#include "ui/puzzle_preview.h"
#include "ui/window_layout.h"

namespace {

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SAVED_GAMES); }

// "Save\" + the selected line; empty when no line is selected.
std::string SelectedGamePath(HWND dialog) {
    HWND list = List(dialog);
    LRESULT line = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0) >= 260) return {};
    char text[260] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    return std::string("Save\\") + text;
}

void RepaintPreview(HWND dialog) { InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, FALSE); }

void OnOk(App& app, HWND dialog) {
    std::string path = SelectedGamePath(dialog);
    if (path.empty()) return;
    PuzzleImage image;
    if (ReadPuzzleFile(path, true, Orientations().catalogue, image)) {
        ApplyPuzzle(app, image);
        // The loaded figures become position 1: undo empties the field, redo brings them back.
        LoadHistoryPosition(app.gs, image.figures);
        // The current puzzle stays; its file is read again to know whether this game plays it.
        ReadCurrentPuzzleField(app.gs);
        SyncFigureList(app);
        Relayout(app);
        RepaintMain();
    }
    EndDialog(dialog, 1);
}

void OnDelete(HWND dialog) {
    std::string path = SelectedGamePath(dialog);
    if (path.empty()) {
        MessageBeep(0);
        return;
    }
    if (!DeleteFileA(path.c_str())) {
        ShowMessage(dialog, "Error delete file.", MB_OK | MB_ICONERROR);
    } else {
        SendMessageA(List(dialog), LB_DELETESTRING, SendMessageA(List(dialog), LB_GETCURSEL, 0, 0), 0);
    }
    RepaintPreview(dialog);
}

INT_PTR CALLBACK LoadProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        for (const std::string& file : ListFiles("Save\\*.zpz"))
            SendMessageA(List(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
        return TRUE;
    case WM_DRAWITEM:
        DrawPuzzlePreview(app, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), SelectedGamePath(dialog),
                          true, {"Game is not selected.", "The game is invalid."});
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SAVED_GAMES:
            if (HIWORD(wParam) == LBN_SELCHANGE) RepaintPreview(dialog);
            if (HIWORD(wParam) == LBN_DBLCLK) OnOk(app, dialog);
            return TRUE;
        case IDOK:
            OnOk(app, dialog);
            return TRUE;
        case IDC_DELETE:
            OnDelete(dialog);
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

INT_PTR LoadDialog(App& app) { return RunDialog(app, IDD_LOAD, LoadProc); }
