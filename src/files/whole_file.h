// Reading a whole file in one go, as both file kinds of the game are read (the game writes
// through a temporary file: src/ui/file_save.h).
#pragma once

#include <cstddef>
#include <string>

// The largest file the game reads: the settings file with a thousand solved puzzles of
// long names stays far below it.
constexpr std::size_t kMaxFileBytes = 4u << 20;

// Reads the file's bytes unchanged into text; false (text emptied) when it cannot be read or
// is larger than kMaxFileBytes.
bool ReadWholeFile(const std::string& path, std::string& text);
