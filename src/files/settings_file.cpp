// The settings file: its name, its text as written at exit and its reading at start.
#include "files/settings_file.h"

#include <span>

#include "files/ini.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// One key of the OPTIONS or LAST section and the field it mirrors; exactly one of the three
// field pointers is set.
struct SettingKey {
    const char* key;
    int32_t GameState::*number = nullptr;
    uint32_t GameState::*colour = nullptr;
    std::string GameState::*text = nullptr;
    bool readBack = true; // false: written for the record but never read
};

// The key order of each section is the order the file is written in.
const SettingKey kOptionKeys[] = {
    {.key = "AUTO_SIZE", .number = &GameState::autoSize},
    {.key = "BACKGROUND_NAME", .text = &GameState::backgroundName},
    {.key = "BACKGROUND_TYPE", .number = &GameState::backgroundType},
    {.key = "COLOR_BACK", .colour = &GameState::colorBack},
    {.key = "COLOR_CONTOUR", .colour = &GameState::colorContour},
    {.key = "COLOR_INK", .colour = &GameState::colorInk},
    {.key = "COLOR_SHADOW", .colour = &GameState::colorShadow},
    // The game always starts with the first cursor mode.
    {.key = "CURSOR_MODE", .number = &GameState::cursorMode, .readBack = false},
    {.key = "OPAQUE", .number = &GameState::opaque},
    {.key = "SHOW_CONTOUR", .number = &GameState::showContour},
    {.key = "SHOW_INVERSE", .number = &GameState::showInverse},
    {.key = "SHOW_LEGAL_MOVE", .number = &GameState::showLegalMove},
    {.key = "SHOW_SHADOW", .number = &GameState::showShadow},
    {.key = "SIZE_SQUARE", .number = &GameState::squareSize},
    {.key = "SKIN", .text = &GameState::skinName},
    {.key = "SQUARE_INDEX", .number = &GameState::squareIndex},
    {.key = "USE_ONE_COLOR", .number = &GameState::useOneColor},
};

const SettingKey kLastKeys[] = {
    {.key = "AI", .number = &GameState::analyseMode},
    {.key = "CREATION_METHOD", .number = &GameState::creationMethod},
    {.key = "DX", .number = &GameState::createWidth},
    {.key = "DY", .number = &GameState::createHeight},
    {.key = "FILE", .text = &GameState::lastFile},
    {.key = "FOLDER", .text = &GameState::lastFolder},
};


// The defaults of every key read: reading then takes the field's current value as default.
void ResetRememberedFields(GameState& gs) {
    ResetViewOptions(gs);
    gs.cursorMode = 1;
    gs.colorShadow = 0;
    gs.analyseMode = 1;
    gs.creationMethod = 0;
    gs.createWidth = 10;
    gs.createHeight = 6;
    gs.lastFile = "move a figure";
    gs.lastFolder = "Tutorial";
}

// A name value cut to the buffer size. The cut may leave blanks at the end, which the file
// cannot hold (blanks around a value are dropped on reading): they are dropped here already, so
// that the settings written at exit read back as the same names.
std::string ReadName(const IniReader& ini, const char* section, const std::string& key,
                     const std::string& defaultValue) {
    std::string name = ini.GetString(section, key, defaultValue, kNameBufferSize);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
        name.pop_back();
    return name;
}

void AppendLine(std::string& text, const std::string& key, const std::string& value) {
    text += key;
    text += " = ";
    text += value;
    text += kLineEnd;
}

void AppendSection(std::string& text, const char* name) {
    text += '[';
    text += name;
    text += ']';
    text += kLineEnd;
}

void AppendKeys(std::string& text, const GameState& gs, std::span<const SettingKey> keys) {
    for (const SettingKey& k : keys) {
        if (k.number != nullptr) AppendLine(text, k.key, std::to_string(gs.*k.number));
        // Colours are written as the signed numbers the integer reader gives back.
        if (k.colour != nullptr)
            AppendLine(text, k.key, std::to_string(static_cast<int32_t>(gs.*k.colour)));
        if (k.text != nullptr) AppendLine(text, k.key, gs.*k.text);
    }
}

