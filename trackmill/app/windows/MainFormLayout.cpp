// The main window as stored: components created and their properties set in stored order, then Loaded.
#include "trackmill/app/windows/MainForm.h"

#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/ActionList.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/user/Messages.h"
#include "trackmill/app/windows/StoredLayout.h"
#include "trackmill/app/windows/ToolImages.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/FlatLookSets.h"

using namespace framework;

namespace {

template <class Component>
Component* Make(TComponent* owner, const char* name) {
    auto* component = new Component(owner);
    component->SetName(name);
    return component;
}

TAction* MakeAction(TActionList* list, const char* name, TShortCut shortCut, const char* caption, const char* hint,
                    int image, TNotifyEvent handler) {
    auto* action = Make<TAction>(list->Owner(), name);
    action->SetActionList(list);
    action->SetCaption(caption);
    action->SetHint(hint);
    action->SetShortCut(shortCut);
    action->SetImageIndex(image);
    action->OnExecute = handler;
    return action;
}

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const char* name, const char* caption, TShortCut shortCut = 0) {
    auto* item = Make<TMenuItem>(owner, name);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

TMenuItem* ActionItem(TComponent* owner, TMenuItem* parent, TAction* action) {
    auto* item = Make<TMenuItem>(owner, "");
    item->SetAction(action);
    parent->Add(item);
    return item;
}

void Separator(TComponent* owner, TMenuItem* parent) { Item(owner, parent, "", "-"); }

}  // namespace

void TMainForm::BuildLayout() {
    BeginLoading();
    SetName("MainForm");
    SetCaption("音频抓轨");
    SetBounds(0, 0, 545, 478);
    SetPosition(poScreenCenter);
    OnCreate = TNotifyEvent::Bind<&TMainForm::FormCreate>(this);
    OnShow = TNotifyEvent::Bind<&TMainForm::FormShow>(this);
    OnActivate = TNotifyEvent::Bind<&TMainForm::FormActivate>(this);
    OnPaint = TNotifyEvent::Bind<&TMainForm::FormPaint>(this);
    OnCloseQuery = TCloseQueryEvent::Bind<&TMainForm::FormCloseQuery>(this);
    OnClose = TCloseEvent::Bind<&TMainForm::FormClose>(this);

    ImageList1 = Make<TImageList>(this, "ImageList1");
    DrawToolImages(*ImageList1);
    AddActions();
    AddMenus();
    AddToolBar();
    AddListView();
    AddOpenDialog();

    StatusBar1 = Make<TStatusBar>(this, "StatusBar1");
    StatusBar1->SetParent(this);
    StatusBar1->SetBounds(10, 412, 517, 26);
    StatusBar1->SetSimplePanel(true);

    AddFlatLook();
    EndLoading();
}

void TMainForm::AddActions() {
    ActionList1 = Make<TActionList>(this, "ActionList1");
    ActionList1->SetImages(ImageList1);
    ActionExtract = MakeAction(ActionList1, "ActionExtract", ShortCut('X', ssCtrl), "抓取", "抓取选择的音轨",
                               ToolImageExtract, TNotifyEvent::Bind<&TMainForm::ActionExtractExecute>(this));
    ActionSelectAll = MakeAction(ActionList1, "ActionSelectAll", ShortCut('A', ssCtrl), "全部选择", "全部选中", -1,
                                 TNotifyEvent::Bind<&TMainForm::ActionSelectAllExecute>(this));
    ActionNoSelect = MakeAction(ActionList1, "ActionNoSelect", ShortCut('N', ssCtrl), "取消选择", "全部取消", -1,
                                TNotifyEvent::Bind<&TMainForm::ActionNoSelectExecute>(this));
    ActionOptionSet = MakeAction(ActionList1, "ActionOptionSet", ShortCut('O', ssCtrl), "参数设置", "参数设置",
                                 ToolImageOptions, TNotifyEvent::Bind<&TMainForm::ActionOptionSetExecute>(this));
    ActionExit = MakeAction(ActionList1, "ActionExit", 0, "退出", "退出本软件", ToolImageExit,
                            TNotifyEvent::Bind<&TMainForm::ActionExitExecute>(this));
    ActionRecord = MakeAction(ActionList1, "ActionRecord", ShortCut('R', ssCtrl), "录音", "录音", ToolImageRecord,
                              TNotifyEvent::Bind<&TMainForm::ActionRecordExecute>(this));
    ActionWavToMp3 =
        MakeAction(ActionList1, "ActionWavToMp3", ShortCut('W', ssCtrl), "WAV转为MP3", "将WAV文件转换为MP3文件",
                   ToolImageEncode, TNotifyEvent::Bind<&TMainForm::ActionWavToMp3Execute>(this));
    aWavToCorvane = MakeAction(ActionList1, "aWavToCorvane", 0, "WAV转为Corvane语音格式", "", ToolImageCompress,
                               TNotifyEvent::Bind<&TMainForm::aWavToCorvaneExecute>(this));
}

