// A test fixture that runs the real main window in-process, in a temporary folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ui/app.h"

class GameWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Creates the main window (after the test has written whatever settings file it wants).
    void StartGame();
    // Destroys it: the settings file is written.
    void CloseGame();

    App& app() { return TheApp(); }
    GameState& gs() { return TheApp().gs; }

    void Command(int id, int notification = 0);
    void SelectFigure(int entry);
    // The client point at the centre of field cell (column, row).
    POINT CellCentre(int column, int row);
    // Moves the pointer to a client point and presses a button there.
    void PressAt(POINT client, UINT message = WM_LBUTTONDOWN);
    // Holds `figure` in orientation `matrix` and drops it with its matrix at (x, y).
    void DropFigure(int figure, const FigureMatrix& matrix, int x, int y);
    bool MenuEnabled(int id);
    // Repaints now and reads a pixel of the composed picture.
    COLORREF BackBufferPixel(POINT client);

    static std::string WriteFile(const std::string& name, const std::string& text);
    static std::string ReadFile(const std::string& name);

    std::string folder_;
};

// Watches for message boxes of the program while a test runs: records each one's text and
// closes it with OK.
class MessageBoxWatcher {
  public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    std::vector<std::string> Texts();

  private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
};
