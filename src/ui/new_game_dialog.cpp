// The New game dialog: the library as a tree of groups and puzzles, with a preview.
#include <windows.h>

#include <commctrl.h>

#include "files/puzzle_file.h"
#include "files/puzzle_paths.h"
#include "resource.h"
#include "ui/dialogs.h"
#include "ui/folder_listing.h"
#include "ui/puzzle_preview.h"

namespace {

enum TreeImage { kImageUnsolved = 0, kImageSolved = 1, kImageGroup = 2 };

HWND Tree(HWND dialog) { return GetDlgItem(dialog, IDC_PUZZLE_TREE); }

std::string ItemText(HWND tree, HTREEITEM item) {
    char text[260] = {};
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
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool IsSolved(const GameState& gs, const std::string& group, const std::string& name) {
    for (const SolvedPuzzle& p : gs.settings.solved)
        if (p.folder == group && p.file == name) return true;
    return false;
}

void AttachImages(HINSTANCE instance, HWND tree) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (int id : {IDI_UNSOLVED, IDI_SOLVED, IDI_GROUP}) {
        HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        ImageList_ReplaceIcon(images, -1, icon);
        DestroyIcon(icon);
    }
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
}

void FillTree(const GameState& gs, HWND tree) {
    for (const std::string& group : ListFolders("Puzzles\\*.*")) {
        HTREEITEM groupItem = AddItem(tree, TVI_ROOT, group, kImageGroup);
        for (const std::string& file : ListFiles("Puzzles\\" + group + "\\*.zpz")) {
            std::string name = PuzzleNameOfFile(file);
            AddItem(tree, groupItem, name, IsSolved(gs, group, name) ? kImageSolved : kImageUnsolved);
        }
    }
}

void SelectCurrentPuzzle(const GameState& gs, HWND tree) {
    for (HTREEITEM g = TreeView_GetRoot(tree); g; g = TreeView_GetNextSibling(tree, g)) {
        if (ItemText(tree, g) != gs.settings.lastFolder) continue;
        for (HTREEITEM p = TreeView_GetChild(tree, g); p; p = TreeView_GetNextSibling(tree, p)) {
            if (ItemText(tree, p) == gs.settings.lastFile) {
                TreeView_SelectItem(tree, p);
                TreeView_EnsureVisible(tree, p);
                return;
            }
        }
        return;
    }
}

// "Puzzles\group\name.zpz" of the selected puzzle; empty when a group or nothing is selected.
std::string SelectedPuzzlePath(HWND dialog) {
    HWND tree = Tree(dialog);
    HTREEITEM item = TreeView_GetSelection(tree);
    HTREEITEM parent = item ? TreeView_GetParent(tree, item) : nullptr;
    if (parent == nullptr) return {};
    return MakeLibraryPuzzlePath(ItemText(tree, parent), ItemText(tree, item));
}

void OnOk(App& app, HWND dialog) {
    std::string path = SelectedPuzzlePath(dialog);
    if (path.empty()) {
        ShowMessage(dialog, "Puzzle is not selected.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    PuzzleImage image;
    if (!ReadPuzzleFile(path, false, Orientations().catalogue, image)) {
        ShowMessage(dialog, "Please select a valid puzzle.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    ApplyPuzzle(app, image);
    HWND tree = Tree(dialog);
    HTREEITEM item = TreeView_GetSelection(tree);
    app.gs.settings.lastFolder = ItemText(tree, TreeView_GetParent(tree, item));
    app.gs.settings.lastFile = ItemText(tree, item);
    SetCurrentPuzzleField(app.gs, image.width, image.height, image.cells);
    EndDialog(dialog, 1);
}

bool OnNotify(App& app, HWND dialog, const NMHDR& note) {
    if (note.idFrom != IDC_PUZZLE_TREE) return false;
    if (note.code == TVN_SELCHANGEDA || note.code == TVN_SELCHANGEDW) {
        InvalidateRect(GetDlgItem(dialog, IDC_PREVIEW), nullptr, FALSE);
    } else if (note.code == NM_DBLCLK && !SelectedPuzzlePath(dialog).empty()) {
        OnOk(app, dialog);
    }
    return true;
}

INT_PTR CALLBACK NewGameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    App& app = TheApp();
    switch (message) {
    case WM_INITDIALOG:
        AttachImages(app.hInstance, Tree(dialog));
        FillTree(app.gs, Tree(dialog));
        SelectCurrentPuzzle(app.gs, Tree(dialog));
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(app, dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
        DrawPuzzlePreview(app, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                          SelectedPuzzlePath(dialog), false,
                          {"Puzzle is not selected.", "The puzzle is invalid."});
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) OnOk(app, dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
        return TRUE;
    case WM_DESTROY:
        ImageList_Destroy(TreeView_GetImageList(Tree(dialog), TVSIL_NORMAL));
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR NewGameDialog(App& app) { return RunDialog(app, IDD_NEW_GAME, NewGameProc); }
