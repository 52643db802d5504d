// An edit box for file names typed by the player.
#pragma once

#include <windows.h>

// Makes the edit control take at most kMaxTypedNameLength characters and refuse the ones a
// file name cannot hold, and any pasting, with the default beep.
void MakeFileNameEdit(HWND edit);
