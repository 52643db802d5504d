// Works the game's modal dialogs from a second thread while the test thread is inside them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "game_window.h"

// What the script thread does. Every wait has a time limit; after a wait timed out (a failure)
// the script's later waits return at once, and what is left open is closed by the rescue of
// DialogTest::Drive.
class DialogDriver {
  public:
    explicit DialogDriver(DWORD dialogThread) : thread_(dialogThread) {}

    // A visible dialog of the test thread with this caption; a message box of the program.
    HWND Wait(const char* caption);
    HWND WaitBox() { return Wait(TheApp().appTitle.c_str()); }
    // Waits until the window has gone and the code that showed it has gone on.
    void WaitGone(HWND window);
    // Waits for a message box, records it ("icon: text", the icon one of error, question,
    // information, warning, none) and answers it with `button`.
    void Answer(int button = IDOK);

    // A click on a button that opens or ends a window: posted, the script goes on at once.
    void Press(HWND dialog, int id) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // A click (or another notification) of control id, handled before it returns.
    void Click(HWND dialog, int id, int notification = BN_CLICKED) {
        Send(dialog, 0, WM_COMMAND, MAKEWPARAM(id, notification),
             reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // Sends a message, or one WM_CHAR per character, to control id (0: to the dialog itself);
    // a message not handled within the wait is a failure.
    LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Type(HWND dialog, int id, const std::string& chars) {
        for (char c : chars)
            Send(dialog, id, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    std::string Text(HWND dialog, int id);
    // Pixel (x, y) of control id as the screen shows it once pending repaints are done: a
    // control that nothing invalidated still shows its old picture.
    COLORREF Pixel(HWND dialog, int id, int x, int y);

    void Fail(const std::string& what) { failures.push_back(what); }
    bool failed() const { return !failures.empty(); }
    std::vector<std::string> messages; // every message box answered, in order
    std::vector<std::string> failures;

  private:
    HWND WaitFor(const std::function<HWND()>& find, const std::string& what);
    DWORD thread_;
};

struct DialogRun {
    std::vector<std::string> messages; // "icon: text" of every message box the script answered
    std::vector<std::string> failures; // timed-out waits, and windows the rescue had to close
};

// The game window with dialogs opened by its commands.
class DialogTest : public GameWindowTest {
  protected:
    // Runs `open` on this thread (it returns when what it opened has ended) while `script`
    // works the windows from a second thread. What is still open a while after the script has
    // ended is closed with Cancel. Every failure of the run also fails the test.
    DialogRun Drive(const std::function<void()>& open,
                    const std::function<void(DialogDriver&)>& script);
    // Sends main window command `id` while `script` works what it opens, or the dialog of this
    // caption once it is shown.
    DialogRun Run(int id, const std::function<void(DialogDriver&)>& script);
    DialogRun Run(int id, const char* caption,
                  const std::function<void(DialogDriver&, HWND)>& script);
};
