// Bad commands, missing and malformed files, and the texts that describe them.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "MediaTest.h"
#include "platform/media/FailureCause.h"
#include "platform/media/Mci.h"
#include "platform/media/MciErrors.h"

using namespace testsupport;

namespace {

class ErrorTest : public MediaTest {};

std::string TextOf(win::MCIERROR error) {
    char text[256] = "unchanged";
    EXPECT_EQ(win::mciGetErrorString(error, text, sizeof text), win::TRUE) << error;
    return text;
}

TEST_F(ErrorTest, BadCommandsGiveTheirOwnErrorsAndTexts) {
    openFile("a.wav", 1, 8000, 16, Bytes(16000));
    const std::pair<const char*, win::MCIERROR> cases[] = {
        {"", win::MCIERR_MISSING_COMMAND_STRING},
        {"jump rec", win::MCIERR_UNRECOGNIZED_COMMAND},
        {"status", win::MCIERR_MISSING_DEVICE_NAME},
        {"status rec volume", win::MCIERR_UNRECOGNIZED_KEYWORD},
        {"status rec length mode", win::MCIERR_FLAGS_NOT_COMPATIBLE},
        {"play rec from half", win::MCIERR_BAD_INTEGER},
        {"play rec from", win::MCIERR_MISSING_PARAMETER},
        {"play rec from 99999999999", win::MCIERR_BAD_INTEGER},
        {"set rec time format frames", win::MCIERR_BAD_TIME_FORMAT},
        {"play nosuchdevice", win::MCIERR_INVALID_DEVICE_NAME},
        {"open \"unclosed.wav alias x", win::MCIERR_NO_CLOSING_QUOTE},
        {"open notes.txt alias x", win::MCIERR_EXTENSION_NOT_FOUND},
        {"open new type waveaudio", win::MCIERR_NEW_REQUIRES_ALIAS},
        {"open new alias x", win::MCIERR_DEVICE_TYPE_REQUIRED},
        {"record rec to 100", win::MCIERR_UNSUPPORTED_FUNCTION},
        {"record rec wait", win::MCIERR_FLAGS_NOT_COMPATIBLE},
        {"set rec door open", win::MCIERR_UNSUPPORTED_FUNCTION},
    };
    std::set<std::string> texts;
    for (const auto& [command, expected] : cases) {
        EXPECT_EQ(error(command), expected) << '"' << command << '"';
        const std::string text = TextOf(expected);
        EXPECT_FALSE(text.empty()) << expected;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 14u) << "two errors share a text";
    EXPECT_EQ(send("status rec mode"), "stopped") << "a refused command changed the device";
}

TEST_F(ErrorTest, MissingFileOpensNoDevice) {
    const auto missing = folder_ / "absent.wav";
    EXPECT_EQ(error("open " + Quoted(missing) + " alias rec"), win::MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(error("status rec length"), win::MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(error("open " + Quoted(folder_ / "no folder" / "x.wav") + " alias rec"), win::MCIERR_FILE_NOT_FOUND);
    EXPECT_NE(TextOf(win::MCIERR_FILE_NOT_FOUND), TextOf(win::MCIERR_INVALID_DEVICE_NAME));
}

TEST_F(ErrorTest, SavingIntoAFolderThatDoesNotExistFails) {
    openFile("a.wav", 1, 8000, 16, Bytes(160));
    EXPECT_EQ(error("save rec " + Quoted(folder_ / "gone" / "b.wav")), win::MCIERR_FILE_NOT_SAVED);
    EXPECT_FALSE(TextOf(win::MCIERR_FILE_NOT_SAVED).empty());
    EXPECT_EQ(error("open new type waveaudio alias blank"), 0u);
    EXPECT_EQ(error("save blank"), win::MCIERR_FILENAME_REQUIRED);
    EXPECT_EQ(error("close blank"), 0u);
}

TEST_F(ErrorTest, FailuresOfTheSystemAndTheSoundCardCarryTheirCause) {
    using platform::media::LastFailureCause;
    openFile("a.wav", 1, 8000, 16, Bytes(160));
    EXPECT_EQ(error("save rec " + Quoted(folder_ / "gone" / "b.wav")), win::MCIERR_FILE_NOT_SAVED);
    EXPECT_NE(LastFailureCause().find(std::strerror(ENOENT)), std::string::npos) << LastFailureCause();
    EXPECT_NE(LastFailureCause().find("b.wav"), std::string::npos) << LastFailureCause();
    send("status rec length");
    EXPECT_EQ(LastFailureCause(), "");

    std::filesystem::create_directory(folder_ / "folder.wav");
    EXPECT_EQ(error("open " + Quoted(folder_ / "folder.wav") + " alias dir"), win::MCIERR_INVALID_FILE);
    EXPECT_NE(LastFailureCause().find(std::strerror(EISDIR)), std::string::npos) << LastFailureCause();

    audio_->setAvailable(false, "the sound card is unplugged");
    EXPECT_EQ(error("play rec from 0"), win::MCIERR_WAVE_OUTPUTSUNSUITABLE);
    EXPECT_EQ(LastFailureCause(), "the sound card is unplugged");
}

TEST_F(ErrorTest, DuplicateAliasIsRefused) {
    openFile("a.wav", 1, 8000, 16, Bytes(160));
    writeFileBytes(folder_ / "b.wav", wavFileBytes(1, 8000, 16, Bytes(320)));
    EXPECT_EQ(error("open " + Quoted(folder_ / "b.wav") + " alias REC"), win::MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(send("status rec length"), "10");
}

TEST_F(ErrorTest, MalformedFilesAreRefused) {
    Bytes zeroRate = wavFileBytes(1, 8000, 16, Bytes(100));
    zeroRate[24] = zeroRate[25] = 0;
    Bytes hugeRate = wavFileBytes(1, 8000, 16, Bytes(100));
    hugeRate[24] = hugeRate[25] = hugeRate[26] = hugeRate[27] = 0xFF;
    Bytes twelveBits = wavFileBytes(1, 8000, 16, Bytes(100));
    twelveBits[34] = 12;
    Bytes floatSamples = wavFileBytes(1, 8000, 16, Bytes(100));
    floatSamples[20] = 3;
    Bytes threeChannels = wavFileBytes(1, 8000, 16, Bytes(100));
    threeChannels[22] = 3;
    threeChannels[32] = 6;
    Bytes wrongBlockAlign = wavFileBytes(2, 8000, 16, Bytes(100));
    wrongBlockAlign[32] = 2;
    Bytes noData = wavFileBytes(1, 8000, 16, {});
    noData.resize(36);
    const Bytes text{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    Bytes shortFormat = wavFileBytes(1, 8000, 16, {});
    shortFormat.resize(30);

    int index = 0;
    for (const Bytes& bytes : {zeroRate, hugeRate, twelveBits, floatSamples, threeChannels, wrongBlockAlign, noData,
                               text, shortFormat, Bytes{}}) {
        const auto path = folder_ / ("bad" + std::to_string(index++) + ".wav");
        writeFileBytes(path, bytes);
        EXPECT_EQ(error("open " + Quoted(path) + " alias bad"), win::MCIERR_INVALID_FILE) << path;
        EXPECT_EQ(error("close bad"), win::MCIERR_INVALID_DEVICE_NAME);
    }
}

TEST_F(ErrorTest, DataSizeBeyondTheFileIsCutToTheBytesPresent) {
    Bytes file = wavFileBytes(1, 8000, 16, Bytes(1601, 0x11));  // 1601 bytes: half a frame too many
    file[40] = 0xFF;
    file[41] = 0xFF;
    file[42] = 0xFF;
    file[43] = 0x7F;
    file.pop_back();  // the pad byte
    const auto path = folder_ / "long.wav";
    writeFileBytes(path, file);
    send("open " + Quoted(path) + " alias rec");
    EXPECT_EQ(send("status rec length"), "100");
    send("play rec wait");
    EXPECT_EQ(audio_->played().at(0).samples.size(), 1600u);
}

TEST_F(ErrorTest, ResultThatDoesNotFitIsAnOverflow) {
    openFile("a.wav", 1, 8000, 16, Bytes(160000));
    char result[4] = "xyz";
    EXPECT_EQ(win::mciSendString("status rec length", result, sizeof result, nullptr), win::MCIERR_PARAM_OVERFLOW);
    EXPECT_STREQ(result, "");
    char exact[6];
    EXPECT_EQ(win::mciSendString("status rec length", exact, sizeof exact, nullptr), 0u);
    EXPECT_STREQ(exact, "10000");
    EXPECT_EQ(win::mciSendString("status rec length", nullptr, 0, nullptr), 0u);
}

TEST_F(ErrorTest, ErrorTextIsCutToTheBufferAndUnknownCodesHaveNone) {
    const std::string whole = TextOf(win::MCIERR_FILE_NOT_FOUND);
    char shortText[8];
    EXPECT_EQ(win::mciGetErrorString(win::MCIERR_FILE_NOT_FOUND, shortText, sizeof shortText), win::TRUE);
    EXPECT_EQ(std::string(shortText), whole.substr(0, 7));
    char none[16] = "unchanged";
    EXPECT_EQ(win::mciGetErrorString(0, none, sizeof none), win::FALSE);
    EXPECT_STREQ(none, "");
    EXPECT_EQ(win::mciGetErrorString(12345, none, sizeof none), win::FALSE);
}

}  // namespace
