// The table of contents as the application reads it: entry t - 1 is track t, then the lead-out; addresses are the
// logical sector plus 150 as 0, minutes, seconds, frames.
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

using namespace platform::cdrom;
using cdrom_test::CueImage;

namespace {

std::array<BYTE, 4> Address(const TTocEntry& entry) {
    return {entry.addr[0], entry.addr[1], entry.addr[2], entry.addr[3]};
}

}  // namespace

TEST(TocTest, MixedDiscEntriesAndLeadOut) {
    testsupport::ScratchFolder folder;
    const CueImage image = CueImage::Write(folder.path(), "mixed", cdrom_test::MixedDisc());
    cdrom_test::ImageDrives drives({image.cuePath()});
    const HCDROM handle = OpenDriveAt(0);
    ASSERT_NE(handle, 0u);

    TTableOfContents toc;
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    EXPECT_EQ(toc.firstTrack, 1);
    EXPECT_EQ(toc.lastTrack, 3);
    EXPECT_EQ(toc.length, 2 + 4 * 8);
    EXPECT_EQ(Address(toc.tracks[0]), (std::array<BYTE, 4>{0, 0, 4, 0}));
    EXPECT_EQ(Address(toc.tracks[1]), (std::array<BYTE, 4>{0, 0, 9, 0}));
    EXPECT_EQ(Address(toc.tracks[2]), (std::array<BYTE, 4>{0, 0, 11, 50}));
    EXPECT_EQ(Address(toc.tracks[3]), (std::array<BYTE, 4>{0, 0, 13, 0}));
    EXPECT_EQ(toc.tracks[0].trackNumber, 1);
    EXPECT_EQ(toc.tracks[2].trackNumber, 3);
    EXPECT_EQ(toc.tracks[3].trackNumber, 0xAA);
    EXPECT_EQ(toc.tracks[0].adrControl, 0x10);
    EXPECT_EQ(toc.tracks[1].adrControl, 0x10);
    EXPECT_EQ(toc.tracks[2].adrControl, 0x14);
    EXPECT_EQ(CloseCDHandle(handle), 1);
}

TEST(TocTest, AddressesPastOneMinuteCarryIntoMinutes) {
    testsupport::ScratchFolder folder;
    // Track 2 at sector 4600: frames 4750 = 1 min, 3 s, 25 f; lead-out at 4610: frames 4760 = 01:03:35.
    const CueImage image = CueImage::Write(folder.path(), "long", {0, {{0, 4600, true}, {0, 10, true}}});
    cdrom_test::ImageDrives drives({image.cuePath()});
    const HCDROM handle = OpenDriveAt(0);
    TTableOfContents toc;
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    EXPECT_EQ(Address(toc.tracks[0]), (std::array<BYTE, 4>{0, 0, 2, 0}));
    EXPECT_EQ(Address(toc.tracks[1]), (std::array<BYTE, 4>{0, 1, 3, 25}));
    EXPECT_EQ(Address(toc.tracks[2]), (std::array<BYTE, 4>{0, 1, 3, 35}));
    CloseCDHandle(handle);
}

TEST(TocTest, DiscIsReadAfreshOnEveryCall) {
    testsupport::ScratchFolder folder;
    const CueImage image = CueImage::Write(folder.path(), "disc", cdrom_test::PlainDisc());
    cdrom_test::ImageDrives drives({image.cuePath()});
    const HCDROM handle = OpenDriveAt(0);
    TTableOfContents toc;
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    EXPECT_EQ(toc.lastTrack, 2);

    std::filesystem::remove(image.cuePath());
    EXPECT_EQ(ReadTOC(handle, &toc), 0u) << "no disc, no table";

    // Another disc in the same drive: three tracks now.
    CueImage::Write(folder.path(), "disc", {0, {{0, 10, true}, {0, 10, true}, {0, 10, true}}});
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    EXPECT_EQ(toc.lastTrack, 3);
    EXPECT_EQ(Address(toc.tracks[3]), (std::array<BYTE, 4>{0, 0, 2, 30}));
    CloseCDHandle(handle);
}

TEST(TocTest, FailsWithoutAUsableDisc) {
    testsupport::ScratchFolder folder;
    const std::filesystem::path garbage = folder.path() / "garbage.cue";
    { std::ofstream(garbage) << "this is no cue sheet\n"; }
    const std::filesystem::path missing = folder.path() / "missing.cue";
    cdrom_test::ImageDrives drives({garbage, missing});
    TTableOfContents toc;
    const HCDROM first = OpenDriveAt(0);
    const HCDROM second = OpenDriveAt(1);
    ASSERT_NE(first, 0u) << "a drive opens without a disc";
    ASSERT_NE(second, 0u);
    EXPECT_EQ(ReadTOC(first, &toc), 0u);
    EXPECT_EQ(ReadTOC(second, &toc), 0u);
    EXPECT_EQ(ReadTOC(first, nullptr), 0u);
    EXPECT_EQ(ReadTOC(0, &toc), 0u);
    CloseCDHandle(first);
    CloseCDHandle(second);
}
