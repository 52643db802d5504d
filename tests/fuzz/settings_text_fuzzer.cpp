// Fuzzes ReadSettingsText: what the reader promises about any text, that the settings written
// back read as the same settings, and where the game then puts its window.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "files/settings_file.h"
#include "files/window_placement.h"
#include "fuzz_check.h"

namespace {

bool NameOk(const std::string& name) {
    return name.size() <= kMaxNameLength;
}

void CheckRead(const Settings& s) {
    FUZZ_CHECK(NameOk(s.view.skinName) && NameOk(s.view.backgroundName));
    FUZZ_CHECK(NameOk(s.lastFile) && NameOk(s.lastFolder));
    FUZZ_CHECK(s.solved.size() <= static_cast<std::size_t>(kMaxSolved));
    for (const SolvedPuzzle& p : s.solved)
        FUZZ_CHECK(!p.folder.empty() && !p.file.empty() && NameOk(p.folder) && NameOk(p.file));
    for (int i = 0; i < kSoundEventCount; ++i) {
        const SoundSetting& sound = s.sounds[static_cast<std::size_t>(i)];
        FUZZ_CHECK(sound.name == SoundEventName(i) && NameOk(sound.file));
    }
}

// The settings as the game has them at start, before reading its settings file.
const Settings& Started() {
    static const Settings settings = [] {
        auto state = std::make_unique<GameState>();
        InitGameState(*state);
        return state->settings;
    }();
    return settings;
}

// Reads the text into `into` made the start-up settings first.
void ReadFresh(const std::string& text, Settings& into, Rect& window) {
    into = Started();
    ReadSettingsText(text, into, window);
    CheckRead(into);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Settings settings, again;
    Rect window;
    ReadFresh(text, settings, window);

    // Whatever was read, written back and read again is the same: the file the game writes at
    // exit gives the same settings at the next start.
    const std::string written = WriteSettingsText(settings, window);
    Rect windowAgain;
    ReadFresh(written, again, windowAgain);
    FUZZ_CHECK(WriteSettingsText(again, windowAgain) == written);

    // The window goes where it was, or onto the desktop when that is off the screen.
    const Rect screen{0, 0, 1920, 1080}, taskbar{0, 1040, 1920, 1080}, above{0, 0, 1920, 1040};
    const Rect placed = DecideWindowPlacement(window, screen, screen, &taskbar);
    FUZZ_CHECK(placed == window || placed == above);
    return 0;
}
