// Painting the preview of a puzzle file in the New game and Load dialogs.
#include "ui/puzzle_preview.h"

#include "model/display.h"

#include "render/draw_gdi.h"

namespace {

int LineHeight(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

} // namespace

void DrawPuzzlePreview(App& app, const DRAWITEMSTRUCT& item, bool chosen,
                       const std::optional<PuzzleImage>& file, const PreviewTexts& texts,
                       const std::vector<std::string>& notes) {
    Surfaces& s = app.surfaces;
    const ViewOptions& view = app.gs.settings.view;
    const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
    RECT area{0, 0, w, h};
    FillItemBackground(s, view, area, 0, 0, view.colorBack);
    SetTextColor(s.backBuffer.dc, view.colorInk);
    SetBkMode(s.backBuffer.dc, TRANSPARENT);
    // The notes in the dialog's font, the texts in place of a picture as they always were.
    HGDIOBJ font = SelectObject(
        s.backBuffer.dc, reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    const int line = LineHeight(s.backBuffer.dc);
    const int notesHeight = static_cast<int>(notes.size()) * line;
    const PreviewPicture picture =
        PlanPreview(chosen, file, texts, w, h, notesHeight, MetricsOf(app.gs).smallTile);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const Rect r =
            PreviewNoteRow(w, h, line, static_cast<int>(notes.size()), static_cast<int>(i));
        RECT row{r.left, r.top, r.right, r.bottom};
        DrawTextA(s.backBuffer.dc, notes[i].c_str(), -1, &row, DT_CENTER | DT_SINGLELINE);
    }
    SelectObject(s.backBuffer.dc, font);
    if (!picture.text.empty()) {
        DrawTextA(s.backBuffer.dc, picture.text.c_str(), -1, &area,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        CellsToDraw toDraw;
        toDraw.source = s.pictureSkin.dc;
        toDraw.size = picture.square;
        toDraw.x0 = picture.left;
        toDraw.y0 = picture.top;
        toDraw.columns = picture.columns;
        toDraw.rows = picture.rows;
        toDraw.cells = picture.cells.data();
        toDraw.stride = kGridSide;
        DrawCells(s, s.backBuffer.dc, toDraw, view);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, s.backBuffer.dc, 0, 0, SRCCOPY);
}
