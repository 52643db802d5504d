// INI-style text lookup shared by puzzle files and the settings file.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// Buffer sizes the readers pass for string values; a value is cut to the size less one.
constexpr std::size_t kNameBufferSize = 260;
constexpr std::size_t kRowBufferSize = 25;

// Parses the text once and answers lookups the way the platform's profile calls do:
// - "[name]" starts a section; "key = value" is a key line, split at the first '='.
// - Section and key names match without regard to letter case (ASCII letters).
// - Blanks (spaces and tabs) around names and values are dropped; CR LF and LF both end a line,
//   and the last line needs no line end.
// - A missing section or key yields the caller's default.
// - When a section or a key occurs twice, the first one wins (a repeated section is ignored
//   as a whole).
// - Lines starting with ';', lines without '=' and key lines before the first section are
//   ignored. Quotes around a value are kept as part of it.
class IniReader {
  public:
    explicit IniReader(std::string_view text);

    // Optionally signed decimal number; reading stops at the first character that is not a
    // digit, so "-3x" gives -3 and a value without digits ("abc", "+") gives 0. An empty value
    // gives the default, as the platform does. Digits beyond the range of 32 bits wrap around
    // rather than overflow.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The value (or the default) cut to at most bufferSize - 1 characters.
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t bufferSize) const;

  private:
    const std::string* Find(std::string_view section, std::string_view key) const;

    // Lower-cased section name -> lower-cased key -> value.
    std::map<std::string, std::map<std::string, std::string>, std::less<>> sections_;
};
