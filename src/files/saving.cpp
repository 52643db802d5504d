// What the player is told before and after a file is written.
#include "files/saving.h"

std::optional<Message> OverwriteCheck(bool fileExists) {
    if (!fileExists) return std::nullopt;
    return OverwriteQuestion();
}

Message SaveFailedMessage(FileSave result) {
    return ErrorMessage(result == FileSave::CannotOpen ? "Error open file for save."
                                                       : "Error save file.");
}
