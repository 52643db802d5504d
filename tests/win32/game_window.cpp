// The in-process game window fixture.
#include "game_window.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/placement.h"
#include "model/shapes.h"
#include "resource.h"
#include "solver/search.h"
#include "ui/main_window.h"

namespace fs = std::filesystem;

void GameWindowTest::SetUp() {
    static const bool registered = [] {
        TheApp().hInstance = GetModuleHandleA(nullptr);
        TheApp().windowClass = "ZENDRAKAPP_TEST";
        return RegisterMainWindowClass(TheApp().hInstance, TheApp().windowClass);
    }();
    ASSERT_TRUE(registered);
    folder_ = (fs::temp_directory_path() / ("zendrak_ui_" + std::to_string(GetCurrentProcessId())))
                  .string();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    SetCurrentDirectoryA(folder_.c_str());
}

void GameWindowTest::TearDown() {
    if (IsWindow(app().hwndMain)) CloseGame();
    SetCurrentDirectoryA(fs::temp_directory_path().string().c_str());
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

void GameWindowTest::StartGame() {
    HWND hwnd =
        CreateWindowA(app().windowClass.c_str(), "Zendrak", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                      CW_USEDEFAULT, 0, nullptr, nullptr, app().hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
}

void GameWindowTest::StartPlainGame(const std::string& options) {
    WriteFile("Zendrak.ini",
              "[OPTIONS]\r\n" + options +
                  "[WINDOW]\r\nLEFT = 10\r\nTOP = 10\r\nRIGHT = 1010\r\nBOTTOM = 750\r\n");
    StartGame();
}

void GameWindowTest::CloseGame() {
    DestroyWindow(app().hwndMain);
    // The window's destruction posts the quit message; a later modal loop must not see it.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    app().hwndFigureList = nullptr;
}

void GameWindowTest::SelectFigure(int entry) {
    SendMessageA(app().hwndFigureList, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    Command(IDC_FIGURE_LIST, LBN_SELCHANGE);
}

POINT GameWindowTest::CellCentre(int column, int row) {
    Rect field = FieldArea(gs());
    int s = gs().settings.view.squareSize;
    return {field.left + column * s + s / 2, field.top + row * s + s / 2};
}

void GameWindowTest::PressAt(POINT client, UINT message) {
    POINT screen = client;
    ClientToScreen(app().hwndMain, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(app().hwndMain, message, message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON,
                 MAKELPARAM(client.x, client.y));
}

void GameWindowTest::DropFigure(int figure, const FigureMatrix& matrix, int x, int y) {
    SelectFigure(figure);
    gs().hand.matrices[figure] = matrix;
    UpdateGrabPoint(gs());
    // With the grab point g the drop origin is the cell of (pointer - g + half a square).
    Rect frame = FieldFrame(gs());
    int s = gs().settings.view.squareSize;
    PressAt({frame.left + s / 2 + gs().hand.grabX + x * s,
             frame.top + s / 2 + gs().hand.grabY + y * s});
}

void GameWindowTest::LayTiling(std::initializer_list<int> figures) {
    for (int k : figures) {
        Figure f = TilingFigure(k);
        DropFigure(k, f.matrix, f.x, f.y);
        ASSERT_EQ(gs().position.inList[k], 0) << "figure " << k;
    }
}

bool GameWindowTest::MenuEnabled(int id) {
    UINT state = GetMenuState(GetMenu(app().hwndMain), static_cast<UINT>(id), MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void GameWindowTest::WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

std::string GameWindowTest::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> GameWindowTest::FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

Figure TilingFigure(int figure) {
    static const char* const kTiling[6] = {"ILUUUTZVVV", "ILUFUTZZZV", "ILFFTTTXZV",
                                           "ILLFFWXXXP", "INNNYWWXPP", "NNYYYYWWPP"};
    Grid grid{};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c)
            if (kTiling[r][c] == FigureLetter(figure))
                At(grid, c, r) = static_cast<uint8_t>(figure);
    Figure f;
    ExtractPlacement(figure, grid, f);
    return f;
}
