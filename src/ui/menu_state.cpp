// Which commands the game offers in its current state.
#include "ui/menu_state.h"

#include <utility>

#include "model/offered_commands.h"
#include "resource.h"
#include "ui/daily_puzzle.h"

namespace {

// Each menu item and the command it offers.
constexpr std::pair<UINT, bool OfferedCommands::*> kMenuItems[] = {
    {IDM_SAVE_PUZZLE, &OfferedCommands::savePuzzle},
    {IDM_SAVE, &OfferedCommands::saveGame},
    {IDM_ANALYSE, &OfferedCommands::analyse},
    {IDM_HINT, &OfferedCommands::hint},
    {IDM_COPY_IMAGE, &OfferedCommands::copyImage},
    {IDM_COPY_SMALL_IMAGE, &OfferedCommands::copyImage},
    {IDM_COPY_CODE, &OfferedCommands::copyImage}, // the field in play, like its pictures
    {IDM_PRINT_POSITION, &OfferedCommands::printPosition},
    {IDM_UNDO, &OfferedCommands::undo},
    {IDM_REDO, &OfferedCommands::redo},
};

} // namespace

void UpdateMenuStates(App& app) {
    const OfferedCommands offered = CommandsOffered(app.gs);
    HMENU menu = GetMenu(app.hwndMain);
    for (auto [id, offer] : kMenuItems)
        EnableMenuItem(menu, id, MF_BYCOMMAND | (offered.*offer ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, IDM_COPY_DAILY_RESULT,
                   MF_BYCOMMAND | (DailyResultOffered(app) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, IDM_STATUS_BAR,
                  MF_BYCOMMAND | (app.gs.settings.statusBar ? MF_CHECKED : MF_UNCHECKED));
}
