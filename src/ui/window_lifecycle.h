// Creating and tearing down the main window, in their fixed orders.
#pragma once

#include <windows.h>

void OnCreate(HWND hwnd);
void OnDestroy();
