// The recorder as stored: the recording group with its position, length, clock, state, track bar and player,
// the start button with its menu and the program's name below it, the file dialogs, the timers.
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/TrackBar.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/ActionList.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "trackmill/app/windows/DialogPictures.h"
#include "trackmill/app/windows/RecordForm.h"
#include "trackmill/app/windows/StoredLayout.h"
#include "trackmill/components/AfStartButton.h"

using namespace framework;
using components::TAfStartButton;

namespace {

constexpr const char* SoundFilter = "声音(*.wav)|*.wav| 所 有 文 件(*.*)|*.*";
constexpr TMPBtnTypes VisibleButtons = MPButton(btPlay) | MPButton(btStop) | MPButton(btNext) | MPButton(btPrev) |
                                       MPButton(btStep) | MPButton(btBack) | MPButton(btRecord);

// A sunken panel with a caption label and a value label.
TPanel* ValuePanel(TComponent* owner, TWinControl* parent, const char* name, int x, int y, TLabel*& caption,
                   const char* captionName, const char* captionText, TLabel*& value, const char* valueName) {
    auto* panel = Place<TPanel>(owner, parent, name, x, y, 112, 22);
    panel->SetBevelOuter(bvLowered);
    caption = Place<TLabel>(owner, panel, captionName, 6, 5, 30, 13, captionText);
    value = Place<TLabel>(owner, panel, valueName, 40, 5, 66, 13, "0.00秒");
    return panel;
}

TMenuItem* Item(TComponent* owner, TPopupMenu* menu, const char* name, const char* caption) {
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
}

TAction* MakeAction(TComponent* owner, TActionList* list, const char* name, const char* caption) {
    auto* action = new TAction(owner);
    action->SetName(name);
    action->SetCaption(caption);
    action->SetActionList(list);
    return action;
}

TTimer* MakeTimer(TComponent* owner, const char* name, std::uint32_t interval, TNotifyEvent handler) {
    auto* timer = new TTimer(owner);
    timer->SetName(name);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer(handler);
    return timer;
}

}  // namespace

void TfrmRecord::BuildLayout() {
    BeginLoading();
    SetName("frmRecord");
    SetCaption("录音");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetDialogFont(Font());
    SetClientSize(261, 213);
    OnCreate = TNotifyEvent::Bind<&TfrmRecord::FormCreate>(this);
    OnClose = TCloseEvent::Bind<&TfrmRecord::FormClose>(this);

    BuildMenu();
    BuildGroup();

    AfStartButton1 = Place<TAfStartButton>(this, this, "AfStartButton1", 6, 181, 84, 26, "     开 始");
    AfStartButton1->Setm_PopupMenu(PopupMenu1);
    StartButtonImage = Place<TImage>(this, AfStartButton1, "StartButtonImage", 0, 4, 18, 18);
    DrawStartButtonPicture(StartButtonImage->Picture());
    AfStartButton1->Setm_Image(StartButtonImage);
    Panel3 = Place<TPanel>(this, this, "Panel3", 96, 181, 159, 26, "音频抓轨处理软件");
    Panel3->Font().SetColor(clMaroon);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetTitle("请选择打开一个声音文件");
    OpenDialog1->SetDefaultExt(".wav");
    OpenDialog1->SetFilter(SoundFilter);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    SaveDialog1->SetDefaultExt("*.wav");
    SaveDialog1->SetFilter(SoundFilter);
    Timer1 = MakeTimer(this, "Timer1", 500, TNotifyEvent::Bind<&TfrmRecord::Timer1Timer>(this));
    TimerRecord = MakeTimer(this, "TimerRecord", 100, TNotifyEvent::Bind<&TfrmRecord::TimerRecordTimer>(this));

    EndLoading();
}

