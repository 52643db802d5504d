// The name the Save dialog proposes, and the test for a name that is no name.
#pragma once

#include <string>

// The longest name the player can type into the name box of Save and Create puzzle.
constexpr int kMaxTypedNameLength = 100;

// "[" lastFolder "] " (if any) + lastFile " " (if any) + "[" date "]", where every character of
// the user's short date that is not a digit becomes "_":
// ("Tutorial", "move a figure", "12/31/10") -> "[Tutorial] move a figure [12_31_10]".
std::string DefaultSaveName(const std::string& lastFolder, const std::string& lastFile,
                            const std::string& shortDate);

// True when the name is empty or holds only blanks (spaces or tabs).
bool IsBlankName(const std::string& name);
