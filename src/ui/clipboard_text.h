// One line of text on the clipboard: a puzzle's code, the day's result.
#pragma once

#include <windows.h>

#include <string>

// Puts the text on the clipboard as CF_TEXT; false when another program holds the clipboard
// or the memory for it cannot be had.
bool CopyTextToClipboard(HWND owner, const std::string& text);
