// Small helpers shared by the unit tests: ready game states, grids and fields drawn as text, the
// figures of a tiling, settings read from text, files.
#pragma once

#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "files/settings_file.h"
#include "model/game_state.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "solver/search.h"
#include "solver/tiling_count.h"

inline GameState ReadyState(int width = 10, int height = 6) {
    GameState gs;
    InitGameState(gs);
    gs.position.fieldWidth = width;
    gs.position.fieldHeight = height;
    return gs;
}

inline GameState SquaresEditor(int width = 10, int height = 6) {
    GameState gs = ReadyState();
    gs.settings.createWidth = width;
    gs.settings.createHeight = height;
    gs.settings.creationMethod = CreationMethod::BySquares;
    StartEditor(gs);
    return gs;
}

// Lays matrix m with its top-left cell at (x, y) and takes its figure out of the list.
inline void Lay(GameState& gs, const FigureMatrix& m, int x, int y) {
    LayFigure(gs, Figure{x, y, m});
    gs.position.inList[FigureOf(m)] = 0;
}
inline void Lay(GameState& gs, const Figure& f) {
    Lay(gs, f.matrix, f.x, f.y);
}

inline int FiguresInList(const GameState& gs) {
    return std::accumulate(gs.position.inList.begin(), gs.position.inList.end(), 0);
}

// Grids drawn as rows: '.' open, '#' blocked, 'o' an editor square, a letter a figure's square.
using Rows = std::vector<std::string>;

inline Grid GridFromRows(const Rows& rows) {
    Grid g{};
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x) {
            const char c = rows[y][x];
            At(g, x, y) = c == '#' ? kCellBlocked : c == 'o' ? kCellSquare : kCellOpen;
            for (int f = 1; f <= kFigureCount; ++f)
                if (c == FigureLetter(f)) At(g, x, y) = uint8_t(f);
        }
    return g;
}

// The field the rows draw, as wide as the first row.
inline TilingField Drawn(const Rows& rows) {
    return {int(rows[0].size()), int(rows.size()), GridFromRows(rows)};
}

inline Rows RowsOf(const Grid& g, int width, int height) {
    Rows rows(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t v = At(g, x, y);
            rows[y] += v == kCellBlocked  ? '#'
                       : v == kCellSquare ? 'o'
                       : v == kCellOpen   ? '.'
                                          : FigureLetter(v);
        }
    return rows;
}

inline std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

inline std::string DataPath(const std::string& name) {
    return std::string(ZENDRAK_TEST_DATA) + "/" + name;
}

// Figure f where the tiling drawn in data file `tiling` (by default the open 10 x 6's) lays it.
inline Figure TilingFigure(int f, const std::string& tiling = "solver/10x6.txt") {
    Figure figure;
    EXPECT_TRUE(ExtractPlacement(f, GridFromRows(ReadLines(DataPath(tiling))), figure)) << f;
    return figure;
}

// The settings a settings file of this text gives.
inline Settings ReadSettings(const std::string& text) {
    Settings s;
    Rect window;
    ReadSettingsText(text, s, window);
    return s;
}

// A file name of this process's own: other tests may run at the same time.
inline std::string TempPath(const std::string& name) {
    const std::string own = "zendrak_" + std::to_string(getpid()) + "_" + name;
    return (std::filesystem::temp_directory_path() / own).string();
}
