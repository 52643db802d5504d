// The small picture of a puzzle or saved game that the New game and Load dialogs show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/game_dialogs.h"
#include "ui/app.h"

// Draws the preview control's item as PlanPreview says: the chosen file's picture centred on
// the window background, or one of the two texts; `notes`, one line each, under the picture.
void DrawPuzzlePreview(App& app, const DRAWITEMSTRUCT& item, bool chosen,
                       const std::optional<PuzzleImage>& file, const PreviewTexts& texts,
                       const std::vector<std::string>& notes = {});
