// Loading the skin bitmap (or its substitute) and filling the three skin surfaces from it.
#include "render/surfaces_gdi.h"

#include <algorithm>

#include "model/display.h"

#include "render/gdi_handles_gdi.h"

namespace {

constexpr COLORREF kSubstituteOpen = 0xF0F0F0;
constexpr COLORREF kSubstituteFigure = 0x0000FF;
constexpr COLORREF kSubstitutePlain = 0x969696;
constexpr COLORREF kSubstituteFrame = 0xFFFFFF;
constexpr int kSkinTiles = 14;

HBITMAP LoadSkinFile(const std::string& name) {
    const std::string path = "Skins\\" + name;
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

// Light grey open cell, red figures, grey plain square; every tile framed in white.
HBITMAP SubstituteSkin(HWND hwndMain) {
    WindowDc window(hwndMain);
    OwnedBitmap bitmap(CreateCompatibleBitmap(window.get(), kSkinRowWidth, kSkinTileSide));
    MemoryDc dc(window.get());
    {
        ScopedSelect select(dc.get(), bitmap.get());
        Fill(dc.get(), {0, 0, kSkinRowWidth, kSkinTileSide}, kSubstituteFigure);
        Fill(dc.get(), {0, 0, kSkinTileSide, kSkinTileSide}, kSubstituteOpen);
        Fill(dc.get(), {kSkinRowWidth - kSkinTileSide, 0, kSkinRowWidth, kSkinTileSide},
             kSubstitutePlain);
        OwnedBrush frame(CreateSolidBrush(kSubstituteFrame));
        for (int k = 0; k < kSkinTiles; ++k) {
            const RECT tile{k * kSkinTileSide, 0, (k + 1) * kSkinTileSide, kSkinTileSide};
            FrameRect(dc.get(), &tile, frame.get());
        }
    }
    return bitmap.release();
}

// Scales the whole skin region of `unscaled` (tiles of 64) to tiles of `side` pixels, smoothly
// both ways: on a display above 96 DPI the squares are larger than the skin's.
void ScaleSkin(HDC unscaled, Surface& target, HDC reference, int side) {
    const int width = kSkinRegionTiles * side, height = kSkinRegionRows * side;
    GrowSurface(target, reference, width, height);
    if (side == kSkinTileSide) {
        BitBlt(target.dc, 0, 0, width, height, unscaled, 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(target.dc, HALFTONE);
    SetBrushOrgEx(target.dc, 0, 0, nullptr); // required after choosing halftone stretching
    StretchBlt(target.dc, 0, 0, width, height, unscaled, 0, 0, kSkinRegionWidth, kSkinRegionHeight,
               SRCCOPY);
}

// The skin file's pixels in a bitmap of the whole 4480 x 320 region, black beyond the file's
// edge: a small file scales by the same factor as a full one and no stretch reads outside.
void CopyIntoRegion(HBITMAP file, HDC region, HDC reference) {
    const RECT all{0, 0, kSkinRegionWidth, kSkinRegionHeight};
    FillRect(region, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const SIZE size = BitmapSize(file);
    MemoryDc fileDc(reference);
    ScopedSelect select(fileDc.get(), file);
    BitBlt(region, 0, 0, std::min<int>(size.cx, kSkinRegionWidth),
           std::min<int>(size.cy, kSkinRegionHeight), fileDc.get(), 0, 0, SRCCOPY);
}

} // namespace

HBITMAP LoadSkinBitmap(HWND hwndMain, const std::string& name) {
    HBITMAP bitmap = LoadSkinFile(name);
    return bitmap != nullptr ? bitmap : SubstituteSkin(hwndMain);
}

bool SkinFileLoads(const std::string& name) {
    OwnedBitmap bitmap(LoadSkinFile(name));
    return bitmap.get() != nullptr;
}

void LoadSkinAt(const std::string& skinName, HWND hwndMain,
                const std::vector<std::pair<Surface*, int>>& targets) {
    // Always from the file, so every rescale starts from its 64-pixel tiles.
    OwnedBitmap file(LoadSkinBitmap(hwndMain, skinName));
    WindowDc window(hwndMain);
    OwnedBitmap regionBitmap(
        CreateCompatibleBitmap(window.get(), kSkinRegionWidth, kSkinRegionHeight));
    MemoryDc region(window.get());
    ScopedSelect select(region.get(), regionBitmap.get());
    CopyIntoRegion(file.get(), region.get(), window.get());
    for (const auto& [surface, side] : targets)
        ScaleSkin(region.get(), *surface, window.get(), side);
}

void ReloadSkin(Surfaces& s, const GameState& gs, HWND hwndMain) {
    const Metrics m = MetricsOf(gs);
    {
        // The blends of a square and the highlight of a list entry go through the scratch.
        WindowDc window(hwndMain);
        GrowSurface(s.scratch, window.get(), std::max(m.square, m.listWidth),
                    std::max(m.square, m.itemHeight));
    }
    LoadSkinAt(gs.settings.view.skinName, hwndMain,
               {{&s.fullSkin, kSkinTileSide},
                {&s.smallSkin, kSmallTileSide},
                {&s.pictureSkin, m.smallTile},
                {&s.skin, m.square}});
}
