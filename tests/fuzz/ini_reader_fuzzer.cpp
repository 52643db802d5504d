// Fuzzes IniReader: any text parses, a lookup gives either the caller's default or a value
// that stands in the text, and a section written in front of the text reads back as written.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "files/ini.h"
#include "fuzz_check.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniReader ini(text);
    // Names to ask for: the pieces between '[', ']', '=' and line ends; a piece after '[' is
    // taken as the section of the pieces before '=' that follow it (at most 64 lookups).
    std::vector<std::string_view> pieces;
    std::string_view section, rest = text;
    char before = '\0';
    for (int lookups = 0; !rest.empty() && lookups < 64;) {
        const std::size_t end = std::min(rest.find_first_of("[]=\n"), rest.size());
        const std::string_view piece = Trim(rest.substr(0, end));
        if (before == '[') section = piece;
        before = end < rest.size() ? rest[end] : '\0';
        if (before == '=') {
            const std::string value = ini.GetString(section, piece, "\n", kNoLimit);
            FUZZ_CHECK(value == "\n" || text.find(value) != std::string_view::npos);
            ini.GetInt(section, piece, 0);
            ++lookups;
        }
        pieces.push_back(piece);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }

    auto piece = [&](std::size_t i) {
        return std::string(pieces.empty() ? std::string_view{} : pieces[i % pieces.size()]);
    };
    const std::string name = piece(0), value = piece(2);
    const std::string key = piece(1).empty() || piece(1)[0] == ';' ? "k" + piece(1) : piece(1);
    int32_t number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    const IniReader written("[" + name + "]\r\n" + key + " = " + value + "\r\n" + key +
                            "#n=" + std::to_string(number) + "\n" + std::string(text));
    FUZZ_CHECK(written.GetString(name, key, "?", kNoLimit) == value);
    FUZZ_CHECK(written.GetInt(name, key + "#n", 0) == number);
    return 0;
}
