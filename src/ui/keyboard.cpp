// The keyboard's flow: Tab between the figure list and the field, the cursor, dropping and
// taking back, the "By squares" editor's squares.
#include "ui/keyboard.h"

#include "model/keyboard.h"
#include "ui/figure_list.h"
#include "ui/main_window.h"
#include "ui/menu_state.h"
#include "ui/mouse.h"
#include "ui/sound.h"

namespace {

constexpr LPARAM kKeyWasDown = LPARAM{1} << 30; // WM_KEYDOWN's flag of an automatic repeat

// A key held down repeats only as an arrow: Enter laying and taking back in turn, or Shift
// anchoring its rectangle anew, would not be what the player meant.
Key KeyOf(WPARAM key, LPARAM flags) {
    const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if ((flags & kKeyWasDown) != 0 && !arrow) return Key::Other;
    switch (key) {
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    case VK_RETURN:
        return Key::Enter;
    case VK_SPACE:
        return Key::Space;
    case VK_DELETE:
        return Key::Delete;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_TAB:
        return Key::Tab;
    case VK_SHIFT:
        return Key::Shift;
    default:
        return Key::Other;
    }
}

} // namespace

bool OnFieldKey(App& app, WPARAM key, LPARAM flags) {
    if (!app.fieldFocus) return false;
    GameState& gs = app.gs;
    gs.hand.selection = FigureListSelection(app);
    const KeyOutcome outcome = PressFieldKey(gs, KeyOf(key, flags), GetKeyState(VK_SHIFT) < 0);
    switch (outcome) {
    case KeyOutcome::NotMine:
        return false;
    case KeyOutcome::Nothing:
    case KeyOutcome::FocusField:
        return true;
    case KeyOutcome::FocusList:
        SetFocus(app.hwndFigureList);
        return true;
    case KeyOutcome::Drop:
    case KeyOutcome::TakeBack: {
        const Point at = CursorPointer(gs, HeldFigure(gs));
        LayOrTakeAt(app, {at.x, at.y});
        break;
    }
    case KeyOutcome::PutBack:
        OnMiddleButton(app);
        return true;
    case KeyOutcome::Filled:
    case KeyOutcome::Cleared:
        PlaySoundEvent(gs, outcome == KeyOutcome::Filled ? kSoundDrop : kSoundTake);
        UpdateMenuStates(app);
        break;
    case KeyOutcome::Repaint:
        break;
    }
    RepaintMain();
    return true;
}

bool OnFigureListKey(App& app, WPARAM key, LPARAM flags) {
    app.gs.hand.selection = FigureListSelection(app);
    if (PressListKey(app.gs, KeyOf(key, flags)) != KeyOutcome::FocusField) return false;
    SetFocus(app.hwndMain);
    return true;
}

void OnFieldFocus(App& app, bool gained) {
    app.fieldFocus = gained;
    if (gained)
        app.fieldFocusBack = true;
    else
        LeaveField(app.gs);
    RepaintMain();
}

void OnActivateFocus(App& app, WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && app.hwndFigureList != nullptr)
        SetFocus(app.fieldFocusBack ? app.hwndMain : app.hwndFigureList);
}
