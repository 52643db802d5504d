// The Sound dialog: its lines, Set to default, Set all, Reset all, OK and the line buttons.
#include <gtest/gtest.h>

#include "model/sound_dialog_model.h"
#include "test_support.h"

// The lines' switches, then the third line's file: "10111 C:\turn.wav".
std::string Describe(const SoundRows& rows) {
    std::string switches;
    for (const SoundSetting& row : rows)
        switches += row.enabled ? "1" : "0";
    return switches + " " + rows[2].file;
}

TEST(SoundDialog, ButtonsChangeTheLinesAndOkTheSettings) {
    GameState gs = ReadyState();
    gs.settings.sounds[1].enabled = false;
    gs.settings.sounds[2].file = "C:\\turn.wav";
    SoundRows rows = OpenSound(gs);
    EXPECT_EQ(Describe(rows), "10111 C:\\turn.wav");
    SwitchAllSounds(rows, true); // Set all
    EXPECT_EQ(Describe(rows), "11111 C:\\turn.wav");
    SwitchAllSounds(rows, false); // Reset all
    EXPECT_EQ(Describe(rows), "00000 C:\\turn.wav");
    SetDefaultSounds(rows);
    EXPECT_EQ(Describe(rows), "11111 .\\Sound\\rotate.wav");
    EXPECT_EQ(Describe(gs.settings.sounds), "10111 C:\\turn.wav") << "nothing changes before OK";
    ApplySounds(gs, rows);
    EXPECT_EQ(Describe(gs.settings.sounds), "11111 .\\Sound\\rotate.wav");
}

TEST(SoundDialog, PlayAndSelectNeedASelectedLine) {
    const SoundRows rows = OpenSound(ReadyState());
    const Message needed{"Please select a line in list box."};
    EXPECT_EQ(LineNeeded(rows, -1), needed);
    EXPECT_EQ(LineNeeded(rows, 5), needed);
    EXPECT_EQ(LineNeeded(rows, 0), std::nullopt);
    EXPECT_EQ(LineNeeded(rows, 4), std::nullopt);
}
