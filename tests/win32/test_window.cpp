// The render tests' stand-in for the main window, its surfaces and its working folder.
#include "test_window.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

constexpr char kWindowClass[] = "ZendrakRenderTestWindow";

HWND MakeHiddenWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc); // fails harmlessly when an earlier test registered it
    return CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveFolder(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    std::vector<char> pixels(static_cast<size_t>(rowBytes * height), '\0');
    for (int y = 0; y < height; ++y) {
        char* row = &pixels[static_cast<size_t>((height - 1 - y) * rowBytes)];
        for (int x = 0; x < width; ++x) {
            const COLORREF c = colour(x, y);
            row[3 * x] = static_cast<char>(GetBValue(c));
            row[3 * x + 1] = static_cast<char>(GetGValue(c));
            row[3 * x + 2] = static_cast<char>(GetRValue(c));
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

COLORREF TestTileColour(int tile) {
    return RGB(20 + 15 * tile, 230 - 12 * tile, 60 + 9 * tile);
}

::testing::AssertionResult PixelNear(HDC dc, int x, int y, COLORREF expected, int tolerance) {
    const COLORREF got = GetPixel(dc, x, y);
    const auto off = [&](int shift) {
        return std::abs(static_cast<int>((got >> shift) & 0xFF) -
                        static_cast<int>((expected >> shift) & 0xFF)) > tolerance;
    };
    if (got == CLR_INVALID || off(0) || off(8) || off(16)) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is 0x%06lX, expected 0x%06lX", x, y,
                      static_cast<unsigned long>(got), static_cast<unsigned long>(expected));
        return ::testing::AssertionFailure() << text;
    }
    return ::testing::AssertionSuccess();
}

COLORREF Blended(COLORREF top, COLORREF bottom, int alpha) {
    const auto mix = [&](int shift) {
        const int t = static_cast<int>((top >> shift) & 0xFF);
        const int b = static_cast<int>((bottom >> shift) & 0xFF);
        return static_cast<COLORREF>((t * alpha + b * (255 - alpha)) / 255) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

TestCanvas::TestCanvas(int width, int height, COLORREF fill) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    original_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

TestCanvas::~TestCanvas() {
    SelectObject(dc_, original_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void RenderTest::SetUp() {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    previousFolder_ = buffer;
    GetTempPathA(MAX_PATH, buffer);
    folder_ = std::string(buffer) + "zendrak render " + std::to_string(GetCurrentProcessId());
    RemoveFolder(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    CreateDirectoryA("Skins", nullptr);
    CreateDirectoryA("Background", nullptr);
    WriteBitmapFile(std::string("Skins\\") + kTestSkin, 896, 64,
                    [](int x, int) { return TestTileColour(x / 64); });

    InitGameState(gs);
    gs.settings.view.skinName = kTestSkin;
    gs.settings.view.backgroundType = BackgroundType::SolidColour;
    hwnd = MakeHiddenWindow();
    ASSERT_NE(hwnd, nullptr);
    CreateSurfaces(surfaces, hwnd);
    ReloadSkin(surfaces, gs, hwnd);
    BuildBackground(surfaces, gs, hwnd);
}

void RenderTest::TearDown() {
    FreeSurfaces(surfaces);
    if (hwnd != nullptr) DestroyWindow(hwnd);
    SetCurrentDirectoryA(previousFolder_.c_str());
    RemoveFolder(folder_);
}

void RenderTest::WriteBackground(const std::string& name, int width, int height,
                                 const std::function<COLORREF(int, int)>& colour) {
    WriteBitmapFile("Background\\" + name, width, height, colour);
}
