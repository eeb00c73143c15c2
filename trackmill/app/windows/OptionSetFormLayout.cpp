// The options dialog as stored: three tabs above OK and Cancel.
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/ActionList.h"
#include "trackmill/app/windows/DialogPictures.h"
#include "trackmill/app/windows/OptionSetForm.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

namespace {

const char* const BitRateItems[] = {" 32 kbit/s", " 40 kbit/s", " 48 kbit/s", " 56 kbit/s", " 64 kbit/s",
                                    " 80 kbit/s", " 96 kbit/s", "112 kbit/s", "128 kbit/s", "160 kbit/s",
                                    "192 kbit/s", "224 kbit/s", "256 kbit/s", "320 kbit/s"};

TComboBox* Combo(TComponent* owner, TWinControl* parent, const char* name, int x, int y, TComboBoxStyle style,
                 std::initializer_list<const char*> items) {
    auto* combo = Place<TComboBox>(owner, parent, name, x, y, 120, 21);
    combo->SetStyle(style);
    for (const char* item : items) combo->Items().Add(item);
    return combo;
}

TComboBox* BitRateCombo(TComponent* owner, TWinControl* parent, const char* name, int x, int y) {
    auto* combo = Combo(owner, parent, name, x, y, csDropDown, {});
    combo->SetDropDownCount(14);
    for (const char* item : BitRateItems) combo->Items().Add(item);
    return combo;
}

TImage* TabPicture(TComponent* owner, TTabSheet* tab, const char* name, OptionsTabPicture picture) {
    auto* image = Place<TImage>(owner, tab, name, 324, 12, 32, 32);
    DrawOptionsTabPicture(image->Picture(), picture);
    image->SetTransparent(true);
    image->PictureChanged();
    return image;
}

}  // namespace

void TOptionSetForm::BuildLayout() {
    BeginLoading();
    SetName("OptionSetForm");
    SetCaption("参数设置");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetDialogFont(Font());
    SetClientSize(392, 300);
    OnCreate = TNotifyEvent::Bind<&TOptionSetForm::FormCreate>(this);

    PageControl1 = Place<TPageControl>(this, this, "PageControl1", 8, 8, 376, 250);
    TabSheet1 = Place<TTabSheet>(this, PageControl1, "TabSheet1", 0, 0, 0, 0, "输出设置");
    TabSheet1->SetPageControl(PageControl1);
    TabSheet2 = Place<TTabSheet>(this, PageControl1, "TabSheet2", 0, 0, 0, 0, "MP3编码设置");
    TabSheet2->SetPageControl(PageControl1);
    TabSheet3 = Place<TTabSheet>(this, PageControl1, "TabSheet3", 0, 0, 0, 0, "CD-ROM设置");
    TabSheet3->SetPageControl(PageControl1);
    TabSheet3->OnShow = TNotifyEvent::Bind<&TOptionSetForm::TabSheet3Show>(this);
    BuildOutputTab();
    BuildMp3Tab();
    BuildDriveTab();
    PageControl1->SetActivePage(TabSheet1);

    btOk = Place<TButton>(this, this, "btOk", 228, 267, 75, 25, "确定");
    btOk->SetDefault(true);
    btOk->OnClick = TNotifyEvent::Bind<&TOptionSetForm::btOkClick>(this);
    btCancel = Place<TButton>(this, this, "btCancel", 309, 267, 75, 25, "取消");
    btCancel->SetCancel(true);
    btCancel->OnClick = TNotifyEvent::Bind<&TOptionSetForm::btCancelClick>(this);

    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    ActionOutputFormat = new TAction(this);
    ActionOutputFormat->SetName("ActionOutputFormat");
    ActionOutputFormat->SetActionList(ActionList1);
    ActionOutputFormat->OnUpdate = TNotifyEvent::Bind<&TOptionSetForm::ActionOutputFormatUpdate>(this);

    EndLoading();
}

