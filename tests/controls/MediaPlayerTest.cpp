// The media player control over the waveaudio device: opening, seeking by its buttons, OnClick before the
// button's own action, and device errors as exceptions.
#include <filesystem>
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/Exception.h"
#include "platform/framework/mediaplayer/MediaPlayer.h"
#include "platform/testing/InputInjection.h"
#include "platform/testing/MessagePump.h"

using namespace framework;

namespace {

const char* const kSpeech = TRACKMILL_TEST_DATA "/speech8k.wav";

struct PlayerEvents {
    TMediaPlayer* player = nullptr;
    bool allow = true;
    std::vector<unsigned> positionsSeen;
    void Clicked(TObject*, TMPBtnType, bool& doDefault) {
        positionsSeen.push_back(player->Position());
        doDefault = allow;
    }
};

}  // namespace

TEST_F(ControlsTest, AMediaPlayerOpensAWaveFileAndSeeksWithItsButtons) {
    TForm* form = ShowForm();
    auto* player = new TMediaPlayer(form);
    player->SetParent(form);
    player->SetVisibleButtons(MPButton(btPlay) | MPButton(btStop) | MPButton(btNext) | MPButton(btPrev));
    player->SetBounds(10, 10, 4 * 29, 30);
    player->SetAutoEnable(false);
    player->SetEnabledButtons(MPButton(btNext) | MPButton(btPrev) | MPButton(btPlay));
    player->SetFileName(kSpeech);
    player->Open();
    // 8000 samples of 2 bytes a second after the 44-byte header.
    const auto bytes = std::filesystem::file_size(kSpeech);
    EXPECT_EQ(player->Length(), static_cast<unsigned>((bytes - 44) / 2 * 1000 / 8000));
    EXPECT_EQ(player->Mode(), mpStopped);
    PlayerEvents events;
    events.player = player;
    player->OnClick = TMPNotifyEvent::Bind<&PlayerEvents::Clicked>(&events);
    testdriver::PumpUntilIdle();

    testdriver::Click(At(*player, 2 * 29 + 14, 15));  // the third visible button: next
    testdriver::PumpUntilIdle();
    ASSERT_EQ(events.positionsSeen.size(), 1u);
    EXPECT_EQ(events.positionsSeen[0], 0u) << "OnClick runs before the button's own action";
    EXPECT_EQ(player->Position(), player->Length());

    events.allow = false;
    testdriver::Click(At(*player, 3 * 29 + 14, 15));  // previous, cancelled by the handler
    testdriver::PumpUntilIdle();
    EXPECT_EQ(player->Position(), player->Length());

    testdriver::Click(At(*player, 1 * 29 + 14, 15));  // stop: not enabled
    testdriver::PumpUntilIdle();
    EXPECT_EQ(events.positionsSeen.size(), 2u);
    player->Close();
    EXPECT_FALSE(player->IsOpen());
}

TEST_F(ControlsTest, AMediaPlayerReportsDeviceErrorsAsExceptions) {
    TMediaPlayer player(nullptr);
    player.SetFileName("/nonexistent/folder/missing.wav");
    try {
        player.Open();
        FAIL() << "opened a missing file";
    } catch (const Exception& e) {
        EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_THROW(player.Play(), Exception);
}
