// The New game, Load and Save dialogs: what they open with, what their buttons do to the game
// and what the player is told. The file system calls stay in the UI, which passes their
// results in.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/puzzle_file.h"
#include "files/saving.h"
#include "model/message.h"

// Reads a puzzle (withFigures false) or a saved game (true) chosen in a dialog; nothing when
// no file is chosen (an empty path) or the file is not valid.
std::optional<PuzzleImage> ReadChosenFile(const std::string& path, bool withFigures);

// The preview of the New game and Load dialogs: the chosen file at 8 pixels a square,
// centred, or a text in its place.
struct PreviewTexts {
    const char* nothingChosen;
    const char* invalid;
};
inline constexpr PreviewTexts kPuzzlePreviewTexts{"Puzzle is not selected.",
                                                  "The puzzle is invalid."};
inline constexpr PreviewTexts kGamePreviewTexts{"Game is not selected.", "The game is invalid."};
constexpr int kPreviewSquareSize = 8;

struct PreviewPicture {
    std::string text; // shown centred instead of a picture when not empty
    Grid cells{};     // the file's cells with its figures written in (ComposePreview)
    int columns = 0;
    int rows = 0;
    int left = 0; // where cell (0, 0) lands in the control
    int top = 0;
    int square = kPreviewSquareSize; // a cell's side in pixels
};
// The picture, of `square`-pixel cells (8 at 96 DPI), is centred in the control less
// `belowPicture` pixels at its bottom, where the New game dialog writes its notes.
PreviewPicture PlanPreview(bool chosen, const std::optional<PuzzleImage>& file,
                           const PreviewTexts& texts, int width, int height, int belowPicture = 0,
                           int square = kPreviewSquareSize);
// The row of note `note` (of `count`, each one line high) under the picture: the notes are
// stacked at the bottom of the control, the last one ending at its bottom edge.
Rect PreviewNoteRow(int width, int height, int lineHeight, int count, int note);

// ---- New game ----

// The library: one folder of "Puzzles" per group, holding the group's ".zpz" puzzles; the
// player's groups lie in the player's folder (MergeLibraryGroups).
constexpr const char* kLibraryGroupsPattern = "Puzzles\\*.*";
std::string LibraryPuzzlesPattern(const std::string& group);

// A group's folder as listed: its name and its puzzle files' names, in the listed order.
struct LibraryFolder {
    std::string group;
    std::vector<std::string> files;
};

struct LibraryPuzzle {
    std::string name;
    bool solved = false; // a win of it is recorded (group and name exactly)
    bool operator==(const LibraryPuzzle&) const = default;
};
struct LibraryGroup {
    std::string name;
    std::vector<LibraryPuzzle> puzzles;
    bool operator==(const LibraryGroup&) const = default;
};
struct NewGameOpening {
    std::vector<LibraryGroup> groups;
    // The current puzzle's item, selected and shown at opening; -1 when it is not listed.
    int currentGroup = -1;
    int currentPuzzle = -1;
};
NewGameOpening OpenNewGame(const GameState& gs, const std::vector<LibraryFolder>& library);
// A group's item in the tree: its name and how many of its puzzles are solved, "Rectangles
// (5/18)"; the name alone for a group without puzzles.
std::string GroupItemText(const LibraryGroup& group);

// The tree item chosen: a puzzle of a group, a group (puzzle empty) or nothing (both empty).
struct LibraryChoice {
    std::string group;
    std::string puzzle;
};
// "Puzzles\group\puzzle.zpz"; empty unless a puzzle is chosen (a double click on a group only
// opens or closes it).
std::string ChosenPuzzlePath(const LibraryChoice& choice);

// OK, with the chosen puzzle's file as read: "Puzzle is not selected." or "Please select a
// valid puzzle." (information icon; the dialog stays); otherwise, and then nothing is
// returned, a new game on the puzzle, which becomes the current puzzle.
std::optional<Message> StartNewGame(GameState& gs, const LibraryChoice& choice,
                                    const std::optional<PuzzleImage>& file);

// The lines under the New game preview of a valid puzzle: its solutions and difficulty (from
// its file, else `counted`, else "Counting solutions..."), once solved with the clock its best
// time ("Best time 1:05"), and for a daily puzzle the streak on `today`. None for anything
// else.
std::vector<std::string> NewGamePreviewNotes(const GameState& gs, const LibraryChoice& choice,
                                             const std::optional<PuzzleImage>& file,
                                             std::optional<uint64_t> counted, const Date& today);

// ---- Load ----

// "Save\*.zpz" in the player's folder.
std::string SavedGamesPattern();
// The file of a line of the list: "Save\" + line in the player's folder; empty when no line is
// chosen (empty line).
std::string ListedGamePath(const std::string& line);

enum class LoadOutcome {
    NothingChosen, // the dialog stays open
    Invalid,       // the dialog closes; nothing is loaded and nothing said
    Loaded,
};
// OK: the saved game's field and figures, the figures as history position 1 (Undo empties
// the field, Redo brings them back). The current puzzle stays; its file is read again to
// know whether this game plays it.
LoadOutcome LoadChosenGame(GameState& gs, bool chosen, const std::optional<PuzzleImage>& file);

struct LoadDeletion {
    bool beep = false;              // no line chosen: nothing else happens
    bool removeLine = false;        // the file is gone: its line goes, and no line is chosen
    std::optional<Message> message; // "Error delete file." when it could not be deleted
    bool repaintPreview = false;
    bool operator==(const LoadDeletion&) const = default;
};
// Delete: the UI deletes the chosen line's file when a line is chosen, then does this.
LoadDeletion DeleteOutcome(bool chosen, bool deleted);

// ---- Save ----

// OK with a blank name: "Please enter a file name" (error icon), and the dialog stays.
std::optional<Message> CheckSaveName(const std::string& name);
// The saved game under the name exactly as typed, blanks included: "Save\" + name + ".zpz"
// with the game's text. Nothing when nothing was ever laid (fewer than two positions).
std::optional<FileToSave> PrepareGameSave(const GameState& gs, const std::string& name);

struct GameSaveOutcome {
    Message message;
    bool saved = false; // the unsaved changes were cleared: the menus change
};
// After the write: "Game saved." (question icon), which clears the unsaved changes, or the
// failure's message, which keeps them.
GameSaveOutcome FinishGameSave(GameState& gs, FileSave result);
