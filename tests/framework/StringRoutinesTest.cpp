#include "platform/framework/StringRoutines.h"

#include <gtest/gtest.h>

using namespace framework;

TEST(StringRoutines, TrimRemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\n 128 kbit/s \x01\x1f"), "128 kbit/s");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim("标题"), "标题");
}

TEST(StringRoutines, PosCountsFromOne) {
    EXPECT_EQ(Pos("Frame :", "Frame :  12 "), 1u);
    EXPECT_EQ(Pos("%", "  (45%)|"), 6u);
    EXPECT_EQ(Pos("#", "no mark"), 0u);
    EXPECT_EQ(Pos("", "text"), 0u);
}

TEST(StringRoutines, CopyCountsFromOneAndClips) {
    const std::string line = "  1234/5678   (21%)| 0:01/ 0:05";
    EXPECT_EQ(Copy(line, 3, 4), "1234");
    EXPECT_EQ(Copy(line, 0, 2), "  ");
    EXPECT_EQ(Copy("abc", 2, 100), "bc");
    EXPECT_EQ(Copy("abc", 4, 1), "");
    EXPECT_EQ(Copy("abc", 99, 1), "");
    EXPECT_EQ(Copy("abc", 1, 0), "");
    EXPECT_EQ(Copy("abc", 1, -5), "");
}
