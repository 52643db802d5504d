// The puzzle file format (".zpz"): puzzles and saved games, their text, their reader and the
// record the reader fills.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/game_state.h"

// What the reader fills. cells: 0 open, 255 blocked, only the top-left height x width part
// used, the rest 0. figures: filled slots first; an empty slot is all zero.
struct PuzzleImage {
    int32_t width = 0;
    int32_t height = 0;
    Grid cells{};
    Placement figures{};
    int64_t solutions = -1; // [INFO] SOLUTIONS: the puzzle's number of solutions; -1 unknown
    int32_t seconds = 0;    // a saved game's [SAVE] TIME: the time played so far
    int32_t hints = 0;      // and its HINTS: the hints used so far
    bool operator==(const PuzzleImage&) const = default;
};

using OrientationCatalogue = std::array<FigureMatrix, kOrientationCount>;

// One figure as a saved game lists it: the catalogue index of its orientation (F) and where
// its matrix's top-left cell lies (X, Y).
struct FigureEntry {
    int x = 0;
    int y = 0;
    int f = -1;
};
// Lays the entries in order into `figures` (filled slots first) when each lies inside the
// width x height field on open cells, none on another and no figure twice; otherwise false,
// with the fault in `reason` when given.
bool LayFigureEntries(const std::vector<FigureEntry>& entries,
                      const OrientationCatalogue& catalogue, int width, int height,
                      const Grid& cells, Placement& figures, std::string* reason = nullptr);

// "[GAME]", DX, DY, "[DATA]" and one ROW line per row, CR LF line ends. Every cell value other
// than 255 is written as open ("1").
std::string WritePuzzleText(int width, int height, const Grid& cells);
// The section that follows a puzzle's text when its number of solutions is known:
// "[INFO]" and SOLUTIONS after a blank line, then SEED for a generated puzzle (the seed that
// makes it again). Readers that do not know it pass over it.
std::string WritePuzzleInfo(uint64_t solutions, std::optional<uint64_t> seed = std::nullopt);

// The puzzle text of the current board followed by "[SAVE]", the clock's counted time as TIME
// (whole seconds; the Save dialog has paused the clock), the hints used as HINTS when there
// were any, and one X/Y/F group per figure of the
// most recently recorded history position (not the current one after an Undo). With fewer
// than two history positions nothing was recorded, and no figure group is written.
std::string WriteSavedGameText(const GameState& gs);
// The same with the given time and figures.
std::string WriteSavedGameText(const GameState& gs, int64_t seconds, const Placement& figures);

// Reads a puzzle (withFigures false) or a saved game (withFigures true) from the file's text
// into image, which is cleared first. A missing, negative or unreadable SOLUTIONS leaves the
// count unknown; a missing or negative TIME or HINTS reads as 0. F values index the catalogue
// (Orientations().catalogue). Returns false when the text is not a valid file; reason, when given,
// then names the fault
// ("DX out of range", "ROW_3 has 9 cells, expected 10", "figure 5 listed twice"...). The image
// is only to be used after a true result.
bool ReadPuzzleText(const std::string& text, bool withFigures,
                    const OrientationCatalogue& catalogue, PuzzleImage& image,
                    std::string* reason = nullptr);

// The same for a file; an unreadable file is invalid ("cannot read file").
bool ReadPuzzleFile(const std::string& path, bool withFigures,
                    const OrientationCatalogue& catalogue, PuzzleImage& image,
                    std::string* reason = nullptr);

// The model side of starting a game on a read field: new game reset, field size, cells, the
// hints used. The figure slots are not used. The caller relayouts and repaints.
void ApplyPuzzleImage(GameState& gs, const PuzzleImage& image);

// The picture of an image as play composes it: its open and blocked cells with its figures
// written in (the previews of the New game and Load dialogs).
Grid ComposePreview(const PuzzleImage& image);

// Reads the field of the current puzzle (lastFolder, lastFile) from its file, for the win to
// know whether it is that puzzle that is played; unknown when the file is not a valid puzzle.
void ReadCurrentPuzzleField(GameState& gs);
