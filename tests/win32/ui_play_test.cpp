// The main window in play: start-up, mouse messages, keys, wheel and extra buttons, commands
// and the menu's states, and the win.
#include "fixtures.h"
#include "model/geometry.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "render/layout.h"
#include "ui/orientation_menus.h"

namespace {

using UiPlay = GameTest;

TEST_F(UiPlay, FirstStartWithSwappedButtons) {
    const BOOL wasSwapped = SwapMouseButton(TRUE);
    StartGame(nullptr); // no settings file
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_RBUTTONDOWN))
        << "the physical left button";
    EXPECT_TRUE(GetSystemMetrics(SM_SWAPBUTTON)) << "the system setting is left as it was";
    SwapMouseButton(wasSwapped);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    RECT client;
    GetClientRect(app().hwndMain, &client);
    EXPECT_EQ(gs().settings.view.squareSize, AutoSquareSize(client.right, client.bottom, 10, 6));
    // A figure's orientation menu offers exactly its orientations.
    for (int count : {1, 2, 4, 8})
        EXPECT_EQ(GetMenuItemCount(OrientationMenuFor(app(), count)), count);
    EXPECT_EQ(OrientationMenuFor(app(), 3), nullptr);
    const Figure x = TilingFigure(11);
    DropFigure(11, x.matrix, x.x, x.y); // sent as the left button: not the primary one
    EXPECT_EQ(gs().position.inList[11], 1);
    CloseGame();
    StartGame(nullptr);
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_LBUTTONDOWN));
}

// Drops, illegal drops and taking back with the real mouse are played end to end
// (tests/e2e/scenarios/a_place_turn_take.py).
TEST_F(UiPlay, UndoRedoMenuStatesAndTheWin) {
    StartGame();
    LayTiling({1, 2});
    Command(IDM_UNDO); // back to the position before the last drop, the hand emptied
    EXPECT_EQ(gs().position.inList[2], 1);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(MenuEnabled(IDM_REDO));
    Command(IDM_REDO);
    EXPECT_EQ(gs().position.inList[2], 0);
    EXPECT_FALSE(MenuEnabled(IDM_REDO));

    // The last figure wins, once: taking one back and laying it again announces nothing.
    EXPECT_EQ(Drive(
                  [&] {
                      LayTiling({3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
                  },
                  [](DialogDriver& d) { d.Answer(); }),
              std::vector<std::string>{"information: Congratulations! The game is won."});
    SelectFigure(0);
    PressAt(CellCentre(9, 0)); // the V, taken back into the hand
    ASSERT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 4);
    Drive([&] { LayTiling({4}); }, [](DialogDriver&) {});
}

TEST_F(UiPlay, KeysWheelButtonsAndCommandsTurnTheHeldFigureAndSizeTheSquares) {
    StartGame();
    SelectFigure(12);
    EXPECT_EQ(gs().hand.selection, 12);
    FigureMatrix m = BaseShapes()[12];
    struct Step {
        UINT message;
        WPARAM wParam;
        void (*turn)(FigureMatrix&);
    } steps[] = {
        {WM_KEYDOWN, 'S', TurnClockwise},
        {WM_KEYDOWN, 'A', TurnCounterClockwise},
        {WM_KEYDOWN, 'Q', FlipTopBottom},
        {WM_KEYDOWN, 'W', FlipLeftRight},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), TurnClockwise}, // towards the user
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), TurnCounterClockwise},
        {WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1), FlipTopBottom},
        {WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2), FlipLeftRight},
    };
    for (const Step& s : steps) {
        SendMessageA(app().hwndMain, s.message, s.wParam, 0);
        s.turn(m);
        EXPECT_EQ(gs().hand.matrices[12], m) << "message " << s.message << " " << s.wParam;
    }
    // A command of its orientation menu.
    ASSERT_TRUE(NthOrientation(12, 5, m));
    Command(CommandOfOrientation(5));
    EXPECT_EQ(gs().hand.matrices[12], m);
    // Other keys do nothing; the middle button puts the figure back into the list, still turned.
    SendMessageA(app().hwndMain, WM_KEYDOWN, 'E', 0);
    SendMessageA(app().hwndMain, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(HeldFigure(gs()), 0);
    EXPECT_EQ(gs().hand.matrices[12], m);

    Command(IDM_LARGER_SQUARES);
    EXPECT_EQ(gs().settings.view.squareSize, 48);
    Command(IDM_SMALLER_SQUARES);
    Command(IDM_SMALLER_SQUARES);
    EXPECT_EQ(gs().settings.view.squareSize, 32);
}

} // namespace
