// The print commands of the real main window when the print dialog is cancelled.
#include <algorithm>
#include <vector>

#include "dialog_driver.h"
#include "resource.h"

namespace {

using PrintCommand = DialogTest;

// Each print command opens the print dialog over the main window (or, with no printer
// installed, Wine's notice, owned by the hidden print dialog); cancelling it prints nothing,
// changes nothing and leaves the current directory where it was.
TEST_F(PrintCommand, CancelledDialogChangesNothing) {
    StartPlainGame();
    LayTiling({1});
    const Placement placed = gs().position.placed;
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    for (int id : {IDM_PRINT_POSITION, IDM_PRINT_FIGURES, IDM_PRINT_EMPTY_FIELD}) {
        std::vector<HWND> owners;
        DialogRun run = Run(id, [&](DialogDriver& d) {
            HWND dialog = d.Wait("Print");
            for (HWND o = GetWindow(dialog, GW_OWNER); o != nullptr; o = GetWindow(o, GW_OWNER))
                owners.push_back(o);
            d.Press(dialog, IDCANCEL);
        });
        EXPECT_TRUE(run.failures.empty()) << "command " << id << ": " << run.failures[0];
        const bool owned = std::find(owners.begin(), owners.end(), app().hwndMain) != owners.end();
        EXPECT_TRUE(owned) << "command " << id << ": the dialog is not owned by the main window";
        EXPECT_EQ(gs().position.placed, placed);
        char after[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, after);
        EXPECT_STREQ(after, before);
    }
}

} // namespace
