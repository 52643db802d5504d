// The render tests' stand-in for the main window: a hidden window with the six drawing
// surfaces, a game state, and a working folder holding the skin and background files.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "model/game_state.h"
#include "render/surfaces_gdi.h"

// Writes a 24-bit .bmp whose pixel (x, y) has the colour colour(x, y) (0x00BBGGRR).
void WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int, int)>& colour);

// Tile k of the test skin "test skin.bmp" (896 x 64, each tile one flat colour).
COLORREF TestTileColour(int tile);
constexpr const char* kTestSkin = "test skin.bmp";

// The colour GDI reads back at (x, y), compared channel by channel within `tolerance`.
::testing::AssertionResult PixelNear(HDC dc, int x, int y, COLORREF expected, int tolerance = 0);
// `top` blended over `bottom` with constant alpha.
COLORREF Blended(COLORREF top, COLORREF bottom, int alpha);
// The negative of a colour.
inline COLORREF Inverted(COLORREF c) { return ~c & 0xFFFFFF; }

// A memory device context with a bitmap of its own, filled with one colour: a stand-in for a
// window's or an item's device context.
class TestCanvas {
public:
    TestCanvas(int width, int height, COLORREF fill);
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
};

// Each test runs in a fresh working folder (removed afterwards) with Skins\kTestSkin in it and
// an empty Background\, a hidden window, its surfaces with the test skin at squareSize 48 and
// a solid background, and a game state right after the window's creation.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Writes Background\name.
    void WriteBackground(const std::string& name, int width, int height,
                         const std::function<COLORREF(int, int)>& colour);

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    GameState& gs = *state;
    HWND hwnd = nullptr;
    Surfaces surfaces;

private:
    std::string folder_;
    std::string previousFolder_;
};
