// Files keep their own sample format through open, record and save; headers checked byte by byte.
#include <gtest/gtest.h>

#include <chrono>

#include "MediaTest.h"

using namespace testsupport;

namespace {

class FormatTest : public MediaTest {};

TEST_F(FormatTest, EightBitMonoOddLengthSavesWithAPadByte) {
    openFile("eight.wav", 1, 11025, 8, {0x00, 0x80, 0xFF, 0x10, 0x7F});
    const auto copy = folder_ / "copy.wav";
    send("save rec " + Quoted(copy));

    // clang-format off
    const Bytes expected{
        'R', 'I', 'F', 'F', 42, 0, 0, 0, 'W', 'A', 'V', 'E',      // 4 + 24 + 8 + 5 + 1 pad
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,              // PCM, mono
        0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0,           // 11025 Hz, 11025 B/s, align 1, 8 bits
        'd', 'a', 't', 'a', 5, 0, 0, 0, 0x00, 0x80, 0xFF, 0x10, 0x7F, 0};
    // clang-format on
    EXPECT_EQ(readFileBytes(copy), expected);
}

TEST_F(FormatTest, SixteenBitStereoSavesItsFormat) {
    const Bytes frames{0x01, 0x02, 0x03, 0x04, 0xFD, 0xFE, 0xFF, 0x7F};
    const auto path = openFile("stereo.wav", 2, 44100, 16, frames);
    send("save rec");

    // clang-format off
    const Bytes expected{
        'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E',      // 4 + 24 + 8 + 8
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0,              // PCM, stereo
        0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 4, 0, 16, 0,       // 44100 Hz, 176400 B/s, align 4, 16 bits
        'd', 'a', 't', 'a', 8, 0, 0, 0, 0x01, 0x02, 0x03, 0x04, 0xFD, 0xFE, 0xFF, 0x7F};
    // clang-format on
    EXPECT_EQ(readFileBytes(path), expected);
}

TEST_F(FormatTest, OtherChunksAroundTheSamplesAreSkipped) {
    // A list chunk with an odd size (so a pad byte) before the format, and one after the data.
    Bytes file{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    const Bytes canonical = wavFileBytes(1, 8000, 8, {10, 20, 30, 40});
    file.insert(file.end(), canonical.begin() + 12, canonical.end());
    const Bytes trailer{'L', 'I', 'S', 'T', 2, 0, 0, 0, 'x', 'y'};
    file.insert(file.end(), trailer.begin(), trailer.end());
    const auto path = folder_ / "chunks.wav";
    writeFileBytes(path, file);

    send("open " + Quoted(path) + " alias rec");
    send("play rec wait");
    EXPECT_EQ(audio_->played().at(0).samples, (Bytes{10, 20, 30, 40}));
    send("save rec");
    EXPECT_EQ(readFileBytes(path), canonical);
}

TEST_F(FormatTest, RecordingIntoEightBitStereoKeepsItsFormat) {
    const auto path = openFile("eightstereo.wav", 2, 22050, 8, {});
    const auto start = std::chrono::steady_clock::now();
    send("record rec");
    sleepMs(200);
    waitForLength(150);
    send("stop rec");
    const double elapsedMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    send("save rec");
    const Bytes file = readFileBytes(path);
    EXPECT_EQ(le16At(file, 22), 2);
    EXPECT_EQ(le32At(file, 24), 22050u);
    EXPECT_EQ(le32At(file, 28), 44100u);
    EXPECT_EQ(le16At(file, 32), 2);
    EXPECT_EQ(le16At(file, 34), 8);
    const std::uint32_t size = le32At(file, 40);
    EXPECT_EQ(size % 2, 0u);
    // Paced by the clock: at least what was waited for, never more than the time that went by.
    EXPECT_GE(size / 44.1, 150.0);
    EXPECT_LE(size / 44.1, elapsedMs + 50.0);
    EXPECT_EQ(file.size(), 44 + size);
}

}  // namespace