void ReadKeys(const IniReader& ini, const char* section, GameState& gs,
              std::span<const SettingKey> keys) {
    for (const SettingKey& k : keys) {
        if (!k.readBack) continue;
        if (k.number != nullptr) gs.*k.number = ini.GetInt(section, k.key, gs.*k.number);
        if (k.colour != nullptr) {
            int value = ini.GetInt(section, k.key, static_cast<int32_t>(gs.*k.colour));
            gs.*k.colour = static_cast<uint32_t>(value);
        }
        if (k.text != nullptr) gs.*k.text = ReadName(ini, section, k.key, gs.*k.text);
    }
}

} // namespace

std::string SettingsFileName(const std::string& appTitle) {
    return appTitle + ".ini";
}

std::string WriteSettingsText(const GameState& gs, const Rect& windowRect) {
    std::string text;
    AppendSection(text, "OPTIONS");
    AppendKeys(text, gs, kOptionKeys);
    text += kLineEnd;
    AppendSection(text, "LAST");
    AppendKeys(text, gs, kLastKeys);
    text += kLineEnd;
    AppendSection(text, "SOLVED_PUZZLES");
    for (std::size_t n = 0; n < gs.solved.size(); ++n) {
        AppendLine(text, "GROUP_" + std::to_string(n), gs.solved[n].folder);
        AppendLine(text, "PUZZLE_" + std::to_string(n), gs.solved[n].file);
    }
    text += kLineEnd;
    AppendSection(text, "SOUND");
    for (const SoundSetting& sound : gs.sounds) {
        AppendLine(text, sound.name + "_FILE", sound.file);
        AppendLine(text, sound.name + "_ENABLE", std::to_string(sound.enabled));
    }
    text += kLineEnd;
    AppendSection(text, "WINDOW");
    AppendLine(text, "LEFT", std::to_string(windowRect.left));
    AppendLine(text, "RIGHT", std::to_string(windowRect.right));
    AppendLine(text, "TOP", std::to_string(windowRect.top));
    AppendLine(text, "BOTTOM", std::to_string(windowRect.bottom));
    return text;
}

void ReadSettingsText(const std::string& text, GameState& gs, Rect& windowRect) {
    IniReader ini(text);
    ResetRememberedFields(gs);
    ReadKeys(ini, "OPTIONS", gs, kOptionKeys);
    ReadKeys(ini, "LAST", gs, kLastKeys);

    // The list ends at the first pair with a missing or empty name.
    gs.solved.clear();
    for (int n = 0; n < kMaxSolved; ++n) {
        std::string index = std::to_string(n);
        SolvedPuzzle puzzle{ReadName(ini, "SOLVED_PUZZLES", "GROUP_" + index, ""),
                            ReadName(ini, "SOLVED_PUZZLES", "PUZZLE_" + index, "")};
        if (puzzle.folder.empty() || puzzle.file.empty()) break;
        gs.solved.push_back(std::move(puzzle));
    }
    gs.solvedCount = static_cast<int32_t>(gs.solved.size());

    for (int i = 0; i < kSoundEventCount; ++i) {
        SoundSetting& sound = gs.sounds[static_cast<std::size_t>(i)];
        sound.name = SoundEventName(i);
        sound.file = ReadName(ini, "SOUND", sound.name + "_FILE", DefaultSoundFile(i));
        sound.enabled = ini.GetInt("SOUND", sound.name + "_ENABLE", 1);
    }

    windowRect.left = ini.GetInt("WINDOW", "LEFT", -1);
    windowRect.right = ini.GetInt("WINDOW", "RIGHT", 0);
    windowRect.top = ini.GetInt("WINDOW", "TOP", 0);
    windowRect.bottom = ini.GetInt("WINDOW", "BOTTOM", 0);
}
