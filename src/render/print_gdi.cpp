// The print picture and the pages of "Print..", "Figures..." and "Empty field...".
#include "render/print_gdi.h"

#include <algorithm>

#include "model/geometry.h"
#include "model/placement.h"
#include "render/draw_gdi.h"
#include "render/gdi_handles_gdi.h"
#include "render/print_layout.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr RECT kWholePicture{0, 0, kPrintPictureSide, kPrintPictureSide};

int FieldColumns(const GameState& gs) {
    return std::clamp<int>(gs.position.fieldWidth, 0, kGridSide);
}
int FieldRows(const GameState& gs) {
    return std::clamp<int>(gs.position.fieldHeight, 0, kGridSide);
}

// The picture's background: a pattern background as the window shows it, else white. White
// also where the screen-sized back buffer does not reach.
void PreparePicture(Surfaces& s, const GameState& gs, HDC picture, HBRUSH white) {
    FillRect(picture, &kWholePicture, white);
    FillItemBackground(s, gs.settings.view, kWholePicture, 0, 0, kWhite);
    CopyFromSurface(s.backBuffer, 0, 0, kPrintPictureSide, kPrintPictureSide, picture, 0, 0);
}

// The field with the placed figures at 64 pixels per cell from the picture's top-left.
void DrawBoardPicture(Surfaces& s, GameState& gs, HDC picture) {
    ComposeBoard(gs, Point{}); // no editor rectangle is being dragged while a command runs
    CellsToDraw toDraw;
    toDraw.source = s.fullSkin.dc;
    toDraw.size = kPrintCellSize;
    toDraw.columns = FieldColumns(gs);
    toDraw.rows = FieldRows(gs);
    toDraw.cells = gs.position.board.data();
    toDraw.stride = kGridSide;
    ViewOptions options = gs.settings.view;
    options.colorBack = kWhite;
    DrawCells(s, picture, toDraw, options);
}

// A figure strip: the figure at x 0 and its mirror image at x 320, on white.
void DrawFigureStrip(Surfaces& s, const GameState& gs, HDC picture, HBRUSH white,
                     const FigureMatrix& figure) {
    FillRect(picture, &kWholePicture, white);
    DrawCells(s, picture, MatrixToDraw(s.fullSkin.dc, kPrintCellSize, {0, 0}, figure, false),
              gs.settings.view);
    FigureMatrix mirror = figure;
    FlipLeftRight(mirror);
    DrawCells(s, picture,
              MatrixToDraw(s.fullSkin.dc, kPrintCellSize, {kMirrorPictureX, 0}, mirror, false),
              gs.settings.view);
}

void Stretch(PageDevice& device, HDC picture, const PageStretch& st) {
    StretchBlt(device.Dc(), st.dest.left, st.dest.top, st.dest.Width(), st.dest.Height(), picture,
               st.source.left, st.source.top, st.source.Width(), st.source.Height(), SRCCOPY);
}

void PrintPosition(const GameState& gs, HDC picture, PageDevice& device) {
    const SIZE page = device.PageSize();
    const int k = PrintScale(page.cx, page.cy, FieldColumns(gs), FieldRows(gs));
    if (!device.StartNextPage()) return;
    Stretch(device, picture, PositionStretch(FieldColumns(gs), FieldRows(gs), k));
    device.EndCurrentPage();
}

// The twelve figures in their current orientation, as many strips a page as fit.
void PrintFigures(Surfaces& s, const GameState& gs, HDC picture, HBRUSH white, PageDevice& device) {
    const SIZE page = device.PageSize();
    const int u = PageUnit(page.cx, page.cy);
    const int perPage = StripsPerPage(page.cy, u);
    int figure = 1;
    while (figure <= kFigureCount && device.StartNextPage()) {
        for (int strip = 0; strip < perPage && figure <= kFigureCount; ++strip, ++figure) {
            DrawFigureStrip(s, gs, picture, white, gs.hand.matrices[figure]);
            Stretch(device, picture, StripStretch(strip, u));
        }
        device.EndCurrentPage();
    }
}

// The field in tiles of whole cells, one page each, at one page unit per cell.
void PrintEmptyField(const GameState& gs, HDC picture, PageDevice& device) {
    const SIZE page = device.PageSize();
    const int u = PageUnit(page.cx, page.cy);
    const PageCells perPage = CellsPerPage(page.cx, page.cy, u);
    for (const Rect& tile : EmptyFieldTiles(FieldColumns(gs), FieldRows(gs), perPage)) {
        if (!device.StartNextPage()) return;
        Stretch(device, picture, TileStretch(tile, u));
        device.EndCurrentPage();
    }
}

} // namespace

SIZE PrinterPages::PageSize() {
    return {GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)};
}

bool PrinterPages::StartDocument(const char* name) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name;
    return StartDocA(dc_, &info) > 0;
}

bool PrinterPages::StartNextPage() {
    return StartPage(dc_) > 0;
}
void PrinterPages::EndCurrentPage() {
    EndPage(dc_);
}
void PrinterPages::EndDocument() {
    EndDoc(dc_);
}

void PrintPages(Surfaces& s, GameState& gs, HDC reference, PrintSheetKind kind, PageDevice& device,
                const std::string& documentName) {
    OwnedBitmap bitmap(CreateCompatibleBitmap(reference, kPrintPictureSide, kPrintPictureSide));
    MemoryDc picture(reference);
    if (bitmap.get() == nullptr || picture.get() == nullptr) return;
    ScopedSelect selected(picture.get(), bitmap.get());
    OwnedBrush white(CreateSolidBrush(kWhite));
    PreparePicture(s, gs, picture.get(), white.get());
    if (kind != PrintSheetKind::Figures) DrawBoardPicture(s, gs, picture.get());
    SetStretchBltMode(device.Dc(), HALFTONE);
    SetBrushOrgEx(device.Dc(), 0, 0, nullptr); // halftone stretching wants the origin reset
    if (!device.StartDocument(documentName.c_str())) return;
    switch (kind) {
    case PrintSheetKind::Position:
        PrintPosition(gs, picture.get(), device);
        break;
    case PrintSheetKind::Figures:
        PrintFigures(s, gs, picture.get(), white.get(), device);
        break;
    case PrintSheetKind::EmptyField:
        PrintEmptyField(gs, picture.get(), device);
        break;
    }
    device.EndDocument();
}