void TfrmRecord::BuildGroup() {
    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 6, 4, 249, 171, "录音操作");
    Panel1 = ValuePanel(this, GroupBox1, "Panel1", 10, 20, Label1, "Label1", "位置:", lbPosition, "lbPosition");
    Panel2 = ValuePanel(this, GroupBox1, "Panel2", 127, 20, Label3, "Label3", "长度:", lbLength, "lbLength");
    panRecordTime = Place<TPanel>(this, GroupBox1, "panRecordTime", 10, 48, 112, 22, "00:00:00.0");
    panRecordTime->SetBevelOuter(bvNone);
    panRecordTime->SetColor(clGradientActiveCaption);
    panRecordTime->SetHint("当前录音已完成的长度");
    lbState = Place<TLabel>(this, GroupBox1, "lbState", 131, 53, 100, 13, "-----------");
    TrackBar1 = Place<TTrackBar>(this, GroupBox1, "TrackBar1", 6, 76, 237, 34);
    TrackBar1->SetMax(400);
    TrackBar1->SetFrequency(40);
    TrackBar1->OnChange = TNotifyEvent::Bind<&TfrmRecord::TrackBar1Change>(this);
    MediaPlayer1 = Place<TMediaPlayer>(this, GroupBox1, "MediaPlayer1", 22, 122, 7 * 29, 30);
    MediaPlayer1->SetVisibleButtons(VisibleButtons);
    MediaPlayer1->SetAutoEnable(false);
    MediaPlayer1->SetEnabledButtons(0);
    MediaPlayer1->SetHint("从左到右依次为：播放、停止、快进到终点、退回起点、快进、快退、录音。");
    MediaPlayer1->OnClick = TMPNotifyEvent::Bind<&TfrmRecord::MediaPlayer1Click>(this);
}

void TfrmRecord::BuildMenu() {
    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    actSave = MakeAction(this, ActionList1, "actSave", "保存(&S)");
    actSave->OnExecute = TNotifyEvent::Bind<&TfrmRecord::actSaveExecute>(this);
    actSave->OnUpdate = TNotifyEvent::Bind<&TfrmRecord::actSaveUpdate>(this);
    actSaveAs = MakeAction(this, ActionList1, "actSaveAs", "另存为(&A)");
    actSaveAs->OnExecute = TNotifyEvent::Bind<&TfrmRecord::actSaveAsExecute>(this);
    actSaveAs->OnUpdate = TNotifyEvent::Bind<&TfrmRecord::actSaveUpdate>(this);
    actUndo = MakeAction(this, ActionList1, "actUndo", "恢复");
    actUndo->OnExecute = TNotifyEvent::Bind<&TfrmRecord::actUndoExecute>(this);
    actUndo->OnUpdate = TNotifyEvent::Bind<&TfrmRecord::actUndoUpdate>(this);

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    miNew = Item(this, PopupMenu1, "miNew", "新建(&N)");
    miNew->OnClick = TNotifyEvent::Bind<&TfrmRecord::miNewClick>(this);
    miOpen = Item(this, PopupMenu1, "miOpen", "打开(&O)");
    miOpen->OnClick = TNotifyEvent::Bind<&TfrmRecord::miOpenClick>(this);
    miSave = Item(this, PopupMenu1, "miSave", "");
    miSave->SetAction(actSave);
    miSaveAs = Item(this, PopupMenu1, "miSaveAs", "");
    miSaveAs->SetAction(actSaveAs);
    miUndo = Item(this, PopupMenu1, "miUndo", "");
    miUndo->SetAction(actUndo);
    Item(this, PopupMenu1, "N1", "-");
    miRecordOptionSet = Item(this, PopupMenu1, "miRecordOptionSet", "录音输入设备设置(&O)");
    miRecordOptionSet->OnClick = TNotifyEvent::Bind<&TfrmRecord::miRecordOptionSetClick>(this);
    Item(this, PopupMenu1, "N2", "-");
    miSaveMp3 = Item(this, PopupMenu1, "miSaveMp3", "保存时产生MP3文件(&M)");
    miSaveMp3->SetAutoCheck(true);
    Item(this, PopupMenu1, "N3", "-");
    pmExit = Item(this, PopupMenu1, "pmExit", "退出(&X)");
    pmExit->OnClick = TNotifyEvent::Bind<&TfrmRecord::pmExitClick>(this);
}
