// The Options dialog's colour buttons: the colour as window text, shown as a bitmap.
#pragma once

#include <windows.h>

// Writes the colour into button id's text, then repaints its bitmap.
void SetColourButton(HWND dialog, int id, COLORREF colour);
// Makes the button's bitmap anew from its text; the previous bitmap is deleted.
void PaintColourButton(HWND dialog, int id);
// The colour button id holds.
COLORREF ColourOfButton(HWND dialog, int id);
// Deletes the button's bitmap (when the dialog closes).
void FreeColourButton(HWND dialog, int id);

// Lets the player choose a new colour for button id with the system's colour chooser; true
// when one was chosen (and set).
bool ChooseButtonColour(HWND dialog, int id);
