#include "platform/framework/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

using framework::MulDiv;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(-11, 144, 96), -17);  // -16.5
    EXPECT_EQ(MulDiv(11, 144, 96), 17);
    EXPECT_EQ(MulDiv(23, 144, 96), 35);  // 34.5
    EXPECT_EQ(MulDiv(7, 120, 96), 9);    // 8.75
    EXPECT_EQ(MulDiv(9, 120, 96), 11);   // 11.25
    EXPECT_EQ(MulDiv(5, -3, 2), -8);     // -7.5
}

TEST(MulDiv, TheProductDoesNotOverflow) {
    EXPECT_EQ(MulDiv(INT_MAX, 192, 192), INT_MAX);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(MulDiv, ADivisorOfZeroGivesMinusOne) { EXPECT_EQ(MulDiv(5, 2, 0), -1); }
