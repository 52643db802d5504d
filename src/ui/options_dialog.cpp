// The Options dialog: the view options with live previews; OK and Apply redraw the game.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <utility>

#include "model/display.h"
#include "render/cells.h"
#include "render/gdi_handles_gdi.h"
#include "render/options_dialog_model.h"
#include "render/options_preview.h"
#include "resource.h"
#include "ui/colour_button.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/folder_listing.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/skin_preview.h"
#include "ui/window_layout.h"

namespace {

// What the dialog keeps while it is open: the listed bitmaps and the preview skin.
struct OptionsSession {
    OptionsSession(HDC reference, int tile) : preview(reference, tile) {}
    OptionsLists lists;
    PreviewSkin preview;
};

void AddComboItems(HWND dialog, int id, const std::vector<std::string>& items) {
    for (const std::string& item : items)
        SendControl(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void FillChoices(HWND dialog, const OptionsLists& lists) {
    for (const std::string& name : lists.skins)
        AddListLine(dialog, IDC_SKIN_LIST, name);
    for (const std::string& name : lists.backgrounds)
        AddListLine(dialog, IDC_BACKGROUND_LIST, name);
    AddComboItems(dialog, IDC_SQUARE_SIZE, SquareSizeItems());
    AddComboItems(dialog, IDC_SQUARE_INDEX, SquareIndexItems());
    SendControl(dialog, IDC_OPAQUE, TBM_SETRANGE, FALSE, MAKELPARAM(kMinOpacity, kMaxOpacity));
    SendControl(dialog, IDC_OPAQUE, TBM_SETLINESIZE, 0, 5);
    SendControl(dialog, IDC_OPAQUE, TBM_SETTICFREQ, 5, 0);
}

void ShowColours(HWND dialog, const OptionsForm& form) {
    SetColourButton(dialog, IDC_COLOR_BACK, form.colorBack);
    SetColourButton(dialog, IDC_COLOR_INK, form.colorInk);
    SetColourButton(dialog, IDC_COLOR_CONTOUR, form.colorContour);
}

void Select(HWND dialog, int id, UINT message, int line) {
    SendControl(dialog, id, message, static_cast<WPARAM>(line));
}

// The check boxes and the switches they show.
constexpr std::pair<int, bool OptionsForm::*> kSwitches[] = {
    {IDC_AUTO_SIZE, &OptionsForm::autoSize},
    {IDC_SHOW_LEGAL_MOVE, &OptionsForm::showLegalMove},
    {IDC_SHOW_SHADOW, &OptionsForm::showShadow},
    {IDC_SHOW_INVERSE, &OptionsForm::showInverse},
    {IDC_SHOW_CONTOUR, &OptionsForm::showContour},
    {IDC_USE_ONE_COLOR, &OptionsForm::useOneColor},
};

void ShowForm(HWND dialog, const OptionsForm& form) {
    ShowColours(dialog, form);
    for (auto [id, flag] : kSwitches)
        SetChecked(dialog, id, form.*flag);
    Select(dialog, IDC_SQUARE_INDEX, CB_SETCURSEL, form.squareIndexItem);
    Select(dialog, IDC_SQUARE_SIZE, CB_SETCURSEL, form.squareSizeItem);
    Select(dialog, IDC_SKIN_LIST, LB_SETCURSEL, form.skinLine);
    SendControl(dialog, IDC_OPAQUE, TBM_SETPOS, TRUE, form.opacityPercent);
    CheckRadioButton(dialog, IDC_PATTERN_IMAGE, IDC_SOLID_COLOR,
                     form.solidColour ? IDC_SOLID_COLOR : IDC_PATTERN_IMAGE);
    Select(dialog, IDC_BACKGROUND_LIST, LB_SETCURSEL, form.backgroundLine);
}

OptionsForm ReadForm(HWND dialog) {
    OptionsForm form;
    form.colorBack = ColourOfButton(dialog, IDC_COLOR_BACK);
    form.colorInk = ColourOfButton(dialog, IDC_COLOR_INK);
    form.colorContour = ColourOfButton(dialog, IDC_COLOR_CONTOUR);
    for (auto [id, flag] : kSwitches)
        form.*flag = IsChecked(dialog, id);
    form.solidColour = IsChecked(dialog, IDC_SOLID_COLOR);
    form.squareSizeItem = static_cast<int>(SendControl(dialog, IDC_SQUARE_SIZE, CB_GETCURSEL));
    form.squareIndexItem = static_cast<int>(SendControl(dialog, IDC_SQUARE_INDEX, CB_GETCURSEL));
    form.opacityPercent = static_cast<int>(SendControl(dialog, IDC_OPAQUE, TBM_GETPOS));
    form.skinLine = ListSelection(dialog, IDC_SKIN_LIST);
    form.backgroundLine = ListSelection(dialog, IDC_BACKGROUND_LIST);
    return form;
}

// Each control and the rule that enables it.
constexpr std::pair<int, bool OptionsEnabling::*> kEnabledBy[] = {
    {IDC_COLOR_CONTOUR, &OptionsEnabling::contourColour},
    {IDC_SQUARE_INDEX, &OptionsEnabling::squareIndex},
    {IDC_SQUARE_INDEX_LABEL, &OptionsEnabling::squareIndex},
    {IDC_BACKGROUND_LIST, &OptionsEnabling::backgrounds},
    {IDC_BACKGROUND_PREVIEW, &OptionsEnabling::backgrounds},
    {IDC_COLOR_BACK, &OptionsEnabling::backColour},
    {IDC_SQUARE_SIZE, &OptionsEnabling::squareSize},
    {IDC_PICK_FROM_SKIN, &OptionsEnabling::pickFromSkin},
};

void ShowEnabling(HWND dialog, const OptionsSession& session) {
    const OptionsEnabling enabled = EnabledOptions(ReadForm(dialog), session.lists);
    for (auto [id, rule] : kEnabledBy)
        EnableControl(dialog, id, enabled.*rule);
}

// Invalidates the dialog and both previews, so that they follow the controls.
void RepaintDialog(HWND dialog) {
    InvalidateRect(dialog, nullptr, TRUE);
    RepaintControl(dialog, IDC_SKIN_PREVIEW);
    RepaintControl(dialog, IDC_BACKGROUND_PREVIEW);
}

void LoadPreview(const App& app, HWND dialog, OptionsSession& session) {
    session.preview.Load(app.hwndMain, PreviewSkinName(ReadForm(dialog), session.lists));
}

void OnInit(App& app, HWND dialog, std::unique_ptr<OptionsSession>& opened) {
    WindowDc window(dialog);
    opened = std::make_unique<OptionsSession>(window.get(), MetricsOf(app.gs).smallTile);
    OptionsSession* session = opened.get();
    session->lists = {ListFiles("Skins\\*.bmp"), ListFiles("Background\\*.bmp")};
    FillChoices(dialog, session->lists);
    ShowForm(dialog, OpenOptions(app.gs.settings.view, session->lists));
    ShowEnabling(dialog, *session);
    LoadPreview(app, dialog, *session);
}

// OK and Apply: the controls become the game's view options and the picture is rebuilt.
void OnApply(App& app, HWND dialog, const OptionsSession& session) {
    ApplyOptions(app.gs, ReadForm(dialog), session.lists);
    Relayout(app);
    ReloadSkin(app.surfaces, app.gs, app.hwndMain);
    BuildBackground(app.surfaces, app.gs, app.hwndMain);
    // The figure in hand is drawn anew from the new skin.
    SendMessageA(app.hwndMain, WM_COMMAND, MAKEWPARAM(IDC_FIGURE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(app.hwndFigureList));
    RepaintMain();
}

void OnDefault(const App& app, HWND dialog, OptionsSession& session) {
    ShowForm(dialog, DefaultOptions(session.lists));
    ShowEnabling(dialog, session);
    LoadPreview(app, dialog, session);
    RepaintDialog(dialog);
}

void OnPickFromSkin(HWND dialog, const OptionsSession& session) {
    OptionsForm form = ReadForm(dialog);
    PickColoursFromSkin(form, session.preview.AverageTileColour(kTileOpen),
                        session.preview.AverageTileColour(kTilePlain));
    ShowColours(dialog, form);
    RepaintDialog(dialog);
}

void OnButton(App& app, HWND dialog, OptionsSession& session, int id) {
    switch (id) {
    case IDC_APPLY:
        OnApply(app, dialog, session);
        RepaintDialog(dialog);
        break;
    case IDC_OPTIONS_DEFAULT:
        OnDefault(app, dialog, session);
        break;
    case IDC_COLOR_BACK:
    case IDC_COLOR_INK:
    case IDC_COLOR_CONTOUR:
        if (ChooseButtonColour(dialog, id)) RepaintDialog(dialog);
        break;
    case IDC_PICK_FROM_SKIN:
        OnPickFromSkin(dialog, session);
        break;
    case IDC_OPTIONS_HELP:
        ShowHelp(app, 2);
        break;
    case IDC_SHOW_CONTOUR:
    case IDC_USE_ONE_COLOR:
    case IDC_PATTERN_IMAGE:
    case IDC_SOLID_COLOR:
    case IDC_AUTO_SIZE:
        ShowEnabling(dialog, session);
        RepaintDialog(dialog);
        break;
    default:
        break;
    }
}

void OnCommand(App& app, HWND dialog, OptionsSession& session, int id, int notification) {
    if (id == IDC_SKIN_LIST || id == IDC_BACKGROUND_LIST) {
        if (notification != LBN_SELCHANGE) return;
        LoadPreview(app, dialog, session);
        RepaintDialog(dialog);
    } else if (id == IDC_SQUARE_INDEX) {
        if (notification == CBN_SELCHANGE) RepaintDialog(dialog);
    } else if (notification == BN_CLICKED) {
        OnButton(app, dialog, session, id);
    }
}

// Both previews are drawn off-screen first, then copied into their static control.
void OnDrawItem(App& app, HWND dialog, const OptionsSession& session, const DRAWITEMSTRUCT& item) {
    const OptionsForm form = ReadForm(dialog);
    const ViewOptions shown = FormOptions(app.gs.settings.view, form, session.lists);
    const RECT area{0, 0, item.rcItem.right - item.rcItem.left,
                    item.rcItem.bottom - item.rcItem.top};
    MemoryDc buffer(item.hDC);
    OwnedBitmap bitmap(CreateCompatibleBitmap(item.hDC, area.right, area.bottom));
    ScopedSelect select(buffer.get(), bitmap.get());
    if (item.CtlID == IDC_SKIN_PREVIEW)
        DrawSkinPreview(app, session.preview, buffer.get(), area, shown, form.skinLine >= 0);
    else
        DrawBackgroundPreview(buffer.get(), area, shown.backgroundName);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, area.right, area.bottom, buffer.get(), 0, 0,
           SRCCOPY);
}

void OnDestroy(HWND dialog) {
    for (int id : {IDC_COLOR_BACK, IDC_COLOR_INK, IDC_COLOR_CONTOUR})
        FreeColourButton(dialog, id);
}

} // namespace

INT_PTR OptionsDialog(App& app) {
    std::unique_ptr<OptionsSession> session;
    return RunDialog(
        app, IDD_OPTIONS,
        {.init =
             [&](HWND d) {
                 OnInit(app, d, session);
                 return TRUE;
             },
         .ok =
             [&](HWND d) {
                 OnApply(app, d, *session);
                 EndDialog(d, IDOK);
             },
         .command = [&](HWND d, int id,
                        int notification) { OnCommand(app, d, *session, id, notification); },
         .drawItem = [&](HWND d,
                         const DRAWITEMSTRUCT& item) { OnDrawItem(app, d, *session, item); },
         .destroy = [](HWND d) { OnDestroy(d); }});
}
