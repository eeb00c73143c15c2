#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "soundfile/DivisorRateTable.h"
#include "soundfile/SoundFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"

using namespace testsupport;

namespace soundfile {
namespace {

// The header a 16-bit 8000 Hz writer produces: divisor row 85 (A 9, B 35).
const Bytes kHeaderFor8000Hz = {
    0x00, 0xFF, 0x00, 0xFF,                                                           // marker
    'C',  'O',  'R',  'V',  'A',  'N',  'E',  ' ',  'S',  'P',  'E',  'E', 'C', 'H',  // text
    0x00, 0x00,                                                                       // its zero, byte 19
    0x00, 0x00,                                                                       // 20
    0x10, 0x00,                                                                       // 22: 16 bits
    0x55, 0x00,                                                                       // 24: row 85
    0x01, 0x00,                                                                       // 26
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                                               // 28, 30, 32
    0x01, 0x09, 0x23,                                                                 // flag, A 9, B 35
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                 // reserved
};

class SpeechHeaderWriting : public testing::Test {
  protected:
    Bytes writeAt(std::int32_t rate, std::int32_t bits, const std::vector<std::int16_t>& samples = {}) {
        const std::string path = files.file("out.spc");
        SoundFile file(path, rate, bits, 1, 0, 0);
        EXPECT_EQ(file.openWrite(SoundFileKind::SpeechHeader), 0);
        EXPECT_EQ(file.getSamplesLeft(), 0);
        EXPECT_EQ(file.littleEndian(), 1);
        EXPECT_EQ(file.sampleOffset(), bits <= 8 ? 128 : 0x8000);
        EXPECT_EQ(file.writeSamples(samples.data(), static_cast<std::int32_t>(samples.size())),
                  static_cast<std::int32_t>(samples.size()));
        EXPECT_EQ(file.getSamplesLeft(), static_cast<std::int32_t>(samples.size()));
        EXPECT_EQ(file.finishWrite(), 0);
        return readFileBytes(path);
    }

    static int chosenRow(const Bytes& header) { return header.at(24) | header.at(25) << 8; }

    ScratchFolder files;
};

TEST_F(SpeechHeaderWriting, HeaderAndOffsetBinarySamplesAreLaidOutByteForByte) {
    const Bytes written = writeAt(8000, 16, {0, 0x1234, -32768});
    ASSERT_EQ(written.size(), 48u + 6);
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 48), kHeaderFor8000Hz);
    EXPECT_EQ(Bytes(written.begin() + 48, written.end()), (Bytes{0x00, 0x80, 0x34, 0x92, 0x00, 0x00}));
}

TEST_F(SpeechHeaderWriting, EightBitSamplesAreStoredWithOffset128) {
    const Bytes written = writeAt(8000, 8, {0, -32768, 32767});
    ASSERT_EQ(written.size(), 48u + 3);
    EXPECT_EQ(written[22], 8);
    EXPECT_EQ(Bytes(written.begin() + 48, written.end()), (Bytes{0x80, 0x00, 0xFF}));
}

TEST_F(SpeechHeaderWriting, ChoosesTheNearestDivisorRow) {
    struct Case {
        std::int32_t rate;
        int row;
        int a, b;
    };
    for (const Case c : {Case{8000, 85, 9, 35}, Case{11025, 117, 10, 23}, Case{6704, 59, 9, 42},
                         Case{62872, 146, 9, 15}, Case{62873, 12, 13, 38}, Case{100000, 12, 13, 38}}) {
        SCOPED_TRACE(c.rate);
        const Bytes header = writeAt(c.rate, 16);
        EXPECT_EQ(chosenRow(header), c.row);
        EXPECT_EQ(header[35], c.a);
        EXPECT_EQ(header[36], c.b);
    }
}

