// probe: a small console helper that scripts run in the game's Wine prefix to look at and
// work the game's windows from outside, the way a test driver needs. Usage() lists the
// commands; `probe serve` reads commands from stdin, one a line with tab-separated
// arguments, and answers each with its output and "@@rc=N".
//
// TARGET (default: the class ZENDRAKAPP) is one of
//   0x1A2B            a window handle in hexadecimal
//   CLASS:TITLE       a visible top-level window with this class and this title; either
//                     side may be empty, meaning any ("#32770:Zendrak", ":Zendrak")
//   NAME              a visible top-level window whose class is NAME or, failing that,
//                     whose title is NAME
// ID is a number (decimal or 0x hexadecimal) or one of OK CANCEL ABORT RETRY IGNORE YES NO.
//
// Exit status: 0 done, 1 not found or timed out, 2 usage error. Output lines end in LF.

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <io.h>
#include <string>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitUsage = 2;
constexpr UINT kSendTimeoutMs = 5000;
constexpr const char* kMainClass = "ZENDRAKAPP";

// Where messages about failures go: stderr, or stdout in the serve mode.
FILE* g_err = stderr;

struct Target {
    bool byHandle = false;
    HWND handle = nullptr;
    bool hasClass = false;
    std::string className;
    bool hasTitle = false;
    std::string title;
    bool eitherName = false;  // NAME: class, or else title
    std::string text;         // the target as written, for messages
};

Target ParseTarget(const char* text) {
    Target t;
    t.text = text;
    std::string s = text;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        char* end = nullptr;
        unsigned long long value = std::strtoull(s.c_str() + 2, &end, 16);
        if (end != nullptr && *end == '\0') {
            t.byHandle = true;
            t.handle = reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
            return t;
        }
    }
    std::size_t colon = s.find(':');
    if (colon != std::string::npos) {
        t.className = s.substr(0, colon);
        t.title = s.substr(colon + 1);
        t.hasClass = !t.className.empty();
        t.hasTitle = !t.title.empty();
        return t;
    }
    t.eitherName = true;
    t.className = s;
    t.title = s;
    return t;
}

std::string ClassOf(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, static_cast<int>(sizeof buffer));
    return buffer;
}

// The text of any window, also of another process's window (WM_GETTEXT is marshalled).
std::string TextOf(HWND hwnd) {
    char buffer[4096] = {};
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0) {
        return {};
    }
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool Matches(const Target& t, HWND hwnd, bool byClassOnly) {
    if (t.eitherName) {
        return byClassOnly ? ClassOf(hwnd) == t.className : TextOf(hwnd) == t.title;
    }
    if (t.hasClass && ClassOf(hwnd) != t.className) return false;
    if (t.hasTitle && TextOf(hwnd) != t.title) return false;
    return true;
}

// A visible window that matches, or null.
HWND Find(const Target& t) {
    if (t.byHandle) {
        return IsWindow(t.handle) && IsWindowVisible(t.handle) ? t.handle : nullptr;
    }
    std::vector<HWND> windows = TopLevelWindows();
    for (int pass = 0; pass < (t.eitherName ? 2 : 1); ++pass) {
        for (HWND hwnd : windows) {
            if (IsWindowVisible(hwnd) && Matches(t, hwnd, pass == 0)) return hwnd;
        }
    }
    return nullptr;
}

// Like Find, but a window given by handle need not be visible.
HWND Resolve(const Target& t) {
    if (t.byHandle) return IsWindow(t.handle) ? t.handle : nullptr;
    return Find(t);
}

void PrintHandle(HWND hwnd) {
    std::printf("0x%llx\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
}

void PrintWindowLine(HWND hwnd, bool child) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    std::printf("0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
    if (child) {
        std::printf(" id=%d", GetDlgCtrlID(hwnd));
    } else {
        std::printf(" pid=%lu", static_cast<unsigned long>(pid));
    }
    std::printf(" visible=%d class=\"%s\" text=\"%s\" rect=%ld,%ld,%ld,%ld\n",
                IsWindowVisible(hwnd) ? 1 : 0, ClassOf(hwnd).c_str(), TextOf(hwnd).c_str(),
                static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right), static_cast<long>(r.bottom));
}

bool ParseNumber(const char* text, long* value) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 0);
    if (end == text || *end != '\0') return false;
    *value = v;
    return true;
}

