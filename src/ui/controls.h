// Thin helpers for reading and writing a dialog's controls, named after what they act on.
#pragma once

#include <windows.h>

#include <string>

LRESULT SendControl(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
void EnableControl(HWND dialog, int id, bool enabled);
void RepaintControl(HWND dialog, int id);

// List boxes: the selected line (-1 none) and a line's text (empty when it is too long for a
// name or missing).
int ListSelection(HWND dialog, int id);
std::string ListLine(HWND dialog, int id, int line);
void AddListLine(HWND dialog, int id, const std::string& text);
