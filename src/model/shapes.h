// The twelve base shapes and their numbered twins, and the figure letters.
#pragma once

#include "model/types.h"

// Base shape table: entry n holds figure n's squares with value n (entry 0 is empty).
const std::array<FigureMatrix, kFigureCount + 1>& BaseShapes();
// Numbered shape table: the same squares numbered 1..5 (the pointer's square 3, drawing).
const std::array<FigureMatrix, kFigureCount + 1>& NumberedShapes();
// Conventional letter of figure n (I L T V W Y Z P F U X N), '?' outside 1..12.
char FigureLetter(int figure);
