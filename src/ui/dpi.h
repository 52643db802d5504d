// The display's scale: the process declares itself aware of each monitor's DPI, and a window's
// DPI is read where the system can tell it.
#pragma once

#include <windows.h>

// Per-monitor (v2 where the system has it) awareness, before the first window: the manifest
// says so too, but not every system reads it.
void DeclareDpiAwareness();

// The DPI of the monitor the window is on; the screen's LOGPIXELSY where the system has no
// per-window DPI.
int WindowDpi(HWND hwnd);
