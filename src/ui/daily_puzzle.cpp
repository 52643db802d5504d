// "Daily puzzle" and "Copy daily result": the generator makes today's puzzle in a thread of
// its own, the file keeps it for the rest of the day.
#include "ui/daily_puzzle.h"

#include <atomic>
#include <memory>
#include <thread>

#include "files/daily_puzzle.h"
#include "files/game_dialogs.h"
#include "files/puzzle_paths.h"
#include "ui/clipboard_text.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

struct Generation {
    Date date;
    std::atomic<bool> stop{false};
    GeneratedPuzzle result;
    std::thread thread;
};

std::unique_ptr<Generation> generation;

void Play(App& app, const Date& date, const std::optional<PuzzleImage>& file) {
    if (const std::optional<Message> refusal =
            StartNewGame(app.gs, {kDailyGroup, DateText(date)}, file)) {
        ShowMessage(app.hwndMain, *refusal);
        return;
    }
    ShowNewGame(app, 0);
    UpdateMenuStates(app);
}

} // namespace

Date LocalDate() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay};
}

void OpenDailyPuzzle(App& app) {
    if (generation) return; // on its way
    const Date today = LocalDate();
    if (const std::optional<PuzzleImage> file = ReadChosenFile(DailyPuzzlePath(today), false)) {
        Play(app, today, file);
        return;
    }
    generation = std::make_unique<Generation>();
    generation->date = today;
    generation->thread = std::thread([g = generation.get(), notify = app.hwndMain] {
        g->result = GeneratePuzzle(DailyRequest(g->date), {}, &g->stop);
        PostMessageA(notify, WM_DAILY_GENERATED, 0, 0);
    });
}

void OnDailyGenerated(App& app) {
    if (!generation) return;
    generation->thread.join();
    const Date date = generation->date;
    const GeneratedPuzzle puzzle = generation->result;
    generation.reset();
    if (!puzzle.found) {
        ShowMessage(app.hwndMain, DailyNotMadeMessage());
        return;
    }
    const FileToSave file = DailyPuzzleFile(puzzle, date);
    const FileSave written = SaveFileReplacing(file.path, file.text);
    if (written != FileSave::Written) {
        ShowMessage(app.hwndMain, SaveFailedMessage(written));
        return;
    }
    Play(app, date, ReadChosenFile(file.path, false));
}

void StopDailyPuzzle() {
    if (!generation) return;
    generation->stop = true;
    generation->thread.join();
    generation.reset();
}

bool DailyResultOffered(const App& app) {
    return DailyResult(app.gs.settings.daily, LocalDate()).has_value();
}

void CopyDailyResult(App& app) {
    if (const std::optional<std::string> result = DailyResult(app.gs.settings.daily, LocalDate()))
        if (CopyTextToClipboard(app.hwndMain, *result)) MessageBeep(0);
}
