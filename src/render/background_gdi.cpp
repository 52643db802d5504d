// The window background: a pattern image or a solid colour, rendered once per change.
#include "render/surfaces_gdi.h"

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
    if (gs.backgroundType == 0) {
        // The pattern brush keeps its own copy of the image.
        OwnedBitmap image(LoadBackgroundFile(gs.backgroundName));
        if (image.get() != nullptr) return CreatePatternBrush(image.get());
    }
    gs.backgroundType = 1;
    return CreateSolidBrush(gs.colorBack);
}

} // namespace

void BuildBackground(Surfaces& s, GameState& gs, HWND hwndMain) {
    s.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    s.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    {
        WindowDc window(hwndMain);
        ReplaceSurfaceBitmap(s.backBuffer,
                             CreateCompatibleBitmap(window.get(), s.screenWidth, s.screenHeight));
        ReplaceSurfaceBitmap(s.background,
                             CreateCompatibleBitmap(window.get(), s.screenWidth, s.screenHeight));
    }
    OwnedBrush brush(BackgroundBrush(gs));
    // The memory context's brush origin is (0, 0): the pattern starts at the top-left corner.
    const RECT all{0, 0, s.screenWidth, s.screenHeight};
    FillRect(s.background.dc, &all, brush.get());
}
