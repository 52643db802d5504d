// The settings file: its name, its text as written at exit and its reading at start.
#include "files/settings_file.h"

#include <algorithm>

#include "files/ini.h"
#include "model/daily.h"

namespace {

constexpr const char* kLineEnd = "\r\n";

// Numbers from the file become the settings' choices and switches here, and nowhere else.
bool SwitchOf(int32_t number) {
    return number != 0;
}
BackgroundType BackgroundTypeOf(int32_t number) {
    return number == 0 ? BackgroundType::PatternImage : BackgroundType::SolidColour;
}
CreationMethod CreationMethodOf(int32_t number) {
    return number == 1 ? CreationMethod::BySquares : CreationMethod::ByFigures;
}
// The Analyse dialog shows any number but 0 and 1 as "All figures", and that is what is kept.
AnalyseChoice AnalyseChoiceOf(int32_t number) {
    return number == 0   ? AnalyseChoice::Nothing
           : number == 1 ? AnalyseChoice::OneFigure
                         : AnalyseChoice::AllFigures;
}

// A difficulty other than those the Random puzzle dialog offers reads as Hard.
Difficulty RandomDifficultyOf(int32_t number) {
    for (Difficulty offered : kDifficulties)
        if (number == static_cast<int32_t>(offered)) return offered;
    return Difficulty::Hard;
}

// The keys of the OPTIONS and LAST sections with their fields, in the order the file is
// written in; `keys` is a KeyWriter or a KeyReader, so that one list serves both.
template <class S, class Keys> void OptionKeys(S& s, Keys& keys) {
    keys.Switch("AUTO_SIZE", s.view.autoSize);
    keys.Text("BACKGROUND_NAME", s.view.backgroundName);
    keys.Choice("BACKGROUND_TYPE", s.view.backgroundType, BackgroundTypeOf);
    keys.Colour("COLOR_BACK", s.view.colorBack);
    keys.Colour("COLOR_CONTOUR", s.view.colorContour);
    keys.Colour("COLOR_INK", s.view.colorInk);
    keys.Colour("COLOR_SHADOW", s.colorShadow);
    // Written for the record; the game always starts with the middle square under the pointer.
    keys.WrittenOnly("CURSOR_MODE", s.view.cursorMode);
    keys.Number("OPAQUE", s.view.opacityPercent);
    keys.Switch("SHOW_CONTOUR", s.view.showContour);
    keys.Switch("SHOW_INVERSE", s.view.showInverse);
    keys.Switch("SHOW_LEGAL_MOVE", s.view.showLegalMove);
    keys.Switch("SHOW_SHADOW", s.view.showShadow);
    keys.Number("SIZE_SQUARE", s.view.squareSize);
    keys.Text("SKIN", s.view.skinName);
    keys.Number("SQUARE_INDEX", s.view.squareIndex);
    keys.Switch("USE_ONE_COLOR", s.view.useOneColor);
    keys.Switch("STATUS_BAR", s.statusBar);
}

template <class S, class Keys> void LastKeys(S& s, Keys& keys) {
    keys.Choice("AI", s.analyseMode, AnalyseChoiceOf);
    keys.Choice("CREATION_METHOD", s.creationMethod, CreationMethodOf);
    keys.Number("DX", s.createWidth);
    keys.Number("DY", s.createHeight);
    keys.Text("FILE", s.lastFile);
    keys.Text("FOLDER", s.lastFolder);
}

// The Random puzzle dialog's last choice, a section of its own after every other.
template <class S, class Keys> void RandomPuzzleKeys(S& s, Keys& keys) {
    keys.Choice("DIFFICULTY", s.randomPuzzle.difficulty, RandomDifficultyOf);
    keys.Number("WIDTH", s.randomPuzzle.width);
    keys.Number("HEIGHT", s.randomPuzzle.height);
    keys.Switch("SYMMETRIC", s.randomPuzzle.symmetric);
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

struct KeyWriter {
    std::string& text;
    void Number(const char* key, int32_t value) { AppendLine(text, key, std::to_string(value)); }
    void Switch(const char* key, bool on) { Number(key, on ? 1 : 0); }
    // Colours are written as the signed numbers the integer reader gives back.
    void Colour(const char* key, uint32_t colour) { Number(key, static_cast<int32_t>(colour)); }
    void Text(const char* key, const std::string& value) { AppendLine(text, key, value); }
    template <class E, class Of> void Choice(const char* key, E value, Of) {
        Number(key, static_cast<int32_t>(value));
    }
    template <class E> void WrittenOnly(const char* key, E value) {
        Number(key, static_cast<int32_t>(value));
    }
};

// Reads each key with the field's current value as its default.
struct KeyReader {
    const IniReader& ini;
    const char* section;
    void Number(const char* key, int32_t& value) { value = ini.GetInt(section, key, value); }
    void Switch(const char* key, bool& on) { on = SwitchOf(ini.GetInt(section, key, on ? 1 : 0)); }
    void Colour(const char* key, uint32_t& colour) {
        colour = static_cast<uint32_t>(ini.GetInt(section, key, static_cast<int32_t>(colour)));
    }
    void Text(const char* key, std::string& value) { value = ReadName(ini, section, key, value); }
    template <class E, class Of> void Choice(const char* key, E& value, Of of) {
        value = of(ini.GetInt(section, key, static_cast<int32_t>(value)));
    }
    template <class E> void WrittenOnly(const char*, E&) {}
};

} // namespace

std::string SettingsFileName(const std::string& appTitle) {
    return appTitle + ".ini";
}

std::string WriteSettingsText(const Settings& s, const Rect& windowRect) {
    std::string text;
    KeyWriter writer{text};
    AppendSection(text, "OPTIONS");
    OptionKeys(s, writer);
    text += kLineEnd;
    AppendSection(text, "LAST");
    LastKeys(s, writer);
    text += kLineEnd;
    AppendSection(text, "SOLVED_PUZZLES");
    for (std::size_t n = 0; n < s.solved.size(); ++n) {
        AppendLine(text, "GROUP_" + std::to_string(n), s.solved[n].folder);
        AppendLine(text, "PUZZLE_" + std::to_string(n), s.solved[n].file);
    }
    text += kLineEnd;
    AppendSection(text, "SOUND");
    for (const SoundSetting& sound : s.sounds) {
        AppendLine(text, sound.name + "_FILE", sound.file);
        writer.Switch((sound.name + "_ENABLE").c_str(), sound.enabled);
    }
    text += kLineEnd;
    AppendSection(text, "WINDOW");
    AppendLine(text, "LEFT", std::to_string(windowRect.left));
    AppendLine(text, "RIGHT", std::to_string(windowRect.right));
    AppendLine(text, "TOP", std::to_string(windowRect.top));
    AppendLine(text, "BOTTOM", std::to_string(windowRect.bottom));
    text += kLineEnd;
    AppendSection(text, "BEST_TIMES");
    for (std::size_t n = 0; n < s.bestTimes.size(); ++n) {
        const std::string index = std::to_string(n);
        AppendLine(text, "GROUP_" + index, s.bestTimes[n].folder);
        AppendLine(text, "PUZZLE_" + index, s.bestTimes[n].file);
        AppendLine(text, "SECONDS_" + index, std::to_string(s.bestTimes[n].seconds));
    }
    text += kLineEnd;
    AppendSection(text, "RANDOM_PUZZLE");
    RandomPuzzleKeys(s, writer);
    // Only a player who has won a daily puzzle has a streak to keep.
    if (s.daily.lastWon) {
        text += kLineEnd;
        AppendSection(text, "DAILY");
        AppendLine(text, "LAST_WON", DateText(*s.daily.lastWon));
        writer.Number("STREAK", s.daily.current);
        writer.Number("BEST", s.daily.best);
        writer.Number("TIME", s.daily.lastSeconds);
        writer.Number("HINTS", s.daily.lastHints);
    }
    return text;
}

void ReadSettingsText(const std::string& text, Settings& s, Rect& windowRect) {
    IniReader ini(text);
    s = Settings{};
    KeyReader options{ini, "OPTIONS"}, last{ini, "LAST"}, random{ini, "RANDOM_PUZZLE"};
    OptionKeys(s, options);
    LastKeys(s, last);
    RandomPuzzleKeys(s, random);
    s.view.cursorMode = CursorMode::MiddleSquare;

    // The list ends at the first pair with a missing or empty name.
    for (int n = 0; n < kMaxSolved; ++n) {
        std::string index = std::to_string(n);
        SolvedPuzzle puzzle{ReadName(ini, "SOLVED_PUZZLES", "GROUP_" + index, ""),
                            ReadName(ini, "SOLVED_PUZZLES", "PUZZLE_" + index, "")};
        if (puzzle.folder.empty() || puzzle.file.empty()) break;
        s.solved.push_back(std::move(puzzle));
    }

    KeyReader sounds{ini, "SOUND"};
    for (int i = 0; i < kSoundEventCount; ++i) {
        SoundSetting& sound = s.sounds[static_cast<std::size_t>(i)];
        sound.name = SoundEventName(i);
        sound.file = ReadName(ini, "SOUND", sound.name + "_FILE", DefaultSoundFile(i));
        sounds.Switch((sound.name + "_ENABLE").c_str(), sound.enabled);
    }

    // As the solved list, the times end at the first entry without both names; an entry with
    // a time below zero is left out.
    for (int n = 0; n < kMaxBestTimes; ++n) {
        std::string index = std::to_string(n);
        BestTime time{ReadName(ini, "BEST_TIMES", "GROUP_" + index, ""),
                      ReadName(ini, "BEST_TIMES", "PUZZLE_" + index, ""),
                      ini.GetInt("BEST_TIMES", "SECONDS_" + index, -1)};
        if (time.folder.empty() || time.file.empty()) break;
        if (time.seconds >= 0) s.bestTimes.push_back(std::move(time));
    }

    // A streak without a day won that reads as a date is no streak.
    if (const auto lastWon = ParseDate(ini.GetString("DAILY", "LAST_WON", "", kNameBufferSize)))
        s.daily = {lastWon, ini.GetInt("DAILY", "STREAK", 0), ini.GetInt("DAILY", "BEST", 0),
                   ini.GetInt("DAILY", "TIME", 0), ini.GetInt("DAILY", "HINTS", 0)};

    windowRect.left = ini.GetInt("WINDOW", "LEFT", -1);
    windowRect.right = ini.GetInt("WINDOW", "RIGHT", 0);
    windowRect.top = ini.GetInt("WINDOW", "TOP", 0);
    windowRect.bottom = ini.GetInt("WINDOW", "BOTTOM", 0);
    LimitSettings(s);
}
