#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FieldBits.h"
#include "FinchFrameFixtures.h"
#include "finchenc/DecodePass.h"
#include "finchenc/FinchCodec.h"
#include "tests/support/FileBytes.h"
#include "tests/support/LittleEndian.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/WavFixture.h"

namespace finch {
namespace {

using testsupport::le32At;
using testsupport::readFileBytes;

struct PassResult {
    int status;
    std::string output;
};

class DecodePassTest : public ::testing::Test {
  protected:
    PassResult decode(const std::vector<unsigned char>& cpfBytes, const std::string& rate = "24") {
        testsupport::writeFileBytes(cpf, cpfBytes);
        FinchCodec codec;
        ::testing::internal::CaptureStdout();
        const int status = runDecodePass(codec, rate.c_str(), cpf.c_str(), fo.c_str());
        return {status, ::testing::internal::GetCapturedStdout()};
    }

    static void append(std::vector<unsigned char>& to, const std::vector<unsigned char>& more) {
        to.insert(to.end(), more.begin(), more.end());
    }

    // A finished WAVE file of n samples: sizes in the header match the data.
    static void expectFinishedWave(const std::vector<unsigned char>& wav, std::size_t samples) {
        ASSERT_EQ(wav.size(), 44 + 2 * samples);
        EXPECT_EQ(le32At(wav, 4), 36 + 2 * samples);
        EXPECT_EQ(le32At(wav, 40), 2 * samples);
    }

    std::vector<unsigned char> silentStream(int frames) {
        std::vector<unsigned char> bytes = {0x06, 0x00};
        for (int i = 0; i < frames; ++i) {
            append(bytes, test::silentFrame(6));
        }
        return bytes;
    }

    testsupport::ScratchFolder dir;
    std::string cpf = dir.file("in.fnc");
    std::string fo = dir.file("out.wav");
};

TEST_F(DecodePassTest, DropsTheFirstFrameAndWritesTheRest) {
    auto bytes = silentStream(3);
    append(bytes, {0xFF, 0xFF, 0xFF});
    const PassResult result = decode(bytes);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "");
    const auto wav = readFileBytes(fo);
    expectFinishedWave(wav, 2 * 384);
    for (const std::int16_t s : testsupport::samplesAfterHeader(wav)) {
        ASSERT_EQ(s, 0);
    }
}

TEST_F(DecodePassTest, AnInvalidAllocationStopsWithAMessageAndAFinishedFile) {
    auto bytes = silentStream(2);
    auto bad = test::silentFrame(6);
    bad[1] = 0xF0;  // first word 0xF000: band 0's allocation field reads 7
    bad[0] = 0x00;
    append(bytes, bad);
    append(bytes, test::silentFrame(6));
    const PassResult result = decode(bytes);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Error on decode file \"" + cpf + "\" : frame 2 has a bit allocation above 5 !\n");
    expectFinishedWave(readFileBytes(fo), 384);
}

TEST_F(DecodePassTest, AFramePastItsBudgetStopsWithAMessage) {
    auto bytes = silentStream(1);
    // Every band at 5 bits and none shared: 288 + 160 + 12 x 160 bits, more than the frame's 1152.
    test::FieldWriter greedy;
    for (int b = 0; b < 32; ++b) {
        greedy.write(5, 3);
    }
    while (greedy.bitCount() < 1152) {
        greedy.write(0, 1);
    }
    append(bytes, greedy.bytes());
    const PassResult result = decode(bytes);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "Error on decode file \"" + cpf + "\" : frame 1 needs more bits than it holds !\n");
    expectFinishedWave(readFileBytes(fo), 0);
}

TEST_F(DecodePassTest, AnEndRecordWritesOnlyItsCountOfSamples) {
    auto bytes = silentStream(2);
    append(bytes, {0xFF, 0xFF, 0x00, 100});
    append(bytes, test::silentFrame(6));
    const PassResult result = decode(bytes);
    EXPECT_EQ(result.status, 0);
    expectFinishedWave(readFileBytes(fo), 384 + 100);
}

TEST_F(DecodePassTest, AnEndRecordCountAbove384WritesOneFrame) {
    auto bytes = silentStream(2);
    append(bytes, {0xFF, 0xFF, 0x12, 0x34});
    append(bytes, test::silentFrame(6));
    EXPECT_EQ(decode(bytes).status, 0);
    expectFinishedWave(readFileBytes(fo), 384 + 384);
}

TEST_F(DecodePassTest, AMissingCompressedFileIsReportedWithItsCause) {
    FinchCodec codec;
    ::testing::internal::CaptureStdout();
    const int status = runDecodePass(codec, "24", cpf.c_str(), fo.c_str());
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(output, "Error on open file \"" + cpf + "\" : No such file or directory !\n");
    expectFinishedWave(readFileBytes(fo), 0);
}

TEST_F(DecodePassTest, AnUncreatableOutputGivesTheFixedMessage) {
    testsupport::writeFileBytes(cpf, silentStream(2));
    FinchCodec codec;
    const std::string badOutput = dir.file("no-such-folder/out.wav");
    ::testing::internal::CaptureStdout();
    const int status = runDecodePass(codec, "24", cpf.c_str(), badOutput.c_str());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Error on open file qbx.wav !!\n");
    EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace finch
