// Tests of the INI lookup rules shared by puzzle files and the settings file.
#include <gtest/gtest.h>

#include "files/ini.h"

TEST(IniReader, IntegersStopAtTheFirstNonDigit) {
    const std::pair<const char*, int> cases[] = {
        {"+5", 5},  {"  -3x", -3}, {"12 34", 12},     {"- 3", 0},
        {"007", 7}, {"", 99},      {"4294967297", 1}, {"-2147483648", -2147483647 - 1}};
    for (const auto& [value, expected] : cases) {
        IniReader ini(std::string("[S]\nK=") + value);
        EXPECT_EQ(ini.GetInt("S", "K", 99), expected) << '"' << value << '"';
    }
}

TEST(IniReader, StringsAreCutToTheBufferLessOne) {
    IniReader ini("[S]\nK=" + std::string(30, 'a'));
    EXPECT_EQ(ini.GetString("S", "K", "", 25), std::string(24, 'a'));
    EXPECT_EQ(ini.GetString("S", "none", "abcdef", 4), "abc");
    EXPECT_EQ(ini.GetString("S", "K", "", 0), "");
}

TEST(IniReader, NamesBlanksStrayLinesCommentsAndRepeats) {
    IniReader ini("A=1\n" // before any section: ignored
                  "[S]\r\n"
                  "; B=2\n" // comment
                  "no equals sign\n"
                  "[broken\n"                  // no closing bracket: not a section
                  "  zA \t=  first word  \r\n" // names match without case and blanks
                  "za=second\n"
                  "D=x=y\n"
                  "[s]\n" // a repeated section is ignored
                  "E=5\n"
                  "[ T ]\n"
                  "F=last line");
    EXPECT_EQ(ini.GetInt("S", "A", -1), -1);
    EXPECT_EQ(ini.GetInt("S", "; B", -1), -1);
    EXPECT_EQ(ini.GetString("s", "Za", "", 260), "first word");
    EXPECT_EQ(ini.GetString("S", "D", "", 260), "x=y");
    EXPECT_EQ(ini.GetInt("S", "E", -1), -1);
    EXPECT_EQ(ini.GetString("T", "F", "", 260), "last line");
    EXPECT_EQ(ini.GetInt("T", "D", 25), 25) << "a key of another section";
    EXPECT_EQ(ini.GetString("U", "F", "none", 260), "none") << "a missing section";
}
