// Colour shading of selected items, opacity arithmetic and the way one square is put down.
#include "render/shading.h"

#include <algorithm>
#include <array>

#include "render/cells.h"

namespace {

using Channels = std::array<int, 3>; // red, green, blue

Channels Split(uint32_t colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

uint32_t Join(const Channels& c) {
    return static_cast<uint32_t>(c[0]) | static_cast<uint32_t>(c[1]) << 8 |
           static_cast<uint32_t>(c[2]) << 16;
}

} // namespace

ShadedColors ShadeColors(uint32_t back, uint32_t ink) {
    Channels b = Split(back);
    Channels i = Split(ink);
    int score = 0;
    for (int k = 0; k < 3; ++k)
        score += b[k] < i[k] ? 1 : -1;
    if (score > 0) {
        // A dark back colour: lighten it (a very dark one by a fixed step), brighten the ink.
        const bool veryDark = std::all_of(b.begin(), b.end(), [](int x) { return x < 90; });
        for (int& x : b)
            x = veryDark ? x + 90 : x - x / 4;
        for (int& x : i)
            x = std::min(x + x / 4, 255);
    } else {
        for (int& x : b)
            x -= x / 5;
        for (int& x : i)
            x -= x / 8;
    }
    return {Join(b), Join(i)};
}

bool IsPlainCopy(int opacityPercent) {
    return opacityPercent >= 100;
}

uint8_t ConstantAlpha(int opacityPercent) {
    return static_cast<uint8_t>(std::clamp(opacityPercent, 0, 100) * 255 / 100);
}

int ShadowOffset(int squareSize) {
    return squareSize / 6;
}

int ShadowOpacity(int opaque) {
    return opaque / 10 + 15;
}

SquareMethod ChooseSquareMethod(int tile, int opacityPercent, bool inverted) {
    const bool plain = IsPlainCopy(opacityPercent);
    if (tile == kTileBlack) return plain ? SquareMethod::FillBlack : SquareMethod::BlendBlack;
    if (inverted) return plain ? SquareMethod::CopyInverted : SquareMethod::BlendInverted;
    return plain ? SquareMethod::Copy : SquareMethod::BlendTile;
}
