#pragma once
// The options dialog: output folder and format, the gain pass, the MP3 encoder settings, the CD drive and the
// CD-database choice. It shows the options when created and stores them only on OK, all or nothing.
#include <cstdint>

#include "platform/framework/forms/Form.h"

namespace framework {
class TAction;
class TActionList;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TPageControl;
class TSpinEdit;
class TTabSheet;
}  // namespace framework

class TMainForm;

class TOptionSetForm : public framework::TForm {
  public:
    // main is the window whose drive the dialog reopens when the drive or the CD-database choice changes.
    TOptionSetForm(framework::TComponent* owner, TMainForm* main);
    ~TOptionSetForm() override;

    framework::TPageControl* PageControl1 = nullptr;
    framework::TTabSheet* TabSheet1 = nullptr;
    framework::TTabSheet* TabSheet2 = nullptr;
    framework::TTabSheet* TabSheet3 = nullptr;
    framework::TGroupBox* GroupBox1 = nullptr;
    framework::TGroupBox* GroupBox2 = nullptr;
    framework::TGroupBox* GroupBox3 = nullptr;
    framework::TEdit* editOutputDir = nullptr;
    framework::TButton* btBrowser = nullptr;
    framework::TCheckBox* ckbKeepWav = nullptr;
    framework::TComboBox* cbOutputFormat = nullptr;
    framework::TCheckBox* ckNormalize = nullptr;
    framework::TSpinEdit* SpinEdit1 = nullptr;
    framework::TComboBox* cbBitRate = nullptr;
    framework::TComboBox* cbMaxBitRate = nullptr;
    framework::TComboBox* cbMpegQuality = nullptr;
    framework::TComboBox* cbVBRQuality = nullptr;
    framework::TComboBox* cbStereoMode = nullptr;
    framework::TCheckBox* ckbSelectVBR = nullptr;
    framework::TCheckBox* ckbVBRHead = nullptr;
    framework::TComboBox* cbCDList = nullptr;
    framework::TCheckBox* ckbCDDb = nullptr;
    framework::TImage* Image1 = nullptr;
    framework::TImage* Image2 = nullptr;
    framework::TImage* Image3 = nullptr;
    framework::TButton* btOk = nullptr;
    framework::TButton* btCancel = nullptr;
    framework::TActionList* ActionList1 = nullptr;
    framework::TAction* ActionOutputFormat = nullptr;

    std::int32_t FOldDriveIndex = 0;
    bool FOldCDDb = false;

  private:
    void BuildLayout();
    void BuildOutputTab();
    void BuildMp3Tab();
    void BuildDriveTab();

    void FormCreate(framework::TObject* Sender);
    void btOkClick(framework::TObject* Sender);
    void btCancelClick(framework::TObject* Sender);
    void btBrowserClick(framework::TObject* Sender);
    void ckNormalizeClick(framework::TObject* Sender);
    void ckbSelectVBRClick(framework::TObject* Sender);
    void ActionOutputFormatUpdate(framework::TObject* Sender);
    void TabSheet3Show(framework::TObject* Sender);

    // Whether every entry can be stored; the first that cannot is reported and focused.
    bool EntriesValid();
    void StoreOptions();
    // Shows the tab that holds control and gives it the focus.
    void FocusEntry(framework::TWinControl* control);

    TMainForm* FMain;
};
