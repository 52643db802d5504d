// Small helpers shared by the unit tests: ready game states and grids drawn as text.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/game_state.h"

inline GameState ReadyState(int width = 10, int height = 6) {
    GameState gs;
    InitGameState(gs);
    gs.position.fieldWidth = width;
    gs.position.fieldHeight = height;
    return gs;
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

inline std::string DataPath(const std::string& name) { return std::string(ZENDRAK_TEST_DATA) + "/" + name; }
