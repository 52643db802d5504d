// Drawing the Options dialog's skin and background previews, and averaging preview tiles.
#include "ui/skin_preview.h"

#include <cstring>
#include <vector>

#include "render/cells.h"
#include "render/draw_gdi.h"
#include "render/gdi_handles_gdi.h"
#include "render/options_preview.h"

namespace {

constexpr int kMissingTextCentre = 100; // across and down, for tiles of 8

// The file's tile row at 64 pixels, black beyond the file's edge, so that a small file shrinks
// by the same factor as a full one.
void CopyTileRow(HDC row, HBITMAP file) {
    const RECT all{0, 0, kSkinRowWidth, kSkinTileSide};
    FillRect(row, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    MemoryDc fileDc(row);
    ScopedSelect select(fileDc.get(), file);
    const SIZE size = BitmapSize(file);
    BitBlt(row, 0, 0, size.cx, size.cy, fileDc.get(), 0, 0, SRCCOPY);
}

void ShrinkTileRow(HDC target, HBITMAP file, int tile) {
    MemoryDc row(target);
    OwnedBitmap rowBitmap(CreateCompatibleBitmap(target, kSkinRowWidth, kSkinTileSide));
    ScopedSelect select(row.get(), rowBitmap.get());
    CopyTileRow(row.get(), file);
    SetStretchBltMode(target, HALFTONE);
    SetBrushOrgEx(target, 0, 0, nullptr);
    StretchBlt(target, 0, 0, kPreviewTiles * tile, tile, row.get(), 0, 0, kSkinRowWidth,
               kSkinTileSide, SRCCOPY);
}

void DrawMissingSkin(HDC target, const RECT& area, const GameState& gs, int tile) {
    OwnedBrush back(CreateSolidBrush(gs.settings.view.colorBack));
    FillRect(target, &area, back.get());
    const char* text = "Skin is not found.";
    const int length = static_cast<int>(strlen(text));
    SIZE extent{};
    ScopedSelect font(target, GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(target, text, length, &extent);
    SetTextColor(target, gs.settings.view.colorInk);
    SetBkMode(target, TRANSPARENT);
    SetTextAlign(target, TA_CENTER | TA_TOP);
    const int centre = kMissingTextCentre * tile / kPreviewTile;
    ExtTextOutA(target, centre, centre - extent.cy / 2, 0, nullptr, text, static_cast<UINT>(length),
                nullptr);
}

void DrawFrame(HDC target, HDC skin, int tile) {
    const int plainX = kTilePlain * tile;
    for (const Point& p : PreviewFrameSquares(tile))
        BitBlt(target, p.x, p.y, tile, tile, skin, plainX, 0, NOTSRCCOPY);
}

void DrawFigures(App& app, HDC target, HDC skin, int tile, const ViewOptions& shown) {
    for (int figure = 1; figure <= kFigureCount; ++figure) {
        const CellsToDraw toDraw = MatrixToDraw(skin, tile, PreviewFigureOrigin(figure, tile),
                                                app.gs.hand.matrices[figure], true);
        DrawCells(app.surfaces, target, toDraw, shown);
    }
}

} // namespace

PreviewSkin::PreviewSkin(HDC reference, int tile)
    : tile_(tile), dc_(reference),
      bitmap_(CreateCompatibleBitmap(reference, kPreviewTiles * tile, tile)),
      select_(dc_.get(), bitmap_.get()) {}

void PreviewSkin::Load(HWND hwndMain, const std::string& name) {
    OwnedBitmap file(LoadSkinBitmap(hwndMain, name));
    ShrinkTileRow(dc_.get(), file.get(), tile_);
}

COLORREF PreviewSkin::AverageTileColour(int k) const {
    std::vector<uint32_t> pixels;
    for (int j = 0; j < tile_; ++j)
        for (int i = 0; i < tile_; ++i)
            pixels.push_back(GetPixel(dc_.get(), k * tile_ + i, j));
    return AverageColour(pixels);
}

void DrawSkinPreview(App& app, const PreviewSkin& preview, HDC target, const RECT& area,
                     const ViewOptions& shown, bool haveSkin) {
    if (!haveSkin) {
        DrawMissingSkin(target, area, app.gs, preview.tile());
        return;
    }
    FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrame(target, preview.dc(), preview.tile());
    DrawFigures(app, target, preview.dc(), preview.tile(), shown);
}

void DrawBackgroundPreview(HDC target, const RECT& area, const std::string& name) {
    const std::string path = "Background\\" + name;
    OwnedBitmap image(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (image.get() == nullptr) {
        FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    OwnedBrush pattern(CreatePatternBrush(image.get()));
    SetBrushOrgEx(target, 0, 0, nullptr);
    FillRect(target, &area, pattern.get());
}
