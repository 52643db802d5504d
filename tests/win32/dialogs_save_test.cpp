// The Save dialog wired to its model, and the saving that only the system can show: the name
// box's refusals, the proposed name with today's date, the file written, the overwrite question
// for a name of the ANSI code page, and failed writes that keep the old files.
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "resource.h"
#include "ui/file_save.h"

namespace {

using DialogSave = DialogTest;

// The name holds characters of the upper half of code page 1252 (the euro sign, a dash, the
// trade mark sign), which the system finds only through the ANSI code page.
TEST_F(DialogSave, NameBoxCancelThenSaveAndOverwrite) {
    const std::string name = "game \x80\x96\x99", path = "Save\\" + name + ".zpz";
    StartPlainGame();
    LayTiling({1});
    std::string proposed, typed, longest;
    LRESULT selection = 0;
    Run(IDM_SAVE, "Save", [&](DialogDriver& d, HWND dialog) {
        proposed = d.Text(dialog, IDC_FILE_NAME);
        selection = d.Send(dialog, IDC_FILE_NAME, EM_GETSEL);
        d.Send(dialog, IDC_FILE_NAME, WM_COPY); // the proposed name, to paste it
        d.Type(dialog, IDC_FILE_NAME, "a<b>c\"d\\e/f*g?h:i|j");
        d.Send(dialog, IDC_FILE_NAME, WM_PASTE);
        d.Type(dialog, IDC_FILE_NAME, "\x16"); // Ctrl+V
        typed = d.Text(dialog, IDC_FILE_NAME);
        d.Type(dialog, IDC_FILE_NAME, std::string(105, 'n'));
        longest = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDCANCEL);
    });
    SYSTEMTIME now; // the prefix's short date is M/d/yyyy, its separators made "_"
    GetLocalTime(&now);
    const std::string today = std::to_string(now.wMonth) + "_" + std::to_string(now.wDay) + "_" +
                              std::to_string(now.wYear);
    EXPECT_EQ(proposed, "[Tutorial] move a figure [" + today + "]");
    EXPECT_EQ(selection, MAKELONG(0, proposed.size()))
        << "the whole name is selected, so typing replaces it";
    EXPECT_EQ(typed, "abcdefghij") << "forbidden characters and pasting are refused";
    EXPECT_EQ(longest, typed + std::string(90, 'n')) << "at most 100 characters";
    EXPECT_FALSE(std::filesystem::exists("Save")) << "Cancel saves nothing";

    // Saved into a new folder; then, after a move, over that file made longer: "No" keeps it
    // byte for byte, "Yes" replaces it wholly.
    for (int answer : {IDOK, IDNO, IDYES}) {
        if (answer == IDNO) {
            LayTiling({2});
            WriteFile(path, ReadFile(path) + std::string(4000, ';') + "\r\n");
        }
        const std::string old = ReadFile(path);
        bool noIsDefault = false;
        DialogRun run = Run(IDM_SAVE, "Save", [&](DialogDriver& d, HWND dialog) {
            d.Send(dialog, IDC_FILE_NAME, EM_SETSEL, 0, -1);
            d.Type(dialog, IDC_FILE_NAME, name);
            d.Press(dialog, IDOK);
            const LONG no = GetWindowLongA(GetDlgItem(d.WaitBox(), IDNO), GWL_STYLE);
            noIsDefault = (no & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            if (answer != IDOK) d.Answer(answer);
            if (answer != IDNO) d.Answer();
        });
        std::vector<std::string> shown;
        if (answer != IDOK) shown.push_back("question: File exist. Overwrite?");
        if (answer != IDNO) shown.push_back("question: Game saved.");
        EXPECT_EQ(run.messages, shown);
        EXPECT_EQ(noIsDefault, answer != IDOK);
        EXPECT_EQ(ReadFile(path), answer == IDNO ? old : WriteSavedGameText(gs()));
        EXPECT_EQ(MenuEnabled(IDM_SAVE), answer == IDNO)
            << "nothing new to save until the next move";
    }
    EXPECT_EQ(FolderEntries("Save"), std::vector<std::string>{name + ".zpz"})
        << "no temporary file stays behind";
}

// A simulated disk fault for one block of a test, lifted whatever the block's outcome.
struct FaultyDisk {
    explicit FaultyDisk(DiskFault fault) { SimulateDiskFault(fault); }
    ~FaultyDisk() { SimulateDiskFault(DiskFault::None); }
};

TEST_F(DialogSave, FailedWritesKeepTheOldFilesAndLeaveNoTemporaryFile) {
    StartPlainGame();
    std::filesystem::create_directories("Save\\folder.zpz");
    WriteFile("Save\\game.zpz", "old");
    WriteFile("Saved", "a file where a folder should be");
    struct Case {
        const char* what;
        DiskFault fault;
        std::string path;
        FileSave result;
    } cases[] = {
        {"a disk that refuses", DiskFault::ReadOnly, "Save\\game.zpz", FileSave::CannotOpen},
        {"a full disk", DiskFault::Full, "Save\\game.zpz", FileSave::ShortWrite},
        {"a folder in the file's place", DiskFault::None, "Save\\folder.zpz", FileSave::CannotOpen},
        {"a file in the folder's place", DiskFault::None, "Saved\\game.zpz", FileSave::CannotOpen},
        {"a name too long for a file", DiskFault::None, "Save\\" + std::string(300, 'g') + ".zpz",
         FileSave::CannotOpen},
    };
    for (const Case& c : cases) {
        FaultyDisk disk(c.fault);
        EXPECT_EQ(SaveFileReplacing(c.path, "new"), c.result) << c.what;
    }
    // The settings are written at exit: a failure says nothing and keeps the old file.
    const std::string settings = ReadFile("Zendrak.ini");
    {
        FaultyDisk disk(DiskFault::Full);
        CloseGame();
    }
    EXPECT_EQ(ReadFile("Zendrak.ini"), settings);
    StartGame();
    CloseGame();
    EXPECT_NE(ReadFile("Zendrak.ini").find("\r\n[SOUND]\r\n"), std::string::npos) << "written";
    EXPECT_EQ(ReadFile("Save\\game.zpz"), "old");
    EXPECT_EQ(FolderEntries("Save"), (std::vector<std::string>{"folder.zpz", "game.zpz"}));
    EXPECT_EQ(FolderEntries("."), (std::vector<std::string>{"Save", "Saved", "Zendrak.ini"}))
        << "no temporary file";
}

} // namespace
