// Fuzzes IniReader: any text parses, every lookup keeps what files/ini.h promises whatever the
// text holds, and a section written in front of the text reads back as written.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/ini.h"
#include "fuzz_check.h"

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
// Lookups per input, so that a text of many thousand keys stays fast to run.
constexpr std::size_t kMaxLookups = 64;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
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

// The pieces of the text between '[', ']', '=' and line ends, without blanks around them, each
// with the delimiter that ended it. They are names to ask for, not answers: a piece after '['
// is taken as a section, a piece before '=' as a key of the last section taken.
std::vector<std::pair<std::string_view, char>> Pieces(std::string_view text) {
    std::vector<std::pair<std::string_view, char>> pieces;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("[]=\n");
        std::string_view piece = text.substr(0, end);
        while (!piece.empty() && IsBlank(piece.front()))
            piece.remove_prefix(1);
        while (!piece.empty() && IsBlank(piece.back()))
            piece.remove_suffix(1);
        pieces.emplace_back(piece, end == std::string_view::npos ? '\0' : text[end]);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return pieces;
}

// One lookup, against what the reader promises of any lookup: a missing key gives the caller's
// default, whatever it is; a present one gives one value for any default and either letter
// case, one line long without blanks around it, cut to the buffer less one; its number does
// not depend on the default unless the value is empty.
void CheckLookup(const IniReader& ini, std::string_view section, std::string_view key) {
    const std::string a = ini.GetString(section, key, "a", kNoLimit);
    const std::string b = ini.GetString(section, key, "b", kNoLimit);
    const int one = ini.GetInt(section, key, 1), two = ini.GetInt(section, key, 2);
    if (a != b) {
        FUZZ_CHECK(a == "a" && b == "b" && one == 1 && two == 2);
        return;
    }
    const std::string& value = a;
    FUZZ_CHECK(value.find('\n') == std::string::npos);
    FUZZ_CHECK(value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back())));
    FUZZ_CHECK(ini.GetString(SwapCase(section), SwapCase(key), "b", kNoLimit) == value);
    for (std::size_t buffer : {std::size_t{0}, std::size_t{1}, kRowBufferSize, kNameBufferSize})
        FUZZ_CHECK(ini.GetString(section, key, "a", buffer) ==
                   value.substr(0, buffer == 0 ? 0 : buffer - 1));
    FUZZ_CHECK(value.empty() ? one == 1 && two == 2 : one == two);
}

// A name the writer may put on a key line: not empty, not a comment.
std::string KeyName(std::string_view piece) {
    if (piece.empty() || piece[0] == ';') return "k" + std::string(piece);
    return std::string(piece);
}

// A section written in front of the text, with a key and a number named by pieces of it, comes
// first and so wins over whatever the text holds under the same names.
void CheckWrittenInFront(std::string_view text,
                         const std::vector<std::pair<std::string_view, char>>& pieces,
                         const uint8_t* data, std::size_t size) {
    auto piece = [&](std::size_t i) {
        return pieces.empty() ? std::string_view{} : pieces[i % pieces.size()].first;
    };
    const std::string section(piece(0)), key = KeyName(piece(1)), value(piece(2));
    int32_t number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    const std::string written = "[" + section + "]\r\n" + key + " = " + value + "\r\n" + key +
                                "#n=" + std::to_string(number) + "\n" + std::string(text);
    const IniReader ini(written);
    FUZZ_CHECK(ini.GetString(section, key, "?", kNoLimit) == value);
    FUZZ_CHECK(ini.GetInt(SwapCase(section), key + "#N", 0) == number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniReader ini(text);
    const auto pieces = Pieces(text);
    std::string_view section;
    std::size_t lookups = 0;
    for (std::size_t i = 0; i < pieces.size() && lookups < kMaxLookups; ++i) {
        const auto [piece, end] = pieces[i];
        if (i > 0 && pieces[i - 1].second == '[') section = piece;
        if (end == '=') {
            CheckLookup(ini, section, piece);
            ++lookups;
        }
    }
    // A key no line can hold is missing from every section.
    FUZZ_CHECK(ini.GetString(section, "=", "default", kNoLimit) == "default");
    CheckWrittenInFront(text, pieces, data, size);
    return 0;
}
