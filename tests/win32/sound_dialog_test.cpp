// The Sound dialog wired to its model: its list and buttons reach the sound settings on OK but
// not on Cancel, and Select takes a file from the system's file chooser.
#include <filesystem>

#include "dialog_driver.h"
#include "resource.h"

void PrintTo(const SoundSetting& s, std::ostream* out) {
    *out << (s.enabled ? "[x] " : "[ ] ") << s.name << " | " << s.file;
}

namespace {

using Sounds = std::vector<SoundSetting>;

// The list's rows as the player sees them.
Sounds Rows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
    Sounds rows;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        char text[2][260] = {};
        for (int column : {1, 2}) {
            LVITEMA item{};
            item.iSubItem = column;
            item.pszText = text[column - 1];
            item.cchTextMax = sizeof text[0];
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
        }
        rows.push_back({ListView_GetCheckState(list, i) != 0, text[0], text[1]});
    }
    return rows;
}

using SoundDialog = DialogTest;

TEST_F(SoundDialog, ListAndButtonsReachTheSettingsOnOkButNotOnCancel) {
    StartPlainGame();
    std::array<SoundSetting, kSoundEventCount>& sounds = gs().settings.sounds;
    sounds[1].enabled = false;
    sounds[2].file = "C:\\waves\\turn.wav";
    WriteFile("win.wav", "RIFF");
    // The chooser opens wherever the system last left it: the file is named in full.
    const std::string wav = std::filesystem::absolute("win.wav").string();
    Sounds expected(sounds.begin(), sounds.end()), opened;
    DialogRun run = Run(IDM_SOUND, "Sound", [&](DialogDriver& d, HWND dialog) {
        opened = Rows(dialog);
        // Row 3 unchecked and given another file, as a click on its box and an edit would.
        HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
        ListView_SetCheckState(list, 3, FALSE);
        ListView_SetItemText(list, 3, 2, const_cast<char*>("drop.wav"));
        d.Click(dialog, IDC_SOUND_SET_ALL);
        d.Press(dialog, IDC_SOUND_PLAY); // no line selected
        d.Answer();
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        d.Press(dialog, IDC_SOUND_SELECT);
        HWND chooser = d.Wait("Please select a wave file");
        d.Send(chooser, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wav.c_str()));
        d.Press(chooser, IDOK);
        d.WaitGone(chooser);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(run.messages, std::vector<std::string>{"none: Please select a line in list box."});
    EXPECT_TRUE(std::filesystem::equivalent(sounds[0].file, "win.wav")) << sounds[0].file;
    expected[0].file = sounds[0].file;
    expected[1].enabled = true;
    expected[3].file = "drop.wav";
    EXPECT_EQ(Sounds(sounds.begin(), sounds.end()), expected);

    Sounds afterDefault;
    Run(IDM_SOUND, "Sound", [&](DialogDriver& d, HWND dialog) {
        d.Click(dialog, IDC_SOUND_DEFAULT);
        afterDefault = Rows(dialog);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(afterDefault.at(3),
              (SoundSetting{true, expected[3].name, ".\\Sound\\level is completed.wav"}));
    EXPECT_EQ(Sounds(sounds.begin(), sounds.end()), expected) << "Cancel changes nothing";
}

} // namespace
