// The Save dialog and the saving of a game under a typed name.
#include "files/game_dialogs.h"
#include "files/save_name.h"
#include "resource.h"
#include "ui/controls.h"
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

BOOL OnInit(App& app, HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_FILE_NAME);
    MakeFileNameEdit(edit);
    const Settings& settings = app.gs.settings;
    SetControlText(dialog, IDC_FILE_NAME,
                   DefaultSaveName(settings.lastFolder, settings.lastFile, TodayShortDate()));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return FALSE; // the focus is set on the name box
}

void OnOk(App& app, HWND dialog) {
    const std::string name = ControlText(dialog, IDC_FILE_NAME);
    if (const std::optional<Message> refusal = CheckSaveName(name)) {
        ShowMessage(dialog, *refusal);
        return;
    }
    SaveGame(app, name);
    EndDialog(dialog, IDOK);
}

} // namespace

INT_PTR SaveDialog(App& app) {
    return RunDialog(
        app, IDD_SAVE,
        {.init = [&](HWND d) { return OnInit(app, d); }, .ok = [&](HWND d) { OnOk(app, d); }});
}

void SaveGame(App& app, const std::string& name) {
    const std::optional<FileToSave> file = PrepareGameSave(app.gs, name);
    if (!file) return;
    const std::optional<Message> question = OverwriteCheck(FileExists(file->path));
    if (question && ShowMessage(app.hwndMain, *question) != IDYES) return;
    const GameSaveOutcome outcome =
        FinishGameSave(app.gs, SaveFileReplacing(file->path, file->text));
    ShowMessage(app.hwndMain, outcome.message);
    if (outcome.saved) UpdateMenuStates(app);
}
