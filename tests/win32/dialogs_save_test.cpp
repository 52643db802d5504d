// The Save dialog wired to its model, and the saving that only the system can show: the name
// box, the proposed name with today's date, the file written, the overwrite question for a
// name of the ANSI code page, and failed writes that keep the old file.
#include <cstring>
#include <filesystem>

#include "dialog_driver.h"
#include "files/puzzle_file.h"
#include "resource.h"
#include "ui/file_save.h"

namespace {

namespace fs = std::filesystem;

// Today in the prefix's short date M/d/yyyy, every separator made "_".
std::string TodayForFileName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::to_string(now.wMonth) + "_" + std::to_string(now.wDay) + "_" +
           std::to_string(now.wYear);
}

std::vector<std::string> SaveFolder() {
    return FolderEntries("Save");
}

void PutTextOnClipboard(const char* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
    memcpy(GlobalLock(memory), text, strlen(text) + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// Types `name` over whatever the name box holds and presses OK.
void EnterName(DialogDriver& d, HWND dialog, const std::string& name) {
    d.Post(dialog, IDC_FILE_NAME, EM_SETSEL, 0, -1);
    d.Type(dialog, IDC_FILE_NAME, name);
    d.Press(dialog, IDOK);
}

using DialogSave = DialogTest;

TEST_F(DialogSave, NameBoxThenCancelThenSave) {
    StartPlainGame();
    LayTiling({1});
    PutTextOnClipboard("pasted");
    std::string proposed, typed, longest;
    LRESULT selection = 0;
    DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        proposed = d.Text(dialog, IDC_FILE_NAME);
        selection = d.Send(dialog, IDC_FILE_NAME, EM_GETSEL);
        d.Type(dialog, IDC_FILE_NAME, "a<b>c\"d\\e/f*g?h:i|j");
        d.Post(dialog, IDC_FILE_NAME, WM_PASTE);
        d.Type(dialog, IDC_FILE_NAME, "\x16"); // Ctrl+V
        typed = d.Text(dialog, IDC_FILE_NAME);
        d.Type(dialog, IDC_FILE_NAME, std::string(105, 'n'));
        longest = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    const std::string expected = "[Tutorial] move a figure [" + TodayForFileName() + "]";
    EXPECT_EQ(proposed, expected);
    EXPECT_EQ(LOWORD(selection), 0) << "the whole name is selected, so typing replaces it";
    EXPECT_EQ(HIWORD(selection), expected.size());
    EXPECT_EQ(typed, "abcdefghij") << "forbidden characters and pasting are refused";
    EXPECT_EQ(longest, typed + std::string(90, 'n')) << "at most 100 characters";
    EXPECT_FALSE(fs::exists("Save")) << "Cancel saves nothing";

    bool stayed = false;
    run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        EnterName(d, dialog, "   ");
        d.Answer();
        stayed = IsWindowVisible(dialog) != FALSE;
        EnterName(d, dialog, " x ");
        d.Answer();
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"error: Please enter a file name",
                                                      "question: Game saved."}));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{" x .zpz"});
    EXPECT_EQ(ReadFile("Save\\ x .zpz"), WriteSavedGameText(gs()));
    EXPECT_FALSE(MenuEnabled(IDM_SAVE)) << "nothing new to save until the next move";
}

// The name holds characters of the upper half of code page 1252 (the euro sign, a dash, the
// trade mark sign), which the system finds only through the ANSI code page.
TEST_F(DialogSave, OverwriteNoKeepsTheOldFileYesReplacesItWholly) {
    const std::string name = "game \x80\x96\x99", file = name + ".zpz";
    StartPlainGame();
    LayTiling({1, 2, 3});
    fs::create_directory("Save");
    const std::string old = WriteSavedGameText(gs()) + std::string(4000, ';') + "\r\n";
    WriteFile("Save\\" + file, old);
    bool noIsDefault = false;
    for (int answer : {IDNO, IDYES}) {
        DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Save");
            EnterName(d, dialog, name);
            if (answer == IDNO) {
                const LONG style = GetWindowLongA(GetDlgItem(d.WaitBox(), IDNO), GWL_STYLE);
                noIsDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
            }
            d.Answer(answer);
            if (answer == IDYES) d.Answer();
            d.WaitGone(dialog);
        });
        const std::string question = "question: File exist. Overwrite?";
        EXPECT_EQ(run.failures, std::vector<std::string>{});
        if (answer == IDNO) {
            EXPECT_EQ(run.messages, std::vector<std::string>{question});
            EXPECT_EQ(ReadFile("Save\\" + file), old);
        } else {
            EXPECT_EQ(run.messages, (std::vector<std::string>{question, "question: Game saved."}));
            EXPECT_EQ(ReadFile("Save\\" + file), WriteSavedGameText(gs()))
                << "no trace of the longer old file";
        }
    }
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{file}) << "no temporary file stays behind";
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
}

// A simulated disk fault for one block of a test, lifted whatever the block's outcome.
struct FaultyDisk {
    explicit FaultyDisk(DiskFault fault) { SimulateDiskFault(fault); }
    ~FaultyDisk() { SimulateDiskFault(DiskFault::None); }
};

TEST_F(DialogSave, FailedWritesKeepTheOldFilesAndLeaveNoTemporaryFile) {
    StartPlainGame();
    fs::create_directories("Save\\folder.zpz");
    WriteFile("Save\\game.zpz", "old");
    WriteFile("Saved", "a file where a folder should be");
    HANDLE held =
        CreateFileA("Save\\game.zpz", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << "held open by an opener that shares nothing";
    const FileSave heldResult = SaveFileReplacing("Save\\game.zpz", "new");
    CloseHandle(held);
    EXPECT_EQ(heldResult, FileSave::CannotOpen);
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
    EXPECT_EQ(ReadFile("Save\\game.zpz"), "old");
    EXPECT_EQ(ReadFile("Saved"), "a file where a folder should be");
    EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"folder.zpz", "game.zpz"}));

    // The settings are written at exit: a failure says nothing and keeps the old file.
    const std::string settings = ReadFile("Zendrak.ini");
    {
        FaultyDisk disk(DiskFault::Full);
        CloseGame();
    }
    EXPECT_EQ(ReadFile("Zendrak.ini"), settings);
    for (const auto& entry : fs::directory_iterator("."))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

} // namespace
