// The Options dialog: the view options with live previews; OK and Apply redraw the game.
#include <windows.h>

#include <commctrl.h>

#include "render/cells.h"
#include "render/options_preview.h"
#include "resource.h"
#include "ui/colour_button.h"
#include "ui/dialogs.h"
#include "ui/folder_listing.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/skin_preview.h"
#include "ui/window_layout.h"

namespace {

// What the dialog owns while it is open.
struct OptionsState {
    App* app = nullptr;
    PreviewSkin preview;
};

OptionsState* StateOf(HWND dialog) {
    return reinterpret_cast<OptionsState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

int Selection(HWND dialog, int id, UINT message) { return static_cast<int>(SendItem(dialog, id, message)); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, int32_t flag) { CheckDlgButton(dialog, id, flag != 0 ? BST_CHECKED : BST_UNCHECKED); }

void AddString(HWND dialog, int id, UINT message, const std::string& text) {
    SendItem(dialog, id, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the first entry that begins with `prefix` (letter case ignored), or entry 0.
void SelectByPrefix(HWND dialog, int id, bool combo, const std::string& prefix) {
    const LRESULT found = SendItem(dialog, id, combo ? CB_FINDSTRING : LB_FINDSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(prefix.c_str()));
    SendItem(dialog, id, combo ? CB_SETCURSEL : LB_SETCURSEL, found < 0 ? 0 : static_cast<WPARAM>(found));
}

// The selected entry of list id, or `unchanged` when none is selected.
std::string SelectedEntry(HWND dialog, int id, const std::string& unchanged) {
    const int selected = Selection(dialog, id, LB_GETCURSEL);
    if (selected < 0) return unchanged;
    char text[MAX_PATH] = {};
    if (SendItem(dialog, id, LB_GETTEXTLEN, static_cast<WPARAM>(selected)) >= MAX_PATH) return unchanged;
    SendItem(dialog, id, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text));
    return text;
}

void FillList(HWND dialog, int id, const std::string& pattern) {
    for (const std::string& name : ListFiles(pattern)) AddString(dialog, id, LB_ADDSTRING, name);
}

void FillCombos(HWND dialog) {
    for (int i = 0; i < kSquareSizeItems; ++i)
        AddString(dialog, IDC_SQUARE_SIZE, CB_ADDSTRING, std::to_string(SquareSizeOfItem(i)));
    for (int i = 0; i < kSquareIndexItems; ++i)
        AddString(dialog, IDC_SQUARE_INDEX, CB_ADDSTRING, SquareIndexItemText(i));
}

void InitTrackBar(HWND dialog) {
    SendItem(dialog, IDC_OPAQUE, TBM_SETRANGE, FALSE, MAKELPARAM(50, 100));
    SendItem(dialog, IDC_OPAQUE, TBM_SETLINESIZE, 0, 5);
    SendItem(dialog, IDC_OPAQUE, TBM_SETTICFREQ, 5, 0);
}

void FillControls(HWND dialog, const ViewOptions& o) {
    SetColourButton(dialog, IDC_COLOR_BACK, o.colorBack);
    SetColourButton(dialog, IDC_COLOR_INK, o.colorInk);
    SetColourButton(dialog, IDC_COLOR_CONTOUR, o.colorContour);
    Check(dialog, IDC_AUTO_SIZE, o.autoSize);
    Check(dialog, IDC_SHOW_LEGAL_MOVE, o.showLegalMove);
    Check(dialog, IDC_SHOW_SHADOW, o.showShadow);
    Check(dialog, IDC_SHOW_INVERSE, o.showInverse);
    Check(dialog, IDC_SHOW_CONTOUR, o.showContour);
    Check(dialog, IDC_USE_ONE_COLOR, o.useOneColor);
    SendItem(dialog, IDC_SQUARE_INDEX, CB_SETCURSEL, static_cast<WPARAM>(o.squareIndex));
    SelectByPrefix(dialog, IDC_SQUARE_SIZE, true, std::to_string(o.squareSize));
    SelectByPrefix(dialog, IDC_SKIN_LIST, false, o.skinName);
    SendItem(dialog, IDC_OPAQUE, TBM_SETPOS, TRUE, o.opacityPercent);
    CheckRadioButton(dialog, IDC_PATTERN_IMAGE, IDC_SOLID_COLOR,
                     o.backgroundType == BackgroundType::PatternImage ? IDC_PATTERN_IMAGE : IDC_SOLID_COLOR);
    SelectByPrefix(dialog, IDC_BACKGROUND_LIST, false, o.backgroundName);
}

void ReadControls(HWND dialog, ViewOptions& o) {
    o.colorBack = ColourOfButton(dialog, IDC_COLOR_BACK);
    o.colorInk = ColourOfButton(dialog, IDC_COLOR_INK);
    o.colorContour = ColourOfButton(dialog, IDC_COLOR_CONTOUR);
    o.cursorMode = CursorMode::MiddleSquare;
    o.autoSize = Checked(dialog, IDC_AUTO_SIZE);
    o.showLegalMove = Checked(dialog, IDC_SHOW_LEGAL_MOVE);
    o.showShadow = Checked(dialog, IDC_SHOW_SHADOW);
    o.showInverse = Checked(dialog, IDC_SHOW_INVERSE);
    o.showContour = Checked(dialog, IDC_SHOW_CONTOUR);
    const int size = Selection(dialog, IDC_SQUARE_SIZE, CB_GETCURSEL);
    if (size >= 0) o.squareSize = SquareSizeOfItem(size);
    o.skinName = SelectedEntry(dialog, IDC_SKIN_LIST, o.skinName);
    const int index = Selection(dialog, IDC_SQUARE_INDEX, CB_GETCURSEL);
    if (index >= 0) o.squareIndex = index;
    o.useOneColor = Checked(dialog, IDC_USE_ONE_COLOR);
    o.opacityPercent = static_cast<int32_t>(SendItem(dialog, IDC_OPAQUE, TBM_GETPOS));
    o.backgroundName = SelectedEntry(dialog, IDC_BACKGROUND_LIST, o.backgroundName);
    o.backgroundType = Checked(dialog, IDC_SOLID_COLOR) ? BackgroundType::SolidColour : BackgroundType::PatternImage;
}

void Enable(HWND dialog, int id, bool on) { EnableWindow(GetDlgItem(dialog, id), on ? TRUE : FALSE); }

void UpdateEnabling(HWND dialog) {
    Enable(dialog, IDC_COLOR_CONTOUR, Checked(dialog, IDC_SHOW_CONTOUR));
    const bool oneColour = Checked(dialog, IDC_USE_ONE_COLOR);
    Enable(dialog, IDC_SQUARE_INDEX, oneColour);
    Enable(dialog, IDC_SQUARE_INDEX_LABEL, oneColour);
    const bool pattern = Checked(dialog, IDC_PATTERN_IMAGE);
    Enable(dialog, IDC_BACKGROUND_LIST, pattern);
    Enable(dialog, IDC_BACKGROUND_PREVIEW, pattern);
    Enable(dialog, IDC_COLOR_BACK, !pattern);
    Enable(dialog, IDC_SQUARE_SIZE, !Checked(dialog, IDC_AUTO_SIZE));
}

// Invalidates the dialog and both previews, so that they follow the controls.
void RepaintDialog(HWND dialog) {
    InvalidateRect(dialog, nullptr, TRUE);
    InvalidateRect(GetDlgItem(dialog, IDC_SKIN_PREVIEW), nullptr, FALSE);
    InvalidateRect(GetDlgItem(dialog, IDC_BACKGROUND_PREVIEW), nullptr, FALSE);
}

void LoadPreviewSkin(HWND dialog, OptionsState& state) {
    LoadPreviewSkin(state.preview, state.app->hwndMain, SelectedEntry(dialog, IDC_SKIN_LIST, ""));
}

void OnInit(HWND dialog, OptionsState& state) {
    FillList(dialog, IDC_SKIN_LIST, "Skins\\*.bmp");
    FillList(dialog, IDC_BACKGROUND_LIST, "Background\\*.bmp");
    if (SendItem(dialog, IDC_SKIN_LIST, LB_GETCOUNT) <= 0) Enable(dialog, IDC_PICK_FROM_SKIN, false);
    FillCombos(dialog);
    InitTrackBar(dialog);
    FillControls(dialog, state.app->gs.settings.view);
    UpdateEnabling(dialog);
    CreatePreviewSkin(state.preview, dialog);
    LoadPreviewSkin(dialog, state);
}

// OK and Apply: the controls become the game's view options and the picture is rebuilt.
void Apply(HWND dialog, App& app) {
    GameState& gs = app.gs;
    ReadControls(dialog, gs.settings.view);
    LimitViewOptions(gs.settings.view);
    Relayout(app);
    ReloadSkin(app.surfaces, gs, app.hwndMain);
    BuildBackground(app.surfaces, gs, app.hwndMain);
    // The figure in hand is drawn anew from the new skin.
    SendMessageA(app.hwndMain, WM_COMMAND, MAKEWPARAM(IDC_FIGURE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(app.hwndFigureList));
    RepaintMain();
}

void SetDefaults(HWND dialog, OptionsState& state) {
    FillControls(dialog, ViewOptions{});
    UpdateEnabling(dialog);
    LoadPreviewSkin(dialog, state);
    RepaintDialog(dialog);
}

// Ink from the open cell, back and contour from the plain square of the skin in the list.
void PickFromSkin(HWND dialog, const OptionsState& state) {
    SetColourButton(dialog, IDC_COLOR_INK, AverageTileColour(state.preview, kPreviewTile * kTileOpen));
    const COLORREF plain = AverageTileColour(state.preview, kPreviewTile * kTilePlain);
    SetColourButton(dialog, IDC_COLOR_BACK, plain);
    SetColourButton(dialog, IDC_COLOR_CONTOUR, plain);
    RepaintDialog(dialog);
}

void OnButton(HWND dialog, OptionsState& state, int id) {
    switch (id) {
    case IDOK:
        Apply(dialog, *state.app);
        EndDialog(dialog, IDOK);
        break;
    case IDC_APPLY:
        Apply(dialog, *state.app);
        RepaintDialog(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_OPTIONS_DEFAULT:
        SetDefaults(dialog, state);
        break;
    case IDC_COLOR_BACK:
    case IDC_COLOR_INK:
    case IDC_COLOR_CONTOUR:
        if (ChooseButtonColour(dialog, id)) RepaintDialog(dialog);
        break;
    case IDC_PICK_FROM_SKIN:
        PickFromSkin(dialog, state);
        break;
    case IDC_OPTIONS_HELP:
        ShowHelp(*state.app, 2);
        break;
    case IDC_SHOW_CONTOUR:
    case IDC_USE_ONE_COLOR:
    case IDC_PATTERN_IMAGE:
    case IDC_SOLID_COLOR:
    case IDC_AUTO_SIZE:
        UpdateEnabling(dialog);
        RepaintDialog(dialog);
        break;
    default:
        break;
    }
}

void OnCommand(HWND dialog, OptionsState& state, int id, int notification) {
    if (id == IDC_SKIN_LIST || id == IDC_BACKGROUND_LIST) {
        if (notification != LBN_SELCHANGE) return;
        LoadPreviewSkin(dialog, state);
        RepaintDialog(dialog);
    } else if (id == IDC_SQUARE_INDEX) {
        if (notification == CBN_SELCHANGE) RepaintDialog(dialog);
    } else if (notification == BN_CLICKED) {
        OnButton(dialog, state, id);
    }
}

// Both previews are drawn off-screen first, then copied into their static control.
void OnDrawItem(HWND dialog, OptionsState& state, const DRAWITEMSTRUCT& item) {
    ViewOptions shown = state.app->gs.settings.view;
    ReadControls(dialog, shown);
    const RECT area{0, 0, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top};
    HDC buffer = CreateCompatibleDC(item.hDC);
    HBITMAP bitmap = CreateCompatibleBitmap(item.hDC, area.right, area.bottom);
    HGDIOBJ original = SelectObject(buffer, bitmap);
    if (item.CtlID == IDC_SKIN_PREVIEW) {
        const bool haveSkin = Selection(dialog, IDC_SKIN_LIST, LB_GETCURSEL) >= 0;
        DrawSkinPreview(*state.app, state.preview, buffer, area, shown, haveSkin);
    } else {
        DrawBackgroundPreview(buffer, area, shown.backgroundName);
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, original);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

void OnDestroy(HWND dialog, OptionsState* state) {
    for (int id : {IDC_COLOR_BACK, IDC_COLOR_INK, IDC_COLOR_CONTOUR}) FreeColourButton(dialog, id);
    if (state == nullptr) return;
    FreePreviewSkin(state->preview);
    delete state;
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* state = new OptionsState{reinterpret_cast<App*>(lParam), {}};
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
        OnInit(dialog, *state);
        return TRUE;
    }
    OptionsState* state = StateOf(dialog);
    if (message == WM_DESTROY) {
        OnDestroy(dialog, state);
        return FALSE;
    }
    if (state == nullptr) return FALSE;
    switch (message) {
    case WM_COMMAND:
        OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(dialog, *state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR OptionsDialog(App& app) {
    return DialogBoxParamA(app.hInstance, MAKEINTRESOURCEA(IDD_OPTIONS), app.hwndMain, OptionsDialogProc,
                           reinterpret_cast<LPARAM>(&app));
}
