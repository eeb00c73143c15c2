// The 44-byte header, checked byte by byte against the layout written out by hand.
#include <gtest/gtest.h>

#include "trackmill/app/jobs/WaveHeader.h"

namespace {

TEST(WaveHeaderTest, CdAudioHeaderBytes) {
    // 2,352,000 bytes of data = 0x0023E380; RIFF size 2,352,036 = 0x0023E3A4; 176400 = 0x0002B110.
    const std::array<std::uint8_t, 44> expected = {'R', 'I', 'F',  'F',  0xA4, 0xE3, 0x23, 0x00, 'W',  'A',  'V',
                                                   'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,    0,
                                                   2,   0,   0x44, 0xAC, 0,    0,    0x10, 0xB1, 0x02, 0x00, 4,
                                                   0,   16,  0,    'd',  'a',  't',  'a',  0x80, 0xE3, 0x23, 0x00};
    EXPECT_EQ(TWaveHeader::CdAudio(2352000).ToBytes(), expected);
}

TEST(WaveHeaderTest, OtherFormatsDeriveByteRateAndBlockAlign) {
    const auto bytes = TWaveHeader{1, 8000, 8, 100}.ToBytes();
    EXPECT_EQ(bytes[28] | bytes[29] << 8, 8000);  // byte rate
    EXPECT_EQ(bytes[32], 1);                      // block align
    const TWaveHeader read = TWaveHeader::FromBytes(bytes);
    EXPECT_EQ(read.Channels, 1);
    EXPECT_EQ(read.SampleRate, 8000u);
    EXPECT_EQ(read.BitsPerSample, 8);
    EXPECT_EQ(read.DataSize, 100u);
}

}  // namespace
