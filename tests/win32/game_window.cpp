// The in-process game window fixture and the message-box watcher.
#include "game_window.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/placement.h"
#include "resource.h"
#include "ui/main_window.h"

namespace fs = std::filesystem;

void GameWindowTest::SetUpTestSuite() {
    static bool registered = false;
    if (registered) return;
    App& app = TheApp();
    app.hInstance = GetModuleHandleA(nullptr);
    app.windowClass = "ZENDRAKAPP_TEST";
    registered = RegisterMainWindowClass(app.hInstance, app.windowClass);
    ASSERT_TRUE(registered);
}

void GameWindowTest::SetUp() {
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

void GameWindowTest::CloseGame() {
    DestroyWindow(app().hwndMain);
    // The window's destruction posts the quit message; a later modal loop must not see it.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    app().hwndFigureList = nullptr;
}

void GameWindowTest::Command(int id, int notification) {
    SendMessageA(app().hwndMain, WM_COMMAND, MAKEWPARAM(id, notification), 0);
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

bool GameWindowTest::MenuEnabled(int id) {
    UINT state = GetMenuState(GetMenu(app().hwndMain), static_cast<UINT>(id), MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

COLORREF GameWindowTest::BackBufferPixel(POINT client) {
    RedrawWindow(app().hwndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return GetPixel(app().surfaces.backBuffer.dc, client.x, client.y);
}

std::string GameWindowTest::WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
    return name;
}

std::string GameWindowTest::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

MessageBoxWatcher::MessageBoxWatcher() {
    thread_ = std::thread([this] {
        while (!stop_) {
            HWND box = FindWindowA("#32770", TheApp().appTitle.c_str());
            if (box != nullptr && IsWindowVisible(box)) {
                char text[512] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    texts_.push_back(text);
                }
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box) && !stop_)
                    Sleep(10);
            }
            Sleep(20);
        }
    });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<std::string> MessageBoxWatcher::Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}
