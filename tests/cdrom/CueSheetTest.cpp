// CUE sheets are checked before libcdio parses them: TRACK numbers it would mishandle, FILE lines that do not name
// the BIN it reads and sound after short-sector tracks refuse the image, which then holds no disc; an accepted
// sheet with a short-sector data track at the end gets that track's own length.
#include "CueImage.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/DriveLetters.h"
#include "platform/cdrom/detail/CueSheet.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace platform::cdrom;
using platform::cdrom::detail::CheckCueSheet;
using platform::cdrom::detail::CueSheet;

namespace {

const std::filesystem::path Cue = "/images/disc.cue";

std::string Track(int number, const char* mode, const char* index) {
    return "  TRACK " + std::string(number < 10 ? "0" : "") + std::to_string(number) + " " + mode + "\n    INDEX 01 " +
           index + "\n";
}

std::string Refusal(const std::string& text) { return CheckCueSheet(text, Cue).refusal; }

TEST(CueSheetTest, AcceptedSheetsGiveEachTracksSectorSize) {
    const CueSheet sheet = CheckCueSheet("REM made by hand\r\nFILE \"disc.bin\" BINARY\r\n" +
                                             Track(3, "AUDIO", "00:00:00") + Track(4, "AUDIO", "00:10:00") +
                                             Track(5, "MODE1/2048", "00:20:00") + Track(6, "MODE2/2336", "00:30:00"),
                                         Cue);
    EXPECT_EQ(sheet.refusal, "");
    EXPECT_EQ(sheet.sectorBytes, (std::vector<int>{2352, 2352, 2048, 2336}));
    EXPECT_EQ(Refusal("file disc.bin binary\n" + Track(63, "audio", "00:00:00")), "");
    EXPECT_EQ(CheckCueSheet("FILE \"DISC.BIN\" BINARY\n" + Track(1, "AUDIO", "00:00:00"), "/images/DISC.CUE").refusal,
              "");
}

TEST(CueSheetTest, TrackNumbersLibcdioWouldMishandleAreRefused) {
    const std::string file = "FILE \"disc.bin\" BINARY\n";
    EXPECT_EQ(Refusal(file + Track(64, "AUDIO", "00:00:00")), "TRACK 64: the first track must be numbered 63 or lower");
    EXPECT_EQ(Refusal(file + Track(70, "AUDIO", "00:00:00")), "TRACK 70: the first track must be numbered 63 or lower");
    EXPECT_EQ(Refusal(file + "  TRACK 00 AUDIO\n"), "TRACK 00: numbers run from 1 to 99");
    EXPECT_EQ(Refusal(file + "  TRACK 100 AUDIO\n"), "TRACK 100: numbers run from 1 to 99");
    EXPECT_EQ(Refusal(file + "  TRACK x1 AUDIO\n"), "TRACK x1: numbers run from 1 to 99");
    EXPECT_EQ(Refusal(file + Track(1, "AUDIO", "00:00:00") + Track(3, "AUDIO", "00:01:00")),
              "TRACK 03: tracks must be numbered one after another");
    EXPECT_EQ(Refusal(file + Track(2, "AUDIO", "00:00:00") + Track(1, "AUDIO", "00:01:00")),
              "TRACK 01: tracks must be numbered one after another");
    EXPECT_EQ(Refusal(file + Track(1, "MODE3/999", "00:00:00")), "TRACK 01: unknown mode MODE3/999");
    EXPECT_EQ(Refusal(file + Track(1, "MODE1/2048", "00:00:00") + Track(2, "AUDIO", "00:01:00")),
              "TRACK 02: sound after a track of short sectors");
    EXPECT_EQ(Refusal(file), "no TRACK line");
}

TEST(CueSheetTest, FileLinesMustNameTheOneBinaryLibcdioReads) {
    const std::string track = Track(1, "AUDIO", "00:00:00");
    EXPECT_EQ(Refusal(track), "TRACK 01 before the FILE line");
    EXPECT_EQ(Refusal("REM nothing\n"), "no FILE line");
    EXPECT_EQ(Refusal("FILE \"other.bin\" BINARY\n" + track), "the FILE line must name disc.bin");
    EXPECT_EQ(Refusal("FILE \"../images/disc.bin\" BINARY\n" + track), "");
    EXPECT_EQ(Refusal("FILE \"disc.bin\" WAVE\n" + track), "the FILE line must name one BINARY file");
    EXPECT_EQ(Refusal("FILE \"disc.bin\"\n" + track), "the FILE line must name one BINARY file");
    EXPECT_EQ(Refusal("FILE \"disc.bin\" BINARY extra\n" + track), "the FILE line must name one BINARY file");
    EXPECT_EQ(Refusal("FILE \"disc.bin\" BINARY\nFILE \"disc.bin\" BINARY\n" + track), "more than one FILE line");
}

class SheetOfAnImageTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    cdrom_test::CueImage image = cdrom_test::CueImage::Write(folder.path(), "disc", {0, {{0, 75, true}}});

    void Rewrite(const std::string& sheet) { std::ofstream(image.cuePath(), std::ios::trunc) << sheet; }
};

TEST_F(SheetOfAnImageTest, AHighFirstTrackNumberGivesADriveWithoutADiscAndSaysWhy) {
    Rewrite("FILE \"disc.bin\" BINARY\n" + Track(70, "AUDIO", "00:00:00"));
    cdrom_test::ImageDrives drives({image.cuePath()});
    testing::internal::CaptureStderr();
    const HCDROM handle = OpenDriveAt(0);
    ASSERT_NE(handle, 0u);
    TTableOfContents toc;
    EXPECT_EQ(ReadTOC(handle, &toc), 0u);
    EXPECT_EQ(ReadTOC(handle, &toc), 0u);
    char label[64] = "unchanged";
    EXPECT_FALSE(win::GetVolumeInformationA("d:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "trackmill: CD image " + image.cuePath().string() +
                        " refused: TRACK 70: the first track must be numbered 63 or lower\n")
        << "said once, however often the image is opened";
    CloseCDHandle(handle);
}

TEST_F(SheetOfAnImageTest, AShortSectorDataTrackAtTheEndEndsWhereItsBytesEnd) {
    // 75 sectors of sound, then 30 data sectors of 2048 bytes: libcdio would count 26 sectors of 2352.
    std::ofstream(image.binPath(), std::ios::app) << std::string(30 * 2048, '\x5A');
    Rewrite("FILE \"disc.bin\" BINARY\n" + Track(1, "AUDIO", "00:00:00") + Track(2, "MODE1/2048", "00:01:00"));
    cdrom_test::ImageDrives drives({image.cuePath()});
    const HCDROM handle = OpenDriveAt(0);
    TTableOfContents toc;
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    // Lead-out at sector 105: frames 255 = 00:03:30.
    EXPECT_EQ(toc.tracks[2].addr[2], 3);
    EXPECT_EQ(toc.tracks[2].addr[3], 30);
    CloseCDHandle(handle);
}

}  // namespace