void TMainForm::AddMenus() {
    MainMenu1 = Make<TMainMenu>(this, "MainMenu1");
    MainMenu1->SetOwnerDraw(true);
    MainMenu1->SetImages(ImageList1);
    TMenuItem* bar = MainMenu1->Items();

    TMenuItem* file = Item(this, bar, "N1", "文件");
    ActionItem(this, file, ActionWavToMp3);
    mnuMp3ToWav = Item(this, file, "mnuMp3ToWav", "MP3转为WAV");
    mnuMp3ToWav->OnClick = TNotifyEvent::Bind<&TMainForm::mnuMp3ToWavClick>(this);
    ActionItem(this, file, aWavToCorvane)->SetShortCut(ShortCut('U', ssCtrl));
    Separator(this, file);
    EjectMenu = Item(this, file, "EjectMenu", "弹出光盘", ShortCut('E', ssCtrl));
    EjectMenu->OnClick = TNotifyEvent::Bind<&TMainForm::EjectMenuClick>(this);
    CloseCdRomMenu = Item(this, file, "CloseCdRomMenu", "关闭光驱", ShortCut('L', ssCtrl));
    CloseCdRomMenu->OnClick = TNotifyEvent::Bind<&TMainForm::CloseCdRomMenuClick>(this);
    Separator(this, file);
    ActionItem(this, file, ActionExit);

    TMenuItem* operate = Item(this, bar, "N2", "操作(&A)");
    ActionItem(this, operate, ActionExtract);
    Separator(this, operate);
    ActionItem(this, operate, ActionRecord);
    Separator(this, operate);
    VolumeControlMenu = Item(this, operate, "VolumeControlMenu", "音量控制", ShortCut('V', ssCtrl));
    VolumeControlMenu->OnClick = TNotifyEvent::Bind<&TMainForm::VolumeControlMenuClick>(this);

    TMenuItem* edit = Item(this, bar, "N3", "编辑(&E)");
    ActionItem(this, edit, ActionSelectAll);
    ActionItem(this, edit, ActionNoSelect);
    Separator(this, edit);
    ActionItem(this, edit, ActionOptionSet);

    TMenuItem* help = Item(this, bar, "N4", "帮助(&H)");
    mnuHelp = Item(this, help, "mnuHelp", "帮助", ShortCut(win::VK_F1, 0));
    mnuHelp->OnClick = TNotifyEvent::Bind<&TMainForm::mnuHelpClick>(this);
    Separator(this, help);
    mnuAbout = Item(this, help, "mnuAbout", "关于");
    mnuAbout->OnClick = TNotifyEvent::Bind<&TMainForm::mnuAboutClick>(this);
    SetMenu(MainMenu1);

    PopupMenu1 = Make<TPopupMenu>(this, "PopupMenu1");
    PopupMenu1->SetImages(ImageList1);
    ActionItem(this, PopupMenu1->Items(), ActionExtract);
    Separator(this, PopupMenu1->Items());
    ActionItem(this, PopupMenu1->Items(), ActionSelectAll);
    ActionItem(this, PopupMenu1->Items(), ActionNoSelect);
}

