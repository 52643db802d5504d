// The Save dialog and the saving of a game under a typed name.
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "files/save_name.h"
#include "resource.h"
#include "ui/dialogs.h"
#include "ui/file_name_edit.h"
#include "ui/file_save.h"
#include "ui/menu_state.h"

namespace {

std::string TodayShortDate() {
    char date[100] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    return date;
}

void OnInit(App& app, HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_FILE_NAME);
    SendMessageA(edit, EM_LIMITTEXT, 100, 0);
    MakeFileNameEdit(edit);
    std::string name = DefaultSaveName(app.gs.settings.lastFolder, app.gs.settings.lastFile, TodayShortDate());
    SetWindowTextA(edit, name.c_str());
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
}

void OnOk(App& app, HWND dialog) {
    char text[260] = {};
    GetDlgItemTextA(dialog, IDC_FILE_NAME, text, sizeof text);
    if (IsBlankName(text)) {
        ShowMessage(dialog, "Please enter a file name", MB_OK | MB_ICONERROR);
        return;
    }
    SaveGame(app, text); // exactly as typed, blanks included
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK SaveProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        OnInit(app, dialog);
        return FALSE; // the focus is set on the name box
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(app, dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void SaveGame(App& app, const std::string& name) {
    std::string text = WriteSavedGameText(app.gs);
    if (app.gs.position.historyCount < 2) return; // nothing was ever laid: nothing to save
    CreateDirectoryA("Save", nullptr);
    std::string path = MakeSavedGamePath(name);
    if (FileExists(path) &&
        ShowMessage(app.hwndMain, "File exist. Overwrite?", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    FileSave result = SaveFileReplacing(path, text);
    if (result != FileSave::Written) {
        ShowMessage(app.hwndMain, FileSaveMessage(result), MB_OK | MB_ICONERROR);
        return;
    }
    ShowMessage(app.hwndMain, "Game saved.", MB_OK | MB_ICONQUESTION);
    app.gs.position.unsavedChanges = 0;
    UpdateMenuStates(app);
}

INT_PTR SaveDialog(App& app) { return RunDialog(app, IDD_SAVE, SaveProc); }
