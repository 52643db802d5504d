// Pixels of device contexts, a hidden window's drawing surfaces (RenderTest), and the real main
// window whose modal dialogs a second thread works (GameTest).
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/game_state.h"
#include "render/gdi_handles_gdi.h"
#include "render/surfaces_gdi.h"
#include "resource.h"
#include "ui/app.h"

void WriteFile(const std::string& name, const std::string& bytes);
std::string ReadFile(const std::string& name);
// A folder's entries as the system's ANSI search finds them, sorted bytewise.
std::vector<std::string> FolderEntries(const std::string& folder);
// A 32-bit .bmp file whose pixel (x, y) is colour(x, y).
void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour);
inline COLORREF TestTileColour(int k) {
    return RGB(20 + 15 * k, 230 - 12 * k, 60 + 9 * k);
}
COLORREF Blended(COLORREF top, COLORREF bottom, int alpha);
inline COLORREF Inverted(COLORREF c) {
    return ~c & 0xFFFFFF;
}

struct Probe {
    POINT at;
    COLORREF colour;
};
void ExpectPixels(HDC dc, const std::vector<Probe>& probes, int tolerance = 0,
                  const std::string& what = "");

class TestCanvas {
  public:
    TestCanvas(int width, int height, COLORREF fill);
    HDC dc() const { return dc_.get(); }

  private:
    OwnedBitmap bitmap_;
    MemoryDc dc_{nullptr};
    ScopedSelect select_;
};

// Works the modal windows of the test thread from a script thread. Every wait has a time limit;
// after a failure the later waits return at once.
class DialogDriver {
  public:
    explicit DialogDriver(DWORD thread) : thread_(thread) {}
    HWND Wait(const char* caption = nullptr); // by default a message box of the program
    void WaitGone(HWND window);               // and the code that showed it has gone on
    void Answer(int button = IDOK);           // records the message box shown ("icon: text")
    // Press: a click that opens or ends a window, posted; Click: handled before it returns.
    void Press(HWND dialog, int id) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    void Click(HWND dialog, int id, int notification = BN_CLICKED) {
        Send(dialog, 0, WM_COMMAND, MAKEWPARAM(id, notification),
             reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    }
    // To control id (0: the dialog).
    LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Type(HWND dialog, int id, const std::string& chars) {
        for (char c : chars)
            Send(dialog, id, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    static std::string Text(HWND dialog, int id) {
        char text[512] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    COLORREF Pixel(HWND dialog, int id, int x, int y);

    std::vector<std::string> messages, failures;

  private:
    HWND WaitFor(const std::function<HWND()>& find, const std::string& what);
    DWORD thread_;
};

// The real main window, in-process, each test in a fresh working folder.
class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;
    // `options`: [OPTIONS] lines of a settings file with a fixed window; null: the file as it is.
    void StartGame(const char* options = "AUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n");
    void CloseGame();
    App& app() { return TheApp(); }
    GameState& gs() { return TheApp().gs; }
    void Command(int id, int notification = 0) {
        SendMessageA(app().hwndMain, WM_COMMAND, MAKEWPARAM(id, notification), 0);
    }
    void SelectFigure(int entry);
    POINT CellCentre(int column, int row);
    void PressAt(POINT client, UINT message = WM_LBUTTONDOWN);
    // Holds `figure` turned to `matrix` and drops it with its matrix at (x, y).
    void DropFigure(int figure, const FigureMatrix& matrix, int x, int y);
    // Drops the figures where the first tiling of the open 10 x 6 field puts them.
    void LayTiling(std::initializer_list<int> figures);
    bool MenuEnabled(int id);
    // Dispatches the thread's messages until done() holds (ten seconds at most): for what the
    // background threads post.
    bool PumpMessagesUntil(const std::function<bool()>& done);
    // Runs command `id` while `script` works its dialog of this caption (none: null); what is left
    // open fails the test and is cancelled. Returns the message boxes answered.
    std::vector<std::string> Run(int id, const char* caption,
                                 const std::function<void(DialogDriver&, HWND)>& script);
};

// A hidden window's surfaces with Skins\"test skin.bmp" at squares of 48 on a solid background.
class RenderTest : public GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    void UsePattern(const std::string& name, int width, int height,
                    const std::function<COLORREF(int, int)>& colour);
    GameState gs;
    HWND hwnd = nullptr;
    Surfaces surfaces;
};

// Figure `figure` as the first tiling of the open 10 x 6 field lays it.
Figure TilingFigure(int figure);
