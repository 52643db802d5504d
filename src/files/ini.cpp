// INI-style text lookup shared by puzzle files and the settings file.
#include "files/ini.h"

#include <cstdint>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// Signed decimal up to the first non-digit, computed modulo 2^32 like the platform's
// conversion so that an absurd value in a hand-edited file cannot overflow.
int ParseProfileInt(std::string_view value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    uint32_t n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        n = n * 10u + static_cast<uint32_t>(value[i] - '0');
    }
    if (negative) n = 0u - n;
    return static_cast<int>(n);
}

} // namespace

IniReader::IniReader(std::string_view text) {
    std::map<std::string, std::string>* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = Trim(line);
        if (line.empty() || line.front() == ';') continue;

        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close == std::string_view::npos) continue;
            auto [it, added] = sections_.try_emplace(Lower(Trim(line.substr(1, close - 1))));
            current = added ? &it->second : nullptr;
            continue;
        }
        std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        current->try_emplace(Lower(key), Trim(line.substr(equals + 1)));
    }
}

const std::string* IniReader::Find(std::string_view section, std::string_view key) const {
    auto s = sections_.find(Lower(section));
    if (s == sections_.end()) return nullptr;
    auto k = s->second.find(Lower(key));
    return k == s->second.end() ? nullptr : &k->second;
}

int IniReader::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string* value = Find(section, key);
    if (value == nullptr || value->empty()) return defaultValue;
    return ParseProfileInt(*value);
}

std::string IniReader::GetString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue, std::size_t bufferSize) const {
    if (bufferSize == 0) return {};
    const std::string* value = Find(section, key);
    std::string_view result = value != nullptr ? std::string_view(*value) : defaultValue;
    return std::string(result.substr(0, bufferSize - 1));
}
