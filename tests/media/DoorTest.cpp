// The cdaudio device's door commands, as the main window sends them, reach the door handler.
#include <gtest/gtest.h>

#include <vector>

#include "platform/media/CdDoor.h"
#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciErrors.h"
#include "platform/media/MciParms.h"

namespace {

using platform::media::DoorMove;

class DoorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::media::SetCdDoorHandler([this](DoorMove move) {
            moves_.push_back(move);
            return doorWorks_;
        });
    }
    void TearDown() override { platform::media::SetCdDoorHandler(nullptr); }

    std::vector<DoorMove> moves_;
    bool doorWorks_ = true;
};

TEST_F(DoorTest, OpenAndClosedCommandsMoveTheDoor) {
    const auto window = reinterpret_cast<win::HWND>(0x1234);
    EXPECT_EQ(win::mciSendString("Set cdaudio door open wait", nullptr, 0, window), 0u);
    EXPECT_EQ(win::mciSendString("Set cdaudio door closed wait", nullptr, 0, window), 0u);
    EXPECT_EQ(moves_, (std::vector<DoorMove>{DoorMove::Open, DoorMove::Close}));
}

TEST_F(DoorTest, DoorThatDoesNotMoveIsAHardwareError) {
    doorWorks_ = false;
    EXPECT_EQ(win::mciSendString("Set cdaudio door open wait", nullptr, 0, nullptr), win::MCIERR_HARDWARE);
    EXPECT_EQ(moves_.size(), 1u);
}

TEST_F(DoorTest, BadDoorCommandsDoNotMoveIt) {
    EXPECT_EQ(win::mciSendString("set cdaudio door ajar", nullptr, 0, nullptr), win::MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(win::mciSendString("set cdaudio", nullptr, 0, nullptr), win::MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(win::mciSendString("play cdaudio", nullptr, 0, nullptr), win::MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_TRUE(moves_.empty());
}

TEST_F(DoorTest, OpenedCdAudioDeviceTakesDoorMessages) {
    win::MCI_OPEN_PARMS open;
    open.lpstrDeviceType = reinterpret_cast<win::LPCSTR>(std::uintptr_t(win::MCI_DEVTYPE_CD_AUDIO));
    ASSERT_EQ(win::mciSendCommand(0, win::MCI_OPEN, win::MCI_OPEN_TYPE | win::MCI_OPEN_TYPE_ID,
                                  reinterpret_cast<win::DWORD_PTR>(&open)),
              0u);
    win::MCI_SET_PARMS set;
    EXPECT_EQ(win::mciSendCommand(open.wDeviceID, win::MCI_SET, win::MCI_SET_DOOR_CLOSED | win::MCI_WAIT,
                                  reinterpret_cast<win::DWORD_PTR>(&set)),
              0u);
    EXPECT_EQ(win::mciSendCommand(open.wDeviceID, win::MCI_SET, win::MCI_SET_DOOR_CLOSED | win::MCI_SET_DOOR_OPEN,
                                  reinterpret_cast<win::DWORD_PTR>(&set)),
              win::MCIERR_FLAGS_NOT_COMPATIBLE);
    EXPECT_EQ(win::mciSendCommand(open.wDeviceID, win::MCI_CLOSE, 0, 0), 0u);
    EXPECT_EQ(moves_, (std::vector<DoorMove>{DoorMove::Close}));
}

TEST_F(DoorTest, CdAudioOpenedByNameKeepsThatName) {
    char id[16];
    ASSERT_EQ(win::mciSendString("open cdaudio alias drive", id, sizeof id, nullptr), 0u);
    EXPECT_NE(std::string(id), "0");
    EXPECT_EQ(win::mciSendString("set drive door open", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(win::mciSendString("close drive", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(win::mciSendString("set drive door open", nullptr, 0, nullptr), win::MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(moves_, (std::vector<DoorMove>{DoorMove::Open}));
}

}  // namespace
