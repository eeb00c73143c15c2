#include "trackmill/app/windows/OptionSetForm.h"

#include "platform/cdrom/CdAudio.h"
#include "platform/framework/FileNames.h"
#include "platform/framework/FileSystem.h"
#include "platform/framework/StringRoutines.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/FolderBrowser.h"
#include "platform/framework/forms/MessageBox.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/options/StorableFolder.h"
#include "trackmill/app/texts/BitRateText.h"
#include "trackmill/app/texts/DriveText.h"
#include "trackmill/app/windows/MainForm.h"

using namespace framework;

namespace {

constexpr int MaxDrives = 8;
constexpr int OutputWav = 1;

}  // namespace

TOptionSetForm::TOptionSetForm(TComponent* owner, TMainForm* main) : TForm(owner), FMain(main) { BuildLayout(); }

TOptionSetForm::~TOptionSetForm() {
    // The base form outlives this part of the object: none of its events may reach these handlers any more.
    OnCreate = {};
    if (TabSheet3) TabSheet3->OnShow = {};
}

void TOptionSetForm::FormCreate(TObject*) {
    editOutputDir->SetText(Options.OutputFolder);
    cbOutputFormat->SetItemIndex(Options.OutputFormat);
    ckbKeepWav->SetChecked(Options.IsKeepWav);
    ckNormalize->SetChecked(Options.IsNormalize);
    SpinEdit1->SetValue(Options.NormalizePercent);
    ckbSelectVBR->SetChecked(Options.IsSelectVBR);
    ckbVBRHead->SetChecked(Options.IsVBRHead);
    cbBitRate->SetText(BitRateText(Options.BitRate));
    cbMaxBitRate->SetText(BitRateText(Options.MaxBitRate));
    cbMpegQuality->SetItemIndex(Options.MpegQuality);
    cbVBRQuality->SetItemIndex(Options.VBRQuality);
    cbStereoMode->SetItemIndex(Options.StereoMode);
    ckbCDDb->SetChecked(Options.CDDb);
    if (!ckbSelectVBR->Checked()) {
        ckbVBRHead->SetEnabled(false);
        cbMaxBitRate->SetEnabled(false);
        cbVBRQuality->SetEnabled(false);
    }
    FOldDriveIndex = Options.Index == -1 ? 0 : Options.Index;
    FOldCDDb = Options.CDDb;
    cbBitRate->SetEnabled(true);
}

void TOptionSetForm::ckNormalizeClick(TObject*) { SpinEdit1->SetEnabled(ckNormalize->Checked()); }

void TOptionSetForm::ckbSelectVBRClick(TObject*) {
    const bool vbr = ckbSelectVBR->Checked();
    ckbVBRHead->SetEnabled(vbr);
    cbMaxBitRate->SetEnabled(vbr);
    cbVBRQuality->SetEnabled(vbr);
}

void TOptionSetForm::ActionOutputFormatUpdate(TObject*) {
    ckbKeepWav->SetEnabled(cbOutputFormat->ItemIndex() != OutputWav);
}

void TOptionSetForm::TabSheet3Show(TObject*) {
    platform::cdrom::TCDList list{};
    list.max = MaxDrives;
    platform::cdrom::GetCDList(&list);
    cbCDList->Items().Clear();
    for (int i = 0; i < list.num && i < MaxDrives; ++i) cbCDList->Items().Add(Trim(DriveText(list.cd[i])));
    cbCDList->SetItemIndex(FOldDriveIndex < cbCDList->Items().Count() ? FOldDriveIndex : -1);
}

void TOptionSetForm::btBrowserClick(TObject*) {
    std::string folder = ExtractFilePath(Application->ExeName());
    if (SelectDirectory("请选择保存MP3和WAV文件的目录：", "", folder)) editOutputDir->SetText(folder);
}

void TOptionSetForm::FocusEntry(TWinControl* control) {
    for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent()) {
        if (auto* tab = dynamic_cast<TTabSheet*>(parent)) {
            PageControl1->SetActivePage(tab);
            break;
        }
    }
    control->SetFocus();
}

bool TOptionSetForm::EntriesValid() {
    if (!FolderStorable(editOutputDir->Text())) {
        win::MessageBox(Handle(), FolderNotStorableText, "音频抓轨", win::MB_ICONERROR);
        FocusEntry(editOutputDir);
        return false;
    }
    if (!DirectoryExists(editOutputDir->Text())) {
        win::MessageBox(Handle(), "选择的目录不存在，请重新选择！", "音频抓轨", win::MB_ICONERROR);
        FocusEntry(editOutputDir);
        return false;
    }
    // A disabled combo is no entry of the user's: what it holds is not his to mend.
    for (TComboBox* rate : {cbBitRate, cbMaxBitRate}) {
        if (!rate->Enabled() || BitRateOf(rate->Text())) continue;
        win::MessageBox(Handle(), "比特率应为8至320之间的整数！", "音频抓轨", win::MB_ICONERROR);
        FocusEntry(rate);
        return false;
    }
    return true;
}

void TOptionSetForm::StoreOptions() {
    Options.IsKeepWav = ckbKeepWav->Checked();
    Options.OutputFormat = cbOutputFormat->ItemIndex();
    Options.OutputFolder = editOutputDir->Text();
    Options.IsNormalize = ckNormalize->Checked();
    Options.NormalizePercent = SpinEdit1->Value();
    Options.IsSelectVBR = ckbSelectVBR->Checked();
    Options.IsVBRHead = ckbVBRHead->Checked();
    Options.BitRate = *BitRateOf(cbBitRate->Text());
    // Hidden while VBR is off: a stored value it cannot show goes back to the default.
    Options.MaxBitRate = BitRateOf(cbMaxBitRate->Text()).value_or(DefaultMaxBitRate);
    Options.MpegQuality = cbMpegQuality->ItemIndex();
    Options.VBRQuality = cbVBRQuality->ItemIndex();
    Options.StereoMode = cbStereoMode->ItemIndex();
    // A drive list never filled chose nothing: the drive in the options stays.
    if (cbCDList->Items().Count() > 0) Options.Index = cbCDList->ItemIndex();
    Options.CDDb = ckbCDDb->Checked();
}

void TOptionSetForm::btOkClick(TObject*) {
    if (!EntriesValid()) return;
    StoreOptions();
    const int drive = cbCDList->ItemIndex();
    if (cbCDList->Items().Count() > 0 && drive >= 0 && (drive != FOldDriveIndex || ckbCDDb->Checked() != FOldCDDb))
        FMain->ReopenCDDrive(drive);
    SetModalResult(mrOk);
}

void TOptionSetForm::btCancelClick(TObject*) { SetModalResult(mrCancel); }
