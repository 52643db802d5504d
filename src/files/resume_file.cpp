// The resume file: a saved game with a [RESUME] section after it,
//
//     [RESUME]
//     GROUP = Rectangles          the current puzzle's group and name
//     PUZZLE = 10 x 6
//     STEPS = 3                   positions after the empty field, at most 300
//     CURRENT = 3                 the position on the field
//     STEP_1 = 17:0:0             each position's figures as F:X:Y, in the saved game's terms
//     STEP_2 = 17:0:0 30:2:0
//     STEP_3 = 17:0:0 30:2:0 5:4:1
#include "files/resume_file.h"

#include <charconv>
#include <sstream>

#include "files/ini.h"
#include "model/geometry.h"
#include "model/history.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr size_t kValueBuffer = 1024; // a step of twelve figures needs under 150 characters

bool HasFigure(const Placement& figures) {
    return !IsEmptyMatrix(figures[0].matrix);
}

std::string StepText(const Placement& figures) {
    std::string text;
    for (const Figure& f : figures) {
        if (IsEmptyMatrix(f.matrix)) break;
        if (!text.empty()) text += ' ';
        text += std::to_string(CatalogueIndex(f.matrix)) + ':' + std::to_string(f.x) + ':' +
                std::to_string(f.y);
    }
    return text;
}

// "F:X:Y" with three whole numbers and nothing else.
bool ReadEntry(const std::string& token, FigureEntry& entry) {
    const char* p = token.data();
    const char* end = p + token.size();
    int* values[] = {&entry.f, &entry.x, &entry.y};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (p == end || *p != ':') return false;
            ++p;
        }
        const auto [next, error] = std::from_chars(p, end, *values[i]);
        if (error != std::errc()) return false;
        p = next;
    }
    return p == end;
}

bool ReadStep(const std::string& text, const PuzzleImage& field, Placement& figures) {
    std::vector<FigureEntry> entries;
    std::istringstream tokens(text);
    for (std::string token; tokens >> token;) {
        FigureEntry entry;
        if (!ReadEntry(token, entry)) return false;
        entries.push_back(entry);
    }
    return LayFigureEntries(entries, Orientations().catalogue, field.width, field.height,
                            field.cells, figures);
}

// Every open cell of the field is covered: the game was won.
bool CoversField(const PuzzleImage& field, const Placement& figures) {
    int open = 0, covered = 0;
    for (int y = 0; y < field.height; ++y)
        for (int x = 0; x < field.width; ++x)
            open += At(field.cells, x, y) != kCellBlocked;
    for (const Figure& f : figures)
        for (uint8_t square : f.matrix)
            covered += square != 0;
    return covered == open;
}

} // namespace

std::optional<std::string> WriteResumeText(const GameState& gs, int64_t elapsedMs) {
    // A figure taken from the field into the hand goes back where it lay: the position kept is
    // the history's current one.
    const Position& p = gs.position;
    const int steps = std::min(p.historyCount - 1, kHistorySteps);
    if (gs.editor.mode == EditMode::Editing || p.gameWon || p.historyPosition < 1 ||
        p.historyPosition > steps)
        return {};
    const Placement& onField = p.historyFigures[static_cast<size_t>(p.historyPosition - 1)];
    if (!HasFigure(onField)) return {};
    std::string text = WriteSavedGameText(gs, elapsedMs / 1000, onField);
    text += std::string(kLineEnd) + "[RESUME]" + kLineEnd;
    text += "GROUP = " + gs.settings.lastFolder + kLineEnd;
    text += "PUZZLE = " + gs.settings.lastFile + kLineEnd;
    text += "STEPS = " + std::to_string(steps) + kLineEnd;
    text += "CURRENT = " + std::to_string(p.historyPosition) + kLineEnd;
    for (int i = 0; i < steps; ++i)
        text += "STEP_" + std::to_string(i + 1) + " = " +
                StepText(p.historyFigures[static_cast<size_t>(i)]) + kLineEnd;
    return text;
}

std::optional<ResumedGame> ReadResumeText(const std::string& text, const GameState& gs) {
    ResumedGame game;
    if (!ReadPuzzleText(text, true, Orientations().catalogue, game.field)) return {};
    const IniReader ini(text);
    if (ini.GetString("RESUME", "GROUP", "", kMaxNameLength + 1) != gs.settings.lastFolder ||
        ini.GetString("RESUME", "PUZZLE", "", kMaxNameLength + 1) != gs.settings.lastFile ||
        !IsCurrentPuzzleField(gs, game.field.width, game.field.height, game.field.cells))
        return {};
    const int steps = ini.GetInt("RESUME", "STEPS", 0);
    game.current = ini.GetInt("RESUME", "CURRENT", -1);
    if (steps < 1 || steps > kHistorySteps || game.current < 1 || game.current > steps) return {};
    game.steps.resize(static_cast<size_t>(steps));
    for (int i = 0; i < steps; ++i) {
        const std::string step = "STEP_" + std::to_string(i + 1);
        if (!ReadStep(ini.GetString("RESUME", step, "", kValueBuffer), game.field,
                      game.steps[static_cast<size_t>(i)]))
            return {};
    }
    const Placement& onField = game.steps[static_cast<size_t>(game.current - 1)];
    if (onField != game.field.figures || !HasFigure(onField) || CoversField(game.field, onField))
        return {};
    return game;
}

void ApplyResumedGame(GameState& gs, const ResumedGame& game) {
    ApplyPuzzleImage(gs, game.field);
    RestoreHistory(gs, game.steps, game.current);
    gs.position.unsavedChanges = true;
}
