// Which commands the game offers in its current state.
#include "ui/menu_state.h"

#include "model/history.h"
#include "resource.h"

namespace {

void Enable(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

void UpdateMenuStates(App& app) {
    const GameState& gs = app.gs;
    HMENU menu = GetMenu(app.hwndMain);
    bool playing = gs.editor.mode == EditMode::Playing;
    Enable(menu, IDM_SAVE_PUZZLE, gs.editor.mode == EditMode::Editing);
    Enable(menu, IDM_SAVE, playing && gs.position.unsavedChanges != 0);
    Enable(menu, IDM_ANALYSE, playing);
    Enable(menu, IDM_COPY_IMAGE, playing);
    Enable(menu, IDM_COPY_SMALL_IMAGE, playing);
    Enable(menu, IDM_PRINT_POSITION, playing);
    Enable(menu, IDM_UNDO, CanUndo(gs));
    Enable(menu, IDM_REDO, CanRedo(gs));
}
