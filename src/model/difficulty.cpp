// How hard a puzzle is, from its number of solutions, and how the game words it.
#include "model/difficulty.h"

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

SolutionBand BandOf(Difficulty difficulty) {
    switch (difficulty) {
    case Difficulty::Easy:
        return {1000, 0};
    case Difficulty::Medium:
        return {100, 999};
    case Difficulty::Hard:
        return {10, 99};
    case Difficulty::Expert:
        return {2, 9};
    case Difficulty::Unique:
        return {1, 1};
    case Difficulty::Unsolvable:
        break;
    }
    return {0, 0};
}

Difficulty DifficultyOf(uint64_t solutions) {
    for (Difficulty d : kDifficulties) {
        const SolutionBand band = BandOf(d);
        if (solutions >= band.least && (band.most == 0 || solutions <= band.most)) return d;
    }
    return Difficulty::Unsolvable;
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
