// probe: a console helper that the end-to-end scripts run in the game's Wine prefix to look
// at the game's windows from outside. `probe serve` reads commands from stdin, one a line
// with tab-separated arguments, and answers each with its output and "@@rc=N".
//
// TARGET is a window handle in hexadecimal (0x1A2B), or CLASS or CLASS:TITLE: a visible
// top-level window of this class (and title). ID is a control id, decimal or 0x hex.
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

// Where messages about failures go: stderr, or stdout in the serve mode.
FILE* g_err = stderr;

std::string ClassOf(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, static_cast<int>(sizeof buffer));
    return buffer;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM w, LPARAM l, bool* ok) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, message, w, l, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) == 0) {
        *ok = false;
    }
    return static_cast<LRESULT>(result);
}

// The text of any window, also of another process's window (WM_GETTEXT is marshalled).
std::string TextOf(HWND hwnd) {
    char buffer[4096] = {};
    bool ok = true;
    Send(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), &ok);
    buffer[sizeof buffer - 1] = '\0';
    return ok ? buffer : "";
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

// The window TARGET names, or null. A window given by handle need not be visible unless
// `visible` is asked for.
HWND Find(const std::string& target, bool visible) {
    if (target.rfind("0x", 0) == 0) {
        auto hwnd = reinterpret_cast<HWND>(
            static_cast<uintptr_t>(std::strtoull(target.c_str() + 2, nullptr, 16)));
        return IsWindow(hwnd) && (!visible || IsWindowVisible(hwnd)) ? hwnd : nullptr;
    }
    std::size_t colon = target.find(':');
    for (HWND hwnd : TopLevelWindows()) {
        if (IsWindowVisible(hwnd) && ClassOf(hwnd) == target.substr(0, colon) &&
            (colon == std::string::npos || TextOf(hwnd) == target.substr(colon + 1))) {
            return hwnd;
        }
    }
    return nullptr;
}

int Usage() {
    std::fprintf(g_err, "usage: probe COMMAND [ARGS]\n"
                        "  wait-window TARGET [TIMEOUT_MS]   wait-gone TARGET [TIMEOUT_MS]\n"
                        "  list-windows                      window-rect TARGET\n"
                        "  text TARGET ID                    list-state TARGET ID\n"
                        "  list-items TARGET ID              tree TARGET ID\n"
                        "  sync TARGET                       state TARGET\n"
                        "  minimize TARGET                   close TARGET\n"
                        "  client-origin TARGET              click-button TARGET ID\n"
                        "  status TARGET ID                  end-session TARGET\n"
                        "  set-text TARGET ID TEXT           clipboard\n"
                        "  serve\n");
    return kExitUsage;
}

int WaitWindow(const std::string& target, long timeout, bool gone) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = Find(target, true);
        if (!gone && hwnd != nullptr) {
            std::printf("0x%llx\n",
                        static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
            return kExitOk;
        }
        if (gone && hwnd == nullptr) return kExitOk;
        if (static_cast<long>(GetTickCount() - start) >= timeout) break;
        Sleep(20);
    }
    std::fprintf(g_err, "probe: timed out after %ld ms waiting for %s %s\n", timeout,
                 gone ? "the end of" : "the window", target.c_str());
    return kExitNotFound;
}

int ListWindows() {
    for (HWND hwnd : TopLevelWindows()) {
        std::printf("0x%llx visible=%d class=\"%s\" text=\"%s\"\n",
                    static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)),
                    IsWindowVisible(hwnd) ? 1 : 0, ClassOf(hwnd).c_str(), TextOf(hwnd).c_str());
    }
    return kExitOk;
}

int ListState(HWND list) {
    bool ok = true;
    LRESULT count = Send(list, LB_GETCOUNT, 0, 0, &ok);
    LRESULT sel = Send(list, LB_GETCURSEL, 0, 0, &ok);
    LRESULT top = Send(list, LB_GETTOPINDEX, 0, 0, &ok);
    LRESULT item = Send(list, LB_GETITEMHEIGHT, 0, 0, &ok);
    RECT r{};
    POINT origin{0, 0};
    if (!ok || !GetClientRect(list, &r) || !ClientToScreen(list, &origin)) return kExitNotFound;
    std::printf("count=%ld sel=%ld top=%ld item=%ld x=%ld y=%ld w=%ld h=%ld\n",
                static_cast<long>(count), static_cast<long>(sel), static_cast<long>(top),
                static_cast<long>(item), static_cast<long>(origin.x), static_cast<long>(origin.y),
                static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
    return kExitOk;
}

int ListItems(HWND list) {
    bool ok = true;
    LRESULT count = Send(list, LB_GETCOUNT, 0, 0, &ok);
    for (LRESULT i = 0; ok && i < count; ++i) {
        // LB_GETTEXT is marshalled between processes, but Wine 8 hands an ANSI caller the
        // wide text of a plain list box (only its first letter shows): ask for wide text.
        wchar_t wide[2048] = {};
        if (Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, &ok) >= LRESULT{2048}) continue;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &result);
        char text[4096] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s\n", text);
    }
    return ok ? kExitOk : kExitNotFound;
}

