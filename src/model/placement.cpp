// Placement rules: board composition, drop position and legality, drop, take back and win.
#include "model/placement.h"

#include <algorithm>

#include "model/geometry.h"
#include "model/history.h"

void Stamp(Grid& grid, const FigureMatrix& m, int x, int y) {
    for (int r = 0; r < kMatrixSide; ++r)
        for (int c = 0; c < kMatrixSide; ++c) {
            uint8_t v = At(m, c, r);
            int gx = x + c, gy = y + r;
            if (v != 0 && gx >= 0 && gx < kGridSide && gy >= 0 && gy < kGridSide)
                At(grid, gx, gy) = v;
        }
}

Rect FieldFrame(const GameState& gs) {
    const Metrics m = MetricsOf(gs);
    const int s = m.square;
    const int left = m.frameLeft + gs.position.fieldOffsetX,
              top = m.frameTop + gs.position.fieldOffsetY;
    return {left, top, left + (gs.position.fieldWidth + 2) * s,
            top + (gs.position.fieldHeight + 2) * s};
}

Rect FieldArea(const GameState& gs) {
    Rect f = FieldFrame(gs);
    const int s = MetricsOf(gs).square;
    return {f.left + s, f.top + s, f.right - s, f.bottom - s};
}

Point CellUnderPointer(const GameState& gs, Point pointer) {
    Rect field = FieldArea(gs);
    const int s = MetricsOf(gs).square;
    int x = std::clamp((pointer.x - field.left) / s, 0, kGridSide - 1);
    int y = std::clamp((pointer.y - field.top) / s, 0, kGridSide - 1);
    return {x, y};
}

