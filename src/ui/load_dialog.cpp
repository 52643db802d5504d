// The Load dialog: the saved games with a preview; OK resumes one, Delete removes one.
#include "files/game_dialogs.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/folder_listing.h"
#include "ui/main_window.h"
#include "ui/puzzle_preview.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// "Save\" + the chosen line; empty when no line is chosen.
std::string ChosenGamePath(HWND dialog) {
    return ListedGamePath(
        ListLine(dialog, IDC_SAVED_GAMES, ListSelection(dialog, IDC_SAVED_GAMES)));
}

BOOL OnInit(HWND dialog) {
    for (const std::string& file : ListFiles(SavedGamesPattern()))
        AddListLine(dialog, IDC_SAVED_GAMES, file);
    return TRUE;
}

void OnOk(App& app, HWND dialog) {
    const std::string path = ChosenGamePath(dialog);
    const std::optional<PuzzleImage> file = ReadChosenFile(path, true);
    const LoadOutcome outcome = LoadChosenGame(app.gs, !path.empty(), file);
    if (outcome == LoadOutcome::NothingChosen) return;
    if (outcome == LoadOutcome::Loaded) {
        ShowNewGame(app, file->seconds);
    }
    EndDialog(dialog, IDOK);
}

void OnDelete(HWND dialog) {
    const std::string path = ChosenGamePath(dialog);
    const bool deleted = !path.empty() && DeleteFileA(path.c_str());
    const LoadDeletion deletion = DeleteOutcome(!path.empty(), deleted);
    if (deletion.beep) MessageBeep(0);
    if (deletion.message) ShowMessage(dialog, *deletion.message);
    if (deletion.removeLine) {
        const int line = ListSelection(dialog, IDC_SAVED_GAMES);
        SendControl(dialog, IDC_SAVED_GAMES, LB_DELETESTRING, static_cast<WPARAM>(line));
    }
    if (deletion.repaintPreview) RepaintControl(dialog, IDC_PREVIEW);
}

void OnDrawPreview(App& app, HWND dialog, const DRAWITEMSTRUCT& item) {
    const std::string path = ChosenGamePath(dialog);
    DrawPuzzlePreview(app, item, !path.empty(), ReadChosenFile(path, true), kGamePreviewTexts);
}

void OnListNotification(App& app, HWND dialog, int notification) {
    if (notification == LBN_SELCHANGE) RepaintControl(dialog, IDC_PREVIEW);
    if (notification == LBN_DBLCLK) OnOk(app, dialog);
}

void OnCommand(App& app, HWND dialog, int id, int notification) {
    if (id == IDC_SAVED_GAMES) OnListNotification(app, dialog, notification);
    if (id == IDC_DELETE) OnDelete(dialog);
}

} // namespace

INT_PTR LoadDialog(App& app) {
    return RunDialog(
        app, IDD_LOAD,
        {.init = [](HWND d) { return OnInit(d); },
         .ok = [&](HWND d) { OnOk(app, d); },
         .command = [&](HWND d, int id, int notification) { OnCommand(app, d, id, notification); },
         .drawItem = [&](HWND d, const DRAWITEMSTRUCT& item) { OnDrawPreview(app, d, item); }});
}
