// Times the analysis search against the straightforward reference on the open rectangles.
#include <chrono>
#include <cstdio>

#include "model/game_state.h"
#include "model/shapes.h"
#include "solver/analyse.h"
#include "solver/reference_search.h"
#include "solver/search.h"

namespace {

double TimeMs(GameState& gs, void (*search)(GameState&, int)) {
    ComposeSolverGrid(gs);
    auto start = std::chrono::steady_clock::now();
    search(gs, 1);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    const int sizes[][2] = {{10, 6}, {12, 5}, {15, 4}, {20, 3}, {6, 10}, {5, 12}, {4, 15}, {3, 20}};
    for (const auto& size : sizes) {
        static GameState gs;
        InitGameState(gs);
        gs.fieldWidth = size[0];
        gs.fieldHeight = size[1];
        double fast = TimeMs(gs, Search);
        Grid found = gs.solverGrid;
        double reference = TimeMs(gs, ReferenceSearch);
        std::printf("%2dx%-2d fast %8.2f ms  reference %8.1f ms  %s\n", size[0], size[1], fast, reference,
                    found == gs.solverGrid ? "same" : "DIFFERENT");
    }
    return 0;
}