void TOptionSetForm::BuildOutputTab() {
    GroupBox1 = Place<TGroupBox>(this, TabSheet1, "GroupBox1", 8, 6, 306, 96, "输出设置");
    Place<TLabel>(this, GroupBox1, "Label1", 12, 20, 240, 13, "请选择抓轨保存MP3和WAV文件的目录：");
    editOutputDir = Place<TEdit>(this, GroupBox1, "editOutputDir", 12, 38, 246, 21);
    btBrowser = Place<TButton>(this, GroupBox1, "btBrowser", 262, 38, 30, 21, "...");
    btBrowser->OnClick = TNotifyEvent::Bind<&TOptionSetForm::btBrowserClick>(this);
    ckbKeepWav = Place<TCheckBox>(this, GroupBox1, "ckbKeepWav", 12, 68, 220, 17, "抓轨完成后保留WAV文件");

    GroupBox2 = Place<TGroupBox>(this, TabSheet1, "GroupBox2", 8, 110, 306, 88, "输出格式");
    Place<TLabel>(this, GroupBox2, "Label2", 12, 26, 40, 13, "格式：");
    cbOutputFormat =
        Combo(this, GroupBox2, "cbOutputFormat", 60, 22, csDropDownList, {"MP3格式 (*.MP3)", "WAV格式 (*.WAV)"});
    cbOutputFormat->SetWidth(160);
    ckNormalize = Place<TCheckBox>(this, GroupBox2, "ckNormalize", 12, 56, 80, 17, "规格化至");
    ckNormalize->OnClick = TNotifyEvent::Bind<&TOptionSetForm::ckNormalizeClick>(this);
    SpinEdit1 = Place<TSpinEdit>(this, GroupBox2, "SpinEdit1", 96, 54, 52, 21);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(100);
    SpinEdit1->SetMaxLength(3);
    SpinEdit1->SetEditorEnabled(false);
    SpinEdit1->SetEnabled(false);

    Image1 = TabPicture(this, TabSheet1, "Image1", OptionsTabPicture::Output);
}

void TOptionSetForm::BuildMp3Tab() {
    GroupBox3 = Place<TGroupBox>(this, TabSheet2, "GroupBox3", 8, 6, 306, 196, "MP3编码设置");
    const char* const labels[] = {"最小比特率：", "最大比特率：", "速度与音质：", "VBR品质：", "立体声模式："};
    for (int row = 0; row < 5; ++row) Place<TLabel>(this, GroupBox3, "", 12, 26 + row * 28, 76, 13, labels[row]);
    cbBitRate = BitRateCombo(this, GroupBox3, "cbBitRate", 96, 22);
    cbMaxBitRate = BitRateCombo(this, GroupBox3, "cbMaxBitRate", 96, 50);
    cbMpegQuality =
        Combo(this, GroupBox3, "cbMpegQuality", 96, 78, csDropDownList, {"默认", "高速度低音质", "高音质低速度"});
    cbVBRQuality = Combo(this, GroupBox3, "cbVBRQuality", 96, 106, csDropDownList,
                         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    cbStereoMode = Combo(this, GroupBox3, "cbStereoMode", 96, 134, csDropDownList,
                         {"立体声", "混合立体声", "强制混合立体声", "双声道", "单声道"});
    ckbSelectVBR = Place<TCheckBox>(this, GroupBox3, "ckbSelectVBR", 12, 168, 90, 17, "选用VBR");
    ckbSelectVBR->OnClick = TNotifyEvent::Bind<&TOptionSetForm::ckbSelectVBRClick>(this);
    ckbVBRHead = Place<TCheckBox>(this, GroupBox3, "ckbVBRHead", 120, 168, 120, 17, "写入VBR标头");

    Image2 = TabPicture(this, TabSheet2, "Image2", OptionsTabPicture::Mp3);
}

void TOptionSetForm::BuildDriveTab() {
    Place<TLabel>(this, TabSheet3, "Label8", 16, 22, 40, 13, "部件：");
    cbCDList = Combo(this, TabSheet3, "cbCDList", 60, 18, csDropDownList, {});
    cbCDList->SetWidth(240);
    ckbCDDb = Place<TCheckBox>(this, TabSheet3, "ckbCDDb", 16, 56, 260, 17, "通过CD数据库获取歌曲名称");

    Image3 = TabPicture(this, TabSheet3, "Image3", OptionsTabPicture::Drive);
}
