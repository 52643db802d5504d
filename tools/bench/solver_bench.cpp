// Times the analysis search on the open rectangles of 60 cells and prints one line each.
#include <chrono>
#include <cstdio>

#include "model/game_state.h"
#include "model/shapes.h"
#include "solver/analyse.h"

int main() {
    const int sizes[][2] = {{10, 6}, {12, 5}, {15, 4}, {20, 3}, {6, 10}, {5, 12}};
    for (const auto& size : sizes) {
        GameState gs;
        InitGameState(gs);
        gs.fieldWidth = size[0];
        gs.fieldHeight = size[1];
        auto start = std::chrono::steady_clock::now();
        bool solved = AnalysePosition(gs);
        auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("%dx%d %s time_ms=%.1f\n", size[0], size[1], solved ? "solved" : "no variant",
                    ms.count());
        for (int r = 0; r < gs.fieldHeight && solved; ++r) {
            for (int c = 0; c < gs.fieldWidth; ++c) std::putchar(FigureLetter(At(gs.solverGrid, c, r)));
            std::putchar('\n');
        }
    }
    return 0;
}