// A status bar's parts, one line each, read through memory in the bar's process as the tree's
// items are (SB_GETTEXT is not marshalled either). A hidden bar prints "hidden".
int StatusParts(HWND bar) {
    if (!IsWindowVisible(bar)) {
        std::printf("hidden\n");
        return kExitOk;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) return kExitNotFound;
    constexpr std::size_t kSize = 1024;
    auto* remote =
        static_cast<char*>(VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    bool ok = remote != nullptr;
    const int parts = ok ? static_cast<int>(Send(bar, SB_GETPARTS, 0, 0, &ok)) : 0;
    for (int part = 0; ok && part < parts; ++part) {
        char text[kSize] = {};
        const LRESULT length = Send(bar, SB_GETTEXTLENGTHA, part, 0, &ok);
        if (LOWORD(length) >= kSize) ok = false;
        if (ok) Send(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(remote), &ok);
        ok = ok && ReadProcessMemory(process, remote, text, LOWORD(length), nullptr);
        if (ok) std::printf("%s\n", text);
    }
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return ok ? kExitOk : kExitNotFound;
}

// Tree view messages carry pointers that are not marshalled between processes: they point
// into memory allocated in the tree's own process.
int Tree(HWND tree) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tree, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) return kExitNotFound;
    constexpr std::size_t kSize = 4096, kText = 512;
    auto* remote =
        static_cast<char*>(VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
    bool ok = remote != nullptr;
    auto next = [&](HTREEITEM item, WPARAM how) {
        return reinterpret_cast<HTREEITEM>(
            Send(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item), &ok));
    };
    HTREEITEM selected = next(nullptr, TVGN_CARET);
    // Depth first, as the tree shows its items: "LEVEL SELECTED EXPANDED TEXT".
    std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM item, int level) {
        for (; ok && item != nullptr; item = next(item, TVGN_NEXT)) {
            TVITEMA tv{};
            tv.mask = TVIF_TEXT | TVIF_STATE;
            tv.hItem = item;
            tv.stateMask = TVIS_EXPANDED;
            tv.pszText = remote + kText;
            tv.cchTextMax = static_cast<int>(kSize - kText);
            char text[kSize - kText] = {};
            ok = ok && WriteProcessMemory(process, remote, &tv, sizeof tv, nullptr) &&
                 Send(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote), &ok) &&
                 ReadProcessMemory(process, remote, &tv, sizeof tv, nullptr) &&
                 ReadProcessMemory(process, remote + kText, text, sizeof text - 1, nullptr);
            if (!ok) return;
            std::printf("%d %d %d %s\n", level, item == selected ? 1 : 0,
                        (tv.state & TVIS_EXPANDED) != 0 ? 1 : 0, text);
            walk(next(item, TVGN_CHILD), level + 1);
        }
    };
    if (ok) walk(next(nullptr, TVGN_ROOT), 0);
    if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return ok ? kExitOk : kExitNotFound;
}

int Sync(HWND hwnd) {
    bool ok = true;
    // The window's thread answers only when it has handled what came before...
    Send(hwnd, WM_NULL, 0, 0, &ok);
    // ...then whatever is invalid is painted now (a sent WM_PAINT for another thread)...
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // ...and one more round trip lets it return to its message loop.
    Send(hwnd, WM_NULL, 0, 0, &ok);
    return ok ? kExitOk : kExitNotFound;
}