bool ParseId(const char* text, int* id) {
    static const struct {
        const char* name;
        int id;
    } kNames[] = {{"OK", IDOK},       {"CANCEL", IDCANCEL}, {"ABORT", IDABORT},
                  {"RETRY", IDRETRY}, {"IGNORE", IDIGNORE}, {"YES", IDYES},
                  {"NO", IDNO}};
    for (const auto& n : kNames) {
        if (_stricmp(text, n.name) == 0) {
            *id = n.id;
            return true;
        }
    }
    long value = 0;
    if (!ParseNumber(text, &value)) return false;
    *id = static_cast<int>(value);
    return true;
}

int NotFound(const Target& t) {
    std::fprintf(g_err, "probe: no window %s\n", t.text.c_str());
    return kExitNotFound;
}

int Usage() {
    std::fprintf(g_err,
                 "usage: probe COMMAND [ARGS]\n"
                 "  wait-window TARGET [TIMEOUT_MS]   wait-gone TARGET [TIMEOUT_MS]\n"
                 "  list-windows [TARGET]             client-origin [TARGET]\n"
                 "  window-rect [TARGET]              text TARGET [ID|-]\n"
                 "  click-button TARGET ID            list-state [TARGET] [ID]\n"
                 "  menu-rect                         sync [TARGET]\n"
                 "  list-items TARGET ID              tree TARGET ID\n"
                 "  state [TARGET]                    foreground\n"
                 "  show TARGET minimize|restore      close [TARGET]\n"
                 "  serve\n"
                 "TARGET: 0xHANDLE, CLASS:TITLE or NAME (default ZENDRAKAPP)\n");
    return kExitUsage;
}

int WaitWindow(int argc, char** argv, bool gone) {
    if (argc < 3 || argc > 4) return Usage();
    Target t = ParseTarget(argv[2]);
    long timeout = 10000;
    if (argc == 4 && !ParseNumber(argv[3], &timeout)) return Usage();
    DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = Find(t);
        if (!gone && hwnd != nullptr) {
            PrintHandle(hwnd);
            return kExitOk;
        }
        if (gone && hwnd == nullptr) return kExitOk;
        if (static_cast<long>(GetTickCount() - start) >= timeout) break;
        Sleep(20);
    }
    std::fprintf(g_err, "probe: timed out after %ld ms waiting for %s %s\n", timeout,
                 gone ? "the end of" : "the window", t.text.c_str());
    return kExitNotFound;
}

Target TargetArg(int argc, char** argv, int index) {
    return ParseTarget(argc > index ? argv[index] : kMainClass);
}

int ListWindows(int argc, char** argv) {
    if (argc > 3) return Usage();
    if (argc == 2) {
        for (HWND hwnd : TopLevelWindows()) PrintWindowLine(hwnd, false);
        return kExitOk;
    }
    Target t = ParseTarget(argv[2]);
    HWND parent = Resolve(t);
    if (parent == nullptr) return NotFound(t);
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        PrintWindowLine(child, true);
    }
    return kExitOk;
}

int ClientOrigin(int argc, char** argv) {
    if (argc > 3) return Usage();
    Target t = TargetArg(argc, argv, 2);
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    RECT r{};
    POINT origin{0, 0};
    if (!GetClientRect(hwnd, &r) || !ClientToScreen(hwnd, &origin)) return NotFound(t);
    std::printf("%ld %ld %ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y),
                static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
    return kExitOk;
}

int WindowRect(int argc, char** argv) {
    if (argc > 3) return Usage();
    Target t = TargetArg(argc, argv, 2);
    HWND hwnd = Resolve(t);
    RECT r{};
    if (hwnd == nullptr || !GetWindowRect(hwnd, &r)) return NotFound(t);
    std::printf("%ld %ld %ld %ld\n", static_cast<long>(r.left), static_cast<long>(r.top),
                static_cast<long>(r.right), static_cast<long>(r.bottom));
    return kExitOk;
}

int Text(int argc, char** argv) {
    if (argc < 3 || argc > 4) return Usage();
    Target t = ParseTarget(argv[2]);
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    HWND source = hwnd;
    if (!(argc == 4 && std::strcmp(argv[3], "-") == 0)) {
        int id = 0xFFFF;
        if (argc == 4 && !ParseId(argv[3], &id)) return Usage();
        source = GetDlgItem(hwnd, id);
        if (source == nullptr) {
            std::fprintf(g_err, "probe: %s has no control %d\n", t.text.c_str(), id);
            return kExitNotFound;
        }
    }
    std::printf("%s\n", TextOf(source).c_str());
    return kExitOk;
}

int ClickButton(int argc, char** argv) {
    if (argc != 4) return Usage();
    Target t = ParseTarget(argv[2]);
    int id = 0;
    if (!ParseId(argv[3], &id)) return Usage();
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    HWND button = GetDlgItem(hwnd, id);
    if (button == nullptr) {
        std::fprintf(g_err, "probe: %s has no control %d\n", t.text.c_str(), id);
        return kExitNotFound;
    }
    // Posted, never sent: the window may be inside a modal loop.
    return PostMessageA(button, BM_CLICK, 0, 0) ? kExitOk : kExitNotFound;
}

LRESULT SendScalar(HWND hwnd, UINT message, WPARAM w, LPARAM l, bool* ok) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, message, w, l, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0) {
        *ok = false;
    }
    return static_cast<LRESULT>(result);
}

