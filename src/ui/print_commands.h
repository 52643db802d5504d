// The print and copy commands: "Print..", "Figures...", "Empty field..." and the two copies
// of the position to the clipboard.
#pragma once

#include "ui/app.h"

// Commands 32794, 32789 and 32790: the print dialog, then the sheet on the chosen printer.
// Nothing happens when the dialog is cancelled or no printer is there.
void PrintSheet(App& app, int command);

// Commands 32795 and 32796: a bitmap of the position at the square size or at 8 pixels per
// cell onto the clipboard, confirmed by the default beep. Skipped when the clipboard cannot
// be opened.
void CopyPositionImage(App& app, int command);
