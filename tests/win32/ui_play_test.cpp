// The main window where the end-to-end scenarios (the mouse, S, the wheel, larger squares, the
// win) do not reach: swapped buttons, the other keys and buttons, orientation menus, undo, redo.
#include <thread>
#include <tuple>

#include "fixtures.h"
#include "model/geometry.h"
#include "model/keyboard.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "render/layout.h"
#include "ui/help.h"
#include "ui/orientation_menus.h"

namespace {

using UiPlay = GameTest;

TEST_F(UiPlay, FirstStartWithSwappedButtons) {
    const BOOL wasSwapped = SwapMouseButton(TRUE);
    StartGame(nullptr); // no settings file
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_RBUTTONDOWN)) << "physical left";
    EXPECT_TRUE(GetSystemMetrics(SM_SWAPBUTTON)) << "the system setting is left as it was";
    SwapMouseButton(wasSwapped);
    RECT client;
    GetClientRect(app().hwndMain, &client);
    EXPECT_EQ(gs().settings.view.squareSize,
              AutoSquareSize(client.right, client.bottom, 10, 6, 96));
    const Figure x = TilingFigure(11);
    DropFigure(11, x.matrix, x.x, x.y); // sent as the left button: not the primary one
    EXPECT_EQ(gs().position.inList[11], 1);
    CloseGame();
    StartGame(nullptr);
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST_F(UiPlay, KeysButtonsOrientationMenusUndoAndRedo) {
    StartGame();
    for (int count : {1, 2, 4, 8})
        EXPECT_EQ(GetMenuItemCount(OrientationMenuFor(app(), count)), count);
    EXPECT_EQ(OrientationMenuFor(app(), 3), nullptr);
    SelectFigure(12);
    FigureMatrix m = BaseShapes()[12];
    const std::tuple<UINT, WPARAM, void (*)(FigureMatrix&)> steps[] = {
        {WM_KEYDOWN, 'A', TurnCounterClockwise},
        {WM_KEYDOWN, 'Q', FlipTopBottom},
        {WM_KEYDOWN, 'W', FlipLeftRight},
        {WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1), FlipTopBottom},
        {WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2), FlipLeftRight},
    };
    for (const auto& [message, wParam, turn] : steps) {
        SendMessageA(app().hwndMain, message, wParam, 0);
        turn(m);
        EXPECT_EQ(gs().hand.matrices[12], m) << "message " << message << " " << wParam;
    }
    ASSERT_TRUE(NthOrientation(12, 5, m));
    Command(IDM_ORIENTATION_5);
    EXPECT_EQ(gs().hand.matrices[12], m);
    // Other keys do nothing; the middle button puts the figure back into the list, still turned.
    SendMessageA(app().hwndMain, WM_KEYDOWN, 'E', 0);
    SendMessageA(app().hwndMain, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(HeldFigure(gs()), 0);
    EXPECT_EQ(gs().hand.matrices[12], m);
    Command(IDM_SMALLER_SQUARES);
    EXPECT_EQ(gs().settings.view.squareSize, 32);

    LayTiling({1, 2});
    Command(IDM_UNDO); // back to the position before the last drop, the hand emptied
    EXPECT_EQ(gs().position.inList[2], 1);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(MenuEnabled(IDM_REDO));
    Command(IDM_REDO);
    EXPECT_EQ(gs().position.inList[2], 0);
    EXPECT_FALSE(MenuEnabled(IDM_REDO));

    // In the field a key held down repeats only as an arrow: a repeated Escape keeps the figure.
    app().fieldFocus = true;
    SelectFigure(3);
    SendMessageA(app().hwndMain, WM_KEYDOWN, VK_ESCAPE, LPARAM{1} << 30);
    EXPECT_EQ(HeldFigure(gs()), 3);
    SendMessageA(app().hwndMain, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(HeldFigure(gs()), 0);
}

// From the keyboard (a context menu without a pointer position) the orientation menu opens at
// the figure in hand, not in the corner of the screen.
TEST_F(UiPlay, OrientationMenuFromTheKeyboardOpensAtTheFigure) {
    StartGame();
    SelectFigure(12);
    POINT mouse;
    GetCursorPos(&mouse);
    ScreenToClient(app().hwndMain, &mouse);
    const Point at = HandPointer(gs(), 12, {mouse.x, mouse.y});
    POINT expected{at.x, at.y};
    ClientToScreen(app().hwndMain, &expected);
    RECT menu{};
    std::thread closer([&] {
        for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(10)) {
            HWND popup = FindWindowA("#32768", nullptr);
            if (popup == nullptr || !IsWindowVisible(popup)) continue;
            GetWindowRect(popup, &menu);
            PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            return;
        }
    });
    SendMessageA(app().hwndMain, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(app().hwndMain),
                 MAKELPARAM(-1, -1));
    closer.join();
    EXPECT_NEAR(menu.left, expected.x, 2);
    EXPECT_NEAR(menu.top, expected.y, 2);
}

// The manual opens at its start, the tutorial at its topic, the home page through its shortcut.
TEST_F(UiPlay, HelpCommandsOpenTheirTopics) {
    static std::vector<std::string> opened;
    SetShellOpener([](HWND, const char* file, const char* parameters) {
        opened.push_back(std::string(file) + "|" + (parameters != nullptr ? parameters : ""));
    });
    StartGame();
    for (int id : {IDM_USER_MANUAL, IDM_TUTORIAL, IDM_HOME_PAGE})
        Command(id);
    SetShellOpener(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{"HH|Zendrak.chm", "HH|-mapid 1 Zendrak.chm",
                                                "marwen.url|"}));
}

} // namespace
