// Loading the skin bitmap (or its substitute) and filling the three skin surfaces from it.
#include "render/surfaces_gdi.h"

#include <algorithm>

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

// Scales the whole skin region of `unscaled` (tiles of 64) to tiles of `side` pixels.
void ShrinkSkin(HDC unscaled, HDC target, int side) {
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr); // required after choosing halftone stretching
    StretchBlt(target, 0, 0, 70 * side, 5 * side, unscaled, 0, 0, kSkinRegionWidth,
               kSkinRegionHeight, SRCCOPY);
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

void ReloadSkin(Surfaces& s, const GameState& gs, HWND hwndMain) {
    // Always from the file, so every rescale starts from its 64-pixel tiles.
    OwnedBitmap file(LoadSkinBitmap(hwndMain, gs.settings.view.skinName));
    WindowDc window(hwndMain);
    OwnedBitmap regionBitmap(
        CreateCompatibleBitmap(window.get(), kSkinRegionWidth, kSkinRegionHeight));
    MemoryDc region(window.get());
    ScopedSelect select(region.get(), regionBitmap.get());
    CopyIntoRegion(file.get(), region.get(), window.get());

    BitBlt(s.fullSkin.dc, 0, 0, kSkinRowWidth, kSkinTileSide, region.get(), 0, 0, SRCCOPY);
    ShrinkSkin(region.get(), s.smallSkin.dc, kSmallTileSide);
    const int side = LimitSquareSize(gs.settings.view.squareSize);
    if (side == kSkinTileSide) {
        BitBlt(s.skin.dc, 0, 0, kSkinRegionWidth, kSkinRegionHeight, region.get(), 0, 0, SRCCOPY);
    } else {
        ShrinkSkin(region.get(), s.skin.dc, side);
    }
}
