// Saving a file the player must not lose, as the core sees it: what to write where, and what
// the player is told of the outcome. The writing itself is the UI's (src/ui/file_save.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/message.h"

// How a write through a temporary file ended.
enum class FileSave {
    Written,
    CannotOpen, // the file cannot be opened for writing, or its temporary twin not created
    ShortWrite, // not all of the text reached the disk, or the old file could not be replaced
};

// A file to write; the folders that lead to it are made as needed.
struct FileToSave {
    std::string path;
    std::string text;
    bool operator==(const FileToSave&) const = default;
};

// The question before a file that exists is written over; nothing to ask when it does not.
std::optional<Message> OverwriteCheck(bool fileExists);

// What a failed write tells the player: "Error open file for save." or "Error save file.",
// with the error icon.
Message SaveFailedMessage(FileSave result);
