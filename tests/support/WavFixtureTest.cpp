#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Snr.h"
#include "tests/support/WavFixture.h"
#include "tests/support/WavReader.h"

using namespace testsupport;

namespace {

TEST(WavFixture, WritesTheCanonicalHeaderByteForByte) {
    const ScratchFolder folder;
    writeWav(folder / "a.wav", {1, -2}, 8000);
    const Bytes expected = {'R', 'I', 'F', 'F', 40,  0,   0,   0,   'W',  'A',  'V', 'E', 'f',  'm',  't',  ' ',
                            16,  0,   0,   0,   1,   0,   1,   0,   0x40, 0x1F, 0,   0,   0x80, 0x3E, 0,    0,
                            2,   0,   16,  0,   'd', 'a', 't', 'a', 4,    0,    0,   0,   1,    0,    0xFE, 0xFF};
    EXPECT_EQ(readFileBytes(folder / "a.wav"), expected);
}

TEST(WavFixture, AnOddDataChunkGetsItsPadByteOutsideTheDataSize) {
    const Bytes file = wavFileBytes(1, 11025, 8, {7, 8, 9});
    ASSERT_EQ(file.size(), 44u + 4);
    EXPECT_EQ(file[4], 36 + 4);
    EXPECT_EQ(file[40], 3);
    EXPECT_EQ(file.back(), 0);
    EXPECT_EQ(dataAfterHeader(file), (Bytes{7, 8, 9}));
}

TEST(WavFixture, BothReadersGiveBackTheSamples) {
    const ScratchFolder folder;
    const std::vector<std::int16_t> samples = {0, 32767, -32768, 5};
    writeWav(folder / "s.wav", samples, 22050, 2);
    const CanonicalWav canonical = readCanonicalWav(folder / "s.wav");
    EXPECT_EQ(canonical.riffSize, 36u + 8);
    EXPECT_EQ(canonical.dataSize, 8u);
    EXPECT_EQ(canonical.samples, samples);
    const WavFile walked = readWavFile(folder / "s.wav");
    EXPECT_EQ(walked.channels, 2);
    EXPECT_EQ(walked.sampleRate, 22050u);
    EXPECT_EQ(walked.byteRate, 22050u * 4);
    EXPECT_EQ(walked.samples16(), samples);
}

TEST(WavFixture, MalformedFilesAreRefused) {
    const ScratchFolder folder;
    writeFileText(folder / "short.wav", "RIFF");
    EXPECT_THROW(readCanonicalWav(folder / "short.wav"), std::runtime_error);
    EXPECT_EQ(readWavFile(folder / "short.wav").channels, 0);
    Bytes overrun = wavFileBytes(1, 8000, 16, {1, 2});
    overrun[40] = 200;  // the data chunk claims more than the file holds
    folder.write("overrun.wav", overrun);
    EXPECT_EQ(readWavFile(folder / "overrun.wav").channels, 0);
    EXPECT_THROW(readFileBytes(folder / "missing.wav"), std::runtime_error);
}

TEST(Snr, MeasuresAgainstTheLaggedCopy) {
    const std::vector<std::int16_t> reference = {100, -100, 100, -100};
    // Error 10 on every sample: 10 log10(10000 / 100) = 20 dB.
    const std::vector<std::int16_t> decoded = {0, 110, -90, 110, -90};
    EXPECT_NEAR(snrDb(reference, decoded, 0, reference.size(), 1), 20.0, 1e-9);
    EXPECT_EQ(snrDb(reference, reference, 0, 4), std::numeric_limits<double>::infinity());
    EXPECT_NEAR(snrDb(reference, reference, 0, 4, 0, 1.0), 10 * std::log10(40000.0), 1e-9);
    EXPECT_NEAR(rootMeanSquare(reference), 100.0, 1e-9);
}

}  // namespace
