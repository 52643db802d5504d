// Which commands the game offers in its current state.
#include "ui/menu_state.h"

#include "model/offered_commands.h"
#include "resource.h"

namespace {

void Enable(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

void UpdateMenuStates(App& app) {
    const OfferedCommands offered = CommandsOffered(app.gs);
    HMENU menu = GetMenu(app.hwndMain);
    Enable(menu, IDM_SAVE_PUZZLE, offered.savePuzzle);
    Enable(menu, IDM_SAVE, offered.saveGame);
    Enable(menu, IDM_ANALYSE, offered.analyse);
    Enable(menu, IDM_COPY_IMAGE, offered.copyImage);
    Enable(menu, IDM_COPY_SMALL_IMAGE, offered.copyImage);
    Enable(menu, IDM_PRINT_POSITION, offered.printPosition);
    Enable(menu, IDM_UNDO, offered.undo);
    Enable(menu, IDM_REDO, offered.redo);
}
