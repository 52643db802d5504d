// Puzzle codes: "Copy puzzle code" puts the field in play on the clipboard; the Open puzzle
// code dialog takes a pasted code, writes its puzzle to the Shared group and plays it.
#include "files/shared_puzzle.h"
#include "resource.h"
#include "ui/clipboard_text.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// Room for a code pasted with more around it than it needs.
constexpr int kCodeBoxLimit = 1000;

BOOL OnInit(HWND dialog) {
    HWND box = GetDlgItem(dialog, IDC_PUZZLE_CODE);
    SendMessageA(box, EM_LIMITTEXT, kCodeBoxLimit, 0);
    SetFocus(box);
    return FALSE; // the focus is set on the box
}

void OnOk(App& app, HWND dialog) {
    const CodeToOpen open = OpenPuzzleCode(ControlText(dialog, IDC_PUZZLE_CODE));
    if (open.refusal) {
        ShowMessage(dialog, *open.refusal);
        return;
    }
    if (SharedFileNeedsWriting(ReadChosenFile(open.file.path, false), open.image)) {
        const FileSave written = SaveFileReplacing(open.file.path, open.file.text);
        if (written != FileSave::Written) {
            ShowMessage(dialog, SaveFailedMessage(written));
            return;
        }
    }
    if (const std::optional<Message> refusal =
            StartNewGame(app.gs, open.choice, ReadChosenFile(open.file.path, false))) {
        ShowMessage(dialog, *refusal);
        return;
    }
    ShowNewGame(app, 0);
    EndDialog(dialog, IDOK);
}

} // namespace

INT_PTR OpenCodeDialog(App& app) {
    return RunDialog(
        app, IDD_OPEN_CODE,
        {.init = [](HWND d) { return OnInit(d); }, .ok = [&](HWND d) { OnOk(app, d); }});
}

void CopyPuzzleCode(App& app) {
    if (CopyTextToClipboard(app.hwndMain, CodeOfFieldInPlay(app.gs))) MessageBeep(0);
}
