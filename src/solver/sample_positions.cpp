// Seeded random fields and laid figures for the analysis benchmark and its comparison test.
#include "solver/sample_positions.h"

#include <vector>

#include "model/placement.h"
#include "solver/analyse.h"
#include "solver/search.h"

void MakeRandomShape(GameState& gs, std::mt19937& rng, int w, int h) {
    gs.position.fieldWidth = w;
    gs.position.fieldHeight = h;
    gs.position.board.fill(kCellBlocked);
    std::vector<Point> open{{w / 2, h / 2}};
    At(gs.position.board, w / 2, h / 2) = 0;
    const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    while (open.size() < 60) {
        Point p = open[rng() % open.size()];
        int d = static_cast<int>(rng() % 4);
        Point q{p.x + dx[d], p.y + dy[d]};
        if (q.x < 0 || q.y < 0 || q.x >= w || q.y >= h || At(gs.position.board, q.x, q.y) == 0)
            continue;
        At(gs.position.board, q.x, q.y) = 0;
        open.push_back(q);
    }
}

void LayRandomFigures(GameState& gs, std::mt19937& rng, int count, int attempts) {
    for (int k = 0; k < count; ++k) {
        int f = static_cast<int>(rng() % kFigureCount) + 1;
        if (gs.position.inList[f] == 0) continue;
        const OrientationSet& set = Orientations().byFigure[f];
        for (int attempt = 0; attempt < attempts; ++attempt) {
            Figure fig{static_cast<int>(rng() % static_cast<unsigned>(gs.position.fieldWidth)) - 2,
                       static_cast<int>(rng() % static_cast<unsigned>(gs.position.fieldHeight)) - 2,
                       set.matrices[rng() % static_cast<unsigned>(set.count)]};
            ComposeSolverGrid(gs);
            if (!FitsAt(gs, fig.matrix, fig.x, fig.y)) continue;
            LayFigure(gs, fig);
            gs.position.inList[f] = 0;
            break;
        }
    }
}
