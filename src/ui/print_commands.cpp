// The print dialog and the clipboard around the print sheets and the position picture.
#include "ui/print_commands.h"

#include "model/display.h"

#include <commdlg.h>

#include "render/clipboard_gdi.h"
#include "render/gdi_handles_gdi.h"
#include "render/print_gdi.h"
#include "render/print_layout.h"
#include "resource.h"

namespace {

// The current directory at construction, set back at destruction: a printer driver's dialog
// may change it, and every data path is relative to it.
class KeepCurrentDirectory {
  public:
    KeepCurrentDirectory() {
        if (GetCurrentDirectoryW(MAX_PATH, path_) == 0) path_[0] = L'\0';
    }
    KeepCurrentDirectory(const KeepCurrentDirectory&) = delete;
    KeepCurrentDirectory& operator=(const KeepCurrentDirectory&) = delete;
    ~KeepCurrentDirectory() {
        if (path_[0] != L'\0') SetCurrentDirectoryW(path_);
    }

  private:
    WCHAR path_[MAX_PATH] = {};
};

// The print dialog's answer; frees the printer context and the device settings it returned.
class PrintDialog {
  public:
    explicit PrintDialog(HWND owner) {
        pd_.lStructSize = sizeof pd_;
        pd_.hwndOwner = owner;
        pd_.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
        if (!PrintDlgA(&pd_)) pd_.hDC = nullptr;
    }
    PrintDialog(const PrintDialog&) = delete;
    PrintDialog& operator=(const PrintDialog&) = delete;
    ~PrintDialog() {
        if (pd_.hDC != nullptr) DeleteDC(pd_.hDC);
        if (pd_.hDevMode != nullptr) GlobalFree(pd_.hDevMode);
        if (pd_.hDevNames != nullptr) GlobalFree(pd_.hDevNames);
    }
    HDC printer() const { return pd_.hDC; } // null: cancelled, failed or no printer

  private:
    PRINTDLGA pd_{};
};

PrintSheetKind SheetOfCommand(int command) {
    if (command == IDM_PRINT_FIGURES) return PrintSheetKind::Figures;
    if (command == IDM_PRINT_EMPTY_FIELD) return PrintSheetKind::EmptyField;
    return PrintSheetKind::Position;
}

} // namespace

void PrintSheet(App& app, int command) {
    KeepCurrentDirectory keep;
    PrintDialog dialog(app.hwndMain);
    if (dialog.printer() == nullptr) return;
    PrinterPages printer(dialog.printer());
    WindowDc window(app.hwndMain);
    PrintPages(app.surfaces, app.gs, window.get(), SheetOfCommand(command), printer, app.appTitle);
}

void CopyPositionImage(App& app, int command) {
    const int cellSize = command == IDM_COPY_SMALL_IMAGE
                             ? kSmallImageCellSize
                             : LimitSquareSize(app.gs.settings.view.squareSize);
    // The image has its own resolution: its squares are the same on every display, so above
    // 96 DPI the skin is scaled for it alone.
    HDC skin = cellSize == kSmallImageCellSize ? app.surfaces.smallSkin.dc : app.surfaces.skin.dc;
    ScopedSurface own(app.hwndMain, 1, 1);
    if (cellSize != kSmallImageCellSize && cellSize != MetricsOf(app.gs).square) {
        LoadSkinAt(app.gs.settings.view.skinName, app.hwndMain, {{&own.surface, cellSize}});
        skin = own.surface.dc;
    }
    WindowDc window(app.hwndMain);
    OwnedBitmap bitmap(MakePositionBitmap(app.surfaces, app.gs, window.get(), cellSize, skin));
    if (bitmap.get() == nullptr) return;
    if (!OpenClipboard(app.hwndMain)) return; // another program holds it: the copy is dropped
    EmptyClipboard();
    // Once the clipboard has taken the bitmap it is the clipboard's.
    if (SetClipboardData(CF_BITMAP, bitmap.get()) != nullptr) bitmap.release();
    CloseClipboard();
    MessageBeep(0);
}