int ListState(int argc, char** argv) {
    if (argc > 4) return Usage();
    Target t = TargetArg(argc, argv, 2);
    int id = 1000;
    if (argc == 4 && !ParseId(argv[3], &id)) return Usage();
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    HWND list = GetDlgItem(hwnd, id);
    if (list == nullptr) {
        std::fprintf(g_err, "probe: %s has no control %d\n", t.text.c_str(), id);
        return kExitNotFound;
    }
    bool ok = true;
    LRESULT count = SendScalar(list, LB_GETCOUNT, 0, 0, &ok);
    LRESULT sel = SendScalar(list, LB_GETCURSEL, 0, 0, &ok);
    LRESULT top = SendScalar(list, LB_GETTOPINDEX, 0, 0, &ok);
    LRESULT item = SendScalar(list, LB_GETITEMHEIGHT, 0, 0, &ok);
    RECT r{};
    POINT origin{0, 0};
    if (!ok || !GetClientRect(list, &r) || !ClientToScreen(list, &origin)) {
        std::fprintf(g_err, "probe: the list box does not answer\n");
        return kExitNotFound;
    }
    std::printf("count=%ld sel=%ld top=%ld item=%ld x=%ld y=%ld w=%ld h=%ld\n",
                static_cast<long>(count), static_cast<long>(sel), static_cast<long>(top),
                static_cast<long>(item), static_cast<long>(origin.x),
                static_cast<long>(origin.y), static_cast<long>(r.right - r.left),
                static_cast<long>(r.bottom - r.top));
    return kExitOk;
}

// The control ID of TARGET, or null with a message.
HWND ControlArg(int argc, char** argv, Target* t) {
    int id = 0;
    if (argc != 4 || !ParseId(argv[3], &id)) return nullptr;
    *t = ParseTarget(argv[2]);
    HWND hwnd = Resolve(*t);
    if (hwnd == nullptr) {
        NotFound(*t);
        return nullptr;
    }
    HWND control = GetDlgItem(hwnd, id);
    if (control == nullptr) std::fprintf(g_err, "probe: %s has no control %d\n", t->text.c_str(), id);
    return control;
}

int ListItems(int argc, char** argv) {
    if (argc != 4) return Usage();
    Target t;
    HWND list = ControlArg(argc, argv, &t);
    if (list == nullptr) return kExitNotFound;
    bool ok = true;
    LRESULT count = SendScalar(list, LB_GETCOUNT, 0, 0, &ok);
    for (LRESULT i = 0; ok && i < count; ++i) {
        // LB_GETTEXT is marshalled between processes, but Wine 8 hands an ANSI caller the
        // wide text of a plain list box (only its first letter shows): ask for wide text.
        wchar_t wide[2048] = {};
        if (SendScalar(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, &ok) >= LRESULT{2048}) continue;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
        char text[4096] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s\n", text);
    }
    if (!ok) {
        std::fprintf(g_err, "probe: the list box does not answer\n");
        return kExitNotFound;
    }
    return kExitOk;
}

// Memory in the process that owns a window: tree view messages carry pointers that are not
// marshalled, so they must point into the tree's own process.
class RemoteMemory {
public:
    explicit RemoteMemory(HWND owner) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_ != nullptr)
            base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteMemory() {
        if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        if (process_ != nullptr) CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    bool ok() const { return base_ != nullptr; }
    char* at(std::size_t offset) const { return base_ + offset; }
    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        return WriteProcessMemory(process_, base_ + offset, data, size, nullptr) != FALSE;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        return ReadProcessMemory(process_, base_ + offset, data, size, nullptr) != FALSE;
    }
    static constexpr std::size_t kSize = 4096;

