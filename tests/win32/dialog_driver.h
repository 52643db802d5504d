// Works the game's modal dialogs from a second thread while the test thread is inside them,
// and reads the dialogs' controls the way a player sees them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "game_window.h"
#include "model/game_state.h"

// What the script thread does. Every wait has a time limit; a wait that times out is recorded
// as a failure and the script's later steps then do nothing, so that what is left open is
// closed by the rescue of DriveDialog.
class DialogDriver {
  public:
    DialogDriver(DWORD dialogThread, HWND sentinel);

    // A visible dialog of the test thread with this caption.
    HWND Wait(const char* caption);
    // Waits until the window no longer exists.
    bool WaitGone(HWND window);
    // A visible message box of the program (caption "Zendrak").
    HWND WaitBox();
    // Waits for a message box, records it ("icon: text", icon one of error, question,
    // information, warning, none), answers it with `button` and returns the record.
    std::string Answer(int button = IDOK);

    // Posts WM_COMMAND (id, BN_CLICKED) to the dialog, as a click on that button does, and
    // waits until the dialog's thread has taken it from its queue.
    void Press(HWND dialog, int id);
    // Posts a message to control id and waits until it was handled.
    void Post(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Posts one WM_CHAR per character to control id, then waits until they were handled.
    void Type(HWND dialog, int id, const std::string& chars);
    // Sends a message to control id (0: to the dialog itself) and returns its result.
    LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    std::string Text(HWND dialog, int id);
    // Waits until the dialog's thread has handled everything posted to it so far, or until
    // `dialog` has ended.
    void Sync(HWND dialog = nullptr);

    void Fail(const std::string& what);
    bool failed() const { return !failures.empty(); }

    std::vector<std::string> messages; // every message box answered, in order
    std::vector<std::string> failures;

  private:
    HWND WaitFor(const std::function<HWND()>& find, const std::string& what);
    DWORD thread_;
    HWND sentinel_;
    long posted_ = 0;
};

struct DialogRun {
    std::vector<std::string> messages; // "icon: text" of every message box the script answered
    std::vector<std::string> failures; // timed-out waits, and windows the rescue had to close
};

// Runs `open` on this thread (it returns when the dialog has ended) while `script` works the
// dialog from a second thread. Whatever is still open a while after the script has ended is
// closed with Cancel and reported as a failure.
DialogRun DriveDialog(const std::function<void()>& open,
                      const std::function<void(DialogDriver&)>& script);

// "icon: text" of a message box.
std::string DescribeMessageBox(HWND box);

// The tree view as the player sees it, one line per item: "text [image]", children indented by
// two blanks, "+" after a group whose children are shown, "*" after the selected item.
std::string DescribeTree(HWND tree);
std::string TreeItemText(HWND tree, HTREEITEM item);
// The top-level item `group`, or its child `puzzle` when that is given; null when absent.
HTREEITEM FindTreeItem(HWND tree, const std::string& group, const std::string& puzzle = "");

std::vector<std::string> ListBoxLines(HWND list);
// The names of a folder's files and sub-folders as the system's own search finds them (the
// C++ library's paths convert 8-bit names without the ANSI code page), sorted bytewise.
std::vector<std::string> FolderEntries(const std::string& folder);

// Figure `figure` as a record, from a picture of the field whose cells holding the figure's
// letter (I L T V W Y Z P F U X N) show where it lies.
Figure FigureInPicture(int figure, const std::vector<std::string>& rows);
// The first tiling of the open 10 x 6 field, as the analysis finds it.
extern const std::vector<std::string> kTiling10x6;

// The game window with settings that fix its geometry, and dialogs opened by its commands.
class DialogTest : public GameWindowTest {
  protected:
    void StartPlainGame();
    // Sends the main window command `id` (it returns when the dialog it opens has ended)
    // while `script` works the dialog.
    DialogRun Run(int id, const std::function<void(DialogDriver&)>& script);
    // Drops the given figures where the first tiling of the open 10 x 6 field puts them.
    void LayTiling(std::initializer_list<int> figures);
    // Figures still in the list.
    int FiguresInList();
};
