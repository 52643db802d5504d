// The command table: each menu command, accelerator and list notification to its action.
#include "ui/commands.h"

#include "model/geometry.h"
#include "model/history.h"
#include "resource.h"
#include "ui/daily_puzzle.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/help.h"
#include "ui/hints.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/mouse.h"
#include "ui/orientation_menus.h"
#include "ui/print_commands.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// Undo and redo: restore the position and empty the hand.
void StepHistory(App& app, bool back) {
    if (back ? Undo(app.gs) : Redo(app.gs)) {
        SyncFigureList(app);
        SelectFigureListEntry(app, 0);
    }
}

bool Dispatch(App& app, int id, int notification) {
    if (id == IDC_FIGURE_LIST) {
        if (notification == LBN_SELCHANGE) OnFigureListSelectionChanged(app);
        return true;
    }
    if (OrientationOfCommand(id) != 0) {
        OnOrientationCommand(app, id);
        return true;
    }
    switch (id) {
    case IDM_EXIT:
        DestroyWindow(app.hwndMain);
        return true;
    case IDM_UNDO:
    case IDM_REDO:
        StepHistory(app, id == IDM_UNDO);
        return true;
    case IDM_NEW_GAME:
        NewGameDialog(app);
        return true;
    case IDM_RANDOM_PUZZLE:
        RandomPuzzleDialog(app);
        return true;
    case IDM_DAILY_PUZZLE:
        OpenDailyPuzzle(app);
        return true;
    case IDM_COPY_DAILY_RESULT:
        CopyDailyResult(app);
        return true;
    case IDM_OPEN_CODE:
        OpenCodeDialog(app);
        return true;
    case IDM_COPY_CODE:
        CopyPuzzleCode(app);
        return true;
    case IDM_LOAD:
        LoadDialog(app);
        return true;
    case IDM_SAVE:
        SaveDialog(app);
        return true;
    case IDM_ANALYSE:
        AnalyseDialog(app);
        return true;
    case IDM_HINT:
        AskForHint(app);
        return true;
    case IDM_OPTIONS:
        OptionsDialog(app);
        return true;
    case IDM_SOUND:
        SoundDialog(app);
        return true;
    case IDM_STATUS_BAR:
        ToggleStatusBar(app);
        return true;
    case IDM_CREATE_PUZZLE:
        CreatePuzzleDialog(app);
        return true;
    case IDM_SAVE_PUZZLE:
        SavePuzzle(app);
        return true;
    case IDM_USER_MANUAL:
    case IDM_TUTORIAL:
        ShowHelp(app, id == IDM_TUTORIAL ? 1 : 0);
        return true;
    case IDM_HOME_PAGE:
        OpenHomePage(app);
        return true;
    case IDM_ABOUT:
        AboutDialog(app);
        return true;
    case IDM_PRINT_POSITION:
    case IDM_PRINT_FIGURES:
    case IDM_PRINT_EMPTY_FIELD:
        PrintSheet(app, id);
        return true;
    case IDM_COPY_IMAGE:
    case IDM_COPY_SMALL_IMAGE:
        CopyPositionImage(app, id);
        return true;
    case IDM_LARGER_SQUARES:
    case IDM_SMALLER_SQUARES:
        ChangeSquareSize(app, id == IDM_LARGER_SQUARES ? kSquareSizeStep : -kSquareSizeStep);
        return true;
    default:
        return false;
    }
}

} // namespace

bool OnCommand(App& app, int id, int notification) {
    bool handled = Dispatch(app, id, notification);
    if (handled && IsWindow(app.hwndMain)) {
        UpdateMenuStates(app);
        UpdateStatusBar(app);
    }
    return handled;
}
