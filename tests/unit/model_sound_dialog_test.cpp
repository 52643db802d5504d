// The Sound dialog: its lines, Set to default, Set all, Reset all, OK and the line buttons.
#include <gtest/gtest.h>

#include "model/sound_dialog_model.h"
#include "test_support.h"

// The lines' switches, then each line's name and file: "10111 drop=.\Sound\drop.wav ...".
std::string Describe(const SoundRows& rows) {
    std::string switches, files;
    for (const SoundSetting& row : rows) {
        switches += row.enabled ? "1" : "0";
        files += " " + row.name + "=" + row.file;
    }
    return switches + files;
}

TEST(SoundDialog, ButtonsChangeTheLinesAndOkTheSettings) {
    GameState gs = ReadyState();
    gs.settings.sounds[1].enabled = false;
    gs.settings.sounds[2].file = "C:\\turn.wav";
    const std::string files = " drop=.\\Sound\\drop.wav take=.\\Sound\\take.wav rotate=C:\\turn.wav"
                              " level is completed=.\\Sound\\level is completed.wav"
                              " error=.\\Sound\\error.wav";
    ASSERT_EQ(Describe(OpenSound(gs)), "10111" + files);
    std::string defaults = files;
    defaults.replace(defaults.find("C:\\turn.wav"), 11, ".\\Sound\\rotate.wav");

    struct Case {
        const char* button;
        void (*press)(SoundRows&);
        std::string after;
    } cases[] = {
        {"Set to default", [](SoundRows& r) { SetDefaultSounds(r); }, "11111" + defaults},
        {"Reset all", [](SoundRows& r) { SwitchAllSounds(r, false); }, "00000" + files},
        {"Set all", [](SoundRows& r) { SwitchAllSounds(r, true); }, "11111" + files},
    };
    for (const Case& c : cases) {
        SoundRows rows = OpenSound(gs);
        c.press(rows);
        EXPECT_EQ(Describe(rows), c.after) << c.button;
        EXPECT_EQ(Describe(gs.settings.sounds), "10111" + files) << c.button << ": not before OK";
        GameState ok = gs;
        ApplySounds(ok, rows);
        EXPECT_EQ(Describe(ok.settings.sounds), c.after) << c.button << ", then OK";
    }
}

TEST(SoundDialog, PlayAndSelectNeedASelectedLine) {
    const SoundRows rows = OpenSound(ReadyState());
    const Message needed{"Please select a line in list box."};
    for (int line : {-1, 5})
        EXPECT_EQ(LineNeeded(rows, line), needed) << line;
    for (int line : {0, 4})
        EXPECT_EQ(LineNeeded(rows, line), std::nullopt) << line;
}
