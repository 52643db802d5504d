// The six off-screen drawing surfaces, the skin and the background (Win32 GDI).
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "model/game_state.h"

// Each surface is a memory device context with the bitmap it had when it was created, kept so
// that the program's own bitmaps can be selected out and deleted.
struct Surface {
    HDC dc = nullptr;
    HBITMAP original = nullptr; // the bitmap the context was created with
    HBITMAP bitmap = nullptr;   // the program's bitmap selected into it (deleted on free)
    int width = 0;              // the size of `bitmap`
    int height = 0;
};

// Sizes of the surfaces made at creation. A skin surface holds the whole region the skin is
// scaled as (70 x 5 tiles), and grows when its tiles do (squares above 64 pixels on a display
// above 96 DPI); the small skin holds that region at one eighth.
constexpr int kSkinTileSide = 64;
constexpr int kSkinRegionTiles = 70;
constexpr int kSkinRegionRows = 5;
constexpr int kSkinRegionWidth = kSkinRegionTiles * kSkinTileSide; // 4480
constexpr int kSkinRegionHeight = kSkinRegionRows * kSkinTileSide; // 320
constexpr int kSkinRowWidth = 14 * kSkinTileSide;                  // 896: the tiles that are drawn
constexpr int kSmallTileSide = 8;
constexpr int kSmallSkinWidth = kSkinRegionWidth / 8;   // 560
constexpr int kSmallSkinHeight = kSkinRegionHeight / 8; // 40
constexpr int kFullSkinSide = 1600;
constexpr int kScratchWidth = 256;
constexpr int kScratchHeight = 700;

struct Surfaces {
    Surface skin;        // the skin at the field's squares in pixels: tile k at (k * side, 0)
    Surface smallSkin;   // 8-pixel tiles: the small clipboard image
    Surface pictureSkin; // the figure list, the menus and the previews: 8 units, in pixels
    Surface fullSkin;    // the 14 tiles at 64 pixels: printing
    Surface scratch;     // black squares and inverted tiles before blending
    // The picture being composed and the window background: as large as the screen, or as
    // the client area when the window is larger (on a larger second monitor).
    Surface backBuffer;
    Surface background;
};

// Creates the six surfaces compatible with the window's device context; the skin and the
// background are filled by ReloadSkin and BuildBackground.
void CreateSurfaces(Surfaces& s, HWND hwndMain);
// Selects back each surface's first bitmap, deletes the contexts and the program's bitmaps.
void FreeSurfaces(Surfaces& s);

// Selects `bitmap` into the surface and deletes the program's bitmap it replaces (a null
// bitmap, from a failed creation, changes nothing).
void ReplaceSurfaceBitmap(Surface& surface, HBITMAP bitmap);

// Gives the surface a new, blank bitmap of at least w x h when its own is smaller.
void GrowSurface(Surface& surface, HDC reference, int w, int h);

// Copies w x h pixels from (sx, sy) of source to (x, y) of target, leaving out the part of the
// rectangle that lies outside the source's bitmap.
void CopyFromSurface(const Surface& source, int sx, int sy, int w, int h, HDC target, int x, int y);

// "Skins\" + name as a DIB section, or the substitute skin (light grey open cell, red figures,
// grey plain square, each tile framed in white) when the file cannot be loaded.
HBITMAP LoadSkinBitmap(HWND hwndMain, const std::string& name);
// True when the skin file loads (the substitute is not needed).
bool SkinFileLoads(const std::string& name);

// Reloads the skin named by gs.settings.view.skinName and refills the four skin surfaces for
// the square size and the display.
void ReloadSkin(Surfaces& s, const GameState& gs, HWND hwndMain);
// Loads the skin and scales it into each surface at its side in pixels (a surface too small
// grows).
void LoadSkinAt(const std::string& skinName, HWND hwndMain,
                const std::vector<std::pair<Surface*, int>>& targets);
// A surface of its own, freed at the end of its scope: the skin for a picture of its own
// resolution.
struct ScopedSurface {
    Surface surface;
    ScopedSurface(HWND hwndMain, int width, int height);
    ~ScopedSurface();
    ScopedSurface(const ScopedSurface&) = delete;
    ScopedSurface& operator=(const ScopedSurface&) = delete;
};

// Recreates backBuffer and background, as large as the screen and the main window's client
// area, and renders the background into the latter: the pattern "Background\" +
// backgroundName tiled from (0, 0), or the solid colorBack. A pattern that does not load
// turns backgroundType to 1.
void BuildBackground(Surfaces& s, GameState& gs, HWND hwndMain);
// Rebuilds them when the client area has grown beyond them.
void GrowSurfacesToClient(Surfaces& s, GameState& gs, HWND hwndMain);
