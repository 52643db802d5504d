// The decisions of the New game, Load and Save dialogs.
#include "files/game_dialogs.h"

#include <algorithm>

#include "files/daily_puzzle.h"
#include "files/puzzle_paths.h"
#include "files/save_name.h"
#include "model/best_times.h"
#include "model/difficulty.h"
#include "model/history.h"

std::optional<PuzzleImage> ReadChosenFile(const std::string& path, bool withFigures) {
    PuzzleImage image;
    if (path.empty() || !ReadPuzzleFile(path, withFigures, Orientations().catalogue, image))
        return std::nullopt;
    return image;
}

Rect PreviewNoteRow(int width, int height, int lineHeight, int count, int note) {
    const int top = height - (count - note) * lineHeight;
    return {0, top, width, top + lineHeight};
}

PreviewPicture PlanPreview(bool chosen, const std::optional<PuzzleImage>& file,
                           const PreviewTexts& texts, int width, int height, int belowPicture,
                           int square) {
    PreviewPicture picture;
    picture.square = square;
    if (!chosen || !file) {
        picture.text = chosen ? texts.invalid : texts.nothingChosen;
        return picture;
    }
    picture.cells = ComposePreview(*file);
    picture.columns = file->width;
    picture.rows = file->height;
    picture.left = (width - file->width * square) / 2;
    picture.top = (height - belowPicture - file->height * square) / 2;
    return picture;
}

// ---- New game ----

std::string LibraryPuzzlesPattern(const std::string& group) {
    return LibraryFilePath(group, "*.zpz");
}

namespace {

bool IsSolved(const GameState& gs, const std::string& group, const std::string& name) {
    for (const SolvedPuzzle& p : gs.settings.solved)
        if (p.folder == group && p.file == name) return true;
    return false;
}

} // namespace

NewGameOpening OpenNewGame(const GameState& gs, const std::vector<LibraryFolder>& library) {
    NewGameOpening opening;
    for (const LibraryFolder& folder : library) {
        LibraryGroup group{folder.group, {}};
        for (const std::string& file : folder.files) {
            std::string name = PuzzleNameOfFile(file);
            const bool solved = IsSolved(gs, folder.group, name);
            group.puzzles.push_back({std::move(name), solved});
        }
        opening.groups.push_back(std::move(group));
    }
    // The first group of the current puzzle's name, and in it the first puzzle of its name.
    for (int g = 0; g < static_cast<int>(opening.groups.size()); ++g) {
        if (opening.groups[g].name != gs.settings.lastFolder) continue;
        const std::vector<LibraryPuzzle>& puzzles = opening.groups[g].puzzles;
        for (int p = 0; p < static_cast<int>(puzzles.size()); ++p) {
            if (puzzles[p].name != gs.settings.lastFile) continue;
            opening.currentGroup = g;
            opening.currentPuzzle = p;
            break;
        }
        break;
    }
    return opening;
}

std::string GroupItemText(const LibraryGroup& group) {
    if (group.puzzles.empty()) return group.name;
    const auto solved = std::count_if(group.puzzles.begin(), group.puzzles.end(),
                                      [](const LibraryPuzzle& p) { return p.solved; });
    return group.name + " (" + std::to_string(solved) + "/" + std::to_string(group.puzzles.size()) +
           ")";
}

std::vector<std::string> NewGamePreviewNotes(const GameState& gs, const LibraryChoice& choice,
                                             const std::optional<PuzzleImage>& file,
                                             std::optional<uint64_t> counted, const Date& today) {
    if (choice.puzzle.empty() || !file) return {};
    std::vector<std::string> notes;
    if (file->solutions >= 0)
        notes.push_back(SolutionsText(static_cast<uint64_t>(file->solutions)));
    else if (counted)
        notes.push_back(SolutionsText(*counted));
    else
        notes.push_back("Counting solutions...");
    if (const std::optional<int32_t> best = BestTimeOf(gs.settings, choice.group, choice.puzzle))
        notes.push_back("Best time " + ClockText(*best));
    if (DailyDateOf(choice.group, choice.puzzle))
        notes.push_back(DailyStreakText(gs.settings.daily, today));
    return notes;
}

std::string ChosenPuzzlePath(const LibraryChoice& choice) {
    return choice.puzzle.empty() ? std::string()
                                 : MakeLibraryPuzzlePath(choice.group, choice.puzzle);
}

std::optional<Message> StartNewGame(GameState& gs, const LibraryChoice& choice,
                                    const std::optional<PuzzleImage>& file) {
    if (choice.puzzle.empty()) return InformationMessage("Puzzle is not selected.");
    if (!file) return InformationMessage("Please select a valid puzzle.");
    ApplyPuzzleImage(gs, *file);
    gs.settings.lastFolder = choice.group;
    gs.settings.lastFile = choice.puzzle;
    SetCurrentPuzzleField(gs, file->width, file->height, file->cells, file->solutions);
    return std::nullopt;
}

// ---- Load ----

std::string SavedGamesPattern() {
    return PlayerPath("Save\\*.zpz");
}

std::string ListedGamePath(const std::string& line) {
    return line.empty() ? std::string() : PlayerPath("Save\\" + line);
}

LoadOutcome LoadChosenGame(GameState& gs, bool chosen, const std::optional<PuzzleImage>& file) {
    if (!chosen) return LoadOutcome::NothingChosen;
    if (!file) return LoadOutcome::Invalid;
    ApplyPuzzleImage(gs, *file);
    LoadHistoryPosition(gs, file->figures);
    ReadCurrentPuzzleField(gs);
    return LoadOutcome::Loaded;
}

LoadDeletion DeleteOutcome(bool chosen, bool deleted) {
    LoadDeletion deletion;
    if (!chosen) {
        deletion.beep = true;
        return deletion;
    }
    deletion.repaintPreview = true;
    if (deleted)
        deletion.removeLine = true;
    else
        deletion.message = ErrorMessage("Error delete file.");
    return deletion;
}

// ---- Save ----

std::optional<Message> CheckSaveName(const std::string& name) {
    if (IsBlankName(name)) return ErrorMessage("Please enter a file name");
    return std::nullopt;
}

std::optional<FileToSave> PrepareGameSave(const GameState& gs, const std::string& name) {
    if (gs.position.historyCount < 2) return std::nullopt;
    return FileToSave{MakeSavedGamePath(name), WriteSavedGameText(gs)};
}

GameSaveOutcome FinishGameSave(GameState& gs, FileSave result) {
    if (result != FileSave::Written) return {SaveFailedMessage(result), false};
    gs.position.unsavedChanges = false;
    return {Message{"Game saved.", MessageIcon::Question}, true};
}
