// Writing a file the player must not lose: through a temporary file in the same folder.
#pragma once

#include <string>

#include "files/saving.h"

// Writes text to a temporary file beside `path` and moves it over `path` only when the whole
// text was written, so that a failure leaves any old file intact. The folders that lead to the
// file are made first.
FileSave SaveFileReplacing(const std::string& path, const std::string& text);

// True when the path names an existing file or folder, found exactly as the folder listings
// find it: the 8-bit name goes through the system's own ANSI code page (the C++ library's path
// conversion does not, and misses names with characters such as "\x80").
bool FileExists(const std::string& path);

// A disk that refuses or runs out of room, for the tests that prove a failed save keeps the
// old file: ReadOnly makes the temporary file impossible to open for writing (as in a folder
// that may not be written), Full lets only half of the text reach the disk.
enum class DiskFault { None, ReadOnly, Full };
void SimulateDiskFault(DiskFault fault);
