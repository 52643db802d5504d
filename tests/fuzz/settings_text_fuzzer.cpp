// Fuzzes ReadSettingsText: the settings read from any text, written back and read again, are
// the same (the file the game writes at exit gives the same settings at the next start), and
// the game then puts its window where it was or onto the desktop.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "files/settings_file.h"
#include "files/window_placement.h"
#include "fuzz_check.h"

namespace {

// Reads the text over the settings the game has at start, before reading its settings file.
Settings ReadFresh(const std::string& text, Rect& window) {
    static const Settings started = [] {
        auto state = std::make_unique<GameState>();
        InitGameState(*state);
        return state->settings;
    }();
    Settings s = started;
    ReadSettingsText(text, s, window);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Rect window, again;
    const std::string written = WriteSettingsText(ReadFresh(text, window), window);
    FUZZ_CHECK(WriteSettingsText(ReadFresh(written, again), again) == written);

    const Rect screen{0, 0, 1920, 1080}, taskbar{0, 1040, 1920, 1080}, above{0, 0, 1920, 1040};
    const Rect placed = DecideWindowPlacement(window, screen, screen, &taskbar);
    FUZZ_CHECK(placed == window || placed == above);
    return 0;
}
