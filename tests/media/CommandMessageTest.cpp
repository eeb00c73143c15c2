// The waveaudio device through command messages and parameter blocks, as a media player control sends them.
#include <gtest/gtest.h>

#include "MediaTest.h"
#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciErrors.h"
#include "platform/media/MciParms.h"

using namespace testsupport;

namespace {

class CommandMessageTest : public MediaTest {
  protected:
    template <typename Parms>
    static win::MCIERROR command(win::MCIDEVICEID id, win::UINT message, win::DWORD flags, Parms& parms) {
        return win::mciSendCommand(id, message, flags, reinterpret_cast<win::DWORD_PTR>(&parms));
    }

    win::MCIDEVICEID openElement(const std::filesystem::path& path) {
        element_ = path.string();
        win::MCI_OPEN_PARMS open;
        open.lpstrElementName = element_.c_str();
        EXPECT_EQ(command(0, win::MCI_OPEN, win::MCI_OPEN_ELEMENT | win::MCI_WAIT, open), 0u);
        return open.wDeviceID;
    }

    static win::DWORD_PTR status(win::MCIDEVICEID id, win::DWORD item) {
        win::MCI_STATUS_PARMS parms;
        parms.dwItem = item;
        EXPECT_EQ(command(id, win::MCI_STATUS, win::MCI_STATUS_ITEM, parms), 0u);
        return parms.dwReturn;
    }

