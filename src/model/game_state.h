// The one GameState of the running game and the resets that start a game or the editor.
#pragma once

#include <string>
#include <vector>

#include "model/types.h"

// The view options: the leading part of GameState, copied whole by the Options dialog.
struct ViewOptions {
    uint32_t colorBack = 0x6E6E6E;
    uint32_t colorInk = 0xFFFFFF;
    int32_t squareSize = 48;
    int32_t autoSize = 1;
    int32_t showContour = 1;
    uint32_t colorContour = 0x000000;
    int32_t showLegalMove = 0;
    int32_t showShadow = 1;
    int32_t showInverse = 0;
    int32_t cursorMode = 1;
    std::string skinName = "skin 03.bmp";
    int32_t useOneColor = 0;
    int32_t squareIndex = 0;
    int32_t opaque = 75;
    std::string backgroundName = "wood 2.bmp";
    int32_t backgroundType = 0; // 0 pattern image, 1 solid colour
    bool operator==(const ViewOptions&) const = default;
};

// The defaults of the view options (also what "Set default" restores).
void ResetViewOptions(ViewOptions& options);

struct SolvedPuzzle {
    std::string folder;
    std::string file;
    bool operator==(const SolvedPuzzle&) const = default;
};

// The five sound events, in the fixed order of the settings file.
enum SoundEvent { kSoundDrop, kSoundTake, kSoundRotate, kSoundLevelCompleted, kSoundError, kSoundEventCount };

// Name of sound event index (0..4): "drop", "take", "rotate", "level is completed", "error";
// also the prefix of its settings keys. Empty outside 0..4.
std::string SoundEventName(int index);
// ".\Sound\" + the event's name + ".wav"; "ERROR" outside 0..4.
std::string DefaultSoundFile(int index);

struct SoundSetting {
    int32_t enabled = 1;
    std::string name;
    std::string file;
    bool operator==(const SoundSetting&) const = default;
};

struct OrientationSet {
    std::array<FigureMatrix, 8> matrices{};
    int8_t count = 0;
};

// The open and blocked cells of the current puzzle's file (lastFolder, lastFile), taken when
// the puzzle becomes current. A win counts for that puzzle only when the field in play is this
// one; known is false when its file could not be read, and then no win is recorded.
struct CurrentPuzzleField {
    bool known = false;
    int32_t width = 0;
    int32_t height = 0;
    Grid cells{}; // 255 blocked, anything else open; only width x height used
};

// Everything the running game knows. Window, list and surface handles belong to the UI; the
// figure list's selection and the history list's count and position are kept here as plain
// values that the UI mirrors into its list boxes.
struct GameState : ViewOptions {
    std::string newPuzzleName;
    int32_t createWidth = 10;
    int32_t createHeight = 6;
    int32_t creationMethod = 0; // 0 "By figures", 1 "By squares"
    std::string lastFile = "move a figure";
    std::string lastFolder = "Tutorial";
    int32_t analyseMode = 1;
    CurrentPuzzleField currentPuzzleField;

    std::string appTitle = "Zendrak";
    std::string appVersion;
    std::string creditLine;
    std::string legalLine;

    std::array<FigureMatrix, kFigureCount + 1> handMatrices{};
    std::array<int8_t, kFigureCount + 1> figureCount{};
    int32_t editMode = 0;
    int32_t moveMade = 0;
    uint32_t colorShadow = 0;

    std::array<FigureMatrix, kOrientationCount> orientationCatalogue{};
    std::array<FigureMatrix, kOrientationCount> numberedCatalogue{};
    std::array<FigureMatrix, kOrientationCount> alignedCatalogue{};
    std::array<OrientationSet, kFigureCount + 1> orientationTable{}; // entry 0 unused

    Grid board{};
    Grid solverGrid{};
    int32_t fieldWidth = 10;
    int32_t fieldHeight = 6;
    int32_t fieldOffsetX = 0;
    int32_t fieldOffsetY = 0;
    int32_t rectDrag = 0; // 0 none, 1 filling, 2 clearing
    int32_t rectStartX = 0;
    int32_t rectStartY = 0;
    Grid editorField{};

    Placement placed{};
    std::array<Placement, kHistorySteps> historyFigures{};
    std::array<Grid, kHistorySteps> historyFields{};

    int32_t gameWon = 0;
    int32_t grabX = 0;
    int32_t grabY = 0;
    int32_t solutionFound = 0;

    std::vector<SolvedPuzzle> solved; // at most kMaxSolved records
    int32_t solvedCount = 0;          // always solved.size()
    std::array<SoundSetting, kSoundEventCount> sounds{};

    // Mirrors of the two list boxes. figureListCount is 13 in play and 1 in the
    // "By squares" editor; handSelection is the figure list's selection (-1 none).
    int32_t figureListCount = kFigureCount + 1;
    int32_t handSelection = 0;
    // historyCount is the number of positions, historyPosition the current one (-1 none).
    int32_t historyCount = 1;
    int32_t historyPosition = 0;
};

// Builds the orientation tables, sets the default field and runs the new game reset: the
// state the game has right after its window was created (settings aside).
void InitGameState(GameState& gs);

// Board cleared, every figure back in the list in its base orientation, history emptied,
// play mode, no move made, game not won.
void NewGameReset(GameState& gs);

// Switches a reset game into the puzzle editor with createWidth x createHeight and
// creationMethod. The caller relayouts and repaints.
void StartEditor(GameState& gs);

// Takes width x height cells (255 blocked) as the field of the current puzzle.
void SetCurrentPuzzleField(GameState& gs, int32_t width, int32_t height, const Grid& cells);

// True when the field in play has the size and the blocked cells of the current puzzle's file.
bool PlaysCurrentPuzzle(const GameState& gs);

// True when the "By squares" editor is open.
bool IsSquaresEditor(const GameState& gs);

// The figure in hand: the figure list's selection when it is 1..12 and that figure is still in
// the list; 0 otherwise.
int HeldFigure(const GameState& gs);

// Brings every view option into the range the drawing relies on (a hand-edited settings file
// may hold anything): square size 24..64, opacity 50..100, square index 0..11, cursor mode
// 0..2, background type 0 or 1, colours without the top byte, switches 0 or 1.
void LimitViewOptions(ViewOptions& options);
// The view options and the rest of what the settings file remembers: the shadow colour
// without its top byte, analysis mode 0..2 (any other value 2, "All figures"), creation method 0 or 1,
// editor size 3..24 each way, sound switches 0 or 1.
void LimitRememberedSettings(GameState& gs);
