// The puzzle file format (".zpz"): puzzles and saved games, their text, their reader and the
// record the reader fills.
#include "files/puzzle_file.h"
#include "model/placement.h"

#include <algorithm>
#include <utility>

#include "files/ini.h"
#include "files/puzzle_paths.h"
#include "files/whole_file.h"
#include "model/geometry.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
// The X value that ends the figure list; also the default of a missing X or Y key, which puts
// a figure outside every field.
constexpr int kEndOfFigures = 25;

bool Fail(std::string* reason, std::string text) {
    if (reason != nullptr) *reason = std::move(text);
    return false;
}

bool ValidSide(int side) {
    return side >= 1 && side <= kMaxFieldSide;
}

bool ReadRows(const IniReader& ini, PuzzleImage& image, std::string* reason) {
    for (int n = 1; n <= image.height; ++n) {
        std::string key = "ROW_" + std::to_string(n);
        std::string row = ini.GetString("DATA", key, "", kRowBufferSize);
        if (row.size() != static_cast<std::size_t>(image.width)) {
            return Fail(reason, key + " has " + std::to_string(row.size()) + " cells, expected " +
                                    std::to_string(image.width));
        }
        for (int c = 0; c < image.width; ++c) {
            char ch = row[static_cast<std::size_t>(c)];
            if (ch != '0' && ch != '1')
                return Fail(reason, key + " has a character other than 0 and 1");
            At(image.cells, c, n - 1) = ch == '0' ? kCellBlocked : kCellOpen;
        }
    }
    return true;
}

// The figures of the [SAVE] list, up to the first missing X.
std::vector<FigureEntry> ReadFigureEntries(const IniReader& ini) {
    std::vector<FigureEntry> entries;
    for (int i = 0; i < kFigureCount; ++i) {
        std::string index = std::to_string(i);
        int x = ini.GetInt("SAVE", "X" + index, kEndOfFigures);
        if (x == kEndOfFigures) break;
        entries.push_back({x, ini.GetInt("SAVE", "Y" + index, kEndOfFigures),
                           ini.GetInt("SAVE", "F" + index, -1)});
    }
    return entries;
}

// Only a plain number is a count: anything else leaves it unknown, to be counted anew.
int64_t ReadSolutions(const IniReader& ini) {
    const std::string value = ini.GetString("INFO", "SOLUTIONS", "", 20);
    if (value.empty() || value.size() > 12) return -1;
    for (char c : value)
        if (c < '0' || c > '9') return -1;
    return std::stoll(value);
}

} // namespace

// Lays the figures on a working copy of the cells to check that each lies inside the field on
// open cells, none on another, and none twice.
bool LayFigureEntries(const std::vector<FigureEntry>& entries,
                      const OrientationCatalogue& catalogue, int width, int height,
                      const Grid& cells, Placement& figures, std::string* reason) {
    Grid work = cells;
    std::array<int, kFigureCount + 1> counts{};
    figures = Placement{};
    if (entries.size() > figures.size()) return Fail(reason, "more than twelve figures");
    for (size_t i = 0; i < entries.size(); ++i) {
        const FigureEntry& entry = entries[i];
        const std::string index = std::to_string(i);
        if (entry.f < 0 || entry.f >= kOrientationCount)
            return Fail(reason, "F" + index + " out of range");
        const FigureMatrix& m = catalogue[static_cast<std::size_t>(entry.f)];
        const int k = FigureOf(m);
        if (k < 1 || k > kFigureCount) return Fail(reason, "F" + index + " is not a figure");
        const std::string figure = "figure " + std::to_string(k);
        for (int row = 0; row < kMatrixSide; ++row) {
            for (int col = 0; col < kMatrixSide; ++col) {
                if (At(m, col, row) == 0) continue;
                // 64-bit so that any x and y from a hand-edited file are safe to add to.
                const int64_t cx = int64_t{entry.x} + col;
                const int64_t cy = int64_t{entry.y} + row;
                if (cx < 0 || cx >= width || cy < 0 || cy >= height)
                    return Fail(reason, figure + " lies outside the field");
                uint8_t& cell = At(work, static_cast<int>(cx), static_cast<int>(cy));
                if (cell == kCellBlocked) return Fail(reason, figure + " covers a blocked cell");
                if (cell != kCellOpen) return Fail(reason, figure + " covers another figure");
                cell = static_cast<uint8_t>(k);
            }
        }
        figures[i] = Figure{entry.x, entry.y, m};
        ++counts[static_cast<std::size_t>(k)];
    }
    for (int k = 1; k <= kFigureCount; ++k)
        if (counts[static_cast<std::size_t>(k)] > 1)
            return Fail(reason, "figure " + std::to_string(k) + " listed twice");
    return true;
}

