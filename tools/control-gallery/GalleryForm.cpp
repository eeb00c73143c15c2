#include "GalleryForm.h"

#include "GalleryArt.h"
#include "GalleryDialog.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/MaskEdit.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/controls/SpinEdit.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/mediaplayer/MediaPlayer.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/user/Messages.h"

using namespace framework;

namespace {

template <class Control>
Control* Add(TComponent* owner, TWinControl* parent, int x, int y, int width, int height, const char* caption) {
    auto* control = new Control(owner);
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    if (caption) control->SetCaption(caption);
    return control;
}

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* caption, TShortCut shortCut = 0) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

}  // namespace

GalleryForm::GalleryForm(TComponent* owner) : TForm(owner), images_(new TImageList(this)) {
    SetCaption("控件一览");
    SetPosition(poScreenCenter);
    Font().SetName("宋体");
    Font().SetHeight(-12);
    Font().SetCharset(134);
    AddToolImages(*images_);

    auto* menu = new TMainMenu(this);
    TMenuItem* file = Item(this, menu->Items(), "文件(&F)");
    Item(this, file, "打开(&O)...", ShortCut('O', ssCtrl));
    Item(this, file, "保存(&S)", ShortCut('S', ssCtrl));
    Item(this, file, "-");
    TMenuItem* quit = Item(this, file, "退出(&X)");
    quit->OnClick = TNotifyEvent::Bind<&GalleryForm::Quit>(this);
    TMenuItem* edit = Item(this, menu->Items(), "编辑(&E)");
    Item(this, edit, "全选(&A)", ShortCut('A', ssCtrl));
    Item(this, edit, "反选(&I)");
    TMenuItem* help = Item(this, menu->Items(), "帮助(&H)");
    Item(this, help, "关于(&A)...", ShortCut(win::VK_F1, 0));
    SetMenu(menu);
    SetClientSize(640, 470);

    auto* bar = Add<TToolBar>(this, this, 0, 0, 640, 28, nullptr);
    bar->SetFlat(true);
    bar->SetImages(images_);
    bar->SetIndent(4);
    for (int image : {0, 1, -1, 2, 3}) {
        auto* button = new TToolButton(this);
        button->SetParent(bar);
        if (image < 0) {
            button->SetStyle(tbsSeparator);
        } else {
            button->SetImageIndex(image);
        }
    }
    bar->Buttons(3)->SetDown(true);

    // Left: the plain controls in a group box.
    auto* basics = Add<TGroupBox>(this, this, 8, 34, 250, 262, "基本控件");
    Add<TLabel>(this, basics, 12, 24, 60, 13, "歌曲名称:");
    Add<TEdit>(this, basics, 80, 20, 158, 21, nullptr)->SetText("月亮代表我的心");
    Add<TLabel>(this, basics, 12, 52, 60, 13, "开始时间:");
    Add<TMaskEdit>(this, basics, 80, 48, 70, 21, nullptr)->SetText("00:03:15");
    Add<TLabel>(this, basics, 12, 80, 60, 13, "音量(%):");
    auto* spin = Add<TSpinEdit>(this, basics, 80, 76, 60, 21, nullptr);
    spin->SetMaxValue(100);
    spin->SetValue(80);
    Add<TCheckBox>(this, basics, 12, 106, 110, 17, "自动命名")->SetChecked(true);
    Add<TCheckBox>(this, basics, 130, 106, 110, 17, "不确定")->SetState(cbGrayed);
    Add<TRadioButton>(this, basics, 12, 130, 110, 17, "立体声")->SetChecked(true);
    Add<TRadioButton>(this, basics, 130, 130, 110, 17, "单声道");
    auto* disabled = Add<TCheckBox>(this, basics, 12, 154, 200, 17, "不可用的选项");
    disabled->SetEnabled(false);
    auto* ok = Add<TButton>(this, basics, 12, 182, 75, 25, "对话框...");
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent::Bind<&GalleryForm::ShowDialog>(this);
    Add<TButton>(this, basics, 93, 182, 75, 25, "取消")->SetEnabled(false);
    auto* play = Add<TBitBtn>(this, basics, 12, 218, 90, 28, "播放");
    DrawPlayGlyph(play->Glyph());
    auto* speed = Add<TSpeedButton>(this, basics, 110, 220, 60, 25, "暂停");
    speed->SetGroupIndex(1);
    speed->SetDown(true);
    Add<TSpeedButton>(this, basics, 174, 220, 60, 25, "停止")->SetGroupIndex(1);

    // Right: lists, values and containers.
    auto* format = Add<TComboBox>(this, this, 268, 40, 180, 21, nullptr);
    format->SetStyle(csDropDownList);
    for (const char* name : {"WAV 无损", "MP3 128 kbps", "MP3 192 kbps"}) format->Items().Add(name);
    format->SetItemIndex(1);
    auto* folder = Add<TComboBox>(this, this, 456, 40, 176, 21, nullptr);
    folder->Items().Add("/home/user/音乐");
    folder->SetText("/home/user/音乐");

    auto* list = Add<TListView>(this, this, 268, 68, 364, 128, nullptr);
    list->SetCheckboxes(true);
    list->SetRowSelect(true);
    list->SetMultiSelect(true);
    const std::pair<const char*, int> columns[] = {{"曲目", 170}, {"长度", 70}, {"状态", 100}};
    for (const auto& [caption, width] : columns) {
        TListColumn* column = list->AddColumn();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    list->Columns(1)->SetAlignment(taRightJustify);
    const char* rows[][3] = {{"01 甜蜜蜜", "3:32", "已完成"},
                             {"02 小城故事", "4:05", "正在抓取"},
                             {"03 我只在乎你", "4:16", ""},
                             {"04 何日君再来", "3:48", ""}};
    for (int i = 0; i < 4; ++i) {
        TListItem* item = list->AddItem();
        item->SetCaption(rows[i][0]);
        item->SubItems().Add(rows[i][1]);
        item->SubItems().Add(rows[i][2]);
        item->SetChecked(i < 3);
    }
    list->Items(1)->SetSelected(true);

    Add<TLabel>(this, this, 268, 206, 40, 13, "增益:");
    auto* track = Add<TTrackBar>(this, this, 304, 200, 200, 33, nullptr);
    track->SetMax(400);
    track->SetFrequency(40);
    track->SetPosition(160);
    auto* progress = Add<TProgressBar>(this, this, 512, 206, 120, 16, nullptr);
    progress->SetPosition(60);

    auto* pages = Add<TPageControl>(this, this, 268, 240, 260, 120, nullptr);
    auto* general = new TTabSheet(this);
    general->SetCaption("常规");
    general->SetPageControl(pages);
    auto* advanced = new TTabSheet(this);
    advanced->SetCaption("高级");
    advanced->SetPageControl(pages);
    Add<TCheckBox>(this, general, 10, 12, 200, 17, "抓取前查询曲目信息")->SetChecked(true);
    Add<TCheckBox>(this, general, 10, 36, 200, 17, "抓取后弹出光盘");

    auto* picture = Add<TImage>(this, this, 536, 244, 96, 72, nullptr);
    DrawLandscape(picture->Picture().Bitmap(), 96, 72);
    picture->PictureChanged();

    auto* sunken = Add<TPanel>(this, this, 8, 304, 250, 56, "下沉的面板");
    sunken->SetBevelOuter(bvLowered);
    auto* raised = Add<TPanel>(this, this, 8, 368, 624, 70, nullptr);
    raised->SetBevelInner(bvLowered);
    raised->SetBorderWidth(2);
    Add<TLabel>(this, raised, 12, 10, 400, 13, "这是一个有内外两层斜面的面板, 里面放着一个标签和一个媒体播放器。");
    Add<TButton>(this, raised, 530, 22, 80, 25, "浏览...");
    auto* player = Add<TMediaPlayer>(this, raised, 12, 32, 7 * 29, 28, nullptr);
    player->SetVisibleButtons(MPButton(btPlay) | MPButton(btStop) | MPButton(btNext) | MPButton(btPrev) |
                              MPButton(btStep) | MPButton(btBack) | MPButton(btRecord));
    player->SetEnabledButtons(MPButton(btPlay) | MPButton(btNext) | MPButton(btRecord));

    auto* status = Add<TStatusBar>(this, this, 0, 450, 640, 20, nullptr);
    status->SetSimpleText("就绪 - 共 4 首曲目, 已选 3 首");
}

void GalleryForm::ShowDialog(TObject*) {
    GalleryDialog dialog(this);
    dialog.ShowModal();
}

void GalleryForm::Quit(TObject*) { Close(); }
