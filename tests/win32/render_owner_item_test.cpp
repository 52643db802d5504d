// The owner-drawn figure list entries and orientation menu items.
#include "model/geometry.h"
#include "render/paint_gdi.h"
#include "test_window.h"

namespace {

constexpr COLORREF kItemBefore = 0x0000FE; // the item's pixels before drawing

class RenderOwnerItem : public RenderTest {
protected:
    // The centre of the first cell of m that is (or is not) a square, in a picture whose
    // top-left corner is (x, y).
    static POINT FirstCell(const FigureMatrix& m, bool square, int x, int y) {
        int i = 0;
        while ((m[i] != 0) != square) ++i;
        return {x + 8 * (i % 5) + 4, y + 8 * (i / 5) + 4};
    }
    DRAWITEMSTRUCT Item(UINT type, UINT id, RECT rect, bool selected) {
        DRAWITEMSTRUCT item{};
        item.CtlType = type;
        item.itemID = id;
        item.itemState = selected ? ODS_SELECTED : 0;
        item.hDC = canvas.dc();
        item.rcItem = rect;
        return item;
    }
    ::testing::AssertionResult Is(POINT p, COLORREF c, int tolerance = 0) {
        return PixelNear(canvas.dc(), p.x, p.y, c, tolerance);
    }
    TestCanvas canvas{200, 600, kItemBefore};
};

TEST_F(RenderOwnerItem, FigureListEntries) {
    const RECT rect{0, 210, 111, 252}; // entry 5: picture at (111 / 2 - 20, 210 + 1)
    const POINT square = FirstCell(gs.hand.matrices[5], true, 35, 211);
    DrawFigureListItem(surfaces, gs, Item(ODT_LISTBOX, 5, rect, false));
    EXPECT_TRUE(Is(square, TestTileColour(5)));
    EXPECT_TRUE(Is({2, 230}, gs.settings.view.colorBack));
    gs.position.inList[5] = 0; // on the field: without colour
    DrawFigureListItem(surfaces, gs, Item(ODT_LISTBOX, 5, rect, false));
    EXPECT_TRUE(Is(square, TestTileColour(13)));
    EXPECT_TRUE(Is(FirstCell(gs.hand.matrices[5], false, 35, 211), TestTileColour(0)));

    DrawFigureListItem(surfaces, gs, Item(ODT_LISTBOX, 5, rect, true));
    EXPECT_TRUE(Is({2, 230}, 0x535353)); // the shaded back colour over a solid background
    // Over a pattern, black at alpha 96 darkens the spot of the background behind the item.
    WriteBackground("stripes.bmp", 2, 1, [](int x, int) { return x ? 0x3080C0 : 0xC08030; });
    gs.settings.view.backgroundType = BackgroundType::PatternImage;
    gs.settings.view.backgroundName = "stripes.bmp";
    BuildBackground(surfaces, gs, hwnd);
    gs.position.fieldOffsetX = 1; // the list's client area starts at x = 33: item x 2 is background x 35
    DrawFigureListItem(surfaces, gs, Item(ODT_LISTBOX, 5, rect, true));
    EXPECT_TRUE(Is({2, 230}, Blended(0, 0x3080C0, 96), 1));

    const RECT empty{0, 300, 111, 342};
    DrawFigureListItem(surfaces, gs, Item(ODT_LISTBOX, static_cast<UINT>(-1), empty, true));
    EXPECT_TRUE(Is({2, 320}, kItemBefore));
}

TEST_F(RenderOwnerItem, OrientationMenuItems) {
    FigureMatrix first{};
    ASSERT_TRUE(NthOrientation(5, 1, first));
    const RECT rect{0, 42, 120, 84}; // picture at (120 / 2 - 20, 42 + 1)
    const POINT square = FirstCell(first, true, 40, 43);
    DrawOrientationItem(surfaces, gs, Item(ODT_MENU, 32772, rect, false), 5, 1);
    EXPECT_TRUE(Is(square, TestTileColour(13)));
    EXPECT_TRUE(Is({2, 60}, gs.settings.view.colorBack));
    DrawOrientationItem(surfaces, gs, Item(ODT_MENU, 32772, rect, true), 5, 1);
    EXPECT_TRUE(Is(square, TestTileColour(5)));
    EXPECT_TRUE(Is({2, 60}, 0x535353));

    // No figure selected: the menu item is left as it was.
    const RECT below{0, 84, 120, 126};
    DrawOrientationItem(surfaces, gs, Item(ODT_MENU, 32772, below, true), 0, 1);
    EXPECT_TRUE(Is({2, 100}, kItemBefore));
}

} // namespace
