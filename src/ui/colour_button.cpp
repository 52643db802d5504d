// Colour buttons: the colour as the button's text, shown as a bitmap, chosen with ChooseColorA.
#include "ui/colour_button.h"

#include <commdlg.h>

#include "render/gdi_handles_gdi.h"

namespace {

// The chooser's sixteen custom colours: a colour circle, then four greys.
constexpr COLORREF kCustomColours[16] = {0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0x80FF00,
                                         0xFFFF00, 0xFF8000, 0xFF0000, 0xFF0080, 0xFF00FF, 0x8000FF,
                                         0x646464, 0x969696, 0xAFAFAF, 0xC8C8C8};

// A bitmap of the button's client size filled with `colour`.
HBITMAP ColourBitmap(HWND button, COLORREF colour) {
    RECT client;
    GetClientRect(button, &client);
    WindowDc screen(button);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.get(), client.right, client.bottom);
    MemoryDc dc(screen.get());
    ScopedSelect select(dc.get(), bitmap);
    OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc.get(), &client, brush.get());
    return bitmap;
}

void ReplaceImage(HWND button, HBITMAP bitmap) {
    auto previous = reinterpret_cast<HBITMAP>(
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (previous != nullptr) DeleteObject(previous);
}

} // namespace

void SetColourButton(HWND dialog, int id, COLORREF colour) {
    SetDlgItemInt(dialog, id, colour, FALSE);
    PaintColourButton(dialog, id);
}

void PaintColourButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    ReplaceImage(button, ColourBitmap(button, ColourOfButton(dialog, id)));
}

COLORREF ColourOfButton(HWND dialog, int id) {
    return GetDlgItemInt(dialog, id, nullptr, FALSE);
}

void FreeColourButton(HWND dialog, int id) {
    ReplaceImage(GetDlgItem(dialog, id), nullptr);
}

bool ChooseButtonColour(HWND dialog, int id) {
    COLORREF custom[16];
    for (int i = 0; i < 16; ++i)
        custom[i] = kCustomColours[i];
    CHOOSECOLORA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.rgbResult = ColourOfButton(dialog, id);
    choice.lpCustColors = custom;
    choice.Flags = CC_ANYCOLOR;
    if (!ChooseColorA(&choice)) return false;
    SetColourButton(dialog, id, choice.rgbResult);
    return true;
}
