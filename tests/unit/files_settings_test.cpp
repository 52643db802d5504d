// Tests of the settings file: exact text, defaults, the solved list and a full round trip.
#include <gtest/gtest.h>

#include "files/settings_file.h"
#include "test_support.h"

// Every remembered value different from its default.
Settings Scrambled() {
    Settings s;
    s.view = {0xFFEEDD,        0x123456, 64,    false, false,
              0xABCDEF,        true,     false, true,  CursorMode::LastSquareCorner,
              "  my skin.bmp", true,     3,     60};
    s.view.backgroundName = "stone.bmp";
    s.view.backgroundType = BackgroundType::SolidColour;
    s.colorShadow = 0x808080;
    s.analyseMode = AnalyseChoice::AllFigures;
    s.creationMethod = CreationMethod::BySquares;
    s.createWidth = 12;
    s.createHeight = 5;
    s.lastFile = "cross";
    s.lastFolder = "My puzzles";
    s.solved = {{"Tutorial", "move a figure"}, {"Easy", "a = b"}, {"My puzzles", "x"}};
    for (int i = 0; i < kSoundEventCount; ++i)
        s.sounds[i] =
            SoundSetting{i % 2 == 1, SoundEventName(i), "C:\\waves\\" + std::to_string(i) + ".wav"};
    return s;
}

// A missing file gives the defaults; a fragment of their text shows the file's format.
TEST(SettingsFile, MissingFileGivesTheDefaults) {
    Settings s = Scrambled();
    Rect window{1, 2, 3, 4};
    ReadSettingsText("", s, window);
    Settings expected;
    for (int i = 0; i < kSoundEventCount; ++i)
        expected.sounds[i] = {true, SoundEventName(i), DefaultSoundFile(i)};
    EXPECT_EQ(s, expected);
    EXPECT_EQ(window, (Rect{-1, 0, 0, 0}));
    const std::string text = WriteSettingsText(s, window);
    EXPECT_NE(text.find("FOLDER = Tutorial\r\n\r\n[SOLVED_PUZZLES]\r\n\r\n[SOUND]\r\n"
                        "drop_FILE = .\\Sound\\drop.wav\r\ndrop_ENABLE = 1\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(DefaultSoundFile(kSoundLevelCompleted), ".\\Sound\\level is completed.wav");
    EXPECT_EQ(DefaultSoundFile(-1), "ERROR");
    EXPECT_EQ(DefaultSoundFile(kSoundEventCount), "ERROR");
}

TEST(SettingsFile, RoundTripKeepsEverythingButTheCursorMode) {
    const Settings written = Scrambled();
    const Rect window{-8, 30, 1200, 990};
    const std::string text = WriteSettingsText(written, window);
    Settings read;
    Rect readWindow;
    ReadSettingsText(text, read, readWindow);
    Settings expected = written;
    expected.view.cursorMode = CursorMode::MiddleSquare;
    expected.view.skinName = "my skin.bmp"; // lookup trims the blanks around a value
    EXPECT_EQ(read, expected);
    EXPECT_EQ(readWindow, window);
}

// What a hand-edited file may hold, brought into range as it is read.
TEST(SettingsFile, HandEditedValues) {
    Settings s =
        ReadSettings("[options]\nCURSOR_MODE = 2\ncolor_ink = -1\nSKIN = " + std::string(300, 's') +
                     "\n[SOLVED_PUZZLES]\nGROUP_0 = a\nPUZZLE_0 = b\nGROUP_1 = c\n"
                     "GROUP_2 = e\nPUZZLE_2 = f\n");
    EXPECT_EQ(s.view.cursorMode, CursorMode::MiddleSquare);
    EXPECT_EQ(s.view.colorInk, 0xFFFFFFu);
    EXPECT_EQ(s.view.skinName, std::string(259, 's'));
    EXPECT_EQ(s.solved, (std::vector<SolvedPuzzle>{{"a", "b"}}));

    s = ReadSettings("[OPTIONS]\nOPAQUE = 1000\nSIZE_SQUARE = 7\nSQUARE_INDEX = 12\n"
                     "BACKGROUND_TYPE = -4\n[LAST]\nAI = 7\nCREATION_METHOD = -3\nDX = -5\n"
                     "DY = 100000\n[SOUND]\ndrop_ENABLE = 7\ntake_ENABLE = 0\n");
    EXPECT_EQ(s.view.opacityPercent, 100);
    EXPECT_EQ(s.view.squareSize, 24);
    EXPECT_EQ(s.view.squareIndex, 11);
    EXPECT_EQ(s.view.backgroundType, BackgroundType::SolidColour);
    EXPECT_EQ(s.analyseMode, AnalyseChoice::AllFigures)
        << "the dialog shows any other value as \"All figures\"";
    EXPECT_EQ(s.creationMethod, CreationMethod::ByFigures);
    EXPECT_EQ(s.createWidth, 3);
    EXPECT_EQ(s.createHeight, 24);
    EXPECT_TRUE(s.sounds[0].enabled);
    EXPECT_FALSE(s.sounds[1].enabled);

    s = ReadSettings(
        "[OPTIONS]\nOPAQUE = 49\nSIZE_SQUARE = 65\n[LAST]\nAI = 0\nCREATION_METHOD = 1\n"
        "[SOLVED_PUZZLES]\nGROUP_0 = a\nPUZZLE_0 =\nGROUP_1 = c\nPUZZLE_1 = d\n");
    EXPECT_EQ(s.view.opacityPercent, 50);
    EXPECT_EQ(s.view.squareSize, 64);
    EXPECT_EQ(s.analyseMode, AnalyseChoice::Nothing);
    EXPECT_EQ(s.creationMethod, CreationMethod::BySquares);
    EXPECT_TRUE(s.solved.empty());
}

// Every name is read through one reader, which drops the blanks a cut leaves at its end.
TEST(SettingsFile, NamesCutAmidBlanksReadBackTheSame) {
    // Cut to 259 characters, the name would end in blanks that the file cannot hold.
    const std::string name = std::string(250, 'n') + " \t" + std::string(20, ' ') + "x";
    EXPECT_EQ(ReadSettings("[OPTIONS]\nSKIN = " + name + "\n").view.skinName,
              std::string(250, 'n'));
}

TEST(SettingsFile, SolvedListHoldsAtMostAThousand) {
    std::string text = "[SOLVED_PUZZLES]\r\n";
    for (int n = 0; n <= kMaxSolved; ++n)
        text += "GROUP_" + std::to_string(n) + " = g\r\nPUZZLE_" + std::to_string(n) + " = p\r\n";
    EXPECT_EQ(ReadSettings(text).solved.size(), static_cast<std::size_t>(kMaxSolved));
}
