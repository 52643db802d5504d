// Small helpers shared by the unit tests: ready game states and grids drawn as text.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "model/game_state.h"
#include "model/placement.h"
#include "model/shapes.h"

inline GameState ReadyState(int width = 10, int height = 6) {
    GameState gs;
    InitGameState(gs);
    gs.position.fieldWidth = width;
    gs.position.fieldHeight = height;
    return gs;
}

// A reset game in the "By squares" editor on a width x height field.
inline GameState SquaresEditor(int width = 10, int height = 6) {
    GameState gs = ReadyState();
    gs.settings.createWidth = width;
    gs.settings.createHeight = height;
    gs.settings.creationMethod = CreationMethod::BySquares;
    StartEditor(gs);
    return gs;
}

// Lays matrix m with its top-left cell at (x, y), as a drop does, and takes its figure out of
// the list.
inline void Lay(GameState& gs, const FigureMatrix& m, int x, int y) {
    LayFigure(gs, Figure{x, y, m});
    gs.position.inList[FigureOf(m)] = 0;
}

// A matrix from five rows written as "..#../..." ('#' = the given value).
inline FigureMatrix MatrixFromText(const std::string& text, uint8_t value) {
    FigureMatrix m{};
    int i = 0;
    for (char c : text) {
        if (c == '/') continue;
        if (c == '#') m[i] = value;
        ++i;
    }
    return m;
}

// Grids drawn as rows: '.' open, '#' blocked, 'o' an editor square, a letter a figure's square.
using Rows = std::vector<std::string>;

inline char CellChar(uint8_t v) {
    return v == kCellBlocked  ? '#'
           : v == kCellSquare ? 'o'
           : v == kCellOpen   ? '.'
                              : FigureLetter(v);
}

inline uint8_t CellOf(char c) {
    for (int f = 1; f <= kFigureCount; ++f)
        if (c == FigureLetter(f)) return uint8_t(f);
    return c == '#' ? kCellBlocked : c == 'o' ? kCellSquare : kCellOpen;
}

inline Grid GridFromRows(const Rows& rows) {
    Grid g{};
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < int(rows[y].size()); ++x)
            At(g, x, y) = CellOf(rows[y][x]);
    return g;
}

inline Rows RowsOf(const Grid& g, int width, int height) {
    Rows rows(height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rows[y] += CellChar(At(g, x, y));
    return rows;
}

inline std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

inline bool WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << text);
}

inline std::string DataPath(const std::string& name) {
    return std::string(ZENDRAK_TEST_DATA) + "/" + name;
}