private:
    HANDLE process_ = nullptr;
    char* base_ = nullptr;
};

int Tree(int argc, char** argv) {
    if (argc != 4) return Usage();
    Target t;
    HWND tree = ControlArg(argc, argv, &t);
    if (tree == nullptr) return kExitNotFound;
    RemoteMemory memory(tree);
    if (!memory.ok()) {
        std::fprintf(g_err, "probe: cannot reach the memory of the tree's process\n");
        return kExitNotFound;
    }
    constexpr std::size_t kItem = 0, kRect = 256, kText = 512;
    bool ok = true;
    auto next = [&](HTREEITEM item, WPARAM how) {
        return reinterpret_cast<HTREEITEM>(SendScalar(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item), &ok));
    };
    HTREEITEM selected = next(nullptr, TVGN_CARET);
    auto print = [&](HTREEITEM item, int level) {
        TVITEMA tv{};
        tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
        tv.hItem = item;
        tv.stateMask = TVIS_EXPANDED;
        tv.pszText = memory.at(kText);
        tv.cchTextMax = static_cast<int>(RemoteMemory::kSize - kText);
        RECT rect{};
        std::memcpy(&rect, &item, sizeof item);  // TVM_GETITEMRECT's input
        char text[RemoteMemory::kSize - kText] = {};
        ok = ok && memory.Write(kItem, &tv, sizeof tv) && memory.Write(kRect, &rect, sizeof rect);
        ok = ok && SendScalar(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.at(kItem)), &ok);
        bool shown = ok && SendScalar(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory.at(kRect)), &ok);
        ok = ok && memory.Read(kItem, &tv, sizeof tv) && memory.Read(kRect, &rect, sizeof rect) &&
             memory.Read(kText, text, sizeof text - 1);
        if (!ok) return;
        POINT origin{rect.left, rect.top};
        ClientToScreen(tree, &origin);
        if (!shown) {
            origin = POINT{0, 0};
            rect = RECT{};
        }
        std::printf("level=%d image=%d expanded=%d selected=%d x=%ld y=%ld w=%ld h=%ld text=%s\n", level,
                    tv.iImage, (tv.state & TVIS_EXPANDED) != 0 ? 1 : 0, item == selected ? 1 : 0,
                    static_cast<long>(origin.x), static_cast<long>(origin.y),
                    static_cast<long>(rect.right - rect.left), static_cast<long>(rect.bottom - rect.top), text);
    };
    // Depth first, as the tree shows its items.
    std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM first, int level) {
        for (HTREEITEM item = first; ok && item != nullptr; item = next(item, TVGN_NEXT)) {
            print(item, level);
            walk(next(item, TVGN_CHILD), level + 1);
        }
    };
    walk(next(nullptr, TVGN_ROOT), 0);
    if (!ok) {
        std::fprintf(g_err, "probe: the tree view does not answer\n");
        return kExitNotFound;
    }
    return kExitOk;
}

int MenuRect(int argc, char**) {
    if (argc != 2) return Usage();
    for (HWND hwnd : TopLevelWindows()) {
        if (!IsWindowVisible(hwnd) || ClassOf(hwnd) != "#32768") continue;
        RECT r{};
        POINT origin{0, 0};
        if (!GetClientRect(hwnd, &r) || !ClientToScreen(hwnd, &origin)) continue;
        std::printf("%ld %ld %ld %ld\n", static_cast<long>(origin.x),
                    static_cast<long>(origin.y), static_cast<long>(r.right - r.left),
                    static_cast<long>(r.bottom - r.top));
        return kExitOk;
    }
    std::fprintf(g_err, "probe: no pop-up menu is open\n");
    return kExitNotFound;
}

int Sync(int argc, char** argv) {
    if (argc > 3) return Usage();
    Target t = TargetArg(argc, argv, 2);
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    bool ok = true;
    // The window's thread answers only when it has handled what came before...
    SendScalar(hwnd, WM_NULL, 0, 0, &ok);
    // ...then whatever is invalid is painted now (a sent WM_PAINT for another thread)...
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // ...and one more round trip lets it return to its message loop.
    SendScalar(hwnd, WM_NULL, 0, 0, &ok);
    if (!ok) {
        std::fprintf(g_err, "probe: %s does not answer\n", t.text.c_str());
        return kExitNotFound;
    }
    return kExitOk;
}

