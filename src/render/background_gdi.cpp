// The window background: a pattern image or a solid colour, rendered once per change.
#include "render/surfaces_gdi.h"

#include <algorithm>

#include "render/gdi_handles_gdi.h"

namespace {

HBITMAP LoadBackgroundFile(const std::string& name) {
    const std::string path = "Background\\" + name;
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// The brush the background is painted with; a pattern that does not load turns the
// background to the solid colour for good.
HBRUSH BackgroundBrush(GameState& gs) {
    if (gs.settings.view.backgroundType == BackgroundType::PatternImage) {
        // The pattern brush keeps its own copy of the image.
        OwnedBitmap image(LoadBackgroundFile(gs.settings.view.backgroundName));
        if (image.get() != nullptr) return CreatePatternBrush(image.get());
    }
    gs.settings.view.backgroundType = BackgroundType::SolidColour;
    return CreateSolidBrush(gs.settings.view.colorBack);
}

SIZE ClientSize(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return {client.right - client.left, client.bottom - client.top};
}

} // namespace

void BuildBackground(Surfaces& s, GameState& gs, HWND hwndMain) {
    const SIZE client = ClientSize(hwndMain);
    const int width = std::max<int>({1, GetSystemMetrics(SM_CXSCREEN), client.cx});
    const int height = std::max<int>({1, GetSystemMetrics(SM_CYSCREEN), client.cy});
    {
        WindowDc window(hwndMain);
        ReplaceSurfaceBitmap(s.backBuffer, CreateCompatibleBitmap(window.get(), width, height));
        ReplaceSurfaceBitmap(s.background, CreateCompatibleBitmap(window.get(), width, height));
    }
    OwnedBrush brush(BackgroundBrush(gs));
    // The memory context's brush origin is (0, 0): the pattern starts at the top-left corner.
    const RECT all{0, 0, s.background.width, s.background.height};
    FillRect(s.background.dc, &all, brush.get());
}

void GrowSurfacesToClient(Surfaces& s, GameState& gs, HWND hwndMain) {
    if (s.background.dc == nullptr) return;
    const SIZE client = ClientSize(hwndMain);
    // A failed creation keeps the old bitmaps, so each surface's own size is what it covers.
    if (client.cx > std::min(s.backBuffer.width, s.background.width) ||
        client.cy > std::min(s.backBuffer.height, s.background.height))
        BuildBackground(s, gs, hwndMain);
}
