// Drawing the position into a bitmap of its own for the clipboard.
#include "render/clipboard_gdi.h"

#include <algorithm>

#include "model/placement.h"
#include "render/draw_gdi.h"
#include "render/gdi_handles_gdi.h"
#include "render/print_layout.h"

namespace {

// The window's background under the picture: backBuffer's pixels where it reaches, the back
// colour beyond (a picture may be larger than the screen).
void PrepareBackground(Surfaces& s, const GameState& gs, HDC picture, const RECT& area) {
    OwnedBrush back(CreateSolidBrush(gs.settings.view.colorBack));
    FillRect(picture, &area, back.get());
    FillItemBackground(s, gs.settings.view, area, 0, 0, gs.settings.view.colorBack);
    CopyFromSurface(s.backBuffer, 0, 0, area.right, area.bottom, picture, 0, 0);
}

} // namespace

HBITMAP MakePositionBitmap(Surfaces& s, GameState& gs, HDC reference, int cellSize, HDC skin) {
    const int columns = std::clamp<int>(gs.position.fieldWidth, 0, kGridSide);
    const int rows = std::clamp<int>(gs.position.fieldHeight, 0, kGridSide);
    const Rect size = ClipboardPicture(columns, rows, cellSize);
    if (size.Width() <= 0 || size.Height() <= 0) return nullptr;
    OwnedBitmap bitmap(CreateCompatibleBitmap(reference, size.Width(), size.Height()));
    MemoryDc picture(reference);
    if (bitmap.get() == nullptr || picture.get() == nullptr) return nullptr;
    {
        ScopedSelect selected(picture.get(), bitmap.get());
        PrepareBackground(s, gs, picture.get(), {0, 0, size.Width(), size.Height()});
        ComposeBoard(gs, Point{}); // no editor rectangle is being dragged while a command runs
        CellsToDraw toDraw;
        toDraw.source = skin;
        toDraw.size = cellSize;
        toDraw.columns = columns;
        toDraw.rows = rows;
        toDraw.cells = gs.position.board.data();
        toDraw.stride = kGridSide;
        DrawCells(s, picture.get(), toDraw, gs.settings.view);
    } // the bitmap is selected out before it is handed over
    return bitmap.release();
}
