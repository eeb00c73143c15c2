// Every command the media control interface runs is told to the command observer as a line of command words,
// whether it came as a message or as a string.
#include <gtest/gtest.h>

#include <mutex>

#include "MediaTest.h"
#include "platform/media/CommandObserver.h"
#include "platform/media/Mci.h"
#include "platform/media/MciCommands.h"
#include "platform/media/MciParms.h"

using namespace testsupport;

namespace {

class CommandObserverTest : public MediaTest {
  protected:
    void SetUp() override {
        MediaTest::SetUp();
        previous_ = platform::media::SetCommandObserver([this](const std::string& line) {
            std::lock_guard lock(mutex_);
            lines_.push_back(line);
        });
    }
    void TearDown() override {
        platform::media::SetCommandObserver(previous_);
        MediaTest::TearDown();
    }
    std::vector<std::string> lines() {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    template <typename Parms>
    static void command(win::MCIDEVICEID id, win::UINT message, win::DWORD flags, Parms& parms) {
        win::mciSendCommand(id, message, flags, reinterpret_cast<win::DWORD_PTR>(&parms));
    }

    std::mutex mutex_;
    std::vector<std::string> lines_;
    platform::media::CommandObserver previous_;
};

TEST_F(CommandObserverTest, CommandMessagesAreToldWithTheirPositionsAndFiles) {
    const auto path = folder_ / "speech.wav";
    writeFileBytes(path, wavFileBytes(1, 8000, 16, speechPrefix(2000 * 16)));
    const std::string element = path.string();
    win::MCI_OPEN_PARMS open;
    open.lpstrElementName = element.c_str();
    command(0, win::MCI_OPEN, win::MCI_OPEN_ELEMENT | win::MCI_WAIT, open);
    const win::MCIDEVICEID id = open.wDeviceID;
    win::MCI_SET_PARMS set;
    command(id, win::MCI_SET, win::MCI_SET_TIME_FORMAT, set);
    win::MCI_STATUS_PARMS status;
    status.dwItem = win::MCI_STATUS_LENGTH;
    command(id, win::MCI_STATUS, win::MCI_STATUS_ITEM, status);
    win::MCI_PLAY_PARMS play;
    play.dwFrom = 1500;
    play.dwTo = 1600;
    command(id, win::MCI_PLAY, win::MCI_FROM | win::MCI_TO | win::MCI_WAIT, play);
    command(id, win::MCI_PLAY, 0, play);
    win::MCI_SEEK_PARMS seek;
    command(id, win::MCI_SEEK, win::MCI_SEEK_TO_END, seek);
    seek.dwTo = 700;
    command(id, win::MCI_SEEK, win::MCI_TO, seek);
    win::MCI_RECORD_PARMS record;
    record.dwFrom = 250;
    command(id, win::MCI_RECORD, win::MCI_FROM, record);
    win::MCI_GENERIC_PARMS generic;
    command(id, win::MCI_STOP, win::MCI_WAIT, generic);
    const std::string saved = (folder_ / "saved.wav").string();
    win::MCI_SAVE_PARMS save;
    save.lpfilename = saved.c_str();
    command(id, win::MCI_SAVE, win::MCI_SAVE_FILE, save);
    command(id, win::MCI_CLOSE, 0, generic);
    EXPECT_EQ(lines(), (std::vector<std::string>{"open " + element, "set time format milliseconds", "status length",
                                                 "play from 1500 to 1600", "play", "seek to end", "seek to 700",
                                                 "record from 250", "stop", "save " + saved, "close"}));
}

TEST_F(CommandObserverTest, CommandStringsAreToldAsTheMessagesTheyBecome) {
    const auto path = folder_ / "speech.wav";
    writeFileBytes(path, wavFileBytes(1, 8000, 16, speechPrefix(1000 * 16)));
    send("open " + Quoted(path) + " alias rec");
    send("play rec from 900 wait");
    send("close rec");
    EXPECT_EQ(lines(), (std::vector<std::string>{"open " + path.string() + " alias rec", "play from 900", "close"}));
}

TEST_F(CommandObserverTest, NobodyIsToldOnceTheObserverIsRemoved) {
    platform::media::SetCommandObserver({});
    send("open new type waveaudio alias rec");
    send("close rec");
    EXPECT_TRUE(lines().empty());
}

}  // namespace
