// The Sound dialog worked from a second thread: its list and buttons reach the sound settings,
// and Select takes a file from the system's file chooser.
#include <filesystem>

#include "dialog_driver.h"
#include "resource.h"

namespace {

namespace fs = std::filesystem;

struct Row {
    bool checked = false;
    std::string event;
    std::string file;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << (row.checked ? "[x] " : "[ ] ") << row.event << " | " << row.file;
}

std::string ItemText(HWND list, int row, int column) {
    char text[260] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The rows as the player sees them.
std::vector<Row> Rows(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
    std::vector<Row> rows;
    for (int i = 0; i < ListView_GetItemCount(list); ++i)
        rows.push_back(
            {ListView_GetCheckState(list, i) != 0, ItemText(list, i, 1), ItemText(list, i, 2)});
    return rows;
}

void SetRow(HWND dialog, int row, bool checked, const std::string& file) {
    HWND list = GetDlgItem(dialog, IDC_SOUND_LIST);
    ListView_SetCheckState(list, row, checked);
    LVITEMA item{};
    item.iSubItem = 2;
    item.pszText = const_cast<char*>(file.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SelectRow(HWND dialog, int row) {
    ListView_SetItemState(GetDlgItem(dialog, IDC_SOUND_LIST), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<Row> RowsOf(const GameState& gs) {
    std::vector<Row> rows;
    for (const SoundSetting& s : gs.settings.sounds)
        rows.push_back({s.enabled != 0, s.name, s.file});
    return rows;
}

class SoundDialog : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        StartPlainGame();
        gs().settings.sounds[1].enabled = 0;
        gs().settings.sounds[2].file = "C:\\waves\\turn.wav";
    }
    DialogRun Sound(const std::function<void(DialogDriver&, HWND)>& script) {
        return Run(IDM_SOUND, [&](DialogDriver& d) {
            if (HWND dialog = d.Wait("Sound")) script(d, dialog);
        });
    }
};

TEST_F(SoundDialog, ListAndButtonsReachTheSettingsOnOkButNotOnCancel) {
    std::vector<Row> shown = RowsOf(gs());
    std::vector<Row> opened;
    std::string filter;
    DialogRun run = Sound([&](DialogDriver& d, HWND dialog) {
        opened = Rows(dialog);
        SetRow(dialog, 0, false, "drop.wav");
        d.Press(dialog, IDC_SOUND_SET_ALL);
        d.Press(dialog, IDC_SOUND_PLAY);
        d.Answer();
        GameWindowTest::WriteFile("win.wav", "RIFF");
        SelectRow(dialog, 3);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SOUND_SELECT, BN_CLICKED), 0);
        HWND open = d.Wait("Please select a wave file");
        filter = d.Text(open, 0x470); // the file-type box
        d.Send(open, 0x47C, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("win.wav"));
        d.Press(open, IDOK);
        d.WaitGone(open);
        d.Press(dialog, IDOK);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(opened, shown);
    EXPECT_EQ(run.messages, std::vector<std::string>{"none: Please select a line in list box."});
    EXPECT_EQ(filter, "Wave file (*.wav)");
    const fs::path chosen = gs().settings.sounds[3].file;
    EXPECT_TRUE(chosen.is_absolute()) << chosen;
    EXPECT_EQ(chosen.filename(), "win.wav");
    EXPECT_TRUE(fs::equivalent(chosen.parent_path(), fs::current_path())) << chosen;
    shown[0] = {true, "drop", "drop.wav"};
    shown[1].checked = true;
    shown[3].file = chosen.string();
    EXPECT_EQ(RowsOf(gs()), shown);

    std::vector<Row> afterDefault;
    run = Sound([&](DialogDriver& d, HWND dialog) {
        d.Press(dialog, IDC_SOUND_DEFAULT);
        afterDefault = Rows(dialog);
        d.Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.failures, std::vector<std::string>{});
    EXPECT_EQ(afterDefault.at(0), (Row{true, "drop", ".\\Sound\\drop.wav"}));
    EXPECT_EQ(RowsOf(gs()), shown) << "Cancel changes nothing";
}

} // namespace