namespace {

// Sets every cell of the rectangle between two cells (corners in either order, both
// inclusive) to value. The rectangle stops at the field's edge, so a drag that ends on the
// frame's border never leaves squares outside the field.
void ApplyRectangle(Grid& grid, Point a, Point b, uint8_t value, int width, int height) {
    int x0 = std::max(std::min(a.x, b.x), 0), x1 = std::min(std::max(a.x, b.x), width - 1);
    int y0 = std::max(std::min(a.y, b.y), 0), y1 = std::min(std::max(a.y, b.y), height - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            At(grid, x, y) = value;
}

} // namespace

void ComposeBoard(const GameState& gs, Grid& target, const Placement& figures, Point pointer) {
    if (IsSquaresEditor(gs)) {
        target = gs.editor.field;
        if (gs.editor.rectDrag != RectangleDrag::None) {
            uint8_t value = gs.editor.rectDrag == RectangleDrag::Filling ? kCellSquare : kCellOpen;
            ApplyRectangle(target, {gs.editor.rectStartX, gs.editor.rectStartY},
                           CellUnderPointer(gs, pointer), value, gs.position.fieldWidth,
                           gs.position.fieldHeight);
        }
        return;
    }
    for (uint8_t& cell : target)
        if (cell != kCellBlocked) cell = kCellOpen;
    for (const Figure& f : figures)
        Stamp(target, f.matrix, f.x, f.y);
}

bool CommitEditorRectangle(GameState& gs, Point pointer) {
    if (!IsSquaresEditor(gs) || gs.editor.rectDrag == RectangleDrag::None) return false;
    uint8_t value = gs.editor.rectDrag == RectangleDrag::Filling ? kCellSquare : kCellOpen;
    Grid before = gs.editor.field;
    ApplyRectangle(gs.editor.field, {gs.editor.rectStartX, gs.editor.rectStartY},
                   CellUnderPointer(gs, pointer), value, gs.position.fieldWidth,
                   gs.position.fieldHeight);
    gs.editor.rectDrag = RectangleDrag::None;
    if (gs.editor.field == before) return false;
    RecordEditorRectangle(gs);
    return true;
}

void ComposeBoard(GameState& gs, Point pointer) {
    ComposeBoard(gs, gs.position.board, gs.position.placed, pointer);
}

DropTarget DropPositionAndLegality(const GameState& gs, Point pointer) {
    return DropPositionAndLegality(gs, HeldFigure(gs), pointer);
}

DropTarget DropPositionAndLegality(const GameState& gs, int held, Point pointer) {
    DropTarget t;
    Rect frame = FieldFrame(gs);
    if (held == 0 || !frame.Contains(pointer)) return t;
    const int s = MetricsOf(gs).square, h = s / 2;
    // The added two squares keep the division from truncating the wrong way for positions down
    // to two cells left of or above the field.
    t.x = (2 * s - gs.hand.grabX - frame.left - h + pointer.x) / s - 2;
    t.y = (2 * s - gs.hand.grabY - frame.top - h + pointer.y) / s - 2;
    t.hasPosition = true;
    bool sizeOk =
        gs.position.fieldWidth >= kMinFieldSide && gs.position.fieldWidth <= kMaxFieldSide &&
        gs.position.fieldHeight >= kMinFieldSide && gs.position.fieldHeight <= kMaxFieldSide;
    t.legal = sizeOk;
    const FigureMatrix& m = gs.hand.matrices[held];
    for (int r = 0; r < kMatrixSide && t.legal; ++r)
        for (int c = 0; c < kMatrixSide; ++c) {
            if (At(m, c, r) == 0) continue;
            int x = t.x + c, y = t.y + r;
            if (x < 0 || x >= gs.position.fieldWidth || y < 0 || y >= gs.position.fieldHeight ||
                At(gs.position.board, x, y) != kCellOpen) {
                t.legal = false;
                break;
            }
        }
    return t;
}

void LayFigure(GameState& gs, const Figure& figure) {
    for (Figure& slot : gs.position.placed) {
        if (IsEmptyMatrix(slot.matrix)) {
            slot = figure;
            RecordDrop(gs);
            return;
        }
    }
}

DropResult DropHeldFigure(GameState& gs, Point pointer) {
    int held = HeldFigure(gs);
    if (held == 0) return DropResult::NotHeld;
    ComposeBoard(gs, pointer);
    DropTarget t = DropPositionAndLegality(gs, pointer);
    if (!t.hasPosition) return DropResult::NotHeld;
    if (!t.legal) return DropResult::Illegal;
    LayFigure(gs, Figure{t.x, t.y, gs.hand.matrices[held]});
    gs.position.inList[held] = static_cast<int8_t>(gs.position.inList[held] - 1);
    gs.position.unsavedChanges = 1;
    if (gs.editor.mode == EditMode::Playing && RunWinTest(gs)) return DropResult::Won;
    return DropResult::Dropped;
}

void RecordSolved(GameState& gs, const std::string& folder, const std::string& file) {
    for (const SolvedPuzzle& p : gs.settings.solved)
        if (p.folder == folder && p.file == file) return;
    if (gs.settings.solved.size() >= static_cast<size_t>(kMaxSolved)) return;
    gs.settings.solved.push_back({folder, file});
}

bool RunWinTest(GameState& gs) {
    int left = 0;
    for (int f = 1; f <= kFigureCount; ++f)
        left += gs.position.inList[f];
    if (left != 0 || gs.position.gameWon != 0) return false;
    gs.position.gameWon = 1;
    // A saved game of another field, loaded while this puzzle was current, is not this puzzle.
    if (PlaysCurrentPuzzle(gs)) RecordSolved(gs, gs.settings.lastFolder, gs.settings.lastFile);
    return true;
}

int TakeBackFigure(GameState& gs, Point pointer) {
    Rect field = FieldArea(gs);
    if (!field.Contains(pointer)) return 0;
    const int s = MetricsOf(gs).square;
    int x = (pointer.x - field.left) / s, y = (pointer.y - field.top) / s;
    if (x >= kGridSide || y >= kGridSide) return 0;
    int v = At(gs.position.board, x, y);
    if (v < 1 || v > kFigureCount) return 0;
    auto it = std::find_if(gs.position.placed.begin(), gs.position.placed.end(),
                           [v](const Figure& f) { return FigureOf(f.matrix) == v; });
    if (it == gs.position.placed.end()) return 0;
    gs.hand.matrices[v] = it->matrix;
    ForgetHint(gs.hints);
    // Keep the records packed: later records move one slot towards the front.
    std::move(it + 1, gs.position.placed.end(), it);
    gs.position.placed.back() = Figure{};
    gs.position.inList[v] = static_cast<int8_t>(gs.position.inList[v] + 1);
    gs.hand.selection = v;
    UpdateGrabPoint(gs);
    return v;
}

void UpdateGrabPoint(GameState& gs) {
    int held = HeldFigure(gs);
    if (held == 0) return;
    const FigureMatrix& m = gs.hand.matrices[held];
    const int s = MetricsOf(gs).square;
    if (gs.settings.view.cursorMode == CursorMode::FirstSquareCorner) {
        int c = 0;
        while (c < 4 && !ColumnHasSquare(m, c))
            ++c;
        int r = 0;
        while (r < 4 && At(m, c, r) == 0)
            ++r;
        gs.hand.grabX = s * c;
        gs.hand.grabY = s * r;
    } else if (gs.settings.view.cursorMode == CursorMode::MiddleSquare) {
        int k = CatalogueIndex(m);
        gs.hand.grabX = gs.hand.grabY = s * 2 + s / 2; // a held figure is always in the catalogue
        if (k < 0) return;
        for (int i = 0; i < kMatrixCells; ++i)
            if (Orientations().numbered[k][i] == 3) {
                gs.hand.grabX = s * (i % kMatrixSide) + s / 2;
                gs.hand.grabY = s * (i / kMatrixSide) + s / 2;
            }
    } else {
        int c = 4;
        while (c > 0 && !ColumnHasSquare(m, c))
            --c;
        int r = 4;
        while (r > 0 && At(m, c, r) == 0)
            --r;
        gs.hand.grabX = s * (c + 1);
        gs.hand.grabY = s * (r + 1);
    }
}
