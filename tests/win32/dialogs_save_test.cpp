// The Save dialog and the saving itself: the proposed name, the refused characters, blank
// names, the overwrite question, the confirmation and a folder that cannot be made.
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
    return std::to_string(now.wMonth) + "_" + std::to_string(now.wDay) + "_" + std::to_string(now.wYear);
}

std::vector<std::string> SaveFolder() { return FolderEntries("Save"); }

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

TEST_F(DialogSave, ProposesGroupPuzzleAndDateAndRefusesFileNameCharacters) {
    StartPlainGame();
    LayTiling({1});
    PutTextOnClipboard("pasted");
    std::string proposed, typed, afterPaste;
    LRESULT selection = 0, limit = 0;
    DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        proposed = d.Text(dialog, IDC_FILE_NAME);
        selection = d.Send(dialog, IDC_FILE_NAME, EM_GETSEL);
        limit = d.Send(dialog, IDC_FILE_NAME, EM_GETLIMITTEXT);
        d.Type(dialog, IDC_FILE_NAME, "a<b>c\"d\\e/f*g?h:i|j");
        typed = d.Text(dialog, IDC_FILE_NAME);
        d.Post(dialog, IDC_FILE_NAME, WM_PASTE);
        d.Type(dialog, IDC_FILE_NAME, "\x16"); // Ctrl+V
        afterPaste = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{});
    std::string expected = "[Tutorial] move a figure [" + TodayForFileName() + "]";
    EXPECT_EQ(proposed, expected);
    EXPECT_EQ(LOWORD(selection), 0) << "the whole name is selected, so typing replaces it";
    EXPECT_EQ(HIWORD(selection), expected.size());
    EXPECT_EQ(limit, 100);
    EXPECT_EQ(typed, "abcdefghij");
    EXPECT_EQ(afterPaste, "abcdefghij") << "pasting is refused";
    EXPECT_FALSE(fs::exists("Save")) << "Cancel saves nothing";
    EXPECT_EQ(gs().position.unsavedChanges, 1);

    gs().settings.lastFolder.clear();
    gs().settings.lastFile.clear();
    run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        proposed = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(proposed, "[" + TodayForFileName() + "]");
}

TEST_F(DialogSave, BlankNameIsRefusedThenTheNameIsUsedAsTyped) {
    StartPlainGame();
    LayTiling({1, 2});
    bool stayed = false;
    DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        EnterName(d, dialog, "   ");
        d.Answer();
        d.Sync();
        stayed = IsWindowVisible(dialog) != FALSE;
        EnterName(d, dialog, " x ");
        d.Answer();
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"error: Please enter a file name", "question: Game saved."}));
    EXPECT_TRUE(stayed);
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{" x .zpz"});
    EXPECT_EQ(ReadFile("Save\\ x .zpz"), WriteSavedGameText(gs()));
    EXPECT_EQ(gs().position.unsavedChanges, 0);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE)) << "nothing new to save until the next move";
}

// The name holds characters of the upper half of code page 1252 (the euro sign, a dash, the
// trade mark sign), which the system's search finds only through the ANSI code page.
TEST_F(DialogSave, OverwriteNoKeepsTheOldFileYesReplacesItWholly) {
    const std::string name = "game \x80\x96\x99", file = name + ".zpz";
    StartPlainGame();
    LayTiling({1, 2, 3});
    Command(IDM_UNDO);
    Command(IDM_UNDO);
    fs::create_directory("Save");
    std::string old = WriteSavedGameText(gs()) + std::string(4000, ';') + "\r\n";
    WriteFile("Save\\" + file, old);
    bool noIsDefault = false;
    DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        EnterName(d, dialog, name);
        LONG style = GetWindowLongA(GetDlgItem(d.WaitBox(), IDNO), GWL_STYLE);
        noIsDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        d.Answer(IDNO);
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"question: File exist. Overwrite?"});
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(ReadFile("Save\\" + file), old);
    EXPECT_EQ(gs().position.unsavedChanges, 1);

    run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        EnterName(d, dialog, name);
        d.Answer(IDYES);
        d.Answer();
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, (std::vector<std::string>{"question: File exist. Overwrite?", "question: Game saved."}));
    std::string saved = ReadFile("Save\\" + file);
    EXPECT_EQ(saved, WriteSavedGameText(gs())) << "no trace of the longer old file";
    PuzzleImage image;
    ASSERT_TRUE(ReadPuzzleText(saved, true, Orientations().catalogue, image));
    EXPECT_FALSE(IsEmptyMatrix(image.figures[2].matrix)) << "the last recorded position, not the current one";
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{file}) << "no temporary file stays behind";
    EXPECT_EQ(gs().position.unsavedChanges, 0);
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
}

