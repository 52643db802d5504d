// The main window's picture painted frame after frame while the figure in hand moves across
// the field: the background, the field's frame, the figure list, a field with six figures, and
// the held figure with its shadow. Prints the median and the worst time per frame for a
// 1280 x 1024 window at 96 DPI and a 3840 x 2160 one at 192 DPI (squares of 128): "whole"
// paints the whole picture (and the list's entries) each frame, "moving" only what the game
// repaints when the figure in hand moves (where it was and where it is). One frame before the
// timed ones fills the caches.
//   paint_bench.exe [FRAMES]        (under Wine: make bench)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/display.h"
#include "model/history.h"
#include "render/figure_pictures.h"
#include "render/layout.h"
#include "render/paint_gdi.h"
#include "solver/search.h"

namespace {

// A tiling of the open 10 x 6 field; its first six figures lie on the field.
constexpr const char* kTiling[] = {"ILUUUTZVVV", "ILUFUTZZZV", "ILFFTTTXZV",
                                   "ILLFFWXXXP", "INNNYWWXPP", "NNYYYYWWPP"};
constexpr const char* kLetters = "ILTVWYZPFUXN";
constexpr int kFiguresLaid = 6;
constexpr int kHeld = 9; // F, still in the list, in hand

struct Size {
    int width, height, dpi;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void LayTiling(GameState& gs) {
    Grid tiling{};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x)
            At(tiling, x, y) = static_cast<uint8_t>(std::string(kLetters).find(kTiling[y][x]) + 1);
    for (int k = 1; k <= kFiguresLaid; ++k) {
        Figure f;
        if (!ExtractPlacement(k, tiling, f)) continue;
        LayFigure(gs, f);
        gs.position.inList[k] = 0;
    }
}

std::vector<double> PaintFrames(const Size& size, int frames, bool moving) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, size.width, size.height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    static GameState gs;
    InitGameState(gs);
    gs.display.dpi = size.dpi;
    gs.settings.view.squareSize = kMaxSquareSize;
    gs.settings.view.autoSize = false;
    LayTiling(gs);
    gs.hand.selection = kHeld;
    UpdateGrabPoint(gs);
    const Layout layout =
        ComputeLayout(size.width, size.height, 10, 6, kMaxSquareSize, false, size.dpi);
    gs.position.fieldOffsetX = layout.offset.x;
    gs.position.fieldOffsetY = layout.offset.y;

    Surfaces s;
    CreateSurfaces(s, window);
    ReloadSkin(s, gs, window);
    BuildBackground(s, gs, window);
    HDC screen = GetDC(window);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, size.width, size.height);
    HGDIOBJ old = SelectObject(target, picture);

    const Rect list = layout.figureList;
    const Rect field = FieldArea(gs);
    const int item = MetricsOf(gs).itemHeight;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    Rect shown;
    for (int frame = -1; frame < frames; ++frame) {
        PaintInput in;
        in.client = {0, 0, size.width, size.height};
        in.figureList = {list.left, list.top, list.right, list.bottom};
        // Across the field and back, over the laid figures and the open cells.
        const int step = frame < 0 ? 0 : frame % 100 < 50 ? frame % 50 : 50 - frame % 50;
        in.pointer = {field.left + field.Width() * step / 50, field.top + field.Height() / 2};
        in.selection = kHeld;
        const Rect now = HandPictureRect(gs, kHeld, {in.pointer.x, in.pointer.y});
        if (moving && frame >= 0)
            in.update = {std::min(shown.left, now.left), std::min(shown.top, now.top),
                         std::max(shown.right, now.right), std::max(shown.bottom, now.bottom)};
        shown = now;
        QueryPerformanceCounter(&start);
        PaintMainWindow(s, gs, target, in);
        SetViewportOrgEx(target, list.left, list.top, nullptr);
        for (int entry = 0; entry <= kFigureCount && (!moving || frame < 0); ++entry) {
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_LISTBOX;
            draw.itemID = static_cast<UINT>(entry);
            draw.itemState = entry == kHeld ? ODS_SELECTED : 0;
            draw.hDC = target;
            draw.rcItem = {0, entry * item, list.Width(), (entry + 1) * item};
            DrawFigureListItem(s, gs, draw);
        }
        SetViewportOrgEx(target, 0, 0, nullptr);
        GdiFlush();
        QueryPerformanceCounter(&end);
        if (frame >= 0) times.push_back(Milliseconds(start, end, frequency));
    }
    SelectObject(target, old);
    DeleteObject(picture);
    DeleteDC(target);
    ReleaseDC(window, screen);
    FreeSurfaces(s);
    DestroyWindow(window);
    return times;
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const Size sizes[] = {{1280, 1024, 96}, {3840, 2160, 192}};
    std::printf("%-22s %-7s %7s %10s %10s\n", "window", "paint", "frames", "median ms", "worst ms");
    for (const Size& size : sizes)
        for (const bool moving : {false, true}) {
            std::vector<double> times = PaintFrames(size, frames, moving);
            std::sort(times.begin(), times.end());
            char name[64];
            std::snprintf(name, sizeof name, "%d x %d at %d DPI", size.width, size.height,
                          size.dpi);
            std::printf("%-22s %-7s %7d %10.2f %10.2f\n", name, moving ? "moving" : "whole", frames,
                        times[times.size() / 2], times.back());
        }
    return 0;
}
