// Track titles from CD-database records, well-formed and otherwise.
#include <gtest/gtest.h>

#include "trackmill/app/windows/CddbTitles.h"

namespace {

using Titles = std::map<int, std::string>;

TEST(CddbTitlesTest, EachTitleLineGivesItsTrackTrimmed) {
    const std::string record =
        "# xmcd\nDISCID=1a02a104\nDTITLE=Someone / Some Disc\nTTITLE0= First Song \r\nTTITLE1=Second\tSong\t\r\n"
        "EXTD=\n";
    EXPECT_EQ(CddbTrackTitles(record), (Titles{{0, "First Song"}, {1, "Second\tSong"}}));
}

TEST(CddbTitlesTest, RepeatedKeysAreJoinedInOrder) {
    const std::string record = "TTITLE0=A very long title that goes \nTTITLE1=Short\nTTITLE0=on and on\n";
    EXPECT_EQ(CddbTrackTitles(record), (Titles{{0, "A very long title that goes on and on"}, {1, "Short"}}));
}

TEST(CddbTitlesTest, DiscTitleAndMalformedKeysAreNoTitles) {
    const std::string record = "DTITLE=Disc\nTTITLE=none\nTTITLEx=bad\nTTITLE-1=neg\nTTITLE2 missing equals\n";
    EXPECT_TRUE(CddbTrackTitles(record).empty());
}

TEST(CddbTitlesTest, TextAfterTheFirstNulIsIgnored) {
    const std::string record = std::string("TTITLE0=Kept\n") + '\0' + "TTITLE1=Lost\n";
    EXPECT_EQ(CddbTrackTitles(record), (Titles{{0, "Kept"}}));
}

}  // namespace
