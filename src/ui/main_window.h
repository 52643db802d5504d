// The main window: its class, its procedure and the repaint it asks for after every change.
#pragma once

#include <windows.h>

#include <string>

bool RegisterMainWindowClass(HINSTANCE instance, const std::string& className);
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Invalidates the whole client area without erasing: the paint composes everything anew.
void RepaintMain();
