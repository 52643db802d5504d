// How hard a puzzle is, from its number of solutions, and how the game words it.
#pragma once

#include <cstdint>
#include <string>

enum class Difficulty { Unsolvable, Unique, Expert, Hard, Medium, Easy };

// Easy 1000 or more solutions, Medium 100..999, Hard 10..99, Expert 2..9, Unique 1.
Difficulty DifficultyOf(uint64_t solutions);
// "Easy", "Medium", "Hard", "Expert", "Unique"; "No solution" for an unsolvable field.
const char* DifficultyName(Difficulty difficulty);

// "2,339 solutions \xB7 Easy", "1 solution \xB7 Unique" (the middle dot of the ANSI code
// page), "No solution".
std::string SolutionsText(uint64_t solutions);
