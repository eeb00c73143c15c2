// The demo image tool: spoken tracks that the CD layer lists, reads and labels as an audio disc.
#include "DriveAt.h"
#include "ImageDrives.h"
#include "TrackBuffer.h"
#include "tests/support/RunProgram.h"
#include "tests/support/ScratchFolder.h"

#include "platform/cdrom/CdAudio.h"
#include "platform/cdrom/DriveLetters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace platform::cdrom;

namespace {

const std::string kTool = testsupport::builtProgram("make-demo-cd");

int RunTool(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {kTool};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return testsupport::runProgram(argv).exitStatus;
}

bool Installed(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

int Frames(const TTocEntry& entry) { return entry.addr[1] * 4500 + entry.addr[2] * 75 + entry.addr[3]; }

// Root mean square of the 16-bit samples of count sectors from lsn, as a fraction of full scale.
double Level(HCDROM handle, int lsn, int count) {
    TrackBuffer buffer(count);
    buffer->startFrame = static_cast<DWORD>(lsn);
    buffer->numFrames = static_cast<DWORD>(count);
    if (ReadCDAudioLBA(handle, buffer.get()) != 1) return -1;
    double sum = 0;
    const std::size_t samples = buffer->len / 2;
    for (std::size_t i = 0; i < samples; ++i) {
        const auto value = static_cast<std::int16_t>(buffer->buf[2 * i] | buffer->buf[2 * i + 1] << 8);
        sum += static_cast<double>(value) * value;
    }
    return std::sqrt(sum / static_cast<double>(samples)) / 32768.0;
}

}  // namespace

TEST(DemoImageTest, UsageWithoutAFolder) { EXPECT_EQ(RunTool({}), 2); }

TEST(DemoImageTest, SpokenTracksOnAnAudioDisc) {
    if (!Installed("espeak-ng") || !Installed("sox")) GTEST_SKIP() << "espeak-ng and sox make the spoken tracks";
    testsupport::ScratchFolder folder;
    ASSERT_EQ(RunTool({folder.path().string(), "demo"}), 0);
    const std::filesystem::path cue = folder.path() / "demo.cue";
    cdrom_test::ImageDrives drives({cue});

    char label[64] = {};
    ASSERT_EQ(win::GetVolumeInformationA("d:\\", label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0),
              win::TRUE);
    EXPECT_STREQ(label, "Audio CD");

    const HCDROM handle = OpenDriveAt(0);
    TTableOfContents toc;
    ASSERT_EQ(ReadTOC(handle, &toc), 1u);
    EXPECT_EQ(toc.firstTrack, 1);
    EXPECT_EQ(toc.lastTrack, 4);
    EXPECT_EQ(Frames(toc.tracks[0]), 150);
    const int leadOut = Frames(toc.tracks[4]) - 150;
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "demo.bin"),
              static_cast<std::uintmax_t>(leadOut) * AUDIO_SECTOR_BYTES);
    for (int t = 0; t < 4; ++t) {
        const int start = Frames(toc.tracks[t]) - 150;
        const int end = Frames(toc.tracks[t + 1]) - 150;
        EXPECT_EQ(toc.tracks[t].adrControl, 0x10);
        ASSERT_GT(end - start, 2 * 75) << "track " << t + 1;
        EXPECT_GT(Level(handle, start, end - start - 75), 0.02) << "speech in track " << t + 1;
        EXPECT_LT(Level(handle, end - 60, 60), 0.001) << "silence closes track " << t + 1;
    }
    CloseCDHandle(handle);
}
