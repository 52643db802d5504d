// The Sound dialog: a list of the five sound events with their switches and wave files.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include "model/sound_dialog_model.h"
#include "resource.h"
#include "ui/dialogs.h"

namespace {

enum SoundColumn { kColumnSwitch = 0, kColumnEvent = 1, kColumnFile = 2 };
constexpr int kCheckedImage = 2; // state image of a checked box; 1 is unchecked

HWND List(HWND dialog) {
    return GetDlgItem(dialog, IDC_SOUND_LIST);
}

void InsertColumn(HWND list, int column, const char* title, int width) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    c.pszText = const_cast<char*>(title);
    c.cx = width;
    c.iSubItem = column;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&c));
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

void SetRowChecked(HWND list, int row, bool checked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? kCheckedImage : 1);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool IsRowChecked(HWND list, int row) {
    auto state = static_cast<UINT>(
        SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == kCheckedImage;
}

void ShowRows(HWND dialog, const SoundRows& rows) {
    HWND list = List(dialog);
    for (int i = 0; i < kSoundEventCount; ++i) {
        SetText(list, i, kColumnEvent, rows[i].name);
        SetText(list, i, kColumnFile, rows[i].file);
        SetRowChecked(list, i, rows[i].enabled);
    }
}

SoundRows ReadRows(HWND dialog) {
    HWND list = List(dialog);
    SoundRows rows;
    for (int i = 0; i < kSoundEventCount; ++i) {
        rows[i].enabled = IsRowChecked(list, i);
        rows[i].name = GetText(list, i, kColumnEvent);
        rows[i].file = GetText(list, i, kColumnFile);
    }
    return rows;
}

// The selected line when there is one; otherwise -1, after telling the player.
int SelectedLine(HWND dialog) {
    const auto line = static_cast<int>(
        SendMessageA(List(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (const auto message = LineNeeded(ReadRows(dialog), line)) {
        ShowMessage(dialog, *message);
        return -1;
    }
    return line;
}

void OnInit(const App& app, HWND dialog) {
    HWND list = List(dialog);
    const DWORD styles = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    InsertColumn(list, kColumnSwitch, "", 30);
    InsertColumn(list, kColumnEvent, "Event", 100);
    InsertColumn(list, kColumnFile, "File name", 360);
    for (int i = 0; i < kSoundEventCount; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>("");
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ShowRows(dialog, OpenSound(app.gs));
}

void OnOk(App& app, HWND dialog) {
    ApplySounds(app.gs, ReadRows(dialog));
    EndDialog(dialog, IDOK);
}

void OnDefault(HWND dialog) {
    SoundRows rows = ReadRows(dialog);
    SetDefaultSounds(rows);
    ShowRows(dialog, rows);
}

void OnSwitchAll(HWND dialog, bool on) {
    SoundRows rows = ReadRows(dialog);
    SwitchAllSounds(rows, on);
    ShowRows(dialog, rows);
}

void OnPlay(HWND dialog) {
    const int line = SelectedLine(dialog);
    if (line >= 0) PlaySoundA(GetText(List(dialog), line, kColumnFile).c_str(), nullptr, SND_ASYNC);
}

void OnSelect(HWND dialog) {
    const int line = SelectedLine(dialog);
    if (line < 0) return;
    char file[MAX_PATH] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Wave file (*.wav)\0*.wav\0";
    open.lpstrFile = file;
    open.nMaxFile = sizeof file;
    open.lpstrTitle = "Please select a wave file";
    open.Flags =
        OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
    if (GetOpenFileNameA(&open)) SetText(List(dialog), line, kColumnFile, file);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_SOUND_DEFAULT:
        OnDefault(dialog);
        break;
    case IDC_SOUND_SET_ALL:
    case IDC_SOUND_RESET_ALL:
        OnSwitchAll(dialog, id == IDC_SOUND_SET_ALL);
        break;
    case IDC_SOUND_PLAY:
        OnPlay(dialog);
        break;
    case IDC_SOUND_SELECT:
        OnSelect(dialog);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR SoundDialog(App& app) {
    return RunDialog(app, IDD_SOUND,
                     {.init =
                          [&](HWND d) {
                              OnInit(app, d);
                              return TRUE;
                          },
                      .ok = [&](HWND d) { OnOk(app, d); },
                      .command = [](HWND d, int id, int) { OnCommand(d, id); }});
}
