// Tests of the settings file: exact text, defaults, the solved list and a full round trip.
#include <gtest/gtest.h>

#include <memory>

#include "files/settings_file.h"

namespace {

std::unique_ptr<GameState> NewState() {
    auto gs = std::make_unique<GameState>();
    InitGameState(*gs);
    return gs;
}

// Every remembered value different from its default.
void Scramble(GameState& gs) {
    static_cast<ViewOptions&>(gs) =
        ViewOptions{0x00FFEEDD, 0x123456,        64, 0, 0,  0x00ABCDEF,  1, 0, 1,
                    2,          "  my skin.bmp", 1,  3, 40, "stone.bmp", 1};
    gs.colorShadow = 0x808080;
    gs.analyseMode = 2;
    gs.creationMethod = 1;
    gs.createWidth = 12;
    gs.createHeight = 5;
    gs.lastFile = "cross";
    gs.lastFolder = "My puzzles";
    gs.solved = {{"Tutorial", "move a figure"}, {"Easy", "a = b"}, {"My puzzles", "x"}};
    gs.solvedCount = 3;
    for (int i = 0; i < kSoundEventCount; ++i) {
        gs.sounds[i] =
            SoundSetting{i % 2, SoundEventName(i), "C:\\waves\\" + std::to_string(i) + ".wav"};
    }
}

const char* const kDefaultText =
    "[OPTIONS]\r\nAUTO_SIZE = 1\r\nBACKGROUND_NAME = wood 2.bmp\r\nBACKGROUND_TYPE = 0\r\n"
    "COLOR_BACK = 7237230\r\nCOLOR_CONTOUR = 0\r\nCOLOR_INK = 16777215\r\nCOLOR_SHADOW = 0\r\n"
    "CURSOR_MODE = 1\r\nOPAQUE = 75\r\nSHOW_CONTOUR = 1\r\nSHOW_INVERSE = 0\r\nSHOW_LEGAL_MOVE = "
    "0\r\n"
    "SHOW_SHADOW = 1\r\nSIZE_SQUARE = 48\r\nSKIN = skin 03.bmp\r\nSQUARE_INDEX = "
    "0\r\nUSE_ONE_COLOR = 0\r\n"
    "\r\n[LAST]\r\nAI = 1\r\nCREATION_METHOD = 0\r\nDX = 10\r\nDY = 6\r\nFILE = move a figure\r\n"
    "FOLDER = Tutorial\r\n"
    "\r\n[SOLVED_PUZZLES]\r\n"
    "\r\n[SOUND]\r\ndrop_FILE = .\\Sound\\drop.wav\r\ndrop_ENABLE = 1\r\ntake_FILE = "
    ".\\Sound\\take.wav\r\n"
    "take_ENABLE = 1\r\nrotate_FILE = .\\Sound\\rotate.wav\r\nrotate_ENABLE = 1\r\n"
    "level is completed_FILE = .\\Sound\\level is completed.wav\r\nlevel is completed_ENABLE = "
    "1\r\n"
    "error_FILE = .\\Sound\\error.wav\r\nerror_ENABLE = 1\r\n"
    "\r\n[WINDOW]\r\nLEFT = -1\r\nRIGHT = 0\r\nTOP = 0\r\nBOTTOM = 0\r\n";

} // namespace

TEST(SettingsFile, MissingFileGivesTheDefaultsWrittenExactly) {
    auto gs = NewState();
    Scramble(*gs);
    Rect window{1, 2, 3, 4};
    ReadSettingsText("", *gs, window);
    EXPECT_EQ(gs->solvedCount, 0);
    EXPECT_EQ(WriteSettingsText(*gs, window), kDefaultText);
    EXPECT_EQ(DefaultSoundFile(kSoundLevelCompleted), ".\\Sound\\level is completed.wav");
    EXPECT_EQ(DefaultSoundFile(-1), "ERROR");
    EXPECT_EQ(DefaultSoundFile(kSoundEventCount), "ERROR");
}

TEST(SettingsFile, RoundTripKeepsEverythingButTheCursorMode) {
    auto written = NewState();
    Scramble(*written);
    const Rect window{-8, 30, 1200, 990};
    const std::string text = WriteSettingsText(*written, window);

    auto read = NewState();
    Rect readWindow;
    ReadSettingsText(text, *read, readWindow);
    ViewOptions expected = *written;
    expected.cursorMode = 1;
    expected.skinName = "my skin.bmp"; // lookup trims the blanks around a value
    EXPECT_EQ(static_cast<ViewOptions&>(*read), expected);
    EXPECT_EQ(read->colorShadow, written->colorShadow);
    EXPECT_EQ(read->analyseMode, written->analyseMode);
    EXPECT_EQ(read->creationMethod, written->creationMethod);
    EXPECT_EQ(read->createWidth, written->createWidth);
    EXPECT_EQ(read->createHeight, written->createHeight);
    EXPECT_EQ(read->lastFile, written->lastFile);
    EXPECT_EQ(read->lastFolder, written->lastFolder);
    EXPECT_EQ(read->solved, written->solved);
    EXPECT_EQ(read->solvedCount, 3);
    EXPECT_EQ(read->sounds, written->sounds);
    EXPECT_EQ(readWindow, window);
}

