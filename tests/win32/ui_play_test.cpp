// The main window in play: start-up, drops and take-backs by mouse messages, keys and wheel,
// undo and redo with their menu states, the win, and the settings file.
#include "game_window.h"

#include <filesystem>

#include "files/puzzle_file.h"
#include "files/settings_file.h"
#include "model/geometry.h"
#include "model/placement.h"
#include "model/shapes.h"
#include "render/layout.h"
#include "resource.h"
#include "solver/search.h"
#include "ui/orientation_menus.h"

namespace {

// The first tiling of the open 10 x 6 field, as the analysis finds it.
const char* const kTiling[6] = {"ILUUUTZVVV", "ILUFUTZZZV", "ILFFTTTXZV",
                                "ILLFFWXXXP", "INNNYWWXPP", "NNYYYYWWPP"};

// Each figure's record in the tiling above.
Figure TilingFigure(int figure) {
    Grid grid{};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c)
            if (kTiling[r][c] == FigureLetter(figure))
                At(grid, c, r) = static_cast<uint8_t>(figure);
    Figure f;
    EXPECT_TRUE(ExtractPlacement(figure, grid, f));
    return f;
}

const char kPlainSettings[] =
    "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[WINDOW]\r\nLEFT = 10\r\nTOP = 10\r\n"
    "RIGHT = 1010\r\nBOTTOM = 750\r\n";

using UiPlay = GameWindowTest;

TEST_F(UiPlay, StartsWithDefaultsAndFirstStartSquareSize) {
    StartGame();
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCOUNT, 0, 0), 13);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_SAVE_PUZZLE));
    EXPECT_TRUE(MenuEnabled(IDM_ANALYSE));
    // A figure's orientation menu offers exactly its orientations.
    for (int count : {1, 2, 4, 8})
        EXPECT_EQ(GetMenuItemCount(OrientationMenuFor(app(), count)), count);
    EXPECT_EQ(OrientationMenuFor(app(), 3), nullptr);
    // No settings file: a first start, so the square size follows the screen and then the
    // automatic sizing of the window.
    RECT client;
    GetClientRect(app().hwndMain, &client);
    EXPECT_EQ(gs().settings.view.squareSize, AutoSquareSize(client.right, client.bottom, 10, 6));
}

TEST_F(UiPlay, DropTakeBackUndoRedoAndMenuStates) {
    WriteFile("Zendrak.ini", kPlainSettings);
    StartGame();
    ASSERT_EQ(gs().settings.view.squareSize, 40);
    Figure i = TilingFigure(1);
    DropFigure(1, i.matrix, i.x, i.y);
    EXPECT_EQ(gs().position.inList[1], 0);
    EXPECT_EQ(gs().position.placed[0], i);
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_REDO)) << "greyed after every new drop";
    EXPECT_TRUE(MenuEnabled(IDM_SAVE));

    // An illegal drop (the L over the I) changes nothing.
    Figure l = TilingFigure(2);
    DropFigure(2, l.matrix, i.x, i.y);
    EXPECT_EQ(gs().position.inList[2], 1);
    EXPECT_EQ(gs().position.historyCount, 2);
    // The right button neither drops nor takes.
    PressAt(CellCentre(5, 5), WM_RBUTTONDOWN);
    EXPECT_EQ(gs().position.inList[2], 1);

    DropFigure(2, l.matrix, l.x, l.y);
    SelectFigure(0);
    PressAt(CellCentre(0, 0)); // the I: taken back into the hand
    EXPECT_EQ(gs().position.inList[1], 1);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(gs().hand.matrices[1], i.matrix);

    Command(IDM_UNDO);
    EXPECT_EQ(gs().position.inList[1], 0) << "undo restores the position before the last drop";
    EXPECT_EQ(gs().position.inList[2], 1);
    EXPECT_EQ(SendMessageA(app().hwndFigureList, LB_GETCURSEL, 0, 0), 0) << "nothing in hand";
    EXPECT_TRUE(MenuEnabled(IDM_REDO));
    Command(IDM_UNDO);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    Command(IDM_REDO);
    Command(IDM_REDO);
    EXPECT_EQ(gs().position.inList[2], 0);
    EXPECT_FALSE(MenuEnabled(IDM_REDO));
}