TEST_F(DialogSave, FileThatCannotBeOpenedGivesAnErrorAndKeepsTheMove) {
    StartPlainGame();
    LayTiling({1});
    WriteFile("Save", "a file where the folder should be");
    auto saveAsGame = [&](bool overwrite) {
        return Run(IDM_SAVE, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Save");
            EnterName(d, dialog, "game");
            if (overwrite) d.Answer(IDYES);
            d.Answer();
            d.WaitGone(dialog);
        });
    };
    DialogRun run = saveAsGame(false);
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages, std::vector<std::string>{"error: Error open file for save."});
    EXPECT_EQ(ReadFile("Save"), "a file where the folder should be");

    // A saved game held open by another opener that shares nothing.
    fs::remove("Save");
    fs::create_directory("Save");
    WriteFile("Save\\game.zpz", "old");
    HANDLE held = CreateFileA("Save\\game.zpz", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    run = saveAsGame(true);
    CloseHandle(held);
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(run.messages,
              (std::vector<std::string>{"question: File exist. Overwrite?", "error: Error open file for save."}));
    EXPECT_EQ(ReadFile("Save\\game.zpz"), "old");
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{"game.zpz"});
    EXPECT_EQ(gs().position.unsavedChanges, 1);
    EXPECT_TRUE(MenuEnabled(IDM_SAVE));
}

} // namespace

namespace {

// A simulated disk fault for one block of a test, lifted whatever the block's outcome.
struct FaultyDisk {
    explicit FaultyDisk(DiskFault fault) { SimulateDiskFault(fault); }
    ~FaultyDisk() { SimulateDiskFault(DiskFault::None); }
};

TEST_F(DialogSave, ReadOnlyOrFullDiskKeepsTheOldSavedGameAndTheOldSettings) {
    StartPlainGame();
    LayTiling({1});
    fs::create_directory("Save");
    WriteFile("Save\\game.zpz", "old");
    const std::pair<DiskFault, const char*> faults[] = {{DiskFault::ReadOnly, "error: Error open file for save."},
                                                        {DiskFault::Full, "error: Error save file."}};
    for (auto [fault, message] : faults) {
        FaultyDisk disk(fault);
        DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Save");
            EnterName(d, dialog, "game");
            d.Answer(IDYES);
            d.Answer();
            d.WaitGone(dialog);
        });
        EXPECT_EQ(run.failures, std::vector<std::string>{});
        EXPECT_EQ(run.messages, (std::vector<std::string>{"question: File exist. Overwrite?", message}));
        EXPECT_EQ(ReadFile("Save\\game.zpz"), "old") << message;
        EXPECT_EQ(SaveFolder(), std::vector<std::string>{"game.zpz"}) << "no temporary file stays behind";
        EXPECT_EQ(gs().position.unsavedChanges, 1);
    }

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

namespace {

// The longest names: a typed name stops at 100 characters and is saved whole; a current
// puzzle of 259-character names gives a proposed name too long for a file, which is refused
// with the error message rather than cut or crashed on.
TEST_F(DialogSave, LongestTypedAndProposedNames) {
    StartPlainGame();
    LayTiling({1});
    DialogRun run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        EnterName(d, dialog, std::string(105, 'n'));
        d.Answer();
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.messages, std::vector<std::string>{"question: Game saved."});
    EXPECT_EQ(SaveFolder(), std::vector<std::string>{std::string(100, 'n') + ".zpz"});

    gs().settings.lastFolder = std::string(259, 'g');
    gs().settings.lastFile = std::string(259, 'p');
    LayTiling({2});
    std::string proposed;
    run = Run(IDM_SAVE, [&](DialogDriver& d) {
        HWND dialog = d.Wait("Save");
        proposed = d.Text(dialog, IDC_FILE_NAME);
        d.Press(dialog, IDOK);
        d.Answer();
        d.WaitGone(dialog);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(proposed.substr(0, 11), "[gggggggggg");
    EXPECT_EQ(run.messages, std::vector<std::string>{"error: Error open file for save."});
    EXPECT_EQ(SaveFolder().size(), 1u);
}

} // namespace
