#include "trackmill/app/windows/NewRecordFileForm.h"

#include "platform/framework/EConvertError.h"
#include "platform/framework/IntegerText.h"
#include "platform/framework/StringRoutines.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/media/PcmFormat.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

namespace {

// A pair of radio buttons in a panel of their own, so that each pair chooses on its own.
TPanel* RadioPair(TComponent* owner, TWinControl* parent, const char* panel, int y, TRadioButton*& first,
                  const char* firstName, const char* firstCaption, TRadioButton*& second, const char* secondName,
                  const char* secondCaption) {
    auto* pair = Place<TPanel>(owner, parent, panel, 84, y, 150, 22);
    pair->SetBevelOuter(bvNone);
    first = Place<TRadioButton>(owner, pair, firstName, 0, 3, 70, 17, firstCaption);
    second = Place<TRadioButton>(owner, pair, secondName, 76, 3, 70, 17, secondCaption);
    second->SetChecked(true);
    return pair;
}

}  // namespace

TfrmNewRecordFile::TfrmNewRecordFile(TComponent* owner) : TForm(owner) { BuildLayout(); }

void TfrmNewRecordFile::BuildLayout() {
    BeginLoading();
    SetName("frmNewRecordFile");
    SetCaption("新建声音文件");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetDialogFont(Font());
    SetClientSize(262, 160);

    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 8, 6, 246, 112, "录音属性");
    Place<TLabel>(this, GroupBox1, "Label1", 12, 26, 66, 13, "采样率：");
    cbBitSamples = Place<TComboBox>(this, GroupBox1, "cbBitSamples", 84, 22, 100, 21);
    for (const char* rate : {"  8000", "11025", "12000", "16000", "22050", "24000", "32000", "44100", "48000"})
        cbBitSamples->Items().Add(rate);
    cbBitSamples->SetDropDownCount(9);
    cbBitSamples->SetItemIndex(7);
    Place<TLabel>(this, GroupBox1, "Label2", 12, 55, 66, 13, "数据位数：");
    Panel1 = RadioPair(this, GroupBox1, "Panel1", 50, rbBitNumber, "rbBitNumber", "8位", RadioButton2, "RadioButton2",
                       "16位");
    Place<TLabel>(this, GroupBox1, "Label3", 12, 85, 66, 13, "声道：");
    Panel2 = RadioPair(this, GroupBox1, "Panel2", 80, rbChannelNumber, "rbChannelNumber", "单声道", RadioButton4,
                       "RadioButton4", "双声道");

    btOk = Place<TButton>(this, this, "btOk", 52, 127, 75, 25, "确定");
    btOk->SetDefault(true);
    btOk->SetModalResult(mrOk);
    btOk->OnClick = TNotifyEvent::Bind<&TfrmNewRecordFile::btOkClick>(this);
    btCancel = Place<TButton>(this, this, "btCancel", 135, 127, 75, 25, "取消");
    btCancel->SetCancel(true);
    btCancel->SetModalResult(mrCancel);

    EndLoading();
}

std::uint32_t TfrmNewRecordFile::SampleRate() const {
    try {
        const std::int32_t rate = StrToInt(Trim(cbBitSamples->Text()));
        return rate > 0 && platform::media::PcmFormat::isPlayableRate(std::uint32_t(rate)) ? std::uint32_t(rate) : 0;
    } catch (const EConvertError&) {
        return 0;
    }
}

void TfrmNewRecordFile::btOkClick(TObject*) {
    if (SampleRate() != 0) return;
    SetModalResult(mrNone);
    using platform::media::PcmFormat;
    Application->MessageBox("采样率“" + Trim(cbBitSamples->Text()) + "”无效：请输入" +
                                std::to_string(PcmFormat::kLowestRate) + "到" +
                                std::to_string(PcmFormat::kHighestRate) + "之间的整数（单位：赫兹）。",
                            "错误", win::MB_ICONEXCLAMATION);
    cbBitSamples->SetFocus();
}
