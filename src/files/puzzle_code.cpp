#include "files/puzzle_code.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr char kStart = 'Z';
constexpr int kVersion = 1;
constexpr int kOpenCells = 60;
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view kBlanks = " \t\r\n";

// The value 0..63 of a character of the alphabet; -1 for any other.
int Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '-') return 62;
    if (c == '_') return 63;
    return -1;
}

char Digit(int value) {
    return kAlphabet[value];
}

bool ValidSide(int side) {
    return side >= 1 && side <= kMaxFieldSide;
}

// Start, version, width, height, a character per six cells, two for the check.
std::size_t CodeLength(int width, int height) {
    return 4 + (width * height + 5) / 6 + 2;
}

// CRC-12 of the text's bytes: polynomial x^12 + x^11 + x^3 + x^2 + x + 1 (0x80F), register
// starting at 0, each byte's highest bit first, no final xor. It catches every change of a
// single character.
int Check(std::string_view text) {
    uint32_t crc = 0;
    for (const char c : text) {
        crc ^= uint32_t(static_cast<unsigned char>(c)) << 4;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x800 ? (crc << 1) ^ 0x80F : crc << 1) & 0xFFF;
    }
    return static_cast<int>(crc);
}

} // namespace

std::string PuzzleCode(int width, int height, const Grid& cells) {
    if (!ValidSide(width) || !ValidSide(height)) return {};
    std::string code{kStart, Digit(kVersion), Digit(width), Digit(height)};
    int value = 0, bits = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            value = value << 1 | (At(cells, x, y) != kCellBlocked);
            if (++bits == 6) {
                code += Digit(value);
                value = bits = 0;
            }
        }
    if (bits > 0) code += Digit(value << (6 - bits));
    const int check = Check(code);
    code += Digit(check >> 6);
    code += Digit(check & 63);
    return code;
}

DecodedPuzzle ReadPuzzleCode(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
    if (text.size() < 2 || text[0] != kStart) return {};
    for (const char c : text)
        if (Value(c) < 0) return {};
    const int version = Value(text[1]);
    if (version > kVersion) return {CodeFault::NewerVersion};
    if (version < kVersion || text.size() < 4) return {};
    const int width = Value(text[2]), height = Value(text[3]);
    if (!ValidSide(width) || !ValidSide(height) || text.size() != CodeLength(width, height))
        return {};
    const std::size_t checkAt = text.size() - 2;
    if (Check(text.substr(0, checkAt)) != Value(text[checkAt]) * 64 + Value(text[checkAt + 1]))
        return {};
    const int cellCount = width * height, stray = (6 - cellCount % 6) % 6;
    if ((Value(text[checkAt - 1]) & ((1 << stray) - 1)) != 0) return {};

    DecodedPuzzle puzzle{CodeFault::None, width, height, {}};
    int open = 0;
    for (int i = 0; i < cellCount; ++i) {
        const bool isOpen = (Value(text[4 + i / 6]) >> (5 - i % 6) & 1) != 0;
        At(puzzle.cells, i % width, i / width) = isOpen ? kCellOpen : kCellBlocked;
        open += isOpen;
    }
    if (open != kOpenCells) puzzle.fault = CodeFault::NotAPuzzle;
    return puzzle;
}

std::string CodeFaultText(CodeFault fault) {
    switch (fault) {
    case CodeFault::None:
        return {};
    case CodeFault::NotACode:
        return "This is not a puzzle code.";
    case CodeFault::NewerVersion:
        return "This puzzle code comes from a newer version of the game.";
    case CodeFault::NotAPuzzle:
        return "A puzzle needs 60 open cells.";
    }
    return {};
}

std::string SharedPuzzleName(int width, int height, const Grid& cells) {
    // 32-bit FNV-1a of the sides and of the cells row by row, '1' open and '0' blocked.
    uint32_t hash = 2166136261u;
    const auto add = [&hash](uint32_t byte) { hash = (hash ^ byte) * 16777619u; };
    add(uint32_t(width));
    add(uint32_t(height));
    const bool inRange = ValidSide(width) && ValidSide(height);
    for (int y = 0; inRange && y < height; ++y)
        for (int x = 0; x < width; ++x)
            add(At(cells, x, y) == kCellBlocked ? '0' : '1');
    char name[40];
    std::snprintf(name, sizeof name, "%d x %d %08x", width, height, static_cast<unsigned>(hash));
    return name;
}
