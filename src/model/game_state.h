// The game state in its named parts (settings, position, hand, editor) and the orientation
// tables, with the resets that start a game or the editor.
#pragma once

#include <string>
#include <vector>

#include "model/daily.h"
#include "model/difficulty.h"
#include "model/game_clock.h"
#include "model/hints.h"
#include "model/types.h"

// Which point of the figure in hand follows the mouse pointer (settings key CURSOR_MODE).
enum class CursorMode : int32_t {
    FirstSquareCorner = 0, // the top-left corner of the leftmost column's top square
    MiddleSquare = 1,      // the centre of the figure's middle square (its square 3)
    LastSquareCorner = 2,  // the bottom-right corner of the rightmost column's bottom square
};

enum class BackgroundType : int32_t { PatternImage = 0, SolidColour = 1 };

// How the puzzle editor makes a field (settings key CREATION_METHOD).
enum class CreationMethod : int32_t { ByFigures = 0, BySquares = 1 };

// What "Analyse by computer" lays after a successful search (settings key AI).
enum class AnalyseChoice : int32_t { Nothing = 0, OneFigure = 1, AllFigures = 2 };

enum class EditMode { Playing, Editing };

// The "By squares" editor's rectangle while a button is held.
enum class RectangleDrag { None, Filling, Clearing };

// The view options: copied whole by the Options dialog.
struct ViewOptions {
    uint32_t colorBack = 0x6E6E6E;
    uint32_t colorInk = 0xFFFFFF;
    int32_t squareSize = 48;
    bool autoSize = true;
    bool showContour = true;
    uint32_t colorContour = 0x000000;
    bool showLegalMove = false;
    bool showShadow = true;
    bool showInverse = false;
    CursorMode cursorMode = CursorMode::MiddleSquare;
    std::string skinName = "skin 03.bmp";
    bool useOneColor = false;
    int32_t squareIndex = 0;     // the skin tile of every figure when useOneColor is set
    int32_t opacityPercent = 75; // of the figure in hand
    std::string backgroundName = "wood 2.bmp";
    BackgroundType backgroundType = BackgroundType::PatternImage;
    bool operator==(const ViewOptions&) const = default;
};

struct SolvedPuzzle {
    std::string folder;
    std::string file;
    bool operator==(const SolvedPuzzle&) const = default;
};

// The best time of a solved puzzle, in whole seconds.
struct BestTime {
    std::string folder;
    std::string file;
    int32_t seconds = 0;
    bool operator==(const BestTime&) const = default;
};

// The five sound events, in the fixed order of the settings file.
enum SoundEvent {
    kSoundDrop,
    kSoundTake,
    kSoundRotate,
    kSoundLevelCompleted,
    kSoundError,
    kSoundEventCount
};

// Name of sound event index (0..4): "drop", "take", "rotate", "level is completed", "error";
// also the prefix of its settings keys. Empty outside 0..4.
std::string SoundEventName(int index);
// ".\Sound\" + the event's name + ".wav"; "ERROR" outside 0..4.
std::string DefaultSoundFile(int index);

struct SoundSetting {
    bool enabled = true;
    std::string name;
    std::string file;
    bool operator==(const SoundSetting&) const = default;
};

// What the settings file remembers between runs.
// The Random puzzle dialog's last choice: the difficulty, the largest size of the field (each
// side kGenerateLeastSide..kGenerateMostSide) and whether it must be symmetric.
struct RandomPuzzleChoice {
    Difficulty difficulty = Difficulty::Hard;
    int32_t width = 12;
    int32_t height = 10;
    bool symmetric = false;
    bool operator==(const RandomPuzzleChoice&) const = default;
};

struct Settings {
    ViewOptions view;
    uint32_t colorShadow = 0;
    std::string newPuzzleName;
    int32_t createWidth = 10;
    int32_t createHeight = 6;
    CreationMethod creationMethod = CreationMethod::ByFigures;
    std::string lastFile = "move a figure"; // the current puzzle's name
    std::string lastFolder = "Tutorial";    // and its group
    AnalyseChoice analyseMode = AnalyseChoice::OneFigure;
    std::vector<SolvedPuzzle> solved; // at most kMaxSolved records
    std::array<SoundSetting, kSoundEventCount> sounds{};
    bool statusBar = true;
    std::vector<BestTime> bestTimes; // at most kMaxBestTimes records, one per puzzle
    RandomPuzzleChoice randomPuzzle;
    DailyStreak daily; // the daily puzzles won on their own dates
    bool operator==(const Settings&) const = default;
};

// The open and blocked cells of the current puzzle's file (lastFolder, lastFile), taken when
// the puzzle becomes current. A win counts for that puzzle only when the field in play is this
// one; known is false when its file could not be read, and then no win is recorded.
struct CurrentPuzzleField {
    bool known = false;
    int32_t width = 0;
    int32_t height = 0;
    Grid cells{};           // 255 blocked, anything else open; only width x height used
    int64_t solutions = -1; // the count its file carries; -1 unknown
};