TEST_F(SpeechHeaderWriting, RoundTripGivesTheDivisorRateAndTheSamples) {
    struct Case {
        std::int32_t rate, bits, readRate;
    };
    for (const Case c : {Case{8000, 16, 8045}, Case{11025, 16, 11019}, Case{11025, 8, 11019}}) {
        SCOPED_TRACE(c.rate);
        std::vector<std::int16_t> samples;
        for (int i = 0; i < 500; ++i) {
            const int value = i * 131 - 32768;
            samples.push_back(static_cast<std::int16_t>(c.bits == 8 ? value & ~0xFF : value));
        }
        writeAt(c.rate, c.bits, samples);
        SoundFile file(files.file("out.spc"));
        ASSERT_EQ(file.openRead(), 0);
        EXPECT_EQ(file.sampleRate(), c.readRate);
        EXPECT_EQ(file.bitsPerSample(), c.bits);
        EXPECT_EQ(file.channels(), 1);
        ASSERT_EQ(file.getSamplesLeft(), 500);
        std::vector<std::int16_t> read(500);
        EXPECT_EQ(file.readSamples(read.data(), 600), 500);
        EXPECT_EQ(read, samples);
    }
}

TEST_F(SpeechHeaderWriting, CarriesNoDisplayText) {
    const std::string path = files.file("text.spc");
    {
        SoundFile file(path);
        ASSERT_EQ(file.openWrite(SoundFileKind::SpeechHeader), 0);
        file.setDisplayText("ignored");
        EXPECT_EQ(file.getDisplayText(), std::nullopt);
        ASSERT_EQ(file.finishWrite(), 0);
    }
    EXPECT_EQ(readFileBytes(path).size(), 48u);
}

// A header as stored, field by field, for the reader.
struct SpeechHeader {
    Bytes bytes = Bytes(kHeaderFor8000Hz);

    SpeechHeader& set(std::size_t offset, std::initializer_list<std::uint8_t> values) {
        std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return *this;
    }
    SpeechHeader& legacyKey(std::uint32_t key) {
        Bytes stored;
        appendLe32(stored, key);
        std::copy(stored.begin(), stored.end(), bytes.begin() + 4);
        return *this;
    }
    SpeechHeader& rateIndex(std::int16_t index) {
        return set(34, {0}).set(24, {static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(index >> 8)});
    }
    SpeechHeader& divisors(std::uint8_t a, std::uint8_t b) { return set(34, {1, a, b}); }
    SpeechHeader& samples(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
};

class SpeechHeaderReading : public testing::Test {
  protected:
    int open(const Bytes& bytes) {
        file.emplace(files.write("in.spc", bytes));
        return file->openRead();
    }
    std::int32_t rateOf(const SpeechHeader& header) {
        EXPECT_EQ(open(header.bytes), 0);
        return file->sampleRate();
    }

    ScratchFolder files;
    std::optional<SoundFile> file;
};

TEST_F(SpeechHeaderReading, RateFromTheIndexTable) {
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(0)), 4340);
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(7)), 6510);
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(18)), 11575);
}

TEST_F(SpeechHeaderReading, IndexOutsideTheTableGives8000Hz) {
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(19)), 8000);
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(-1)), 8000);
    EXPECT_EQ(rateOf(SpeechHeader().rateIndex(32767)), 8000);
}

TEST_F(SpeechHeaderReading, RateFromSignedDivisors) {
    EXPECT_EQ(rateOf(SpeechHeader().divisors(9, 35)), 8045);
    EXPECT_EQ(rateOf(SpeechHeader().divisors(14, 58)), 3121);    // 5068800 / 1624
    EXPECT_EQ(rateOf(SpeechHeader().divisors(5, 35)), 8045);     // A below 9 counts as 9
    EXPECT_EQ(rateOf(SpeechHeader().divisors(0xF0, 35)), 8045);  // A -16
    EXPECT_EQ(rateOf(SpeechHeader().divisors(0x7F, 1)), 19955);  // 5068800 / 254
}

TEST_F(SpeechHeaderReading, DivisorBWithoutARateGives8000Hz) {
    EXPECT_EQ(rateOf(SpeechHeader().divisors(9, 0)), 8000);
    EXPECT_EQ(rateOf(SpeechHeader().divisors(9, 0x80)), 8000);  // B -128
    EXPECT_EQ(rateOf(SpeechHeader().divisors(9, 0xFF)), 8000);  // B -1
}

TEST_F(SpeechHeaderReading, SampleWidthFromTheSignedBitsField) {
    const auto widthOf = [&](std::uint8_t low, std::uint8_t high) {
        EXPECT_EQ(open(SpeechHeader().set(22, {low, high}).bytes), 0);
        return std::pair(file->bitsPerSample(), file->sampleOffset());
    };
    EXPECT_EQ(widthOf(8, 0), std::pair(8, 128));
    EXPECT_EQ(widthOf(1, 0), std::pair(8, 128));
    EXPECT_EQ(widthOf(0xFF, 0xFF), std::pair(8, 128));
    EXPECT_EQ(widthOf(9, 0), std::pair(16, 0x8000));
    EXPECT_EQ(widthOf(16, 0), std::pair(16, 0x8000));
}

