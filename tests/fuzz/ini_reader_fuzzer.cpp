// Fuzzes IniReader: any text must parse, and every lookup must answer what a plain reading
// of the lookup rules in files/ini.h gives.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/ini.h"
#include "fuzz_check.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
// Lookups per input, so that a text of many thousand keys stays fast to run.
constexpr int kMaxLookups = 64;

std::string_view Trim(std::string_view s) {
    std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The name with the case of its ASCII letters swapped.
std::string SwapCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

// The name with its ASCII letters in lower case, for telling repeats.
std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = Fold(c);
    return out;
}

struct Section {
    std::string_view name;
    std::vector<std::pair<std::string_view, std::string_view>> keys;
    std::set<std::string> folded; // of the keys
};

// The sections and keys the rules keep, first occurrences only, in the order of the text.
std::vector<Section> PlainReading(std::string_view text) {
    std::vector<Section> sections;
    std::set<std::string> seen; // folded section names
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            std::string_view name = Trim(line.substr(1, close - 1));
            bool added = seen.insert(Folded(name)).second;
            current = added ? &sections.emplace_back(Section{name, {}, {}}) : nullptr;
            continue;
        }
        std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        if (current->folded.insert(Folded(key)).second)
            current->keys.emplace_back(key, Trim(line.substr(equals + 1)));
    }
    return sections;
}

// The integer of a value whose digits fit in 9 places; false for a longer digit run.
bool SmallInt(std::string_view value, int& out) {
    std::size_t i = value.empty() || (value[0] != '+' && value[0] != '-') ? 0 : 1;
    long long n = 0;
    std::size_t digits = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        if (++digits > 9) return false;
        n = n * 10 + (value[i] - '0');
    }
    out = static_cast<int>(!value.empty() && value[0] == '-' ? -n : n);
    return true;
}

void CheckKey(const IniReader& ini, std::string_view section, std::string_view key,
              std::string_view value) {
    FUZZ_CHECK(ini.GetString(section, key, "?", kNoLimit) == value);
    FUZZ_CHECK(ini.GetString(SwapCase(section), SwapCase(key), "?", kNoLimit) == value);
    for (std::size_t buffer : {std::size_t{0}, std::size_t{1}, kRowBufferSize, kNameBufferSize}) {
        std::string cut = ini.GetString(section, key, "?", buffer);
        FUZZ_CHECK(cut == value.substr(0, buffer == 0 ? 0 : buffer - 1));
    }
    int a = ini.GetInt(section, key, 1), b = ini.GetInt(section, key, 2);
    int expected = 0;
    if (value.empty())
        FUZZ_CHECK(a == 1 && b == 2);
    else
        FUZZ_CHECK(a == b && (!SmallInt(value, expected) || a == expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniReader ini(text);
    int lookups = 0;
    for (const Section& section : PlainReading(text)) {
        for (const auto& [key, value] : section.keys) {
            if (++lookups > kMaxLookups) return 0;
            CheckKey(ini, section.name, key, value);
        }
        // A key of this section under a name the text never gives is missing.
        if (++lookups > kMaxLookups) return 0;
        FUZZ_CHECK(ini.GetString(section.name, "=", "default", kNoLimit) == "default");
        FUZZ_CHECK(ini.GetInt(section.name, "", 7) == 7);
    }
    return 0;
}
