// The New game dialog: the library as a tree of groups and puzzles, with a preview.
#include <windows.h>

#include <commctrl.h>

#include "files/game_dialogs.h"
#include "resource.h"
#include "ui/controls.h"
#include "ui/daily_puzzle.h"
#include "ui/dialogs.h"
#include "ui/figure_list.h"
#include "ui/folder_listing.h"
#include "ui/main_window.h"
#include "ui/puzzle_preview.h"
#include "ui/solution_counter.h"
#include "ui/status_bar.h"
#include "ui/window_layout.h"

namespace {

enum TreeImage { kImageUnsolved = 0, kImageSolved = 1, kImageGroup = 2 };

HWND Tree(HWND dialog) {
    return GetDlgItem(dialog, IDC_PUZZLE_TREE);
}

// An item's text, and in `group` the index of its group in the library as listed.
std::string ItemText(HWND tree, HTREEITEM item, LPARAM* group = nullptr) {
    char text[kMaxNameLength + 1] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT | TVIF_PARAM;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &tv);
    if (group != nullptr) *group = tv.lParam;
    return text;
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const std::string& text, int image, int group) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = image;
    insert.item.lParam = group;
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
    for (const std::string& group : ListLibraryGroups())
        library.push_back({group, ListFiles(LibraryPuzzlesPattern(group))});
    return library;
}

// The tree item chosen: a puzzle under its group, a group, or nothing. A group's item shows
// its progress beside its name, so the name comes from the library as listed.
LibraryChoice ChosenItem(HWND dialog, const NewGameOpening& opening) {
    HWND tree = Tree(dialog);
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == nullptr) return {};
    LPARAM g = -1;
    std::string text = ItemText(tree, item, &g);
    if (g < 0 || g >= static_cast<LPARAM>(opening.groups.size())) return {};
    const std::string& group = opening.groups[static_cast<std::size_t>(g)].name;
    if (TreeView_GetParent(tree, item) == nullptr) return {group, {}};
    return {group, std::move(text)};
}

BOOL OnInit(App& app, HWND dialog, NewGameOpening& opening) {
    HWND tree = Tree(dialog);
    AttachImages(app.hInstance, tree);
    opening = OpenNewGame(app.gs, ListLibrary());
    HTREEITEM current = nullptr;
    for (int g = 0; g < static_cast<int>(opening.groups.size()); ++g) {
        const LibraryGroup& group = opening.groups[g];
        HTREEITEM groupItem = AddItem(tree, TVI_ROOT, GroupItemText(group), kImageGroup, g);
        for (int p = 0; p < static_cast<int>(group.puzzles.size()); ++p) {
            const LibraryPuzzle& puzzle = group.puzzles[p];
            HTREEITEM item = AddItem(tree, groupItem, puzzle.name,
                                     puzzle.solved ? kImageSolved : kImageUnsolved, g);
            if (g == opening.currentGroup && p == opening.currentPuzzle) current = item;
        }
    }
    if (current != nullptr) {
        TreeView_SelectItem(tree, current);
        TreeView_EnsureVisible(tree, current);
    }
    return TRUE;
}

void OnOk(App& app, HWND dialog, const NewGameOpening& opening) {
    const LibraryChoice choice = ChosenItem(dialog, opening);
    const std::optional<PuzzleImage> file = ReadChosenFile(ChosenPuzzlePath(choice), false);
    const std::optional<Message> refusal = StartNewGame(app.gs, choice, file);
    if (refusal) {
        ShowMessage(dialog, *refusal);
        return;
    }
    ShowNewGame(app, 0);
    EndDialog(dialog, IDOK);
}

// The picture with the puzzle's solutions and best time under it; a file without its count
// is counted in the background, and the preview is painted again when the count is known.
void OnDrawPreview(App& app, HWND dialog, const DRAWITEMSTRUCT& item,
                   const NewGameOpening& opening) {
    const LibraryChoice choice = ChosenItem(dialog, opening);
    const std::string path = ChosenPuzzlePath(choice);
    const std::optional<PuzzleImage> file = ReadChosenFile(path, false);
    std::optional<uint64_t> counted;
    if (file && file->solutions < 0)
        counted = CountedSolutions(OpenField(file->width, file->height, file->cells), dialog);
    else
        StopWaitingForCount(dialog); // a count asked for an earlier selection is not needed
    DrawPuzzlePreview(app, item, !path.empty(), file, kPuzzlePreviewTexts,
                      NewGamePreviewNotes(app.gs, choice, file, counted, LocalDate()));
}

BOOL OnNotify(App& app, HWND dialog, const NMHDR& note, const NewGameOpening& opening) {
    if (note.idFrom != IDC_PUZZLE_TREE) return FALSE;
    if (note.code == TVN_SELCHANGEDA || note.code == TVN_SELCHANGEDW)
        RepaintControl(dialog, IDC_PREVIEW);
    else if (note.code == NM_DBLCLK && !ChosenPuzzlePath(ChosenItem(dialog, opening)).empty())
        OnOk(app, dialog, opening);
    return TRUE;
}

} // namespace

INT_PTR NewGameDialog(App& app) {
    NewGameOpening opening;
    return RunDialog(
        app, IDD_NEW_GAME,
        {.init = [&](HWND d) { return OnInit(app, d, opening); },
         .ok = [&](HWND d) { OnOk(app, d, opening); },
         .notify = [&](HWND d, const NMHDR& note) { return OnNotify(app, d, note, opening); },
         .drawItem = [&](HWND d,
                         const DRAWITEMSTRUCT& item) { OnDrawPreview(app, d, item, opening); },
         .destroy =
             [](HWND d) {
                 StopWaitingForCount(d);
                 ImageList_Destroy(TreeView_GetImageList(Tree(d), TVSIL_NORMAL));
             },
         .counted = [](HWND d) { RepaintControl(d, IDC_PREVIEW); }});
}
