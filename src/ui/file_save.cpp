// Saving through a temporary file and one move, so a failed save never destroys the old file.
#include "ui/file_save.h"

#include <windows.h>

#include "files/puzzle_paths.h"

namespace {

DiskFault simulatedFault = DiskFault::None;

HANDLE CreateTemporary(const char* path) {
    if (simulatedFault == DiskFault::ReadOnly) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// How many bytes of a write of `size` the disk takes.
DWORD RoomFor(size_t size) {
    return static_cast<DWORD>(simulatedFault == DiskFault::Full ? size / 2 : size);
}

// Whether the file itself can be opened for writing (or does not exist yet), checked without
// changing it: a read-only file, a folder, or a file another program holds open is refused
// before anything is written, as "cannot open" rather than as a failed write.
bool CanOpenForWriting(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    CloseHandle(file);
    return true;
}

} // namespace

FileSave SaveFileReplacing(const std::string& path, const std::string& text) {
    for (const std::string& folder : FoldersLeadingTo(path))
        CreateDirectoryA(folder.c_str(), nullptr); // one that exists already is fine
    if (!CanOpenForWriting(path)) return FileSave::CannotOpen;
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOfPath(path).c_str(), "znd", 0, temporary) == 0)
        return FileSave::CannotOpen;
    HANDLE file = CreateTemporary(temporary);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return FileSave::CannotOpen;
    }
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.data(), RoomFor(text.size()), &written, nullptr);
    ok = CloseHandle(file) && ok && written == text.size();
    if (ok)
        ok = MoveFileExA(temporary, path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileA(temporary);
        return FileSave::ShortWrite;
    }
    return FileSave::Written;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SimulateDiskFault(DiskFault fault) {
    simulatedFault = fault;
}
