// Which commands the game offers in its present state.
#include "model/offered_commands.h"

#include "model/history.h"

OfferedCommands CommandsOffered(const GameState& gs) {
    const bool playing = gs.editor.mode == EditMode::Playing;
    OfferedCommands c;
    c.savePuzzle = !playing;
    c.saveGame = playing && gs.position.unsavedChanges;
    c.analyse = c.printPosition = c.copyImage = playing;
    c.hint = playing && !gs.position.gameWon;
    c.undo = CanUndo(gs);
    c.redo = CanRedo(gs);
    return c;
}
