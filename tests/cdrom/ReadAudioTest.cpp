// Raw audio reads: the bytes of the image at the logical sectors asked for, bounded by the buffer and the disc.
#include "CueImage.h"
#include "DiscLayouts.h"
#include "DriveAt.h"
#include "ImageDrives.h"
#include "TrackBuffer.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace platform::cdrom;
using cdrom_test::CueImage;

namespace {

std::vector<std::uint8_t> FileSlice(const std::filesystem::path& file, int firstSector, int sectors) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(std::streamoff{firstSector} * AUDIO_SECTOR_BYTES);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(sectors) * AUDIO_SECTOR_BYTES);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(in.gcount(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

class ReadAudioTest : public ::testing::Test {
  protected:
    testsupport::ScratchFolder folder;
    CueImage image = CueImage::Write(folder.path(), "mixed", cdrom_test::MixedDisc());
    cdrom_test::ImageDrives drives{{image.cuePath()}};
    HCDROM handle = OpenDriveAt(0);

    ~ReadAudioTest() override { CloseCDHandle(handle); }
};

}  // namespace

TEST_F(ReadAudioTest, WholeTrackInTenSectorReadsMatchesTheImage) {
    // Track 2 of the mixed disc: sectors 525..724, read as the rip thread does.
    const int start = 525;
    const int count = 200;
    std::vector<std::uint8_t> ripped;
    for (int done = 0; done < count; done += 10) {
        TrackBuffer buffer(10);
        buffer->startFrame = static_cast<DWORD>(start + done);
        buffer->numFrames = 10;
        ASSERT_EQ(ReadCDAudioLBA(handle, buffer.get()), 1u);
        ASSERT_EQ(buffer->len, 10 * AUDIO_SECTOR_BYTES);
        ASSERT_EQ(buffer->startOffset, 0u);
        ripped.insert(ripped.end(), buffer->buf + buffer->startOffset, buffer->buf + buffer->startOffset + buffer->len);
    }
    EXPECT_EQ(ripped, FileSlice(image.binPath(), start, count));
    // The first sample pair is track 2's, not its pregap's silence nor track 1's.
    EXPECT_EQ(static_cast<std::int16_t>(ripped[0] | ripped[1] << 8), CueImage::LeftSample(2, 0));
    EXPECT_EQ(static_cast<std::int16_t>(ripped[2] | ripped[3] << 8), CueImage::RightSample(2, 0));
}

TEST_F(ReadAudioTest, FirstTrackAfterSectorZeroIsReadAtItsOwnSector) {
    TrackBuffer buffer(3);
    buffer->startFrame = 150;
    buffer->numFrames = 3;
    ASSERT_EQ(ReadCDAudioLBA(handle, buffer.get()), 1u);
    const std::vector<std::uint8_t> read(buffer->buf, buffer->buf + buffer->len);
    EXPECT_EQ(read, image.sectors(150, 3));
    EXPECT_EQ(static_cast<std::int16_t>(read[0] | read[1] << 8), CueImage::LeftSample(1, 0));
}

TEST_F(ReadAudioTest, TheLastSectorsOfSoundAreReadableAndNoSectorOfTheDataTrackIs) {
    // Track 2 (sound) ends at sector 725, where the data track starts; the lead-out is at 825.
    TrackBuffer buffer(5);
    buffer->startFrame = 720;
    buffer->numFrames = 5;
    ASSERT_EQ(ReadCDAudioLBA(handle, buffer.get()), 1u);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer->buf, buffer->buf + buffer->len), FileSlice(image.binPath(), 720, 5));
    for (const DWORD first : {721u, 725u, 820u}) {
        buffer->startFrame = first;
        EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u) << first;
        EXPECT_EQ(buffer->len, 0u) << first;
    }
}

TEST_F(ReadAudioTest, ReadsOutsideTheDiscOrTheBufferFail) {
    TrackBuffer buffer(10);
    buffer->startFrame = 820;  // 5 sectors left before the lead-out
    buffer->numFrames = 10;
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u);
    EXPECT_EQ(buffer->len, 0u);

    buffer->startFrame = 0xFFFFFFF0u;
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u) << "the end must not wrap around";

    buffer->startFrame = 0;
    buffer->numFrames = 11;  // one more than the buffer holds
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u);

    buffer->numFrames = 0;
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u);

    buffer->numFrames = 1;
    EXPECT_EQ(ReadCDAudioLBA(0, buffer.get()), 0u);
    EXPECT_EQ(ReadCDAudioLBA(handle, nullptr), 0u);
}

TEST_F(ReadAudioTest, ImageTakenAwayFailsTheNextRead) {
    TrackBuffer buffer(1);
    buffer->startFrame = 200;
    buffer->numFrames = 1;
    ASSERT_EQ(ReadCDAudioLBA(handle, buffer.get()), 1u);
    std::filesystem::remove(image.cuePath());
    EXPECT_EQ(ReadCDAudioLBA(handle, buffer.get()), 0u);
}
