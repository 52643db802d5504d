// Hints: the presses on one position, the hint kept until the next move, and what is said.
#include "model/hints.h"

#include <algorithm>

#include "model/shapes.h"

void ForgetHint(Hints& hints) {
    ++hints.move;
    hints.presses = 0;
    hints.hint.reset();
}

HintPress PressHint(Hints& hints) {
    const bool first = hints.presses == 0;
    hints.presses = std::min(hints.presses + 1, 2);
    if (hints.hint) return HintPress::Show;
    return first ? HintPress::Ask : HintPress::Wait;
}

bool TakeHint(Hints& hints, uint32_t move, const PositionHint& hint) {
    if (move != hints.move || hints.presses == 0 || hints.hint) return false;
    hints.hint = hint;
    ++hints.used;
    return true;
}

std::optional<std::string> ShownHintText(const Hints& hints) {
    if (!hints.hint || hints.presses == 0) return std::nullopt;
    return HintText(*hints.hint, hints.presses);
}

std::string HintText(const PositionHint& hint, int press) {
    switch (hint.kind) {
    case HintKind::NoSolution:
        return "This field has no solution.";
    case HintKind::Live:
        if (press <= 1) return "This square is the hardest to cover.";
        return std::string("The ") + FigureLetter(FigureOf(hint.ghost.matrix)) + " fits here.";
    case HintKind::Dead:
        break;
    }
    std::string names;
    for (size_t i = 0; i < hint.culprits.size(); ++i) {
        if (i > 0) names += i + 1 == hint.culprits.size() ? " and " : ", ";
        names += std::string("the ") + FigureLetter(hint.culprits[i]);
    }
    return "The field cannot be finished with " + names +
           (hint.culprits.size() == 1 ? " where it lies." : " where they lie.");
}

std::string HintsUsedText(int32_t used) {
    return "with " + std::to_string(used) + (used == 1 ? " hint" : " hints");
}
