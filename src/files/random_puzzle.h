// The Random puzzle dialog as the core sees it: its opening values, its checks, what it asks
// the generator for, and the file and the game a generated puzzle becomes.
#pragma once

#include <optional>
#include <string>

#include "files/puzzle_paths.h"
#include "files/saving.h"
#include "model/game_state.h"
#include "model/message.h"
#include "solver/generator.h"

// The dialog opens with the last choice.
RandomPuzzleChoice OpenRandomPuzzle(const Settings& settings);

// Why the choice cannot be generated ("The largest size must hold at least 60 cells."), or
// nothing when it can.
std::optional<Message> CheckRandomPuzzle(const RandomPuzzleChoice& choice);

// What the generator is asked for; the seed makes each puzzle new.
GenerateRequest RandomPuzzleRequest(const RandomPuzzleChoice& choice, uint64_t seed);

// The local date and time a puzzle is named by.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "Hard 2026-12-07 14-05-09"; a second puzzle in the same second gets " (2)", and so on:
// `taken` tells whether a name is already a file of the group.
template <class Taken>
std::string RandomPuzzleName(Difficulty difficulty, const LocalTime& time, Taken taken);
std::string RandomPuzzleBaseName(Difficulty difficulty, const LocalTime& time);

// The puzzle's file in the Random group: its field, then [INFO] with SOLUTIONS and SEED.
FileToSave RandomPuzzleFile(const GeneratedPuzzle& puzzle, uint64_t seed, const std::string& name);

// A written puzzle becomes the current puzzle and play starts on it; the choice is
// remembered.
void StartRandomPuzzle(GameState& gs, const RandomPuzzleChoice& choice,
                       const GeneratedPuzzle& puzzle, const std::string& name);

// What the player is told when no puzzle was found, with how long the search went on.
Message NoRandomPuzzleMessage(int searchedMs);

template <class Taken>
std::string RandomPuzzleName(Difficulty difficulty, const LocalTime& time, Taken taken) {
    const std::string base = RandomPuzzleBaseName(difficulty, time);
    std::string name = base;
    for (int n = 2; taken(name); ++n)
        name = base + " (" + std::to_string(n) + ")";
    return name;
}
