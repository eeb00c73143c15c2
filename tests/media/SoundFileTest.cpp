// The device's sound in files: an opened file is read where it lies, what is recorded goes to a working file, and
// save joins them; files at rates that no sound device serves are refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "MediaTest.h"
#include "platform/media/FailureCause.h"
#include "platform/media/MciErrors.h"

using namespace testsupport;

namespace {

class SoundFileTest : public MediaTest {};

// The resident set of this process in kilobytes.
std::size_t ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stoul(line.substr(6));
    return 0;
}

TEST_F(SoundFileTest, AFileAtARateNoSoundDeviceServesIsRefused) {
    for (const std::uint32_t rate : {1u, 10u, 3999u}) {
        const auto path = folder_ / ("rate" + std::to_string(rate) + ".wav");
        writeFileBytes(path, wavFileBytes(1, rate, 16, Bytes(64)));
        EXPECT_EQ(error("open " + Quoted(path) + " alias rec"), win::MCIERR_WAVE_OUTPUTSUNSUITABLE) << rate;
        EXPECT_NE(platform::media::LastFailureCause().find(std::to_string(rate) + " Hz"), std::string::npos)
            << platform::media::LastFailureCause();
        EXPECT_EQ(error("status rec length"), win::MCIERR_INVALID_DEVICE_NAME);
    }
    openFile("lowest.wav", 1, 4000, 16, Bytes(8000));
    EXPECT_EQ(send("status rec length"), "1000");
}

TEST_F(SoundFileTest, AnOpenedFileStaysOnDiskAndPlaysFromThere) {
    // A gigabyte of silence, sparse on disk: memory would notice it at once.
    const auto path = folder_ / "long.wav";
    constexpr std::uint64_t kDataSize = std::uint64_t(1) << 30;
    writeFileBytes(path, wavFileBytes(2, 44100, 16, Bytes(16, 0x11)));
    ASSERT_EQ(::truncate(path.c_str(), off_t(44 + kDataSize)), 0);
    {
        std::fstream header(path, std::ios::in | std::ios::out | std::ios::binary);
        const std::uint32_t size = std::uint32_t(kDataSize);
        header.seekp(40);
        header.write(reinterpret_cast<const char*>(&size), 4);
    }
    const std::size_t before = ResidentKilobytes();
    send("open " + Quoted(path) + " alias rec");
    send("set rec time format milliseconds");
    EXPECT_EQ(std::stoull(send("status rec length")), kDataSize / 4 * 1000 / 44100);
    send("play rec from 0 to 50 wait");
    EXPECT_LT(ResidentKilobytes(), before + 32 * 1024) << "the file was read into memory";
    ASSERT_FALSE(audio_->played().empty());
    const Bytes played = audio_->played().back().samples;
    ASSERT_GE(played.size(), 16u);
    EXPECT_TRUE(Bytes(played.begin(), played.begin() + 16) == Bytes(16, 0x11));
}

TEST_F(SoundFileTest, RecordingsBeforeAndAfterASaveAreAllKept) {
    Bytes original(16000);  // 1000 ms of a ramp that the speech fixture does not contain
    for (std::size_t i = 0; i < original.size(); ++i) original[i] = std::uint8_t(i * 7 + i / 256);
    const auto path = openFile("take.wav", 1, 8000, 16, original);
    send("record rec from 1000");
    waitForLength(1200);
    send("stop rec");
    send("save rec");
    const Bytes first = dataAfterHeader(readFileBytes(path));
    ASSERT_GT(first.size(), original.size());

    // Into the saved file, at its start: the device goes on from what it saved.
    send("record rec from 0");
    waitForLength(std::uint32_t(first.size() / 16 + 200));
    send("stop rec");
    const std::size_t insertedMs = std::stoul(send("status rec position"));
    send("save rec");
    send("close rec");
    const Bytes second = dataAfterHeader(readFileBytes(path));
    ASSERT_GT(second.size(), first.size());
    const std::size_t inserted = second.size() - first.size();
    EXPECT_EQ(inserted / 16, insertedMs);
    EXPECT_TRUE(Bytes(second.begin(), second.begin() + std::ptrdiff_t(inserted)) == speechPrefix(inserted));
    EXPECT_TRUE(Bytes(second.begin() + std::ptrdiff_t(inserted), second.end()) == first);
}

TEST_F(SoundFileTest, AFileReplacedUnderTheDeviceLeavesItsSoundAsItWas) {
    // The recorder copies a newer file over its working copy before it opens the device again.
    const auto path = openFile("work.wav", 1, 8000, 8, Bytes(800, 0x40));
    const auto newer = folder_ / "newer.wav";
    writeFileBytes(newer, wavFileBytes(1, 8000, 8, Bytes(400, 0x90)));
    std::filesystem::rename(newer, path);
    EXPECT_EQ(send("status rec length"), "100");
    send("play rec wait");
    EXPECT_TRUE(audio_->played().back().samples == Bytes(800, 0x40));
}

}  // namespace
