// The render tests' stand-in for the main window: a hidden window with the six drawing
// surfaces, a game state, and a working folder with the skin and background files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/game_state.h"
#include "render/gdi_handles_gdi.h"
#include "render/surfaces_gdi.h"

// A .bmp file whose pixel (x, y) has the colour colour(x, y).
void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour);
// Tile k of the test skin, each tile one flat colour.
inline COLORREF TestTileColour(int k) {
    return RGB(20 + 15 * k, 230 - 12 * k, 60 + 9 * k);
}
// `top` over `bottom` at constant alpha, and the negative of a colour.
COLORREF Blended(COLORREF top, COLORREF bottom, int alpha);
inline COLORREF Inverted(COLORREF c) {
    return ~c & 0xFFFFFF;
}

// Expects the colour of each pixel of dc, channel by channel within `tolerance`; `what` names
// the case in a failure.
struct Probe {
    POINT at;
    COLORREF colour;
};
void ExpectPixels(HDC dc, const std::vector<Probe>& probes, int tolerance = 0,
                  const std::string& what = "");

// A memory device context with a bitmap of its own: a window's, item's or page's stand-in.
class TestCanvas {
  public:
    TestCanvas(int width, int height, COLORREF fill);
    HDC dc() const { return dc_.get(); }

  private:
    OwnedBitmap bitmap_;
    MemoryDc dc_{nullptr};
    ScopedSelect select_;
};

// Each test: a fresh working folder with Skins\"test skin.bmp", a hidden window, its surfaces
// with that skin at squares of 48 on a solid background, and a new game state.
class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Writes Background\name and makes it the pattern background.
    void UsePattern(const std::string& name, int width, int height,
                    const std::function<COLORREF(int, int)>& colour);

    GameState gs;
    HWND hwnd = nullptr;
    Surfaces surfaces;
    std::filesystem::path folder;
};