// What Windows does to a program when the session ends: it asks, tells, and ends the process
// without destroying its windows. Prints the answer to the question.
int EndSession(HWND hwnd) {
    bool ok = true;
    const LRESULT answer = Send(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, &ok);
    Send(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, &ok);
    DWORD id = 0;
    GetWindowThreadProcessId(hwnd, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    ok = ok && process != nullptr && TerminateProcess(process, 1) &&
         WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
    if (process != nullptr) CloseHandle(process);
    std::printf("query=%d\n", answer ? 1 : 0);
    return ok ? kExitOk : kExitNotFound;
}

// The clipboard's text, as a program of the session pasting it would get it.
int Clipboard() {
    if (!OpenClipboard(nullptr)) return kExitNotFound;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* text = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        std::printf("%s\n", text);
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text != nullptr ? kExitOk : kExitNotFound;
}

int Dispatch(const std::vector<std::string>& args) {
    if (args.empty()) return Usage();
    const std::string& command = args[0];
    if (command == "list-windows" && args.size() == 1) return ListWindows();
    if (command == "clipboard" && args.size() == 1) return Clipboard();
    if (args.size() < 2) return Usage();
    if (command == "wait-window" || command == "wait-gone") {
        if (args.size() > 3) return Usage();
        return WaitWindow(args[1],
                          args.size() == 3 ? std::strtol(args[2].c_str(), nullptr, 0) : 10000,
                          command == "wait-gone");
    }
    HWND hwnd = Find(args[1], false);
    if (hwnd == nullptr) {
        std::fprintf(g_err, "probe: no window %s\n", args[1].c_str());
        return kExitNotFound;
    }
    if (args.size() == 2) {
        RECT r{};
        if (command == "window-rect" && GetWindowRect(hwnd, &r)) {
            std::printf("%ld %ld %ld %ld\n", static_cast<long>(r.left), static_cast<long>(r.top),
                        static_cast<long>(r.right), static_cast<long>(r.bottom));
            return kExitOk;
        }
        POINT origin{0, 0};
        if (command == "client-origin" && GetClientRect(hwnd, &r) &&
            ClientToScreen(hwnd, &origin)) {
            std::printf("%ld %ld %ld %ld\n", static_cast<long>(origin.x),
                        static_cast<long>(origin.y), static_cast<long>(r.right - r.left),
                        static_cast<long>(r.bottom - r.top));
            return kExitOk;
        }
        if (command == "sync") return Sync(hwnd);
        if (command == "state") {
            std::printf("visible=%d iconic=%d foreground=%d\n", IsWindowVisible(hwnd) ? 1 : 0,
                        IsIconic(hwnd) ? 1 : 0, GetForegroundWindow() == hwnd ? 1 : 0);
            return kExitOk;
        }
        if (command == "minimize")
            return ShowWindowAsync(hwnd, SW_MINIMIZE) ? kExitOk : kExitNotFound;
        if (command == "close") return PostMessageA(hwnd, WM_CLOSE, 0, 0) ? kExitOk : kExitNotFound;
        if (command == "end-session") return EndSession(hwnd);
        return Usage();
    }
    if (args.size() != 3 && !(args.size() == 4 && command == "set-text")) return Usage();
    HWND control = GetDlgItem(hwnd, static_cast<int>(std::strtol(args[2].c_str(), nullptr, 0)));
    if (control == nullptr) {
        std::fprintf(g_err, "probe: %s has no control %s\n", args[1].c_str(), args[2].c_str());
        return kExitNotFound;
    }
    if (command == "set-text") {
        bool ok = true;
        Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()), &ok);
        return ok ? kExitOk : kExitNotFound;
    }
    if (command == "click-button")
        return PostMessageA(control, BM_CLICK, 0, 0) ? kExitOk : kExitNotFound;
    if (command == "text") {
        std::printf("%s\n", TextOf(control).c_str());
        return kExitOk;
    }
    int rc = command == "list-state"   ? ListState(control)
             : command == "list-items" ? ListItems(control)
             : command == "tree"       ? Tree(control)
             : command == "status"     ? StatusParts(control)
                                       : Usage();
    if (rc == kExitNotFound)
        std::fprintf(g_err, "probe: control %s does not answer\n", args[2].c_str());
    return rc;
}

// One process for many commands: a script saves the start of a Wine process per command.
int Serve() {
    g_err = stdout;
    std::string line;
    for (int ch = std::fgetc(stdin); ch != EOF; ch = std::fgetc(stdin)) {
        if (ch != '\n') {
            if (ch != '\r') line.push_back(static_cast<char>(ch));
            continue;
        }
        std::vector<std::string> words;
        for (std::size_t start = 0;;) {
            std::size_t tab = line.find('\t', start);
            words.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        std::printf("@@rc=%d\n", Dispatch(words));
        std::fflush(stdout);
        line.clear();
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 2 && std::strcmp(argv[1], "serve") == 0) return Serve();
    int rc = Dispatch(std::vector<std::string>(argv + 1, argv + argc));
    std::fflush(stdout);
    return rc;
}