// The field in play, the figures on it and in the list, the move history and the win.
struct Position {
    int32_t fieldWidth = 10;
    int32_t fieldHeight = 6;
    // Where the field is centred in the window: added to the field frame's fixed corner.
    int32_t fieldOffsetX = 0;
    int32_t fieldOffsetY = 0;
    Grid board{}; // composed: 0 open, 1..12 a figure, 13 an editor square, 255 blocked
    Placement placed{};
    // Per figure 1..12: 1 while it is in the figure list, 0 once it lies on the field.
    std::array<int8_t, kFigureCount + 1> inList{};
    std::array<Placement, kHistorySteps> historyFigures{};
    std::array<Grid, kHistorySteps> historyFields{};
    int32_t historyCount = 1;    // positions in the history
    int32_t historyPosition = 0; // the current one, -1 none
    bool unsavedChanges = false; // a figure was dropped since the last reset or save
    bool gameWon = false;
    CurrentPuzzleField currentPuzzleField;
    // The analysis' copy of the board and whether its last search found a tiling.
    Grid solverGrid{};
    bool solutionFound = false;
};

// The keyboard's cursor: one cell of the field, which the arrow keys move and where Enter acts.
struct KeyCursor {
    Point cell;             // column and row; CursorCell keeps them within the field
    bool leads = false;     // a key placed it last: the figure in hand is drawn at it, not at the
                            // mouse pointer
    bool rectangle = false; // the "By squares" rectangle in progress was started with Shift
    bool pointerSeen = false;
    Point pointer; // the mouse pointer last seen, so that a mouse message without a movement
                   // leaves the cursor where the keys put it
};

// The figure in hand: the figure list's selection, how each figure is turned, the grab point.
struct Hand {
    // Per figure 1..12 the orientation in which the list shows it and the hand holds it.
    std::array<FigureMatrix, kFigureCount + 1> matrices{};
    int32_t selection = 0;                  // the figure list's selection, -1 none
    int32_t listEntries = kFigureCount + 1; // 13 in play, 1 in the "By squares" editor
    int32_t grabX = 0;                      // the pointer's offset in the held matrix
    int32_t grabY = 0;
    KeyCursor cursor;
};

// The puzzle editor: whether it is open, its "By squares" drawing and the rectangle in progress.
struct Editor {
    EditMode mode = EditMode::Playing;
    Grid field{};
    RectangleDrag rectDrag = RectangleDrag::None;
    int32_t rectStartX = 0;
    int32_t rectStartY = 0;
};

// The display the main window is drawn on. Every length of the layout and of the settings
// (the square size among them) is in units of a 96-DPI display and drawn at dpi / 96 of it, so
// that a settings file means the same on every display.
struct Display {
    int32_t dpi = 96;
};

// Everything the running game knows. Window, list and surface handles belong to the UI.
struct GameState {
    Settings settings;
    Display display;
    Position position;
    Hand hand;
    Editor editor;
    GameClock clock;
    Hints hints;
};

// The orientations of the twelve figures, built once from the shape tables and read-only after.
struct OrientationSet {
    std::array<FigureMatrix, 8> matrices{};
    int8_t count = 0;
};
struct OrientationTables {
    // The 63 distinct orientations in one fixed order: the order is part of the saved-game
    // format (its F index).
    std::array<FigureMatrix, kOrientationCount> catalogue{};
    std::array<FigureMatrix, kOrientationCount> numbered{};  // squares numbered 1..5
    std::array<FigureMatrix, kOrientationCount> aligned{};   // moved to the top-left corner
    std::array<OrientationSet, kFigureCount + 1> byFigure{}; // entry 0 unused
};
const OrientationTables& Orientations();

// The defaults of a new game state: settings and the start-up field of 10 x 6 after a new
// game reset. The game, zpz and the tests all start from it.
void InitGameState(GameState& gs);

// Board cleared, every figure back in the list in its base orientation, history emptied,
// play mode, no unsaved changes, game not won.
void NewGameReset(GameState& gs);

// Switches a reset game into the puzzle editor with createWidth x createHeight and
// creationMethod. The caller relayouts and repaints.
void StartEditor(GameState& gs);

// True when the "By squares" editor is open.
bool IsSquaresEditor(const GameState& gs);

// The figure in hand: the figure list's selection when it is 1..12 and that figure is still in
// the list; 0 otherwise.
int HeldFigure(const GameState& gs);
// The same for a given selection of the figure list.
int HeldFigure(const GameState& gs, int selection);

// Takes width x height cells (255 blocked) as the field of the current puzzle, with the number of
// solutions its file carries (-1 none).
void SetCurrentPuzzleField(GameState& gs, int32_t width, int32_t height, const Grid& cells,
                           int64_t solutions = -1);

// True when the field in play has the size and the blocked cells of the current puzzle's file.
bool PlaysCurrentPuzzle(const GameState& gs);
// The same for a given field.
bool IsCurrentPuzzleField(const GameState& gs, int32_t width, int32_t height, const Grid& cells);

// The ranges of the settings, each stated once and applied wherever a value comes from
// outside the program (the settings file, a dialog).
constexpr int32_t kMinSquareSize = 24;
constexpr int32_t kMaxSquareSize = 64;
constexpr int32_t kSquareSizeStep = 8;
constexpr int32_t kMinOpacity = 50;
constexpr int32_t kMaxOpacity = 100;
int32_t LimitSquareSize(int32_t size);
int32_t LimitOpacity(int32_t percent);
int32_t LimitEditorSide(int32_t side);
// Brings every view option into the range the drawing relies on: square size 24..64,
// opacity 50..100, square index 0..11, colours without the top byte.
void LimitViewOptions(ViewOptions& options);
// The view options and the rest of the settings: the shadow colour without its top byte,
// editor size 3..24 each way, the daily streak as LimitDailyStreak leaves it.
void LimitSettings(Settings& settings);
