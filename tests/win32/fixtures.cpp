#include "fixtures.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "model/placement.h"
#include "model/shapes.h"
#include "solver/search.h"
#include "ui/main_window.h"

namespace fs = std::filesystem;

void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& name) {
    std::stringstream ss;
    ss << std::ifstream(name, std::ios::binary).rdbuf();
    return ss.str();
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data))
        if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..")
            names.push_back(data.cFileName);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour) {
    const DWORD bytes = 4 * width * height, headers = 54;
    const BITMAPFILEHEADER file{0x4D42, headers + bytes, 0, 0, headers}; // "BM"
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, bytes, 0, 0, 0, 0};
    std::string text(reinterpret_cast<const char*>(&file), sizeof file);
    text.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) // bottom-up, blue green red
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            text += {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c)), 0};
        }
    WriteFile(path, text);
}

COLORREF Blended(COLORREF top, COLORREF bottom, int alpha) {
    const auto mix = [&](int shift) {
        return ((top >> shift & 0xFF) * alpha + (bottom >> shift & 0xFF) * (255 - alpha)) / 255;
    };
    return RGB(mix(0), mix(8), mix(16));
}

void ExpectPixels(HDC dc, const std::vector<Probe>& probes, int tolerance,
                  const std::string& what) {
    for (const auto& [at, expected] : probes) {
        const COLORREF got = GetPixel(dc, at.x, at.y);
        for (int shift : {0, 8, 16})
            if (got == CLR_INVALID ||
                std::abs(int(got >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance) {
                ADD_FAILURE() << what << " (" << at.x << ", " << at.y << ") is 0x" << std::hex
                              << got << ", expected 0x" << expected;
                break;
            }
    }
}

TestCanvas::TestCanvas(int width, int height, COLORREF fill)
    : bitmap_(CreateCompatibleBitmap(WindowDc(nullptr).get(), width, height)),
      select_(dc_.get(), bitmap_.get()) {
    const RECT all{0, 0, width, height};
    FillRect(dc(), &all, OwnedBrush(CreateSolidBrush(fill)).get());
}

void RenderTest::SetUp() {
    GameTest::SetUp();
    fs::create_directory("Skins");
    fs::create_directory("Background");
    WriteBitmapFile("Skins\\test skin.bmp", 896, 64,
                    [](int x, int) { return TestTileColour(x / 64); });
    InitGameState(gs);
    gs.settings.view.skinName = "test skin.bmp";
    gs.settings.view.backgroundType = BackgroundType::SolidColour;
    hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                           nullptr);
    ASSERT_NE(hwnd, nullptr);
    CreateSurfaces(surfaces, hwnd);
    ReloadSkin(surfaces, gs, hwnd);
    BuildBackground(surfaces, gs, hwnd);
}

void RenderTest::TearDown() {
    FreeSurfaces(surfaces);
    DestroyWindow(hwnd);
    GameTest::TearDown();
}

void RenderTest::UsePattern(const std::string& name, int width, int height,
                            const std::function<COLORREF(int, int)>& colour) {
    WriteBitmapFile("Background\\" + name, width, height, colour);
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    gs.settings.view.backgroundName = name;
    BuildBackground(surfaces, gs, hwnd);
}

namespace {

std::vector<HWND> VisibleDialogs(DWORD thread, const char* caption) {
    std::vector<HWND> found;
    for (HWND d = nullptr; (d = FindWindowExA(nullptr, d, "#32770", caption)) != nullptr;)
        if (IsWindowVisible(d) && GetWindowThreadProcessId(d, nullptr) == thread)
            found.push_back(d);
    return found;
}

// "icon: text" of a message box.
std::string DescribeBox(HWND box) {
    HWND control = GetDlgItem(box, 1088); // the icon
    const auto shown = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
    std::string icon = "none";
    for (auto [id, name] : {std::pair{IDI_ERROR, "error"},
                            {IDI_QUESTION, "question"},
                            {IDI_INFORMATION, "information"}})
        if (IsWindowVisible(control) && shown == LoadIconA(nullptr, id)) icon = name;
    return icon + ": " + DialogDriver::Text(box, 0xFFFF);
}

} // namespace

HWND DialogDriver::WaitFor(const std::function<HWND()>& find, const std::string& what) {
    for (DWORD start = GetTickCount(); failures.empty() && GetTickCount() - start < 5000; Sleep(10))
        if (HWND hwnd = find()) return hwnd;
    if (failures.empty()) failures.push_back("timed out waiting for " + what);
    return nullptr;
}

HWND DialogDriver::Wait(const char* caption) {
    if (caption == nullptr) caption = TheApp().appTitle.c_str();
    return WaitFor(
        [&]() -> HWND {
            const std::vector<HWND> found = VisibleDialogs(thread_, caption);
            return found.empty() ? nullptr : found[0];
        },
        caption);
}

void DialogDriver::WaitGone(HWND window) {
    WaitFor([&] { return IsWindow(window) ? nullptr : HWND_MESSAGE; }, "a window to close");
    Send(TheApp().hwndMain, 0, WM_NULL); // returns once the code that ran it has gone on
}

void DialogDriver::Answer(int button) {
    HWND box = Wait();
    if (box == nullptr) return;
    messages.push_back(DescribeBox(box));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitGone(box);
}

LRESULT DialogDriver::Send(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    HWND to = id == 0 ? dialog : GetDlgItem(dialog, id);
    if (failures.empty() &&
        !SendMessageTimeoutA(to, message, wParam, lParam, SMTO_NORMAL, 5000, &result))
        failures.push_back("no answer to message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

COLORREF DialogDriver::Pixel(HWND dialog, int id, int x, int y) {
    HWND control = GetDlgItem(dialog, id);
    Send(dialog, 0, WM_NULL); // the dialog's thread is between messages
    // Painted whole now: under load the control's first paint may not have happened yet.
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

void GameTest::SetUp() {
    static const bool registered = [] {
        TheApp().hInstance = GetModuleHandleA(nullptr);
        TheApp().windowClass = "ZENDRAKAPP_TEST";
        return RegisterMainWindowClass(TheApp().hInstance, TheApp().windowClass);
    }();
    ASSERT_TRUE(registered);
    folder = fs::temp_directory_path() / ("zendrak test " + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::current_path(folder);
}

void GameTest::TearDown() {
    if (IsWindow(app().hwndMain)) CloseGame();
    fs::current_path(fs::temp_directory_path());
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

void GameTest::StartGame(const char* options) {
    if (options != nullptr)
        WriteFile("Zendrak.ini",
                  std::string("[OPTIONS]\r\n") + options +
                      "[WINDOW]\r\nLEFT = 10\r\nTOP = 10\r\nRIGHT = 1010\r\nBOTTOM = 750\r\n");
    HWND hwnd =
        CreateWindowA(app().windowClass.c_str(), "Zendrak", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                      CW_USEDEFAULT, 0, nullptr, nullptr, app().hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
}

void GameTest::CloseGame() {
    DestroyWindow(app().hwndMain);
    MSG msg; // the quit message the destruction posted must not end a later modal loop
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    app().hwndFigureList = nullptr;
}

void GameTest::SelectFigure(int entry) {
    SendMessageA(app().hwndFigureList, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    Command(IDC_FIGURE_LIST, LBN_SELCHANGE);
}

POINT GameTest::CellCentre(int column, int row) {
    const Rect field = FieldArea(gs());
    const int s = gs().settings.view.squareSize;
    return {field.left + column * s + s / 2, field.top + row * s + s / 2};
}

void GameTest::PressAt(POINT client, UINT message) {
    POINT screen = client;
    ClientToScreen(app().hwndMain, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(app().hwndMain, message, message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON,
                 MAKELPARAM(client.x, client.y));
}

void GameTest::DropFigure(int figure, const FigureMatrix& matrix, int x, int y) {
    SelectFigure(figure);
    gs().hand.matrices[figure] = matrix;
    UpdateGrabPoint(gs());
    // The drop origin is the cell of (pointer - grab point + half a square).
    const Rect frame = FieldFrame(gs());
    const int s = gs().settings.view.squareSize;
    PressAt({frame.left + s / 2 + gs().hand.grabX + x * s,
             frame.top + s / 2 + gs().hand.grabY + y * s});
}

void GameTest::LayTiling(std::initializer_list<int> figures) {
    for (int k : figures) {
        const Figure f = TilingFigure(k);
        DropFigure(k, f.matrix, f.x, f.y);
        ASSERT_EQ(gs().position.inList[k], 0) << "figure " << k;
    }
}

bool GameTest::MenuEnabled(int id) {
    const UINT state = GetMenuState(GetMenu(app().hwndMain), static_cast<UINT>(id), MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

bool GameTest::PumpMessagesUntil(const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(5)) {
        if (GetTickCount() - start > 10000) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

std::vector<std::string> GameTest::Run(int id, const char* caption,
                                       const std::function<void(DialogDriver&, HWND)>& script) {
    const DWORD thread = GetCurrentThreadId();
    DialogDriver driver(thread);
    std::atomic<bool> opened{true}, scripted{false};
    std::thread worker([&] {
        HWND dialog = caption == nullptr ? nullptr : driver.Wait(caption);
        if (caption == nullptr || dialog != nullptr) script(driver, dialog);
        scripted = true;
        // What is still open after a grace period for windows already closing is cancelled.
        for (DWORD ended = GetTickCount(); opened; Sleep(20)) {
            if (GetTickCount() - ended < 2000) continue;
            for (HWND d : VisibleDialogs(thread, nullptr)) {
                char text[512] = {};
                GetWindowTextA(d, text, sizeof text);
                driver.failures.push_back("left open: " +
                                          (text == TheApp().appTitle ? DescribeBox(d) : text));
                PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
            }
            ended = GetTickCount();
        }
    });
    Command(id);
    opened = false;
    // The script may still wait for this thread: what it sends is handled until it is done.
    for (MSG msg; !scripted; MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE))
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    worker.join();
    for (const std::string& failure : driver.failures)
        ADD_FAILURE() << failure;
    return driver.messages;
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
