// One line of text on the clipboard.
#include "ui/clipboard_text.h"

#include <cstring>

bool CopyTextToClipboard(HWND owner, const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) return false;
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    bool done = false;
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        // Once the clipboard has taken the memory it is the clipboard's.
        done = SetClipboardData(CF_TEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!done) GlobalFree(memory);
    return done;
}
