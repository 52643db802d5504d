// The small picture of a puzzle or saved game that the New game and Load dialogs show.
#pragma once

#include <string>

#include "ui/app.h"

struct PreviewTexts {
    const char* nothingSelected; // shown when `path` is empty
    const char* invalid;         // shown when the file does not read
};

// Draws the preview control's item: the file at `path` read anew (with its figures when
// asked) at 8 pixels a square, centred on the window background, or one of the two texts.
void DrawPuzzlePreview(App& app, const DRAWITEMSTRUCT& item, const std::string& path,
                       bool withFigures, const PreviewTexts& texts);