TEST(SettingsFile, HandEditedValues) {
    auto gs = NewState();
    Rect window;
    ReadSettingsText("[options]\nCURSOR_MODE = 2\ncolor_ink = -1\nSKIN = " + std::string(300, 's') +
                         "\n[SOLVED_PUZZLES]\nGROUP_0 = a\nPUZZLE_0 = b\nGROUP_1 = c\nGROUP_2 = "
                         "e\nPUZZLE_2 = f\n",
                     *gs, window);
    EXPECT_EQ(gs->cursorMode, 1);
    EXPECT_EQ(gs->colorInk, 0xFFFFFFFFu);
    EXPECT_EQ(gs->skinName, std::string(259, 's'));
    EXPECT_EQ(gs->solved, (std::vector<SolvedPuzzle>{{"a", "b"}}));
    EXPECT_EQ(gs->solvedCount, 1);

    // What the game does with such values at start: every one brought into its range.
    ReadSettingsText("[OPTIONS]\nCOLOR_SHADOW = -1\nUSE_ONE_COLOR = 2147483648\nSHOW_SHADOW = 0\n"
                     "OPAQUE = 1000\n[LAST]\nAI = 7\nCREATION_METHOD = -3\nDX = -5\nDY = 100000\n"
                     "[SOUND]\ndrop_ENABLE = 7\ntake_ENABLE = 0\n",
                     *gs, window);
    LimitRememberedSettings(*gs);
    EXPECT_EQ(gs->colorShadow, 0xFFFFFFu);
    EXPECT_EQ(gs->useOneColor, 1);
    EXPECT_EQ(gs->showShadow, 0);
    EXPECT_EQ(gs->opaque, 100);
    EXPECT_EQ(gs->analyseMode, 2) << "the dialog shows any other value as \"All figures\"";
    EXPECT_EQ(gs->creationMethod, 0);
    EXPECT_EQ(gs->createWidth, 3);
    EXPECT_EQ(gs->createHeight, 24);
    EXPECT_EQ(gs->sounds[0].enabled, 1);
    EXPECT_EQ(gs->sounds[1].enabled, 0);

    ReadSettingsText("[SOLVED_PUZZLES]\nGROUP_0 = a\nPUZZLE_0 =\nGROUP_1 = c\nPUZZLE_1 = d\n", *gs,
                     window);
    EXPECT_EQ(gs->solvedCount, 0);
    EXPECT_TRUE(gs->solved.empty());
}

TEST(SettingsFile, NamesCutAmidBlanksReadBackTheSame) {
    // Cut to 259 characters, every name would end in blanks that the file cannot hold.
    const std::string name = std::string(250, 'n') + " \t" + std::string(20, ' ') + "x";
    const std::string cut(250, 'n');
    auto gs = NewState();
    Rect window;
    ReadSettingsText("[OPTIONS]\nSKIN = " + name + "\n[LAST]\nFILE = " + name +
                         "\n[SOLVED_PUZZLES]\nGROUP_0 = " + name +
                         "\nPUZZLE_0 = p\n[SOUND]\nerror_FILE = " + name + "\n",
                     *gs, window);
    EXPECT_EQ(gs->skinName, cut);
    EXPECT_EQ(gs->lastFile, cut);
    EXPECT_EQ(gs->solved, (std::vector<SolvedPuzzle>{{cut, "p"}}));
    EXPECT_EQ(gs->sounds[kSoundError].file, cut);

    const std::string written = WriteSettingsText(*gs, window);
    auto again = NewState();
    ReadSettingsText(written, *again, window);
    EXPECT_EQ(WriteSettingsText(*again, window), written);
}

TEST(SettingsFile, SolvedListHoldsAtMostAThousand) {
    std::string text = "[SOLVED_PUZZLES]\r\n";
    for (int n = 0; n <= kMaxSolved; ++n) {
        text += "GROUP_" + std::to_string(n) + " = g" + std::to_string(n) + "\r\nPUZZLE_" +
                std::to_string(n) + " = p\r\n";
    }
    auto gs = NewState();
    Rect window;
    ReadSettingsText(text, *gs, window);
    ASSERT_EQ(gs->solved.size(), static_cast<std::size_t>(kMaxSolved));
    EXPECT_EQ(gs->solvedCount, kMaxSolved);
    EXPECT_EQ(gs->solved.back().folder, "g999");
}