std::string WritePuzzleText(int width, int height, const Grid& cells) {
    std::string text = "[GAME]";
    text += kLineEnd;
    text += "DX = " + std::to_string(width) + kLineEnd;
    text += "DY = " + std::to_string(height) + kLineEnd;
    text += kLineEnd;
    text += "[DATA]";
    text += kLineEnd;
    // The loops stay inside the 25 x 25 grid whatever size a caller passes.
    int rows = std::clamp(height, 0, kGridSide);
    int columns = std::clamp(width, 0, kGridSide);
    for (int r = 0; r < rows; ++r) {
        text += "ROW_" + std::to_string(r + 1) + " = ";
        for (int c = 0; c < columns; ++c)
            text += At(cells, c, r) == kCellBlocked ? '0' : '1';
        text += kLineEnd;
    }
    return text;
}

std::string WritePuzzleInfo(uint64_t solutions, std::optional<uint64_t> seed) {
    std::string text = std::string(kLineEnd) + "[INFO]" + kLineEnd +
                       "SOLUTIONS = " + std::to_string(solutions) + kLineEnd;
    if (seed) text += "SEED = " + std::to_string(*seed) + kLineEnd;
    return text;
}

std::string WriteSavedGameText(const GameState& gs) {
    const Placement none{};
    // Position N - 1 is the last one recorded; its snapshot is slot N - 2.
    const int snapshot = std::min(gs.position.historyCount - 2, kHistorySteps - 1);
    return WriteSavedGameText(
        gs, gs.clock.countedMs / 1000,
        snapshot < 0 ? none : gs.position.historyFigures[static_cast<size_t>(snapshot)]);
}

std::string WriteSavedGameText(const GameState& gs, int64_t seconds, const Placement& figures) {
    std::string text =
        WritePuzzleText(gs.position.fieldWidth, gs.position.fieldHeight, gs.position.board);
    text += kLineEnd;
    text += "[SAVE]";
    text += kLineEnd;
    text += "TIME = " + std::to_string(seconds) + kLineEnd;
    if (gs.hints.used > 0) text += "HINTS = " + std::to_string(gs.hints.used) + kLineEnd;
    for (int i = 0; i < kFigureCount; ++i) {
        const Figure& figure = figures[static_cast<std::size_t>(i)];
        if (IsEmptyMatrix(figure.matrix)) break;
        std::string index = std::to_string(i);
        text += "X" + index + " = " + std::to_string(figure.x) + kLineEnd;
        text += "Y" + index + " = " + std::to_string(figure.y) + kLineEnd;
        text += "F" + index + " = " + std::to_string(CatalogueIndex(figure.matrix)) + kLineEnd;
        text += kLineEnd;
    }
    return text;
}

bool ReadPuzzleText(const std::string& text, bool withFigures,
                    const OrientationCatalogue& catalogue, PuzzleImage& image,
                    std::string* reason) {
    image = PuzzleImage{};
    IniReader ini(text);
    image.width = ini.GetInt("GAME", "DX", -1);
    image.height = ini.GetInt("GAME", "DY", -1);
    if (!ValidSide(image.width)) return Fail(reason, "DX out of range");
    if (!ValidSide(image.height)) return Fail(reason, "DY out of range");
    if (!ReadRows(ini, image, reason)) return false;
    image.solutions = ReadSolutions(ini);
    // A puzzle read for play ignores any [SAVE] section.
    if (!withFigures) return true;
    image.seconds = std::max(0, ini.GetInt("SAVE", "TIME", 0));
    image.hints = std::max(0, ini.GetInt("SAVE", "HINTS", 0));
    return LayFigureEntries(ReadFigureEntries(ini), catalogue, image.width, image.height,
                            image.cells, image.figures, reason);
}

bool ReadPuzzleFile(const std::string& path, bool withFigures,
                    const OrientationCatalogue& catalogue, PuzzleImage& image,
                    std::string* reason) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        image = PuzzleImage{};
        return Fail(reason, "cannot read file");
    }
    return ReadPuzzleText(text, withFigures, catalogue, image, reason);
}

void ApplyPuzzleImage(GameState& gs, const PuzzleImage& image) {
    NewGameReset(gs);
    gs.position.fieldWidth = image.width;
    gs.position.fieldHeight = image.height;
    gs.position.board = image.cells;
    gs.hints.used = image.hints;
}

Grid ComposePreview(const PuzzleImage& image) {
    Grid grid = image.cells;
    for (const Figure& f : image.figures)
        Stamp(grid, f.matrix, f.x, f.y);
    return grid;
}

void ReadCurrentPuzzleField(GameState& gs) {
    PuzzleImage image;
    if (ReadPuzzleFile(MakeLibraryPuzzlePath(gs.settings.lastFolder, gs.settings.lastFile), false,
                       Orientations().catalogue, image))
        SetCurrentPuzzleField(gs, image.width, image.height, image.cells, image.solutions);
    else
        gs.position.currentPuzzleField = CurrentPuzzleField{};
}
