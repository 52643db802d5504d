// Making and freeing the six off-screen surfaces, and copies that stay inside a surface.
#include "render/surfaces_gdi.h"

#include <algorithm>

#include "render/gdi_handles_gdi.h"
#include "render/layout.h"

namespace {

void MakeSurface(Surface& surface, HDC reference, int width, int height) {
    surface.dc = CreateCompatibleDC(reference);
    // A new memory context holds a 1 x 1 stock bitmap; selecting ours hands it back.
    HBITMAP bitmap = CreateCompatibleBitmap(reference, width, height);
    surface.original = static_cast<HBITMAP>(SelectObject(surface.dc, bitmap));
    surface.bitmap = bitmap;
    surface.width = width;
    surface.height = height;
}

void FreeSurface(Surface& surface) {
    if (surface.dc != nullptr) {
        SelectObject(surface.dc, surface.original);
        DeleteDC(surface.dc);
    }
    if (surface.bitmap != nullptr) DeleteObject(surface.bitmap);
    surface = Surface{};
}

} // namespace

void CreateSurfaces(Surfaces& s, HWND hwndMain) {
    WindowDc window(hwndMain);
    HDC ref = window.get();
    const int screenWidth = std::max(1, GetSystemMetrics(SM_CXSCREEN));
    const int screenHeight = std::max(1, GetSystemMetrics(SM_CYSCREEN));
    MakeSurface(s.skin, ref, kSkinRegionWidth, kSkinRegionHeight);
    MakeSurface(s.smallSkin, ref, kSmallSkinWidth, kSmallSkinHeight);
    MakeSurface(s.pictureSkin, ref, kSmallSkinWidth, kSmallSkinHeight);
    MakeSurface(s.fullSkin, ref, kFullSkinSide, kFullSkinSide);
    MakeSurface(s.scratch, ref, kScratchWidth, kScratchHeight);
    // Screen-sized from the start, so a paint before the first BuildBackground is harmless.
    MakeSurface(s.backBuffer, ref, screenWidth, screenHeight);
    MakeSurface(s.background, ref, screenWidth, screenHeight);
}

void FreeSurfaces(Surfaces& s) {
    for (Surface* surface : {&s.skin, &s.smallSkin, &s.pictureSkin, &s.fullSkin, &s.scratch,
                             &s.backBuffer, &s.background}) {
        FreeSurface(*surface);
    }
}

ScopedSurface::ScopedSurface(HWND hwndMain, int width, int height) {
    WindowDc window(hwndMain);
    MakeSurface(surface, window.get(), width, height);
}

ScopedSurface::~ScopedSurface() {
    FreeSurface(surface);
}

void ReplaceSurfaceBitmap(Surface& surface, HBITMAP bitmap) {
    if (bitmap == nullptr) return; // keep the old bitmap rather than none
    SelectObject(surface.dc, bitmap);
    if (surface.bitmap != nullptr && surface.bitmap != bitmap) DeleteObject(surface.bitmap);
    surface.bitmap = bitmap;
    const SIZE size = BitmapSize(bitmap);
    surface.width = size.cx;
    surface.height = size.cy;
}

void GrowSurface(Surface& surface, HDC reference, int w, int h) {
    if (surface.width >= w && surface.height >= h) return;
    ReplaceSurfaceBitmap(surface, CreateCompatibleBitmap(reference, std::max(w, surface.width),
                                                         std::max(h, surface.height)));
}

void CopyFromSurface(const Surface& source, int sx, int sy, int w, int h, HDC target, int x,
                     int y) {
    // Trim the rectangle to the source bitmap and shift the destination by the same amount.
    const int left = std::max(sx, 0);
    const int top = std::max(sy, 0);
    const int right = std::min(sx + w, source.width);
    const int bottom = std::min(sy + h, source.height);
    if (right <= left || bottom <= top) return;
    BitBlt(target, x + left - sx, y + top - sy, right - left, bottom - top, source.dc, left, top,
           SRCCOPY);
}
