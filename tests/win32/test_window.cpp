// The render tests' stand-in for the main window, its surfaces and its working folder.
#include "test_window.h"

#include <fstream>
#include <vector>

namespace fs = std::filesystem;

void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour) {
    // 32 bits a pixel, rows bottom-up: no padding; RGB() of blue, green, red gives 0x00RRGGBB.
    std::vector<COLORREF> pixels;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(
                RGB(GetBValue(colour(x, y)), GetGValue(colour(x, y)), GetRValue(colour(x, y))));
    constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const DWORD bytes = static_cast<DWORD>(4 * pixels.size());
    const BITMAPFILEHEADER file{0x4D42, kHeaders + bytes, 0, 0, kHeaders}; // "BM"
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, bytes, 0, 0, 0, 0};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
}

void ExpectPixels(HDC dc, const std::vector<Probe>& probes, int tolerance,
                  const std::string& what) {
    for (const auto& [at, expected] : probes) {
        const COLORREF got = GetPixel(dc, at.x, at.y);
        const auto off = [&](int shift) {
            return std::abs(static_cast<int>((got >> shift & 0xFF) - (expected >> shift & 0xFF))) >
                   tolerance;
        };
        if (got == CLR_INVALID || off(0) || off(8) || off(16))
            ADD_FAILURE() << what << " (" << at.x << ", " << at.y << ") is 0x" << std::hex << got
                          << ", expected 0x" << expected;
    }
}

COLORREF Blended(COLORREF top, COLORREF bottom, int alpha) {
    const auto mix = [&](int shift) {
        return ((top >> shift & 0xFF) * alpha + (bottom >> shift & 0xFF) * (255 - alpha)) / 255;
    };
    return RGB(mix(0), mix(8), mix(16));
}

TestCanvas::TestCanvas(int width, int height, COLORREF fill)
    : bitmap_(CreateCompatibleBitmap(WindowDc(nullptr).get(), width, height)),
      select_(dc_.get(), bitmap_.get()) {
    const RECT all{0, 0, width, height};
    OwnedBrush brush(CreateSolidBrush(fill));
    FillRect(dc(), &all, brush.get());
}

void RenderTest::SetUp() {
    folder =
        fs::temp_directory_path() / ("zendrak render " + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder / "Skins");
    fs::create_directory(folder / "Background");
    fs::current_path(folder);
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
    fs::current_path(fs::temp_directory_path());
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

void RenderTest::UsePattern(const std::string& name, int width, int height,
                            const std::function<COLORREF(int, int)>& colour) {
    WriteBitmapFile("Background\\" + name, width, height, colour);
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    gs.settings.view.backgroundName = name;
    BuildBackground(surfaces, gs, hwnd);
}