TEST_F(SpeechHeaderReading, SampleCountFromTheFileLength) {
    ASSERT_EQ(open(SpeechHeader().samples(Bytes(1001, 0x80)).bytes), 0);
    EXPECT_EQ(file->getSamplesLeft(), 500);

    ASSERT_EQ(open(SpeechHeader().bytes), 0);
    EXPECT_EQ(file->getSamplesLeft(), 0);

    ASSERT_EQ(open(SpeechHeader().set(22, {8, 0}).samples({0x80, 0x00, 0xFF}).bytes), 0);
    EXPECT_EQ(file->getSamplesLeft(), 3);
    std::int16_t samples[3] = {};
    EXPECT_EQ(file->readSamples(samples, 3), 3);
    EXPECT_EQ(samples[0], 0);
    EXPECT_EQ(samples[1], -32768);
    EXPECT_EQ(samples[2], 32512);
}

TEST_F(SpeechHeaderReading, LegacyFilesAreRecognisedByTheirKey) {
    EXPECT_EQ(rateOf(SpeechHeader().legacyKey(0x1203FA)), 3472);
    EXPECT_EQ(rateOf(SpeechHeader().legacyKey(0x3203FC)), 8013);
    EXPECT_EQ(rateOf(SpeechHeader().legacyKey(0x8203FC)), 13022);
    EXPECT_EQ(rateOf(SpeechHeader().legacyKey(0x3203F8)), 16027);

    EXPECT_EQ(rateOf(SpeechHeader().legacyKey(0x12345678)), 8013);
    EXPECT_EQ(file->bitsPerSample(), 8);
    EXPECT_EQ(file->sampleOffset(), 128);
}

TEST_F(SpeechHeaderReading, HeaderTextMustEndWithinItsField) {
    // The text runs on without its zero byte: not the header text, so an old file.
    EXPECT_EQ(rateOf(SpeechHeader().set(18, {'X'}).rateIndex(7)), 8013);
    EXPECT_EQ(file->bitsPerSample(), 8);
    EXPECT_EQ(rateOf(SpeechHeader().set(4, {'c'}).rateIndex(7)), 8013);

    Bytes noZeroAnywhere(48, 'X');
    std::copy(kHeaderFor8000Hz.begin(), kHeaderFor8000Hz.begin() + 4, noZeroAnywhere.begin());
    ASSERT_EQ(open(noZeroAnywhere), 0);
    EXPECT_EQ(file->sampleRate(), 8013);
}

TEST_F(SpeechHeaderReading, FilesShorterThanTheHeaderFail) {
    for (std::size_t length : {4u, 20u, 47u}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(open(Bytes(kHeaderFor8000Hz.begin(), kHeaderFor8000Hz.begin() + static_cast<std::ptrdiff_t>(length))),
                  1);
        std::int16_t untouched = 0x5555;
        EXPECT_EQ(file->readSamples(&untouched, 1), 0);
        EXPECT_EQ(untouched, 0x5555);
    }
}

TEST(DivisorRateTable, RowsAscendFromTheLowestToTheHighestRate) {
    ASSERT_EQ(divisorRateTable.size(), 147u);
    EXPECT_EQ(divisorRateTable.front().rate, 4855);
    EXPECT_EQ(divisorRateTable.back().rate, 18773);
    EXPECT_EQ(divisorRateTable[59].rate, 6704);
    EXPECT_EQ(divisorRateTable[60].rate, 6704);
    for (std::size_t row = 0; row < divisorRateTable.size(); ++row) {
        SCOPED_TRACE(row);
        const DivisorRate& entry = divisorRateTable[row];
        EXPECT_GE(entry.a, 9);
        EXPECT_LE(entry.a, 14);
        EXPECT_GE(entry.b, 15);
        EXPECT_LE(entry.b, 58);
        EXPECT_EQ(entry.rate, 5068800 / (2 * entry.a * entry.b));
        if (row > 0) {
            EXPECT_GE(entry.rate, divisorRateTable[row - 1].rate);
        }
    }
}

}  // namespace
}  // namespace soundfile
