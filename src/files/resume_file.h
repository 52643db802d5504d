// The game in progress kept across a restart: "Resume.zpz" in the player's folder. It is a
// saved game of the position on the field, followed by what a saved game does not hold: which
// puzzle it plays and the whole history of play, so that Undo and Redo work on after the start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/puzzle_file.h"

inline constexpr const char* kResumeFileName = "Resume.zpz";

// The text to keep when the game ends, with the time played so far; nothing when there is
// nothing to resume: the editor is open, the game is won, or no figure lies on the field in the
// history's current position (a figure in hand counts where it was laid).
std::optional<std::string> WriteResumeText(const GameState& gs, int64_t elapsedMs);

struct ResumedGame {
    PuzzleImage field;            // the field, the time played and the figures on the field
    std::vector<Placement> steps; // the history's positions after the empty field
    int current = 0;              // the position on the field, 0 the empty field
};

// The kept game when the text is whole and valid, plays the current puzzle (its group, its name
// and its file's field) and is neither won nor empty; nothing otherwise.
std::optional<ResumedGame> ReadResumeText(const std::string& text, const GameState& gs);

// Play goes on with the kept game: its field, its figures and its history. The caller restarts
// the clock from field.seconds.
void ApplyResumedGame(GameState& gs, const ResumedGame& game);
