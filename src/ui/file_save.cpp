// Saving through a temporary file and one move, so a failed save never destroys the old file.
#include "ui/file_save.h"

#include <windows.h>

namespace {

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace

FileSave SaveFileReplacing(const std::string& path, const std::string& text) {
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "znd", 0, temporary) == 0) return FileSave::CannotOpen;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return FileSave::CannotOpen;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ok = CloseHandle(file) && ok && written == text.size();
    if (ok) ok = MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileA(temporary);
        return FileSave::ShortWrite;
    }
    return FileSave::Written;
}

const char* FileSaveMessage(FileSave result) {
    return result == FileSave::CannotOpen ? "Error open file for save." : "Error save file.";
}