    std::string element_;
};

TEST_F(CommandMessageTest, OpenPlayRecordSaveAndClose) {
    const auto path = folder_ / "speech.wav";
    writeFileBytes(path, wavFileBytes(1, 8000, 16, speechPrefix(6500 * 16)));
    const win::MCIDEVICEID id = openElement(path);
    ASSERT_NE(id, 0u);

    win::MCI_SET_PARMS set;
    set.dwTimeFormat = win::MCI_FORMAT_MILLISECONDS;
    EXPECT_EQ(command(id, win::MCI_SET, win::MCI_SET_TIME_FORMAT, set), 0u);
    EXPECT_EQ(status(id, win::MCI_STATUS_LENGTH), 6500u);
    EXPECT_EQ(status(id, win::MCI_STATUS_MODE), win::MCI_MODE_STOP);

    win::MCI_PLAY_PARMS play;
    play.dwFrom = 6400;
    EXPECT_EQ(command(id, win::MCI_PLAY, win::MCI_FROM | win::MCI_WAIT, play), 0u);
    EXPECT_EQ(audio_->played().at(0).samples.size(), 100u * 16);

    win::MCI_RECORD_PARMS record;
    record.dwFrom = 0;
    EXPECT_EQ(command(id, win::MCI_RECORD, win::MCI_FROM | win::MCI_RECORD_INSERT, record), 0u);
    EXPECT_EQ(status(id, win::MCI_STATUS_MODE), win::MCI_MODE_RECORD);
    sleepMs(200);
    win::MCI_GENERIC_PARMS generic;
    EXPECT_EQ(command(id, win::MCI_STOP, win::MCI_WAIT, generic), 0u);
    const win::DWORD_PTR length = status(id, win::MCI_STATUS_LENGTH);
    EXPECT_GT(length, 6600u);

    win::MCI_SAVE_PARMS save;
    EXPECT_EQ(command(id, win::MCI_SAVE, 0, save), 0u);
    EXPECT_EQ(dataAfterHeader(readFileBytes(path)).size() / 16, length);

    EXPECT_EQ(command(id, win::MCI_CLOSE, 0, generic), 0u);
    EXPECT_EQ(win::mciSendCommand(id, win::MCI_STATUS, win::MCI_STATUS_ITEM, 0), win::MCIERR_INVALID_DEVICE_ID);
    EXPECT_EQ(command(id, win::MCI_CLOSE, 0, generic), win::MCIERR_INVALID_DEVICE_ID);

    const win::MCIDEVICEID reopened = openElement(path);
    EXPECT_NE(reopened, id) << "a closed device's id came back";
    EXPECT_EQ(status(reopened, win::MCI_STATUS_LENGTH), length);
    EXPECT_EQ(command(reopened, win::MCI_CLOSE, 0, generic), 0u);
}

TEST_F(CommandMessageTest, SeekFlagsAndMissingBlocks) {
    const auto path = folder_ / "a.wav";
    writeFileBytes(path, wavFileBytes(1, 8000, 16, Bytes(16000)));
    const win::MCIDEVICEID id = openElement(path);
    win::MCI_SEEK_PARMS seek;
    EXPECT_EQ(command(id, win::MCI_SEEK, win::MCI_SEEK_TO_END, seek), 0u);
    EXPECT_EQ(status(id, win::MCI_STATUS_POSITION), 1000u);
    EXPECT_EQ(command(id, win::MCI_SEEK, win::MCI_SEEK_TO_START, seek), 0u);
    EXPECT_EQ(status(id, win::MCI_STATUS_POSITION), 0u);
    EXPECT_EQ(command(id, win::MCI_SEEK, win::MCI_SEEK_TO_START | win::MCI_SEEK_TO_END, seek),
              win::MCIERR_FLAGS_NOT_COMPATIBLE);
    EXPECT_EQ(command(id, win::MCI_SEEK, 0, seek), win::MCIERR_MISSING_PARAMETER);

    EXPECT_EQ(win::mciSendCommand(id, win::MCI_PLAY, win::MCI_FROM, 0), win::MCIERR_NULL_PARAMETER_BLOCK);
    EXPECT_EQ(win::mciSendCommand(id, win::MCI_STATUS, win::MCI_STATUS_ITEM, 0), win::MCIERR_NULL_PARAMETER_BLOCK);
    EXPECT_EQ(win::mciSendCommand(0, win::MCI_OPEN, win::MCI_OPEN_ELEMENT, 0), win::MCIERR_NULL_PARAMETER_BLOCK);
    EXPECT_EQ(win::mciSendCommand(id, 0x0999, 0, 0), win::MCIERR_UNRECOGNIZED_COMMAND);
    win::MCI_GENERIC_PARMS generic;
    EXPECT_EQ(command(id, win::MCI_CLOSE, 0, generic), 0u);
}

TEST_F(CommandMessageTest, DeviceTypeByIdOrNameOpensTheElement) {
    const auto path = folder_ / "typed.snd";  // an extension that would not choose a device
    writeFileBytes(path, wavFileBytes(1, 8000, 8, Bytes(800, 0x80)));
    const std::string element = path.string();
    win::MCI_OPEN_PARMS byName;
    byName.lpstrDeviceType = "WaveAudio";
    byName.lpstrElementName = element.c_str();
    ASSERT_EQ(command(0, win::MCI_OPEN, win::MCI_OPEN_TYPE | win::MCI_OPEN_ELEMENT, byName), 0u);
    EXPECT_EQ(status(byName.wDeviceID, win::MCI_STATUS_LENGTH), 100u);

    win::MCI_OPEN_PARMS byId;
    byId.lpstrDeviceType = reinterpret_cast<win::LPCSTR>(std::uintptr_t(win::MCI_DEVTYPE_WAVEFORM_AUDIO));
    byId.lpstrElementName = element.c_str();
    ASSERT_EQ(command(0, win::MCI_OPEN, win::MCI_OPEN_TYPE | win::MCI_OPEN_TYPE_ID | win::MCI_OPEN_ELEMENT, byId), 0u);
    EXPECT_NE(byId.wDeviceID, byName.wDeviceID);

    win::MCI_OPEN_PARMS untyped;
    untyped.lpstrElementName = element.c_str();
    EXPECT_EQ(command(0, win::MCI_OPEN, win::MCI_OPEN_ELEMENT, untyped), win::MCIERR_EXTENSION_NOT_FOUND);

    win::MCI_GENERIC_PARMS generic;
    EXPECT_EQ(command(byName.wDeviceID, win::MCI_CLOSE, 0, generic), 0u);
    EXPECT_EQ(command(byId.wDeviceID, win::MCI_CLOSE, 0, generic), 0u);
}

}  // namespace
