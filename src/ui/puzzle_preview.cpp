// Painting the preview of a puzzle file in the New game and Load dialogs.
#include "ui/puzzle_preview.h"

#include "files/puzzle_file.h"
#include "render/draw_gdi.h"

namespace {

constexpr int kPreviewSquareSize = 8;

void DrawCentredText(HDC dc, RECT rect, const char* text, COLORREF ink) {
    SetTextColor(dc, ink);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace

void DrawPuzzlePreview(App& app, const DRAWITEMSTRUCT& item, const std::string& path,
                       bool withFigures, const PreviewTexts& texts) {
    Surfaces& s = app.surfaces;
    const GameState& gs = app.gs;
    int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
    RECT area{0, 0, w, h};
    FillItemBackground(s, gs.settings.view, area, 0, 0, gs.settings.view.colorBack);
    PuzzleImage image;
    if (path.empty()) {
        DrawCentredText(s.backBuffer.dc, area, texts.nothingSelected, gs.settings.view.colorInk);
    } else if (!ReadPuzzleFile(path, withFigures, Orientations().catalogue, image)) {
        DrawCentredText(s.backBuffer.dc, area, texts.invalid, gs.settings.view.colorInk);
    } else {
        Grid cells = ComposePreview(image);
        CellsToDraw toDraw;
        toDraw.source = s.smallSkin.dc;
        toDraw.size = kPreviewSquareSize;
        toDraw.x0 = (w - image.width * kPreviewSquareSize) / 2;
        toDraw.y0 = (h - image.height * kPreviewSquareSize) / 2;
        toDraw.columns = image.width;
        toDraw.rows = image.height;
        toDraw.cells = cells.data();
        toDraw.stride = kGridSide;
        DrawCells(s, s.backBuffer.dc, toDraw, gs.settings.view);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, s.backBuffer.dc, 0, 0, SRCCOPY);
}
