// What the dialogs share: opening them and starting a game on a puzzle.
#include "ui/dialogs.h"

#include "files/puzzle_file.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

INT_PTR RunDialog(App& app, int resource, DLGPROC procedure) {
    return DialogBoxParamA(app.hInstance, MAKEINTRESOURCEA(resource), app.hwndMain, procedure, 0);
}

void ApplyPuzzle(App& app, const PuzzleImage& image) {
    ApplyPuzzleImage(app.gs, image);
    SyncFigureList(app);
    Relayout(app);
    RepaintMain();
}
