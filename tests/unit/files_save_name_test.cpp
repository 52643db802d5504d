// Tests of the name the Save dialog proposes.
#include <gtest/gtest.h>

#include "files/save_name.h"

TEST(SaveName, DefaultNameFromLastPuzzleAndDate) {
    EXPECT_EQ(DefaultSaveName("Tutorial", "move a figure", "12/31/10"),
              "[Tutorial] move a figure [12_31_10]");
    EXPECT_EQ(DefaultSaveName("", "", "31.12.10"), "[31_12_10]");
    EXPECT_EQ(DefaultSaveName("", "cross", "2010-12-31"), "cross [2010_12_31]");
    EXPECT_EQ(DefaultSaveName("Easy", "", "1 2 3"), "[Easy] [1_2_3]");
}