void TMainForm::AddToolBar() {
    ToolBar1 = Make<TToolBar>(this, "ToolBar1");
    ToolBar1->SetParent(this);
    ToolBar1->SetBounds(0, 0, 537, 41);
    ToolBar1->SetFlat(true);
    ToolBar1->SetButtonHeight(35);
    ToolBar1->SetShowCaptions(true);
    ToolBar1->SetImages(ImageList1);
    ToolBar1->SetIndent(10);
    SetDialogFont(ToolBar1->Font());

    struct Button {
        TAction* action;
        const char* caption;  // null: the action's own
    };
    const Button groups[][2] = {{{ActionExtract, nullptr}, {nullptr, nullptr}},
                                {{ActionWavToMp3, "编码"}, {aWavToCorvane, "Corvane"}},
                                {{ActionRecord, nullptr}, {nullptr, nullptr}},
                                {{ActionOptionSet, "参数"}, {nullptr, nullptr}},
                                {{ActionExit, nullptr}, {nullptr, nullptr}}};
    bool first = true;
    for (const auto& group : groups) {
        if (!first) {
            auto* separator = Make<TToolButton>(this, "");
            separator->SetParent(ToolBar1);
            separator->SetStyle(tbsSeparator);
            separator->SetWidth(8);
        }
        first = false;
        for (const Button& button : group) {
            if (!button.action) continue;
            auto* toolButton = Make<TToolButton>(this, "");
            toolButton->SetParent(ToolBar1);
            toolButton->SetAction(button.action);
            if (button.caption) toolButton->SetCaption(button.caption);
            toolButton->SetHint(button.action->Hint());
        }
    }
}

void TMainForm::AddListView() {
    ListView1 = Make<TListView>(this, "ListView1");
    ListView1->SetParent(this);
    ListView1->SetBounds(10, 41, 517, 361);
    ListView1->SetViewStyle(vsReport);
    ListView1->SetCheckboxes(true);
    ListView1->SetReadOnly(true);
    ListView1->SetRowSelect(true);
    ListView1->SetPopupMenu(PopupMenu1);
    SetDialogFont(ListView1->Font());
    const std::pair<const char*, int> columns[] = {{"编号", 90}, {"标题", 230}, {"长度(分钟)", 100}, {"大小(MB)", 90}};
    for (const auto& [caption, width] : columns) {
        TListColumn* column = ListView1->AddColumn();
        column->SetCaption(caption);
        column->SetWidth(width);
        if (column != ListView1->Columns(0)) column->SetAlignment(taCenter);
    }
    ListView1->OnClick = TNotifyEvent::Bind<&TMainForm::ListView1Click>(this);
}

void TMainForm::AddOpenDialog() {
    // The filter is set by each conversion as it runs the dialog.
    OpenDialog1 = Make<TOpenDialog>(this, "OpenDialog1");
    OpenDialog1->SetOptions(ofHideReadOnly | ofAllowMultiSelect | ofEnableSizing);
}

// Stored after every other component, so that setting Active walks all of them.
void TMainForm::AddFlatLook() {
    using namespace components;
    FlatLook1 = Make<TFlatLook>(this, "FlatLook1");
    FlatLook1->DimLevel = 30;
    FlatLook1->GrayLevel = 10;
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    font.SetCharset(kGB2312Charset);
    font.SetColor(clMenuText);
    FlatLook1->SetFont(font);
    FlatLook1->SetColor(clBtnFace);
    FlatLook1->SetDrawMenuBar(false);
    FlatLook1->SetIconBackColor(clBtnFace);
    FlatLook1->SetMenuBarColor(clBtnFace);
    FlatLook1->SetSelectColor(clHighlight);
    FlatLook1->SetSelectBorderColor(clHighlight);
    FlatLook1->SetSelectFontColor(clMenuText);
    FlatLook1->SetDisabledColor(clInactiveCaption);
    FlatLook1->SetSeparatorColor(clBtnFace);
    FlatLook1->SetCheckedColor(clHighlight);
    FlatLook1->SetIconWidth(24);
    FlatLook1->SetDrawSelect(true);
    FlatLook1->SetUseSystemColors(true);
    FlatLook1->SetUseDimColor(false);
    FlatLook1->SetOverrideOwnerDraw(false);
    FlatLook1->SetGradient(false);
    FlatLook1->SetFlatMenu(true);
    FlatLook1->SetAutoDetect(false);
    FlatLook1->SetFlatControls(
        FlatControlsNamed({"fcMainMenu", "fcPopupMenu", "fcControlbar",  "fcCombo",    "fcListBox",  "fcEdit",
                           "fcMaskEdit", "fcMemo",      "fcRichEdit",    "fcMiscEdit", "fcCheckBox", "fcRadioButton",
                           "fcButton",   "fcBitBtn",    "fcSpeedButton", "fcUpDown",   "fcPanel",    "fcGroupBox",
                           "fcTreeView", "fcListView",  "fcProgressBar", "fcHotKey"}));
    FlatLook1->SetActive(true);
}
