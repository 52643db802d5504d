// The commands of zpz, the puzzle tool for puzzle authors and for the game's own tests.
#pragma once

#include <chrono>
#include <set>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // a file was invalid, unsolvable, or a library check failed
constexpr int kExitUsage = 2;  // bad arguments or a file that is missing

int RunCheck(const Arguments& args);
int RunSolve(const Arguments& args);
int RunLibrary(const Arguments& args);
int RunCount(const Arguments& args);
int RunTable(const Arguments& args);
int RunBench(const Arguments& args);
int RunGenerate(const Arguments& args);
int RunCensus(const Arguments& args);
int RunHint(const Arguments& args);
int RunCode(const Arguments& args);
int RunDecode(const Arguments& args);
int RunDaily(const Arguments& args);
// zpz bench --hints: times the hints on the bench's positions and on dead ones made from them.
int RunHintBench(const Arguments& args);
struct GameState;
// zpz bench's fixed set of 200 seeded positions.
std::vector<const GameState*> BenchPositions();
// zpz bench --generate: times making puzzles of each difficulty (see its help).
int RunGenerateBench(const Arguments& args);
// Prints the time of counting the solutions of the open 10 x 6 field.
void PrintOpenCountTime();

bool WantsHelp(const Arguments& args);
// "WxH" with each side 5..24, the largest size asked of a generated puzzle.
bool ParseSize(const std::string& text, int& w, int& h);
// The field keys of every puzzle file under dir (searched through its folders); none for an
// empty dir.
std::set<std::string> KnownFields(const std::string& dir);
// Milliseconds since start.
double MsSince(std::chrono::steady_clock::time_point start);
// The middle value of the times (0 for none).
double Median(std::vector<double> times);

struct GameState;
struct PuzzleImage;

// Reads a saved game named on the command line; false, with the reason on stderr as
// "zpz COMMAND: FILE: no such file" or "...: invalid: REASON", when it cannot be used.
bool ReadSavedGame(const char* command, const std::string& file, PuzzleImage& image);
// Starts a game on the image's field with its figures laid, as loading a saved game does.
void StartSavedGame(GameState& gs, const PuzzleImage& image);
// The same, then runs the analysis search from figure 1. True when a tiling was found; it stands on
// gs.position.solverGrid.
bool SolveImage(GameState& gs, const PuzzleImage& image);
