// The texts of a track-list row, worked out by hand from the table-of-contents minutes and seconds.
#include <gtest/gtest.h>

#include "trackmill/app/windows/TrackRow.h"

namespace {

TEST(TrackRowTest, LengthIgnoresFramesAndSizeIsRoundedHundredthsOfAMegabyte) {
    // 00:02 to 04:35: 273 s = 48,157,200 bytes = 45.926... MB -> 4593 hundredths.
    const TrackRowTexts row = MakeTrackRow(1, {0, 2}, {4, 35});
    EXPECT_EQ(row.Length, "04:33");
    EXPECT_EQ(row.Size, "45.93");
}

TEST(TrackRowTest, NegativeSecondsBorrowAMinute) {
    // 03:58 to 07:57: 4 minutes less one second.
    const TrackRowTexts row = MakeTrackRow(5, {3, 58}, {7, 57});
    EXPECT_EQ(row.Length, "03:59");
    // 239 s = 42,159,600 bytes = 40.206... MB.
    EXPECT_EQ(row.Size, "40.21");
}

TEST(TrackRowTest, SmallSizesKeepTwoDigitsEachSide) {
    // 5 s = 882,000 bytes = 0.841... MB.
    EXPECT_EQ(MakeTrackRow(1, {0, 2}, {0, 7}).Size, "00.84");
    EXPECT_EQ(MakeTrackRow(1, {0, 2}, {0, 2}).Length, "00:00");
}

TEST(TrackRowTest, GeneratedTitlesLineUp) {
    EXPECT_EQ(MakeTrackRow(9, {0, 2}, {0, 7}).Title, "音轨  9");
    EXPECT_EQ(GeneratedTrackTitle(10), "音轨 10");
}

}  // namespace
