// The orientation pop-up menus and their commands.
#include "ui/orientation_menus.h"

#include "resource.h"

namespace {

// Menu slot i holds the pop-up for figures of kCounts[i] orientations.
constexpr int kCounts[4] = {1, 2, 4, 8};
constexpr int kResources[4] = {IDR_CONTEXT1, IDR_CONTEXT2, IDR_CONTEXT4, IDR_CONTEXT8};
constexpr int kCommands[8] = {IDM_ORIENTATION_1, IDM_ORIENTATION_2, IDM_ORIENTATION_3,
                              IDM_ORIENTATION_4, IDM_ORIENTATION_5, IDM_ORIENTATION_6,
                              IDM_ORIENTATION_7, IDM_ORIENTATION_8};

} // namespace

void LoadOrientationMenus(App& app) {
    for (int i = 0; i < 4; ++i) {
        app.contextMenuOwners[i] = LoadMenuA(app.hInstance, MAKEINTRESOURCEA(kResources[i]));
        app.contextMenus[i] = GetSubMenu(app.contextMenuOwners[i], 0);
        for (int command : kCommands) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_OWNERDRAW;
            SetMenuItemInfoA(app.contextMenus[i], static_cast<UINT>(command), FALSE, &info);
        }
    }
}

HMENU OrientationMenuFor(const App& app, int count) {
    for (int i = 0; i < 4; ++i)
        if (kCounts[i] == count) return app.contextMenus[i];
    return nullptr;
}

int OrientationOfCommand(int commandId) {
    for (int n = 0; n < 8; ++n)
        if (kCommands[n] == commandId) return n + 1;
    return 0;
}
