// The Options dialog's previews of the chosen skin (with the twelve figures) and background.
#pragma once

#include <windows.h>

#include <string>

#include "render/gdi_handles_gdi.h"
#include "ui/app.h"

// A memory device context holding a skin shrunk to tiles of `tile` pixels (tile k at
// x = k * tile): 8 at 96 DPI.
class PreviewSkin {
  public:
    // The context and its bitmap, compatible with `reference` (the dialog's context).
    PreviewSkin(HDC reference, int tile);
    // Loads "Skins\" + name (or the substitute skin) and shrinks its 14 tiles.
    void Load(HWND hwndMain, const std::string& name);
    // The average colour of tile k.
    COLORREF AverageTileColour(int k) const;
    HDC dc() const { return dc_.get(); }
    int tile() const { return tile_; }

  private:
    int tile_;
    MemoryDc dc_;
    OwnedBitmap bitmap_;
    ScopedSelect select_;
};

// The skin preview into `target` (`area` its size): the frame of inverted plain squares and
// the figures in hand in their orientations, drawn with the options of `shown`. Without a
// skin (the folder holds none) the area shows "Skin is not found." in the game's colours.
void DrawSkinPreview(App& app, const PreviewSkin& preview, HDC target, const RECT& area,
                     const ViewOptions& shown, bool haveSkin);
// The background preview: the area filled with the pattern "Background\" + name, or left in
// the dialog's colour when that does not load.
void DrawBackgroundPreview(HDC target, const RECT& area, const std::string& name);
