#pragma once
// A media player: a row of buttons bound to one device of the media control interface. A click on a button first
// raises OnClick, whose DoDefault may cancel the button's own action. Failures of the device raise Exception with
// the device's error text.
#include <string>

#include "platform/framework/controls/WinControl.h"
#include "platform/media/MciTypes.h"

namespace framework {

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
using TMPBtnTypes = unsigned;  // bit (1 << button) for each button in the set
inline constexpr TMPBtnTypes MPButton(TMPBtnType button) { return 1u << button; }
inline constexpr TMPBtnTypes kAllMPButtons = 0x1FF;

enum TMPDeviceTypes { dtAutoSelect, dtWaveAudio, dtCDAudio };
enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum TMPTimeFormats { tfMilliseconds };

using TMPNotifyEvent = TMethod<void(TObject* sender, TMPBtnType button, bool& doDefault)>;

class TMediaPlayer : public TWinControl {
  public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    TMPDeviceTypes DeviceType() const { return deviceType_; }
    void SetDeviceType(TMPDeviceTypes type) { deviceType_ = type; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    TMPTimeFormats TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(TMPTimeFormats format);
    // Whether the control enables the buttons that fit the device's state by itself.
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    TMPBtnTypes EnabledButtons() const { return enabledButtons_; }
    void SetEnabledButtons(TMPBtnTypes buttons);
    TMPBtnTypes VisibleButtons() const { return visibleButtons_; }
    void SetVisibleButtons(TMPBtnTypes buttons);

    void Open();
    void Close();
    void Play();
    void StartRecording();
    void Stop();
    void Pause();
    // Seek to the end and to the start.
    void Next();
    void Previous();
    // Seek a tenth of the length forward or back.
    void Step();
    void Back();
    // Writes the device's sound to FileName.
    void Save();

    bool IsOpen() const { return device_ != 0; }
    win::MCIDEVICEID DeviceID() const { return device_; }
    unsigned Length();
    unsigned Position();
    TMPModes Mode();
    // Where the next play or record starts; used once.
    void SetStartPos(unsigned position);

    TMPNotifyEvent OnClick;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

  private:
    void Check(win::MCIERROR error) const;
    void RequireOpen() const;
    unsigned Status(unsigned item);
    void Seek(unsigned flags, unsigned to);
    void ButtonPressed(TMPBtnType button);
    // The visible button under a client x, or -1.
    int ButtonAt(int x) const;
    int VisibleCount() const;

    TMPDeviceTypes deviceType_ = dtAutoSelect;
    std::string fileName_;
    TMPTimeFormats timeFormat_ = tfMilliseconds;
    bool autoEnable_ = true;
    TMPBtnTypes enabledButtons_ = kAllMPButtons;
    TMPBtnTypes visibleButtons_ = kAllMPButtons;
    win::MCIDEVICEID device_ = 0;
    bool startPosSet_ = false;
    unsigned startPos_ = 0;
    int pressedButton_ = -1;
};

}  // namespace framework
