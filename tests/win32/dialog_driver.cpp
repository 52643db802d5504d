// The dialog driver: a script thread that waits for dialogs and message boxes, reads their
// controls and posts what a player's typing and clicks would; and readers of tree and list.
#include "dialog_driver.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "model/shapes.h"
#include "solver/search.h"
#include "ui/app.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kRescueGraceMs = 2000;
constexpr UINT kSentinelMessage = WM_APP + 7;
constexpr int kMessageBoxIcon = 1088; // the icon control of a message box

std::atomic<long> g_sentinelSeen{0};

LRESULT CALLBACK SentinelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSentinelMessage) {
        g_sentinelSeen = static_cast<long>(wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A message-only window of the dialog's thread: what is posted to it is taken from the same
// queue as what is posted to the dialog, in order.
HWND CreateSentinel() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = SentinelProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZendrakDialogSentinel";
        registered = RegisterClassA(&wc) != 0;
    }
    g_sentinelSeen = 0;
    return CreateWindowA("ZendrakDialogSentinel", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The visible dialogs (class #32770) of a thread.
std::vector<HWND> VisibleDialogs(DWORD thread) {
    std::vector<HWND> found;
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM param) -> BOOL {
            if (IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770")
                reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string IconName(HWND box) {
    HWND icon = GetDlgItem(box, kMessageBoxIcon);
    if (icon == nullptr || !IsWindowVisible(icon)) return "none";
    auto shown = reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0));
    if (shown == LoadIconA(nullptr, IDI_ERROR)) return "error";
    if (shown == LoadIconA(nullptr, IDI_QUESTION)) return "question";
    if (shown == LoadIconA(nullptr, IDI_INFORMATION)) return "information";
    if (shown == LoadIconA(nullptr, IDI_WARNING)) return "warning";
    return shown == nullptr ? "none" : "other";
}

} // namespace

DialogDriver::DialogDriver(DWORD dialogThread, HWND sentinel)
    : thread_(dialogThread), sentinel_(sentinel) {}

void DialogDriver::Fail(const std::string& what) {
    failures.push_back(what);
}

HWND DialogDriver::WaitFor(const std::function<HWND()>& find, const std::string& what) {
    if (failed()) return nullptr;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kWaitMs) {
        if (HWND hwnd = find()) return hwnd;
        Sleep(10);
    }
    std::string open;
    for (HWND d : VisibleDialogs(thread_))
        open += " \"" + WindowText(d) + "\"";
    Fail("timed out waiting for " + what + "; open dialogs:" + (open.empty() ? " none" : open));
    return nullptr;
}

HWND DialogDriver::Wait(const char* caption) {
    return WaitFor(
        [&]() -> HWND {
            for (HWND d : VisibleDialogs(thread_))
                if (WindowText(d) == caption) return d;
            return nullptr;
        },
        std::string("the dialog \"") + caption + "\"");
}

HWND DialogDriver::WaitBox() {
    return Wait(TheApp().appTitle.c_str());
}

bool DialogDriver::WaitGone(HWND window) {
    // WaitFor waits for a non-null handle: any one stands for "gone".
    return WaitFor([&] { return IsWindow(window) ? nullptr : HWND_MESSAGE; },
                   "a window to close") != nullptr;
}

std::string DialogDriver::Answer(int button) {
    HWND box = WaitBox();
    if (box == nullptr) return {};
    std::string record = DescribeMessageBox(box);
    messages.push_back(record);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    WaitGone(box);
    return record;
}

void DialogDriver::Sync(HWND dialog) {
    if (failed()) return;
    long mark = ++posted_;
    PostMessageA(sentinel_, kSentinelMessage, static_cast<WPARAM>(mark), 0);
    // A dialog that has ended no longer takes messages from the queue: its end is the sign.
    WaitFor(
        [&] {
            return g_sentinelSeen >= mark || (dialog != nullptr && !IsWindow(dialog)) ? sentinel_
                                                                                      : nullptr;
        },
        "the dialog's thread");
}

void DialogDriver::Press(HWND dialog, int id) {
    if (failed()) return;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    Sync(dialog);
}

void DialogDriver::Post(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    if (failed()) return;
    PostMessageA(GetDlgItem(dialog, id), message, wParam, lParam);
    Sync(dialog);
}

void DialogDriver::Type(HWND dialog, int id, const std::string& chars) {
    if (failed()) return;
    for (char c : chars)
        PostMessageA(GetDlgItem(dialog, id), WM_CHAR, static_cast<unsigned char>(c), 1);
    Sync(dialog);
}

LRESULT DialogDriver::Send(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    if (failed() || dialog == nullptr) return 0;
    return SendMessageA(id == 0 ? dialog : GetDlgItem(dialog, id), message, wParam, lParam);
}

std::string DialogDriver::Text(HWND dialog, int id) {
    if (failed()) return {};
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string DescribeMessageBox(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return IconName(box) + ": " + text;
}

DialogRun DriveDialog(const std::function<void()>& open,
                      const std::function<void(DialogDriver&)>& script) {
    HWND sentinel = CreateSentinel();
    DialogDriver driver(GetCurrentThreadId(), sentinel);
    std::atomic<bool> opened{true};
    std::thread worker([&] {
        script(driver);
        // Whatever the script left open (or could not reach) is closed, after a grace period
        // for windows that are closing already.
        DWORD ended = GetTickCount();
        while (opened) {
            if (GetTickCount() - ended > kRescueGraceMs) {
                for (HWND d : VisibleDialogs(GetWindowThreadProcessId(sentinel, nullptr))) {
                    std::string what =
                        WindowText(d) == TheApp().appTitle ? DescribeMessageBox(d) : WindowText(d);
                    driver.Fail("left open: " + what);
                    PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                }
                ended = GetTickCount();
            }
            Sleep(20);
        }
    });
    open();
    opened = false;
    worker.join();
    DestroyWindow(sentinel);
    return {driver.messages, driver.failures};
}

std::string DescribeTree(HWND tree) {
    std::string lines;
    HTREEITEM selected = TreeView_GetSelection(tree);
    auto describe = [&](HTREEITEM item, int depth) {
        char text[260] = {};
        TVITEMA tv{};
        tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = sizeof text;
        tv.stateMask = TVIS_EXPANDED;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
        lines += std::string(static_cast<size_t>(depth) * 2, ' ') + text + " [" +
                 std::to_string(tv.iImage) + "]";
        if ((tv.state & TVIS_EXPANDED) != 0) lines += "+";
        if (item == selected) lines += "*";
        lines += "\n";
    };
    for (HTREEITEM g = TreeView_GetRoot(tree); g; g = TreeView_GetNextSibling(tree, g)) {
        describe(g, 0);
        for (HTREEITEM p = TreeView_GetChild(tree, g); p; p = TreeView_GetNextSibling(tree, p))
            describe(p, 1);
    }
    return lines;
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
    char text[260] = {};
    TVITEMA tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    return text;
}

HTREEITEM FindTreeItem(HWND tree, const std::string& group, const std::string& puzzle) {
    for (HTREEITEM g = TreeView_GetRoot(tree); g; g = TreeView_GetNextSibling(tree, g)) {
        if (TreeItemText(tree, g) != group) continue;
        if (puzzle.empty()) return g;
        for (HTREEITEM p = TreeView_GetChild(tree, g); p; p = TreeView_GetNextSibling(tree, p))
            if (TreeItemText(tree, p) == puzzle) return p;
    }
    return nullptr;
}

std::vector<std::string> ListBoxLines(HWND list) {
    std::vector<std::string> lines;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[260] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

Figure FigureInPicture(int figure, const std::vector<std::string>& rows) {
    Grid grid{};
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] == FigureLetter(figure))
                At(grid, static_cast<int>(c), static_cast<int>(r)) = static_cast<uint8_t>(figure);
    Figure f;
    ExtractPlacement(figure, grid, f);
    return f;
}

const std::vector<std::string> kTiling10x6 = {"ILUUUTZVVV", "ILUFUTZZZV", "ILFFTTTXZV",
                                              "ILLFFWXXXP", "INNNYWWXPP", "NNYYYYWWPP"};

void DialogTest::StartPlainGame() {
    WriteFile("Zendrak.ini",
              "[OPTIONS]\r\nAUTO_SIZE = 0\r\nSIZE_SQUARE = 40\r\n[WINDOW]\r\nLEFT = 10\r\n"
              "TOP = 10\r\nRIGHT = 1010\r\nBOTTOM = 750\r\n");
    StartGame();
}

DialogRun DialogTest::Run(int id, const std::function<void(DialogDriver&)>& script) {
    return DriveDialog([&] { Command(id); }, script);
}

void DialogTest::LayTiling(std::initializer_list<int> figures) {
    for (int k : figures) {
        Figure f = FigureInPicture(k, kTiling10x6);
        DropFigure(k, f.matrix, f.x, f.y);
        ASSERT_EQ(gs().position.inList[k], 0) << "figure " << k;
    }
}

int DialogTest::FiguresInList() {
    int left = 0;
    for (int k = 1; k <= kFigureCount; ++k)
        left += gs().position.inList[k];
    return left;
}
