// Fuzzes ReadSettingsText: what the reader promises about any text, that the settings written
// back read as the same settings, and what the game then makes of them (LimitViewOptions and
// the window's place).
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

void CheckRead(const GameState& gs) {
    FUZZ_CHECK(gs.cursorMode == 1);
    FUZZ_CHECK(NameOk(gs.skinName) && NameOk(gs.backgroundName));
    FUZZ_CHECK(NameOk(gs.lastFile) && NameOk(gs.lastFolder));
    FUZZ_CHECK(gs.solved.size() <= static_cast<std::size_t>(kMaxSolved));
    FUZZ_CHECK(gs.solvedCount == static_cast<int32_t>(gs.solved.size()));
    for (const SolvedPuzzle& p : gs.solved)
        FUZZ_CHECK(!p.folder.empty() && !p.file.empty() && NameOk(p.folder) && NameOk(p.file));
    for (int i = 0; i < kSoundEventCount; ++i) {
        const SoundSetting& sound = gs.sounds[static_cast<std::size_t>(i)];
        FUZZ_CHECK(sound.name == SoundEventName(i) && NameOk(sound.file));
    }
}

void CheckLimited(const ViewOptions& o) {
    FUZZ_CHECK(o.squareSize >= 24 && o.squareSize <= 64);
    FUZZ_CHECK(o.opaque >= 50 && o.opaque <= 100);
    FUZZ_CHECK(o.squareIndex >= 0 && o.squareIndex < kFigureCount);
    FUZZ_CHECK(o.cursorMode >= 0 && o.cursorMode <= 2);
    FUZZ_CHECK(o.backgroundType == 0 || o.backgroundType == 1);
    FUZZ_CHECK(((o.colorBack | o.colorInk | o.colorContour) & 0xFF000000u) == 0);
}

// A state as the game has it at start, before reading its settings.
const GameState& Started() {
    static const std::unique_ptr<GameState> gs = [] {
        auto state = std::make_unique<GameState>();
        InitGameState(*state);
        return state;
    }();
    return *gs;
}

// Reads the text into `into` made a started state first. The states are kept from run to run
// (copied over, not allocated anew) because allocating them costs more than the reading.
void ReadFresh(const std::string& text, GameState& into, Rect& window) {
    into = Started();
    ReadSettingsText(text, into, window);
    CheckRead(into);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    static const std::unique_ptr<GameState> gs = std::make_unique<GameState>();
    static const std::unique_ptr<GameState> again = std::make_unique<GameState>();
    Rect window;
    ReadFresh(text, *gs, window);

    // Whatever was read, written back and read again is the same: the file the game writes at
    // exit gives the same settings at the next start.
    const std::string written = WriteSettingsText(*gs, window);
    Rect windowAgain;
    ReadFresh(written, *again, windowAgain);
    FUZZ_CHECK(WriteSettingsText(*again, windowAgain) == written);

    // What the game does next with what it read.
    LimitViewOptions(*gs);
    CheckLimited(*gs);
    const Rect screen{0, 0, 1920, 1080}, taskbar{0, 1040, 1920, 1080}, above{0, 0, 1920, 1040};
    const Rect placed = DecideWindowPlacement(window, screen, screen, &taskbar);
    FUZZ_CHECK(placed == window || placed == above);
    return 0;
}
