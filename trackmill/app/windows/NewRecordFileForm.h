#pragma once
// The new-recording dialog: the sample rate, bits and channels of a new recording. OK and Cancel end it with their
// modal results, and the recorder reads the choices; OK first refuses a rate that no sound device serves, which
// would otherwise surface only as a device that cannot be opened.
#include <cstdint>

#include "platform/framework/forms/Form.h"

namespace framework {
class TButton;
class TComboBox;
class TGroupBox;
class TPanel;
class TRadioButton;
}  // namespace framework

class TfrmNewRecordFile : public framework::TForm {
  public:
    explicit TfrmNewRecordFile(framework::TComponent* owner);

    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TComboBox* cbBitSamples = nullptr;
    framework::TPanel* Panel1 = nullptr;
    framework::TRadioButton* rbBitNumber = nullptr;
    framework::TRadioButton* RadioButton2 = nullptr;
    framework::TPanel* Panel2 = nullptr;
    framework::TRadioButton* rbChannelNumber = nullptr;
    framework::TRadioButton* RadioButton4 = nullptr;
    framework::TButton* btOk = nullptr;
    framework::TButton* btCancel = nullptr;

    // The rate typed or chosen in hertz (leading blanks allowed); 0 when it is no number or one that no sound
    // device serves.
    std::uint32_t SampleRate() const;

  private:
    void BuildLayout();
    void btOkClick(framework::TObject* Sender);
};
