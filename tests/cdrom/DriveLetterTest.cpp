// Drive letters for the audio-CD check: c: is fixed, the CD drives follow from d:, and a disc with audio tracks is
// the volume "Audio CD".
#include "CueImage.h"
#include "DiscLayouts.h"
#include "ImageDrives.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/Door.h"
#include "platform/cdrom/DriveLetters.h"

#include <gtest/gtest.h>

#include <filesystem>

using cdrom_test::CueImage;

namespace {

class DriveLetterTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage audio = CueImage::Write(folder.path(), "audio", cdrom_test::MixedDisc());
    CueImage data = CueImage::Write(folder.path(), "data", cdrom_test::DataOnlyDisc());
    cdrom_test::ImageDrives drives{{audio.cuePath(), data.cuePath()}};

    std::string Label(const char* root, win::BOOL& ok) {
        char name[64] = "untouched";
        win::DWORD serial = 7;
        win::DWORD longest = 0;
        win::DWORD flags = 0;
        ok = win::GetVolumeInformationA(root, name, sizeof name, &serial, &longest, &flags, nullptr, 0);
        return name;
    }
};

}  // namespace

TEST_F(DriveLetterTest, FirstCdDriveLetterIsD) {
    EXPECT_EQ(win::GetDriveTypeA("a:\\"), win::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(win::GetDriveTypeA("b:\\"), win::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(win::GetDriveTypeA("c:\\"), win::DRIVE_FIXED);
    EXPECT_EQ(win::GetDriveTypeA("d:\\"), win::DRIVE_CDROM);
    EXPECT_EQ(win::GetDriveTypeA("E:\\"), win::DRIVE_CDROM);
    EXPECT_EQ(win::GetDriveTypeA("d:"), win::DRIVE_CDROM);
    EXPECT_EQ(win::GetDriveTypeA("d:\\x"), win::DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(win::GetDriveTypeA("1:\\"), win::DRIVE_NO_ROOT_DIR);
}

TEST_F(DriveLetterTest, AudioDiscIsLabelledAudioCd) {
    win::BOOL ok = win::FALSE;
    EXPECT_EQ(Label("d:\\", ok), "Audio CD");
    EXPECT_EQ(ok, win::TRUE);
    EXPECT_EQ(Label("e:\\", ok), "") << "a data disc has no audio label";
    EXPECT_EQ(ok, win::TRUE);
}

TEST_F(DriveLetterTest, NoDiscNoVolume) {
    std::filesystem::remove(audio.cuePath());
    win::BOOL ok = win::TRUE;
    Label("d:\\", ok);
    EXPECT_EQ(ok, win::FALSE);
    Label("f:\\", ok);
    EXPECT_EQ(ok, win::FALSE) << "no drive at f:";
}

TEST_F(DriveLetterTest, OpenDoorTakesTheDiscOut) {
    ASSERT_TRUE(platform::cdrom::OpenDoor(0));
    win::BOOL ok = win::TRUE;
    Label("d:\\", ok);
    EXPECT_EQ(ok, win::FALSE);
    ASSERT_TRUE(platform::cdrom::CloseDoor(0));
    EXPECT_EQ(Label("d:\\", ok), "Audio CD");
    EXPECT_FALSE(platform::cdrom::OpenDoor(40)) << "no such drive";
}

TEST_F(DriveLetterTest, TooSmallNameBufferFails) {
    char name[8];
    EXPECT_EQ(win::GetVolumeInformationA("d:\\", name, sizeof name, nullptr, nullptr, nullptr, nullptr, 0), win::FALSE);
    char fileSystem[16];
    EXPECT_EQ(win::GetVolumeInformationA("d:\\", nullptr, 0, nullptr, nullptr, nullptr, fileSystem, sizeof fileSystem),
              win::TRUE);
    EXPECT_STREQ(fileSystem, "CDFS");
}
