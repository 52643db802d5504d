// The Sound dialog: a list of the five sound events with their switches and wave files.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include "resource.h"
#include "ui/dialogs.h"

namespace {

enum SoundColumn { kColumnSwitch = 0, kColumnEvent = 1, kColumnFile = 2 };
constexpr int kCheckedImage = 2; // state image of a checked box; 1 is unchecked

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SOUND_LIST); }

App& AppOf(HWND dialog) { return *reinterpret_cast<App*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void InsertColumn(HWND list, int column, const char* title, int width) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.pszText = const_cast<char*>(title);
    c.cx = width;
    c.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

void SetText(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string GetText(HWND list, int row, int column) {
    char text[MAX_PATH] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void SetChecked(HWND list, int row, bool checked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : 1);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool IsChecked(HWND list, int row) {
    auto state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == kCheckedImage;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

void InsertRow(HWND list, int row, const SoundSetting& sound) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>("");
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetText(list, row, kColumnEvent, sound.name);
    SetText(list, row, kColumnFile, sound.file);
    SetChecked(list, row, sound.enabled != 0);
}

void OnInit(HWND dialog, const GameState& gs) {
    HWND list = List(dialog);
    const DWORD styles = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    InsertColumn(list, kColumnSwitch, "", 30);
    InsertColumn(list, kColumnEvent, "Event", 100);
    InsertColumn(list, kColumnFile, "File name", 360);
    for (int i = 0; i < kSoundEventCount; ++i) InsertRow(list, i, gs.settings.sounds[i]);
}

void OnOk(HWND dialog, GameState& gs) {
    HWND list = List(dialog);
    for (int i = 0; i < kSoundEventCount && i < RowCount(list); ++i) {
        SoundSetting& sound = gs.settings.sounds[i];
        sound.enabled = IsChecked(list, i) ? 1 : 0;
        sound.name = GetText(list, i, kColumnEvent);
        sound.file = GetText(list, i, kColumnFile);
    }
    EndDialog(dialog, IDOK);
}

void SetDefaults(HWND list) {
    for (int i = 0; i < RowCount(list); ++i) {
        SetText(list, i, kColumnFile, DefaultSoundFile(i));
        SetChecked(list, i, true);
    }
}

void CheckAll(HWND list, bool checked) {
    for (int i = 0; i < RowCount(list); ++i) SetChecked(list, i, checked);
}

// The selected row; -1 after telling the player that none is.
int SelectedRow(HWND dialog) {
    auto row = static_cast<int>(SendMessageA(List(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) ShowMessage(dialog, "Please select a line in list box.", MB_OK);
    return row;
}

void Play(HWND dialog) {
    const int row = SelectedRow(dialog);
    if (row >= 0) PlaySoundA(GetText(List(dialog), row, kColumnFile).c_str(), nullptr, SND_ASYNC);
}

void SelectFile(HWND dialog) {
    const int row = SelectedRow(dialog);
    if (row < 0) return;
    char file[MAX_PATH] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Wave file (*.wav)\0*.wav\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrTitle = "Please select a wave file";
    open.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
    if (GetOpenFileNameA(&open)) SetText(List(dialog), row, kColumnFile, file);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        OnOk(dialog, AppOf(dialog).gs);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_SOUND_DEFAULT:
        SetDefaults(List(dialog));
        break;
    case IDC_SOUND_SET_ALL:
    case IDC_SOUND_RESET_ALL:
        CheckAll(List(dialog), id == IDC_SOUND_SET_ALL);
        break;
    case IDC_SOUND_PLAY:
        Play(dialog);
        break;
    case IDC_SOUND_SELECT:
        SelectFile(dialog);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        OnInit(dialog, AppOf(dialog).gs);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR SoundDialog(App& app) {
    return DialogBoxParamA(app.hInstance, MAKEINTRESOURCEA(IDD_SOUND), app.hwndMain, SoundDialogProc,
                           reinterpret_cast<LPARAM>(&app));
}
