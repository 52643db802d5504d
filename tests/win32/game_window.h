// The real main window run in-process, each test in a fresh temporary folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/app.h"

class GameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main window with the settings file the test has written (none: a first start).
    void StartGame();
    // Writes a settings file of these [OPTIONS] lines and a fixed window, then starts the game.
    void StartPlainGame(const std::string& options = "AUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n");
    // Destroys the window: the settings file is written.
    void CloseGame();

    App& app() { return TheApp(); }
    GameState& gs() { return TheApp().gs; }

    void Command(int id, int notification = 0) {
        SendMessageA(app().hwndMain, WM_COMMAND, MAKEWPARAM(id, notification), 0);
    }
    void SelectFigure(int entry);
    // The client point at the centre of field cell (column, row).
    POINT CellCentre(int column, int row);
    // Moves the pointer to a client point and presses a button there.
    void PressAt(POINT client, UINT message = WM_LBUTTONDOWN);
    // Holds `figure` in orientation `matrix` and drops it with its matrix at (x, y).
    void DropFigure(int figure, const FigureMatrix& matrix, int x, int y);
    // Drops the figures where the first tiling of the open 10 x 6 field puts them.
    void LayTiling(std::initializer_list<int> figures);
    bool MenuEnabled(int id);

    static void WriteFile(const std::string& name, const std::string& text);
    static std::string ReadFile(const std::string& name);
    // A folder's files and sub-folders as the system's own search finds them (8-bit names
    // through the ANSI code page), sorted bytewise.
    static std::vector<std::string> FolderEntries(const std::string& folder);

    std::string folder_;
};

// Figure `figure` where the first tiling of the open 10 x 6 field (the analysis's) lays it.
Figure TilingFigure(int figure);
