// The Random puzzle dialog: difficulty, largest size and symmetry; OK makes a new puzzle in a
// background thread (Cancel keeps working meanwhile), writes it to the Random group and starts
// play on it.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <memory>
#include <set>
#include <thread>

#include "files/game_dialogs.h"
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "files/random_puzzle.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/file_save.h"
#include "ui/folder_listing.h"
#include "ui/main_window.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

// One generation: what it was asked, its answer, and the flag that gives it up.
struct Generation {
    RandomPuzzleChoice choice;
    uint64_t seed = 0;
    HWND notify = nullptr;
    std::atomic<bool> stop{false};
    GeneratedPuzzle result;
    std::thread thread;
};

// The fields of every puzzle of the library, generated ones included: a new puzzle must
// differ from each of them.
std::set<std::string> KnownFields(const std::atomic<bool>& stop) {
    std::set<std::string> known;
    for (const std::string& group : ListLibraryGroups())
        for (const std::string& file : ListFiles(LibraryPuzzlesPattern(group))) {
            if (stop) return known;
            PuzzleImage image;
            if (ReadPuzzleFile(LibraryFilePath(group, file), false, Orientations().catalogue,
                               image))
                known.insert(FieldKey(image.width, image.height, image.cells));
        }
    return known;
}

void Generate(Generation* g) {
    const std::set<std::string> known = KnownFields(g->stop);
    if (!g->stop)
        g->result = GeneratePuzzle(RandomPuzzleRequest(g->choice, g->seed), known, &g->stop);
    PostMessageA(g->notify, WM_PUZZLE_GENERATED, 0, 0);
}

void Finish(std::unique_ptr<Generation>& g) {
    if (!g) return;
    g->stop = true;
    if (g->thread.joinable()) g->thread.join();
    g.reset();
}

// A new seed for each puzzle: the time and the process mixed.
uint64_t NewSeed() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<uint64_t>(counter.QuadPart) * 0x9E3779B97F4A7C15ull ^ GetTickCount64() ^
           static_cast<uint64_t>(GetCurrentProcessId()) << 40;
}

LocalTime Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

const int kChoiceControls[] = {IDC_RANDOM_DIFFICULTY, IDC_RANDOM_WIDTH_ARROWS,
                               IDC_RANDOM_HEIGHT_ARROWS, IDC_RANDOM_SYMMETRIC, IDOK};

// While a puzzle is being made only Cancel works, and the progress bar runs.
void ShowGenerating(HWND dialog, bool generating) {
    for (int id : kChoiceControls)
        EnableControl(dialog, id, !generating);
    ShowWindow(GetDlgItem(dialog, IDC_RANDOM_PROGRESS), generating ? SW_SHOW : SW_HIDE);
    SendControl(dialog, IDC_RANDOM_PROGRESS, PBM_SETMARQUEE, generating ? TRUE : FALSE, 30);
    if (!generating) SetFocus(GetDlgItem(dialog, IDOK));
}

void InitArrows(HWND dialog, int arrowsId, int value) {
    SendControl(dialog, arrowsId, UDM_SETRANGE32, kLeastRandomSide, kMaxFieldSide);
    SendControl(dialog, arrowsId, UDM_SETPOS32, 0, value);
}

BOOL OnInit(const App& app, HWND dialog) {
    const RandomPuzzleChoice choice = OpenRandomPuzzle(app.gs.settings);
    for (std::size_t i = 0; i < kDifficulties.size(); ++i) {
        SendControl(dialog, IDC_RANDOM_DIFFICULTY, CB_ADDSTRING, 0,
                    reinterpret_cast<LPARAM>(DifficultyName(kDifficulties[i])));
        if (kDifficulties[i] == choice.difficulty)
            SendControl(dialog, IDC_RANDOM_DIFFICULTY, CB_SETCURSEL, i);
    }
    InitArrows(dialog, IDC_RANDOM_WIDTH_ARROWS, choice.width);
    InitArrows(dialog, IDC_RANDOM_HEIGHT_ARROWS, choice.height);
    SetChecked(dialog, IDC_RANDOM_SYMMETRIC, choice.symmetric);
    ShowGenerating(dialog, false);
    return TRUE;
}

RandomPuzzleChoice ChoiceOf(HWND dialog) {
    const auto chosen = SendControl(dialog, IDC_RANDOM_DIFFICULTY, CB_GETCURSEL);
    RandomPuzzleChoice choice;
    if (chosen >= 0 && chosen < static_cast<LRESULT>(kDifficulties.size()))
        choice.difficulty = kDifficulties[static_cast<std::size_t>(chosen)];
    choice.width = static_cast<int>(SendControl(dialog, IDC_RANDOM_WIDTH_ARROWS, UDM_GETPOS32));
    choice.height = static_cast<int>(SendControl(dialog, IDC_RANDOM_HEIGHT_ARROWS, UDM_GETPOS32));
    choice.symmetric = IsChecked(dialog, IDC_RANDOM_SYMMETRIC);
    return choice;
}

void OnOk(HWND dialog, std::unique_ptr<Generation>& g) {
    if (g) return;
    const RandomPuzzleChoice choice = ChoiceOf(dialog);
    if (const std::optional<Message> refusal = CheckRandomPuzzle(choice)) {
        ShowMessage(dialog, *refusal);
        return;
    }
    g = std::make_unique<Generation>();
    g->choice = choice;
    g->seed = NewSeed();
    g->notify = dialog;
    ShowGenerating(dialog, true);
    g->thread = std::thread(Generate, g.get());
}

// The puzzle is written to the Random group and played; a failure leaves the game as it was.
void OnGenerated(App& app, HWND dialog, std::unique_ptr<Generation>& g) {
    if (!g) return;
    g->thread.join();
    const RandomPuzzleChoice choice = g->choice;
    const uint64_t seed = g->seed;
    const GeneratedPuzzle puzzle = g->result;
    g.reset();
    if (!puzzle.found) {
        ShowGenerating(dialog, false);
        ShowMessage(dialog, NoRandomPuzzleMessage(puzzle.searchedMs));
        return;
    }
    const std::string name = RandomPuzzleName(choice.difficulty, Now(), [](const std::string& n) {
        return FileExists(MakeLibraryPuzzlePath(kRandomGroup, n));
    });
    const FileToSave file = RandomPuzzleFile(puzzle, seed, name);
    const FileSave written = SaveFileReplacing(file.path, file.text);
    if (written != FileSave::Written) {
        ShowGenerating(dialog, false);
        ShowMessage(dialog, SaveFailedMessage(written));
        return;
    }
    StartRandomPuzzle(app.gs, choice, puzzle, name);
    ShowNewGame(app, 0);
    EndDialog(dialog, IDOK);
}

} // namespace

INT_PTR RandomPuzzleDialog(App& app) {
    std::unique_ptr<Generation> generation;
    return RunDialog(app, IDD_RANDOM_PUZZLE,
                     {.init = [&](HWND d) { return OnInit(app, d); },
                      .ok = [&](HWND d) { OnOk(d, generation); },
                      .destroy = [&](HWND) { Finish(generation); },
                      .generated = [&](HWND d) { OnGenerated(app, d, generation); }});
}
