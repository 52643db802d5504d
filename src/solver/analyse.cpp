// The model steps of "Analyse by computer": compose, search, and lay the found figures.
#include "solver/analyse.h"

#include "model/placement.h"
#include "solver/search.h"

void ComposeSolverGrid(GameState& gs) {
    gs.position.solverGrid = gs.position.board;
    for (uint8_t& cell : gs.position.solverGrid)
        if (cell != kCellBlocked) cell = kCellOpen;
    for (const Figure& f : gs.position.placed)
        Stamp(gs.position.solverGrid, f.matrix, f.x, f.y);
}

int FiguresLeft(const GameState& gs) {
    int left = 0;
    for (int f = 1; f <= kFigureCount; ++f)
        left += gs.position.inList[f];
    return left;
}

bool AnalysePosition(GameState& gs) {
    ComposeSolverGrid(gs);
    Search(gs, 1);
    if (gs.position.solutionFound == 0) ComposeSolverGrid(gs);
    return gs.position.solutionFound != 0;
}

namespace {

bool LayFromSolution(GameState& gs, int k) {
    Figure f;
    if (!ExtractPlacement(k, gs.position.solverGrid, f)) return false;
    gs.hand.matrices[k] = f.matrix;
    gs.position.inList[k] = static_cast<int8_t>(gs.position.inList[k] - 1);
    LayFigure(gs, f);
    return true;
}

bool OnBoard(const GameState& gs, int k) {
    return gs.position.inList[k] == 0;
}

} // namespace

int LayAllFigures(GameState& gs) {
    int laid = 0;
    for (int k = 1; k <= kFigureCount; ++k)
        if (gs.position.inList[k] != 0 && LayFromSolution(gs, k)) ++laid;
    return laid;
}

int LayOneFigure(GameState& gs, const std::function<int()>& random) {
    int k = 0;
    for (int draw = 0; draw < 1000; ++draw) {
        int r = random() % kFigureCount;
        if (r < 0) r += kFigureCount;
        k = r + 1;
        if (!OnBoard(gs, k)) break;
    }
    // After 1000 misses the last draw stands on the board: take the first missing figure.
    if (k == 0 || OnBoard(gs, k)) {
        k = 0;
        for (int f = 1; f <= kFigureCount && k == 0; ++f)
            if (!OnBoard(gs, f)) k = f;
    }
    return k != 0 && LayFromSolution(gs, k) ? k : 0;
}

AnalyseOpening OpenAnalyse(const GameState& gs) {
    return {FiguresLeft(gs) == 0, gs.settings.analyseMode};
}

AnalyseOutcome StartAnalyse(GameState& gs, AnalyseChoice choice,
                            const std::function<int()>& random) {
    gs.settings.analyseMode = choice;
    if (!AnalysePosition(gs)) return {false, InformationMessage("There is no variant.")};
    switch (choice) {
    case AnalyseChoice::AllFigures:
        LayAllFigures(gs);
        ++gs.hints.used;
        return {true, std::nullopt};
    case AnalyseChoice::OneFigure:
        LayOneFigure(gs, random);
        ++gs.hints.used;
        return {true, std::nullopt};
    case AnalyseChoice::Nothing:
        break;
    }
    return {false, InformationMessage("Analyse is completed.")};
}
