// The New game dialog: the library as a tree of groups and puzzles, with a preview.
#include <windows.h>

#include <commctrl.h>

#include "files/game_dialogs.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/folder_listing.h"
#include "ui/main_window.h"
#include "ui/puzzle_preview.h"
#include "ui/window_layout.h"

namespace {

enum TreeImage { kImageUnsolved = 0, kImageSolved = 1, kImageGroup = 2 };

HWND Tree(HWND dialog) {
    return GetDlgItem(dialog, IDC_PUZZLE_TREE);
}

std::string ItemText(HWND tree, HTREEITEM item) {
    char text[kMaxNameLength + 1] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &tv);
    return text;
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const std::string& text, int image) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = image;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void AttachImages(HINSTANCE instance, HWND tree) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (int id : {IDI_UNSOLVED, IDI_SOLVED, IDI_GROUP}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        ImageList_ReplaceIcon(images, -1, icon);
        DestroyIcon(icon);
    }
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
}

std::vector<LibraryFolder> ListLibrary() {
    std::vector<LibraryFolder> library;
    for (const std::string& group : ListFolders(kLibraryGroupsPattern))
        library.push_back({group, ListFiles(LibraryPuzzlesPattern(group))});
    return library;
}

// The tree item chosen: a puzzle under its group, a group, or nothing.
LibraryChoice ChosenItem(HWND dialog) {
    HWND tree = Tree(dialog);
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == nullptr) return {};
    HTREEITEM parent = TreeView_GetParent(tree, item);
    if (parent == nullptr) return {ItemText(tree, item), {}};
    return {ItemText(tree, parent), ItemText(tree, item)};
}

BOOL OnInit(App& app, HWND dialog) {
    HWND tree = Tree(dialog);
    AttachImages(app.hInstance, tree);
    const NewGameOpening opening = OpenNewGame(app.gs, ListLibrary());
    HTREEITEM current = nullptr;
    for (int g = 0; g < static_cast<int>(opening.groups.size()); ++g) {
        const LibraryGroup& group = opening.groups[g];
        HTREEITEM groupItem = AddItem(tree, TVI_ROOT, group.name, kImageGroup);
        for (int p = 0; p < static_cast<int>(group.puzzles.size()); ++p) {
            const LibraryPuzzle& puzzle = group.puzzles[p];
            HTREEITEM item = AddItem(tree, groupItem, puzzle.name,
                                     puzzle.solved ? kImageSolved : kImageUnsolved);
            if (g == opening.currentGroup && p == opening.currentPuzzle) current = item;
        }
    }
    if (current != nullptr) {
        TreeView_SelectItem(tree, current);
        TreeView_EnsureVisible(tree, current);
    }
    return TRUE;
}

void OnOk(App& app, HWND dialog) {
    const LibraryChoice choice = ChosenItem(dialog);
    const std::optional<PuzzleImage> file = ReadChosenFile(ChosenPuzzlePath(choice), false);
    const std::optional<Message> refusal = StartNewGame(app.gs, choice, file);
    if (refusal) {
        ShowMessage(dialog, *refusal);
        return;
    }
    SyncFigureList(app);
    Relayout(app);
    RepaintMain();
    EndDialog(dialog, IDOK);
}

void OnDrawPreview(App& app, HWND dialog, const DRAWITEMSTRUCT& item) {
    const std::string path = ChosenPuzzlePath(ChosenItem(dialog));
    DrawPuzzlePreview(app, item, !path.empty(), ReadChosenFile(path, false), kPuzzlePreviewTexts);
}

BOOL OnNotify(App& app, HWND dialog, const NMHDR& note) {
    if (note.idFrom != IDC_PUZZLE_TREE) return FALSE;
    if (note.code == TVN_SELCHANGEDA || note.code == TVN_SELCHANGEDW)
        RepaintControl(dialog, IDC_PREVIEW);
    else if (note.code == NM_DBLCLK && !ChosenPuzzlePath(ChosenItem(dialog)).empty())
        OnOk(app, dialog);
    return TRUE;
}

} // namespace

INT_PTR NewGameDialog(App& app) {
    return RunDialog(
        app, IDD_NEW_GAME,
        {.init = [&](HWND d) { return OnInit(app, d); },
         .ok = [&](HWND d) { OnOk(app, d); },
         .notify = [&](HWND d, const NMHDR& note) { return OnNotify(app, d, note); },
         .drawItem = [&](HWND d, const DRAWITEMSTRUCT& item) { OnDrawPreview(app, d, item); },
         .destroy =
             [](HWND d) { ImageList_Destroy(TreeView_GetImageList(Tree(d), TVSIL_NORMAL)); }});
}
