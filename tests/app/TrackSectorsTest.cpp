// Track positions from the table of contents: entries counted from the disc's first track, addresses less the
// lead-in.
#include <gtest/gtest.h>

#include "platform/cdrom/CdRecords.h"
#include "trackmill/app/jobs/TrackSectors.h"

using platform::cdrom::TTableOfContents;

namespace {

void SetAddress(TTableOfContents& toc, int entry, int minutes, int seconds, int frames) {
    toc.tracks[entry].addr[1] = static_cast<std::uint8_t>(minutes);
    toc.tracks[entry].addr[2] = static_cast<std::uint8_t>(seconds);
    toc.tracks[entry].addr[3] = static_cast<std::uint8_t>(frames);
}

TEST(TrackSectorsTest, NormalDiscStartsAtSectorZero) {
    TTableOfContents toc;
    toc.firstTrack = 1;
    toc.lastTrack = 2;
    SetAddress(toc, 0, 0, 2, 0);    // 150 frames: sector 0
    SetAddress(toc, 1, 4, 35, 40);  // 4*4500 + 35*75 + 40 = 20665
    SetAddress(toc, 2, 7, 0, 0);    // lead-out, 31500
    const auto first = TrackSectors(toc, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Start, 0);
    EXPECT_EQ(first->Count, 20515);
    const auto second = TrackSectors(toc, 2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Start, 20515);
    EXPECT_EQ(second->Count, 10835);
}

TEST(TrackSectorsTest, DiscWhoseFirstTrackIsThree) {
    TTableOfContents toc;
    toc.firstTrack = 3;
    toc.lastTrack = 4;
    SetAddress(toc, 0, 0, 4, 0);   // track 3 at 300 frames: sector 150
    SetAddress(toc, 1, 0, 10, 0);  // track 4 at 750
    SetAddress(toc, 2, 0, 12, 5);  // lead-out at 905
    const auto three = TrackSectors(toc, 3);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->Start, 150);
    EXPECT_EQ(three->Count, 450);
    const auto four = TrackSectors(toc, 4);
    ASSERT_TRUE(four);
    EXPECT_EQ(four->Start, 600);
    EXPECT_EQ(four->Count, 155);
    EXPECT_FALSE(TrackSectors(toc, 1));
    EXPECT_FALSE(TrackSectors(toc, 5));
}

TEST(TrackSectorsTest, EntryWithoutSectorsHasZeroCount) {
    TTableOfContents toc;
    toc.firstTrack = 1;
    toc.lastTrack = 2;
    SetAddress(toc, 0, 0, 2, 0);
    SetAddress(toc, 1, 0, 2, 0);
    SetAddress(toc, 2, 0, 3, 0);
    EXPECT_EQ(TrackSectors(toc, 1)->Count, 0);
}

TEST(TrackSectorsTest, TableWithTooManyTracksIsBounded) {
    TTableOfContents toc;
    toc.firstTrack = 1;
    toc.lastTrack = 100;
    EXPECT_FALSE(TrackSectors(toc, 100));
}

}  // namespace
