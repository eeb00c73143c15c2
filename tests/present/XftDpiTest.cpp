// The desktop's text resolution read from the X resource database's text.
#include <gtest/gtest.h>

#include "platform/present/XftDpi.h"

using present::DpiFromResources;

TEST(XftDpi, TheResourceLineGivesTheResolutionRounded) {
    EXPECT_EQ(DpiFromResources("Xft.dpi:\t120\n"), 120);
    EXPECT_EQ(DpiFromResources("Xft.antialias:\t1\nXft.dpi:\t96\nXft.hinting:\t1\n"), 96);
    EXPECT_EQ(DpiFromResources("Xft.dpi:  143.6"), 144) << "fractions round, the last line needs no newline";
    EXPECT_EQ(DpiFromResources("Xft.dpi:\t120\r\n"), 120);
}

TEST(XftDpi, NoneWithoutASaneValue) {
    EXPECT_EQ(DpiFromResources(""), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.antialias:\t1\n*customization:\t-color\n"), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.dpi:\n"), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.dpi:\tlarge\n"), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.dpi:\t120px\n"), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.dpi:\t0\n"), std::nullopt);
    EXPECT_EQ(DpiFromResources("Xft.dpi:\t122880\n"), std::nullopt) << "a setting in 1024ths is not a resolution";
    EXPECT_EQ(DpiFromResources("Xft.dpix:\t120\n"), std::nullopt);
}
