// The Random puzzle dialog as the core sees it.
#include "files/random_puzzle.h"

#include <algorithm>
#include <cstdio>

#include "files/game_dialogs.h"
#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"

RandomPuzzleChoice OpenRandomPuzzle(const Settings& settings) {
    return settings.randomPuzzle;
}

std::optional<Message> CheckRandomPuzzle(const RandomPuzzleChoice& choice) {
    if (choice.width * choice.height < kGenerateCells)
        return InformationMessage("The largest size must hold at least 60 cells.");
    return std::nullopt;
}

GenerateRequest RandomPuzzleRequest(const RandomPuzzleChoice& choice, uint64_t seed) {
    return {choice.difficulty, choice.width, choice.height, choice.symmetric, seed};
}

std::string RandomPuzzleBaseName(Difficulty difficulty, const LocalTime& t) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, " %04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return DifficultyName(difficulty) + std::string(stamp);
}

FileToSave RandomPuzzleFile(const GeneratedPuzzle& puzzle, uint64_t seed, const std::string& name) {
    return {MakeLibraryPuzzlePath(kRandomGroup, name),
            WritePuzzleText(puzzle.width, puzzle.height, puzzle.cells) +
                WritePuzzleInfo(puzzle.solutions, seed)};
}

void StartRandomPuzzle(GameState& gs, const RandomPuzzleChoice& choice,
                       const GeneratedPuzzle& puzzle, const std::string& name) {
    PuzzleImage image;
    image.width = puzzle.width;
    image.height = puzzle.height;
    image.cells = puzzle.cells;
    image.solutions = static_cast<int64_t>(puzzle.solutions);
    StartNewGame(gs, {kRandomGroup, name}, image);
    gs.settings.randomPuzzle = choice;
}

Message NoRandomPuzzleMessage(int searchedMs) {
    const int seconds = std::max(1, searchedMs / 1000);
    return InformationMessage("No puzzle of this difficulty was found in this size in " +
                              std::to_string(seconds) + (seconds == 1 ? " second" : " seconds") +
                              " of search. Please try a larger size or another difficulty.");
}
