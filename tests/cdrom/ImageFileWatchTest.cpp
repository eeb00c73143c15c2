// The watch that spares a read of an image its look at the files: it answers yes for the image's own files only,
// and for good once it cannot see the folder any more.
#include "CueImage.h"
#include "DiscLayouts.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/detail/ImageFileWatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using cdrom_test::CueImage;
using platform::cdrom::detail::ImageFileWatch;

namespace {

class ImageFileWatchTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage image = CueImage::Write(folder.path(), "disc", cdrom_test::MixedDisc());
    ImageFileWatch watch{image.cuePath().string()};
};

}  // namespace

TEST_F(ImageFileWatchTest, QuietWhileNothingChanges) {
    EXPECT_FALSE(watch.changed());
    EXPECT_FALSE(watch.changed());
}

TEST_F(ImageFileWatchTest, OtherFilesOfTheFolderDoNotCount) {
    std::ofstream(folder.file("Track1.wav")) << "sound";
    EXPECT_FALSE(watch.changed());
}

TEST_F(ImageFileWatchTest, TheSheetWrittenCounts) {
    std::ofstream(image.cuePath(), std::ios::app) << "\n";
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
}

TEST_F(ImageFileWatchTest, TheBinRenamedAwayCounts) {
    std::filesystem::rename(image.binPath(), folder.file("elsewhere.bin"));
    EXPECT_TRUE(watch.changed());
}

TEST_F(ImageFileWatchTest, AFolderGoneLeavesEveryLookAYes) {
    const std::filesystem::path moved = folder.path().string() + "-moved";
    std::filesystem::rename(folder.path(), moved);
    EXPECT_TRUE(watch.changed());
    EXPECT_TRUE(watch.changed());
    std::filesystem::rename(moved, folder.path());
}