int State(int argc, char** argv) {
    if (argc > 3) return Usage();
    Target t = TargetArg(argc, argv, 2);
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    std::printf("visible=%d iconic=%d enabled=%d foreground=%d\n", IsWindowVisible(hwnd) ? 1 : 0,
                IsIconic(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0,
                GetForegroundWindow() == hwnd ? 1 : 0);
    return kExitOk;
}

int Foreground(int argc, char**) {
    if (argc != 2) return Usage();
    HWND hwnd = GetForegroundWindow();
    if (hwnd == nullptr) {
        std::fprintf(g_err, "probe: no foreground window\n");
        return kExitNotFound;
    }
    PrintWindowLine(hwnd, false);
    return kExitOk;
}

int Show(int argc, char** argv) {
    if (argc != 4) return Usage();
    Target t = ParseTarget(argv[2]);
    int command = 0;
    if (_stricmp(argv[3], "minimize") == 0) {
        command = SW_MINIMIZE;
    } else if (_stricmp(argv[3], "restore") == 0) {
        command = SW_RESTORE;
    } else {
        return Usage();
    }
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    ShowWindowAsync(hwnd, command);
    return kExitOk;
}

int Close(int argc, char** argv) {
    if (argc > 3) return Usage();
    Target t = TargetArg(argc, argv, 2);
    HWND hwnd = Resolve(t);
    if (hwnd == nullptr) return NotFound(t);
    return PostMessageA(hwnd, WM_CLOSE, 0, 0) ? kExitOk : kExitNotFound;
}

// The bitmap on the clipboard; the clipboard stays open while it lives.
class ClipboardBitmap {
public:
    ClipboardBitmap() : open_(OpenClipboard(nullptr) != FALSE) {
        if (open_) bitmap_ = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    }
    ClipboardBitmap(const ClipboardBitmap&) = delete;
    ClipboardBitmap& operator=(const ClipboardBitmap&) = delete;
    ~ClipboardBitmap() {
        if (open_) CloseClipboard();
    }
    HBITMAP get() const { return bitmap_; }
    bool Size(BITMAP* info) const {
        return bitmap_ != nullptr && GetObjectA(bitmap_, sizeof *info, info) != 0;
    }

private:
    bool open_;
    HBITMAP bitmap_ = nullptr;
};

int Dispatch(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "wait-window") return WaitWindow(argc, argv, false);
    if (command == "wait-gone") return WaitWindow(argc, argv, true);
    if (command == "list-windows") return ListWindows(argc, argv);
    if (command == "client-origin") return ClientOrigin(argc, argv);
    if (command == "window-rect") return WindowRect(argc, argv);
    if (command == "text") return Text(argc, argv);
    if (command == "click-button") return ClickButton(argc, argv);
    if (command == "list-state") return ListState(argc, argv);
    if (command == "menu-rect") return MenuRect(argc, argv);
    if (command == "list-items") return ListItems(argc, argv);
    if (command == "tree") return Tree(argc, argv);
    if (command == "sync") return Sync(argc, argv);
    if (command == "state") return State(argc, argv);
    if (command == "foreground") return Foreground(argc, argv);
    if (command == "show") return Show(argc, argv);
    if (command == "close") return Close(argc, argv);
    return Usage();
}

// One process for many commands: a script saves the start of a Wine process per command.
int Serve() {
    g_err = stdout;
    std::string line;
    for (;;) {
        int ch = std::fgetc(stdin);
        if (ch == EOF && line.empty()) break;
        if (ch != EOF && ch != '\n') {
            if (ch != '\r') line.push_back(static_cast<char>(ch));
            continue;
        }
        std::vector<std::string> words{"probe"};
        std::size_t start = 0;
        for (;;) {
            std::size_t tab = line.find('\t', start);
            words.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        std::vector<char*> args;
        for (std::string& w : words) args.push_back(w.data());
        args.push_back(nullptr);
        int rc = words.size() >= 2 && words[1] == "serve"
                     ? Usage()
                     : Dispatch(static_cast<int>(words.size()), args.data());
        std::printf("@@rc=%d\n", rc);
        std::fflush(stdout);
        line.clear();
        if (ch == EOF) break;
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int rc = argc == 2 && std::strcmp(argv[1], "serve") == 0 ? Serve() : Dispatch(argc, argv);
    std::fflush(stdout);
    return rc;
}
