// How hard a puzzle is, from its number of solutions, and how the game words it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class Difficulty { Unsolvable, Unique, Expert, Hard, Medium, Easy };

// The difficulties of solvable puzzles, the easiest first: the order the game lists them in.
inline constexpr std::array<Difficulty, 5> kDifficulties{
    Difficulty::Easy, Difficulty::Medium, Difficulty::Hard, Difficulty::Expert, Difficulty::Unique};

// The solutions a difficulty stands for: least..most, most 0 for no upper bound. Easy 1000 or
// more solutions, Medium 100..999, Hard 10..99, Expert 2..9, Unique 1; Unsolvable none.
struct SolutionBand {
    uint64_t least = 0;
    uint64_t most = 0;
};
SolutionBand BandOf(Difficulty difficulty);

// The difficulty whose band holds the number of solutions.
Difficulty DifficultyOf(uint64_t solutions);
// "Easy", "Medium", "Hard", "Expert", "Unique"; "No solution" for an unsolvable field.
const char* DifficultyName(Difficulty difficulty);

// "2,339 solutions \xB7 Easy", "1 solution \xB7 Unique" (the middle dot of the ANSI code
// page), "No solution".
std::string SolutionsText(uint64_t solutions);
