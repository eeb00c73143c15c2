// The colour routines of the flat look: the worked examples, the exact halves and the clamps, and system colours
// resolved before any arithmetic.
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "TestColors.h"

#include "platform/framework/graphics/Colors.h"
#include "platform/testing/Settings.h"
#include "trackmill/components/ColorRoutines.h"

using components::DarkenColor;
using components::GrayColor;
using components::LightenColor;
using components::MixColors;
using framework::TColor;

namespace {

TEST(ColorRoutinesTest, LightenRoundsHalvesToEvenAndCapsThePercent) {
    // 0 + 127.5 rounds up to 128, 1 + 127 is 128, 2 + 126.5 rounds down to 128, 4 + 125.5 rounds up to 130.
    EXPECT_EQ(LightenColor(Rgb(0, 1, 2), 50), Rgb(128, 128, 128));
    EXPECT_EQ(LightenColor(Rgb(4, 4, 4), 50), Rgb(130, 130, 130));
    EXPECT_EQ(LightenColor(Rgb(10, 20, 30), 100), kWhite);
    EXPECT_EQ(LightenColor(Rgb(10, 20, 30), 250), kWhite);
    EXPECT_EQ(LightenColor(Rgb(10, 20, 30), 0), Rgb(10, 20, 30));
    EXPECT_EQ(LightenColor(Rgb(10, 20, 30), -40), Rgb(10, 20, 30));
    // 245 * 0.16 = 39.2, 235 * 0.16 = 37.6, 225 * 0.16 = 36.
    EXPECT_EQ(LightenColor(Rgb(10, 20, 30), 16), Rgb(49, 58, 66));
    EXPECT_EQ(LightenColor(kWhite, 68), kWhite);
}

TEST(ColorRoutinesTest, DarkenLowersGreenTwoLessAndClampsEveryChannel) {
    EXPECT_EQ(DarkenColor(kWhite, 10), Rgb(245, 247, 245));
    EXPECT_EQ(DarkenColor(kBlack, 1), Rgb(0, 1, 0));
    EXPECT_EQ(DarkenColor(kBlack, 2), kBlack);
    EXPECT_EQ(DarkenColor(kBlack, 90), kBlack);
    EXPECT_EQ(DarkenColor(Rgb(100, 255, 50), 60), Rgb(40, 197, 0));
    // A negative amount lightens, and stays within the channel.
    EXPECT_EQ(DarkenColor(Rgb(250, 250, 250), -10), Rgb(255, 255, 255));
}

TEST(ColorRoutinesTest, GrayAddsTheBrightnessToTheTruncatedMeanAndCapsAt240) {
    EXPECT_EQ(GrayColor(kWhite, 10), Rgb(240, 240, 240));
    EXPECT_EQ(GrayColor(kBlack, 10), Rgb(10, 10, 10));
    // (10 + 20 + 32) div 3 = 20.
    EXPECT_EQ(GrayColor(Rgb(10, 20, 32), 5), Rgb(25, 25, 25));
    EXPECT_EQ(GrayColor(Rgb(230, 230, 231), 20), Rgb(240, 240, 240));
}

TEST(ColorRoutinesTest, MixDividesEveryTermBeforeAdding) {
    const std::array two = {Rgb(255, 0, 0), Rgb(0, 0, 255)};
    EXPECT_EQ(MixColors(two), Rgb(127, 0, 127));
    // 100 div 3 + 101 div 3 + 104 div 3 = 33 + 33 + 34, one less than the true mean 101.
    const std::array three = {Rgb(100, 3, 2), Rgb(101, 3, 2), Rgb(104, 3, 2)};
    EXPECT_EQ(MixColors(three), Rgb(100, 3, 0));
    const std::array one = {Rgb(7, 8, 9)};
    EXPECT_EQ(MixColors(one), Rgb(7, 8, 9));
    EXPECT_EQ(MixColors(std::vector<TColor>{}), kBlack);
}

TEST(ColorRoutinesTest, SystemColoursAreResolvedFirst) {
    testdriver::ScopedSettings settings;
    testdriver::SetSystemColor(15, Rgb(212, 208, 200));
    testdriver::SetSystemColor(13, Rgb(10, 36, 106));
    EXPECT_EQ(LightenColor(framework::clBtnFace, 50), LightenColor(Rgb(212, 208, 200), 50));
    EXPECT_EQ(DarkenColor(framework::clBtnFace, 90), Rgb(122, 120, 110));
    EXPECT_EQ(GrayColor(framework::clHighlight, 0), Rgb(50, 50, 50));
    const std::array mixed = {framework::clBtnFace, framework::clHighlight};
    EXPECT_EQ(MixColors(mixed), Rgb(111, 122, 153));
    // The resolution happens at every call: a changed system colour gives a changed result.
    testdriver::SetSystemColor(15, Rgb(0, 0, 0));
    EXPECT_EQ(LightenColor(framework::clBtnFace, 50), Rgb(128, 128, 128));
}

}  // namespace
