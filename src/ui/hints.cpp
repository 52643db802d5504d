// "Hint" of the Position menu: the core's worker works the hint out, and the answer comes
// back to the main window as a posted message.
#include "ui/hints.h"

#include "model/offered_commands.h"
#include "solver/hint_worker.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"

namespace {

HintWorker& TheWorker() {
    static HintWorker worker([] { PostMessageA(TheApp().hwndMain, WM_HINT_WORKED_OUT, 0, 0); });
    return worker;
}

void ShowHint(App& app) {
    RepaintMain();
    UpdateStatusBar(app);
    if (app.gs.settings.statusBar) return;
    if (const std::optional<std::string> text = ShownHintText(app.gs.hints))
        ShowMessage(app.hwndMain, InformationMessage(*text));
}

} // namespace

void AskForHint(App& app) {
    if (!CommandsOffered(app.gs).hint) return;
    switch (PressHint(app.gs.hints)) {
    case HintPress::Ask:
        TheWorker().Ask(app.gs);
        break;
    case HintPress::Wait:
        break;
    case HintPress::Show:
        ShowHint(app);
        break;
    }
}

void OnHintWorkedOut(App& app) {
    const std::optional<WorkedHint> worked = TheWorker().Take();
    if (worked && TakeHint(app.gs.hints, worked->move, worked->hint)) ShowHint(app);
}
