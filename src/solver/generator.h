// New puzzles on demand: a field of sixty connected cells whose number of solutions lies in
// the band of a chosen difficulty, different from every field the caller already has.
#pragma once

#include <atomic>
#include <cstdint>
#include <set>
#include <string>

#include "model/difficulty.h"
#include "model/types.h"
#include "solver/field_shape.h"

constexpr int kGenerateCells = 60;

struct GenerateRequest {
    Difficulty difficulty = Difficulty::Hard; // Easy .. Unique
    int maxWidth = 12;                        // the field's bounding box fits inside these
    int maxHeight = 10;
    bool symmetric = false; // the field looks the same after a half turn or after a mirror
    uint64_t seed = 0;
    int budgetMs = 10000; // how long to search before giving up: a second at least
};

struct GeneratedPuzzle {
    bool found = false;
    int width = 0; // the field's bounding box
    int height = 0;
    Grid cells{}; // kCellOpen or kCellBlocked in the top-left width x height part
    uint64_t solutions = 0;
    int searchedMs = 0; // when none was found: how long the search went on
};

// Searches for a field for the request whose FieldKey is not in known. The same request and
// known fields always give the same field. Setting *stop ends the search without a field;
// *tried, when given, counts the fields looked at. found is false at once when the box holds
// fewer than sixty cells, else when none was found within the request's budget.
GeneratedPuzzle GeneratePuzzle(const GenerateRequest& request, const std::set<std::string>& known,
                               const std::atomic<bool>* stop = nullptr,
                               std::atomic<int>* tried = nullptr);
