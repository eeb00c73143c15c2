// Discs that are not plain audio discs numbered from 1, from the track list: a disc whose first track is 3, discs
// with data tracks (listed, never read as audio) and an image whose CUE sheet libcdio would mishandle.
#include <fstream>

#include "WindowsFixture.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/menus/Action.h"
#include "platform/testing/MessagePump.h"
#include "trackmill/app/windows/MainForm.h"

namespace {

const std::string ReadFailedBox = "读取CD信息时出错！";
const std::string NoAudioCdBox = "请检查光驱中是否插入了音乐CD！";

class UnusualDiscsTest : public WindowsTest {
  protected:
    TMainForm* StartWithWavOutput() {
        std::ofstream(File("options.ini")) << "[CommonOptions]\nOutputFormat=1\n";
        return StartMainForm();
    }

    // The WAV of the track at position holds exactly that track's audio.
    void ExpectTrackWav(const cdrom_test::CueImage& image, int position, int number, int positions) {
        const std::vector<std::uint8_t> wav = ReadBytes(File("Track" + std::to_string(number) + ".wav"));
        const int start = image.trackStart(position);
        const int end = position == positions ? image.leadOut() : image.trackStart(position + 1);
        const std::vector<std::uint8_t> audio = image.sectors(start, end - start);
        ASSERT_EQ(wav.size(), 44 + audio.size()) << number;
        EXPECT_TRUE(std::equal(audio.begin(), audio.end(), wav.begin() + 44)) << number;
    }

    std::vector<std::string> Captions(TMainForm* form) const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->ListView1->ItemCount(); ++i) captions.push_back(form->ListView1->Items(i)->Caption());
        return captions;
    }
};

TEST_F(UnusualDiscsTest, ADiscWhoseFirstTrackIsThreeRipsTheTracksItsRowsName) {
    cdrom_test::ImageLayout layout{0, {{0, 120, true}, {0, 90, true}, {0, 60, true}}, 3};
    const cdrom_test::CueImage image = MakeImage("disc", layout);
    UseDrives({image});
    TMainForm* form = StartWithWavOutput();
    ASSERT_EQ(Captions(form), (std::vector<std::string>{"3", "4", "5"}));
    form->ListView1->Items(1)->SetChecked(false);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_TRUE(boxes.Shown().empty());
    ExpectTrackWav(image, 1, 3, 3);
    ExpectTrackWav(image, 3, 5, 3);
    EXPECT_FALSE(std::filesystem::exists(File("Track4.wav")));
    EXPECT_FALSE(std::filesystem::exists(File("Track1.wav")));
}

TEST_F(UnusualDiscsTest, ADataTrackIsListedUncheckedWithItsOwnLengthAndIsNeverRippedAsAudio) {
    // 20 seconds of audio, then 10 seconds of data in 2048-byte sectors.
    cdrom_test::ImageLayout layout{0, {{0, 1500, true}, {0, 750, false, 2048}}};
    const cdrom_test::CueImage image = MakeImage("mixed", layout);
    UseDrives({image});
    boxes.Allow(ReadFailedBox);
    TMainForm* form = StartWithWavOutput();
    ASSERT_EQ(form->ListView1->ItemCount(), 2);
    EXPECT_TRUE(form->ListView1->Items(0)->Checked());
    EXPECT_FALSE(form->ListView1->Items(1)->Checked());
    EXPECT_EQ(form->ListView1->Items(1)->Caption(), "2");
    EXPECT_EQ(form->ListView1->Items(1)->SubItems().Strings(1), "00:10");
    EXPECT_FALSE(form->FNoAudioCD);

    // Checked by hand, the data track is refused like a track that cannot be read, and no file is made for it.
    form->ListView1->Items(1)->SetChecked(true);
    form->ActionExtract->Execute();
    testdriver::PumpUntilIdle();
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{ReadFailedBox + "|音频抓轨"}));
    ExpectTrackWav(image, 1, 1, 2);
    EXPECT_FALSE(std::filesystem::exists(File("Track2.wav")));
}

TEST_F(UnusualDiscsTest, AnImageWhoseSheetIsRefusedIsADriveWithoutAnAudioCd) {
    const cdrom_test::CueImage image = MakeImage("disc", FourTrackDisc());
    std::ofstream(image.cuePath(), std::ios::trunc)
        << "FILE \"disc.bin\" BINARY\n  TRACK 70 AUDIO\n    INDEX 01 00:00:00\n";
    UseDrives({image});
    boxes.Allow(NoAudioCdBox);
    testing::internal::CaptureStderr();
    TMainForm* form = StartMainForm();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(form->StatusBar1->SimpleText(), "Imagedisc");
    EXPECT_EQ(form->ListView1->ItemCount(), 0);
    EXPECT_EQ(boxes.Shown(), (std::vector<std::string>{NoAudioCdBox + "|错误"}));
    EXPECT_NE(said.find("refused: TRACK 70"), std::string::npos) << said;
}

}  // namespace