TEST_F(UiPlay, KeysWheelAndExtraButtonsTurnTheHeldFigure) {
    WriteFile("Zendrak.ini", kPlainSettings);
    StartGame();
    SelectFigure(2);
    FigureMatrix m = BaseShapes()[2];
    SendMessageA(app().hwndMain, WM_KEYDOWN, 'S', 0);
    TurnClockwise(m);
    EXPECT_EQ(gs().hand.matrices[2], m);
    SendMessageA(app().hwndMain, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    TurnClockwise(m);
    EXPECT_EQ(gs().hand.matrices[2], m) << "the wheel towards the user turns clockwise";
    SendMessageA(app().hwndMain, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    TurnCounterClockwise(m);
    EXPECT_EQ(gs().hand.matrices[2], m);
    SendMessageA(app().hwndMain, WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2), 0);
    FlipLeftRight(m);
    EXPECT_EQ(gs().hand.matrices[2], m);
    // The middle button puts the figure back into the list, still turned.
    SendMessageA(app().hwndMain, WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(HeldFigure(gs()), 0);
    EXPECT_EQ(gs().hand.matrices[2], m);
    SendMessageA(app().hwndMain, WM_KEYDOWN, 'S', 0);
    EXPECT_EQ(gs().hand.matrices[2], m) << "keys do nothing with an empty hand";
}

TEST_F(UiPlay, WinIsAnnouncedOnceAndRecorded) {
    WriteFile("Zendrak.ini", kPlainSettings);
    // The current puzzle is the open 10 x 6 the game starts on.
    std::filesystem::create_directories("Puzzles\\Tutorial");
    WriteFile("Puzzles\\Tutorial\\move a figure.zpz", WritePuzzleText(10, 6, Grid{}));
    StartGame();
    MessageBoxWatcher watcher;
    for (int f = 1; f <= kFigureCount; ++f) {
        Figure fig = TilingFigure(f);
        DropFigure(f, fig.matrix, fig.x, fig.y);
        ASSERT_EQ(gs().position.inList[f], 0) << "figure " << f;
    }
    EXPECT_EQ(gs().position.gameWon, 1);
    SelectFigure(0);
    PressAt(CellCentre(9, 0)); // the V
    ASSERT_EQ(HeldFigure(gs()), 4);
    Figure v = TilingFigure(4);
    DropFigure(4, v.matrix, v.x, v.y);
    EXPECT_EQ(gs().position.inList[4], 0);
    EXPECT_EQ(watcher.Texts(), std::vector<std::string>{"Congratulations! The game is won."});
    ASSERT_EQ(gs().settings.solved.size(), 1u);

    CloseGame();
    std::string ini = ReadFile("Zendrak.ini");
    EXPECT_NE(ini.find("[SOLVED_PUZZLES]\r\nGROUP_0 = Tutorial\r\nPUZZLE_0 = move a figure\r\n"),
              std::string::npos);
    EXPECT_NE(ini.find("CURSOR_MODE = 1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("[WINDOW]\r\nLEFT = 10\r\nRIGHT = 1010\r\nTOP = 10\r\nBOTTOM = 750\r\n"),
              std::string::npos)
        << ini;
}

TEST_F(UiPlay, SwappedButtonsKeepThePhysicalLeftButtonPrimary) {
    BOOL wasSwapped = SwapMouseButton(TRUE);
    StartGame();
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_RBUTTONDOWN));
    EXPECT_TRUE(GetSystemMetrics(SM_SWAPBUTTON)) << "the system setting is left as it was";
    SwapMouseButton(wasSwapped);
    Figure x = TilingFigure(11);
    DropFigure(11, x.matrix, x.x, x.y); // sent as the left button: not the primary one now
    EXPECT_EQ(gs().position.inList[11], 1);
    CloseGame();
    StartGame();
    EXPECT_EQ(app().primaryButtonDown, static_cast<UINT>(WM_LBUTTONDOWN));
}

} // namespace
