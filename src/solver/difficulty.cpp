// How hard a puzzle is, from its number of solutions, and how the game words it.
#include "solver/difficulty.h"

namespace {

// The number with a comma between groups of three digits: 2339 gives "2,339".
std::string Grouped(uint64_t n) {
    std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace

Difficulty DifficultyOf(uint64_t solutions) {
    if (solutions >= 1000) return Difficulty::Easy;
    if (solutions >= 100) return Difficulty::Medium;
    if (solutions >= 10) return Difficulty::Hard;
    if (solutions >= 2) return Difficulty::Expert;
    return solutions == 1 ? Difficulty::Unique : Difficulty::Unsolvable;
}

const char* DifficultyName(Difficulty difficulty) {
    switch (difficulty) {
    case Difficulty::Easy:
        return "Easy";
    case Difficulty::Medium:
        return "Medium";
    case Difficulty::Hard:
        return "Hard";
    case Difficulty::Expert:
        return "Expert";
    case Difficulty::Unique:
        return "Unique";
    case Difficulty::Unsolvable:
        break;
    }
    return "No solution";
}

std::string SolutionsText(uint64_t solutions) {
    const Difficulty difficulty = DifficultyOf(solutions);
    if (difficulty == Difficulty::Unsolvable) return DifficultyName(difficulty);
    return Grouped(solutions) + (solutions == 1 ? " solution" : " solutions") + " \xB7 " +
           DifficultyName(difficulty);
}
