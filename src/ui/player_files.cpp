// The program's and the player's folders, and the game kept from one run to the next.
#include "ui/player_files.h"

#include <shlobj.h>

#include <cstdlib>
#include <string>

#include "files/puzzle_paths.h"
#include "files/resume_file.h"
#include "files/whole_file.h"
#include "ui/file_save.h"
#include "ui/settings_io.h"
#include "ui/status_bar.h"

namespace {

// A folder can be written when a file can be made in it and removed again. (GetTempFileName
// alone does not tell: it may name a file it could not create.)
bool CanWriteIn(const std::string& folder) {
    const std::string probe =
        folder + "\\~zendrak-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return DeleteFileA(probe.c_str()) != FALSE;
}

std::string LocalAppData() {
    char path[MAX_PATH] = {};
    if (SUCCEEDED(
            SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return path;
    const char* variable = std::getenv("LOCALAPPDATA");
    return variable ? variable : "";
}

std::string ResumePath() {
    return PlayerPath(kResumeFileName);
}

} // namespace

void FindFolders() {
    char module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (length > 0 && length < MAX_PATH) SetCurrentDirectoryA(FolderOfPath(module).c_str());
    SetPlayerFolder(ChoosePlayerFolder(CanWriteIn("."), LocalAppData()));
}

int32_t ResumeKeptGame(App& app) {
    std::string text;
    if (!ReadWholeFile(ResumePath(), text)) return -1;
    const std::optional<ResumedGame> game = ReadResumeText(text, app.gs);
    if (!game) return -1;
    ApplyResumedGame(app.gs, *game);
    return game->field.seconds;
}

void KeepPlayersWork(App& app) {
    SaveSettings(app);
    const std::optional<std::string> kept =
        WriteResumeText(app.gs, ClockElapsedMs(app.gs.clock, NowMs()));
    if (kept)
        SaveFileReplacing(ResumePath(), *kept);
    else
        DeleteFileA(ResumePath().c_str());
}
