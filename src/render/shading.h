// Colour shading of selected items, opacity arithmetic and the way one square is put down.
#pragma once

#include <cstdint>

// Colours are Windows colour values 0x00BBGGRR.
struct ShadedColors {
    uint32_t back = 0;
    uint32_t ink = 0;
    bool operator==(const ShadedColors&) const = default;
};

// The back and ink colours of a selected (highlighted) list or menu item.
ShadedColors ShadeColors(uint32_t back, uint32_t ink);

// Black blended over a selected item on a pattern background.
constexpr uint8_t kSelectedItemAlpha = 96;

// An opacity of 100 percent (or more) is drawn with a plain copy, not a blend.
bool IsPlainCopy(int opacityPercent);
// The constant alpha of a blend: percent * 255 / 100 rounded down, the percent kept to 0..100.
uint8_t ConstantAlpha(int opacityPercent);

// The shadow of the figure in hand lies d = s / 6 pixels right and down of it ...
int ShadowOffset(int squareSize);
// ... and is drawn at opaque / 10 + 15 percent.
int ShadowOpacity(int opaque);

// How DrawSquare puts one square down.
enum class SquareMethod {
    Copy,          // the tile, copied
    CopyInverted,  // the tile, copied colour-inverted
    FillBlack,     // a black square, solid
    BlendTile,     // the tile, blended with the constant alpha
    BlendBlack,    // a black square, blended (the shadow)
    BlendInverted, // the tile inverted in the scratch area, then blended
};
// Tile 14 is the black square of the shadow; it never comes from the skin and is never
// inverted, so an opaque or inverted tile 14 is still plain black.
SquareMethod ChooseSquareMethod(int tile, int opacityPercent, bool inverted);
