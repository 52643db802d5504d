// The model steps of "Analyse by computer": the solver grid from the board, and laying the
// figures of a found tiling as history steps.
#pragma once

#include <functional>
#include <optional>

#include "model/game_state.h"
#include "model/message.h"

// solverGrid = board with every cell below 255 cleared and the placed figures written in.
void ComposeSolverGrid(GameState& gs);

// Number of figures still in the figure list.
int FiguresLeft(const GameState& gs);

// Runs the search from figure 1 on the composed position. True when a tiling exists.
bool AnalysePosition(GameState& gs);

// After a successful AnalysePosition: lays every missing figure where the tiling puts it, in
// figure-number order, one history step each. Returns how many were laid.
int LayAllFigures(GameState& gs);

// After a successful AnalysePosition: lays one missing figure drawn with `random`
// (k = random() % 12 + 1, redrawn while k is on the board, 1000 draws at most; then the
// first missing figure). Returns the figure laid, 0 if none.
int LayOneFigure(GameState& gs, const std::function<int()>& random);

// The dialog "Analyse by computer": what it opens with and what "Start" does.
struct AnalyseOpening {
    bool completed = false; // every figure lies on the field: "This task is completed.", no dialog
    AnalyseChoice checked = AnalyseChoice::OneFigure;
};
AnalyseOpening OpenAnalyse(const GameState& gs);

struct AnalyseOutcome {
    bool laid = false;              // figures were laid: the UI beeps and refreshes the list
    std::optional<Message> message; // "There is no variant." or "Analyse is completed."
};
// Remembers the choice, searches and lays what the choice asks for; `random` draws the one
// figure of "One figure". Laying figures counts as one hint.
AnalyseOutcome StartAnalyse(GameState& gs, AnalyseChoice choice,
                            const std::function<int()>& random);
