// The mouse and key flow of play; the rules themselves live in the game model.
#include "ui/mouse.h"

#include "model/geometry.h"
#include "model/keyboard.h"
#include "model/placement.h"
#include "render/figure_pictures.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/orientation_menus.h"
#include "ui/sound.h"
#include "ui/status_bar.h"

namespace {

void AfterDrop(App& app, DropResult result) {
    GameState& gs = app.gs;
    switch (result) {
    case DropResult::NotHeld:
        return;
    case DropResult::Illegal:
        PlaySoundEvent(gs, kSoundError);
        return;
    case DropResult::Dropped:
    case DropResult::Won:
        PlaySoundEvent(gs, kSoundDrop);
        UpdateMenuStates(app);
        InvalidateRect(app.hwndFigureList, nullptr, FALSE);
        RepaintMain();
        if (result == DropResult::Won) {
            ClockWin(app);
            UpdateWindow(app.hwndMain);
            ShowMessage(app.hwndMain, "Congratulations! The game is won.",
                        MB_OK | MB_ICONINFORMATION);
            PlaySoundEvent(gs, kSoundLevelCompleted);
        }
        return;
    }
}

void TakeBack(App& app, POINT p) {
    int figure = TakeBackFigure(app.gs, {p.x, p.y});
    if (figure == 0) return;
    PlaySoundEvent(app.gs, kSoundTake);
    SelectFigureListEntry(app, figure);
}

using Transform = void (*)(FigureMatrix&);

Transform TransformOfKey(int key) {
    switch (key) {
    case 'A':
        return TurnCounterClockwise;
    case 'S':
        return TurnClockwise;
    case 'Q':
        return FlipTopBottom;
    case 'W':
        return FlipLeftRight;
    default:
        return nullptr;
    }
}

POINT PointerInClient(const App& app) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(app.hwndMain, &p);
    return p;
}

// A press in the "By squares" editor starts a rectangle: filling with the primary button,
// clearing with the other. The window captures the mouse while the rectangle is dragged, so
// that it sees the pointer leave the frame and the button's release even outside itself.
void StartRectangle(App& app, UINT message, POINT p) {
    GameState& gs = app.gs;
    if (!FieldArea(gs).Contains({p.x, p.y})) return;
    Point cell = CellUnderPointer(gs, {p.x, p.y});
    gs.editor.rectStartX = cell.x;
    gs.editor.rectStartY = cell.y;
    gs.editor.rectDrag =
        message == app.primaryButtonDown ? RectangleDrag::Filling : RectangleDrag::Clearing;
    gs.hand.cursor.rectangle = false;
    SetCapture(app.hwndMain);
    PlaySoundEvent(gs, gs.editor.rectDrag == RectangleDrag::Filling ? kSoundDrop : kSoundTake);
    RepaintMain();
}

} // namespace

void OnMouseMove(App& app) {
    GameState& gs = app.gs;
    POINT p = PointerInClient(app);
    const bool moved = FollowPointer(gs, {p.x, p.y});
    if (MouseDragsRectangle(gs)) {
        // Leaving the frame abandons the rectangle.
        if (!FieldFrame(gs).Contains({p.x, p.y})) {
            gs.editor.rectDrag = RectangleDrag::None;
            ReleaseCapture();
        }
        RepaintMain();
    } else if (moved && (gs.editor.rectDrag != RectangleDrag::None ||
                         (app.fieldFocus && HeldFigure(gs) == 0))) {
        RepaintMain(); // a rectangle dragged with Shift or the cursor's mark follows
    } else if (HeldFigure(gs) != 0) {
        // Only the figure in hand moves: where it was and where it is now.
        const Rect now = HandPictureRect(gs, FigureListSelection(app), {p.x, p.y});
        for (const Rect& r : {app.handShown, now}) {
            const RECT area{r.left, r.top, r.right, r.bottom};
            InvalidateRect(app.hwndMain, &area, FALSE);
        }
    }
}

void OnButtonUp(App& app) {
    if (app.gs.editor.mode != EditMode::Editing || !MouseDragsRectangle(app.gs)) return;
    POINT p = PointerInClient(app);
    if (CommitEditorRectangle(app.gs, {p.x, p.y})) UpdateMenuStates(app);
    ReleaseCapture();
    RepaintMain();
}

void OnCaptureChanged(App& app, HWND newOwner) {
    if (newOwner == app.hwndMain || !MouseDragsRectangle(app.gs)) return;
    app.gs.editor.rectDrag = RectangleDrag::None;
    RepaintMain();
}

void OnButtonDown(App& app, UINT message, POINT p) {
    GameState& gs = app.gs;
    if (!FieldFrame(gs).Contains({p.x, p.y})) return;
    if (IsSquaresEditor(gs)) {
        StartRectangle(app, message, p);
        return;
    }
    if (message != app.primaryButtonDown) return; // its release brings the orientation menu
    LayOrTakeAt(app, p);
}

void LayOrTakeAt(App& app, POINT p) {
    GameState& gs = app.gs;
    gs.hand.selection = FigureListSelection(app);
    if (HeldFigure(gs) != 0)
        AfterDrop(app, DropHeldFigure(gs, {p.x, p.y}));
    else
        TakeBack(app, p);
}

void OnMiddleButton(App& app) {
    SelectFigureListEntry(app, 0);
    RepaintMain();
}

void OnContextMenu(App& app, POINT screen) {
    app.gs.hand.selection = FigureListSelection(app);
    int held = HeldFigure(app.gs);
    if (held == 0) return;
    if (screen.x == -1 && screen.y == -1) { // from the keyboard: at the figure in hand
        POINT mouse = PointerInClient(app);
        const Point at = HandPointer(app.gs, held, {mouse.x, mouse.y});
        screen = {at.x, at.y};
        ClientToScreen(app.hwndMain, &screen);
    }
    HMENU menu = OrientationMenuFor(app, Orientations().byFigure[held].count);
    if (menu == nullptr) return;
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                   app.hwndMain, nullptr);
}

void OnKeyDown(App& app, int key) {
    GameState& gs = app.gs;
    gs.hand.selection = FigureListSelection(app);
    int held = HeldFigure(gs);
    Transform transform = TransformOfKey(key);
    if (held == 0 || transform == nullptr) return;
    transform(gs.hand.matrices[held]);
    PlaySoundEvent(gs, kSoundRotate);
    UpdateGrabPoint(gs);
    InvalidateRect(app.hwndFigureList, nullptr, FALSE);
    RepaintMain();
}

void OnOrientationCommand(App& app, int commandId) {
    GameState& gs = app.gs;
    int selected = FigureListSelection(app);
    if (selected < 1 || selected > kFigureCount) return;
    FigureMatrix m;
    if (!NthOrientation(selected, OrientationOfCommand(commandId), m)) return;
    gs.hand.matrices[selected] = m;
    gs.hand.selection = selected;
    UpdateGrabPoint(gs);
    InvalidateRect(app.hwndFigureList, nullptr, FALSE);
    RepaintMain();
}
