// The compression window as stored: components created and their properties set in stored order, then Loaded.
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/menus/Action.h"
#include "platform/framework/menus/ActionList.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/KelmPictures.h"
#include "trackmill/app/windows/ListButtonGlyphs.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

namespace {

TBitBtn* GlyphButton(TComponent* owner, TWinControl* parent, const char* name, int x, const char* caption,
                     ListButtonGlyph glyph) {
    auto* button = Place<TBitBtn>(owner, parent, name, x, 18, 80, 25, caption);
    DrawListButtonGlyph(button->Glyph(), glyph);
    button->GlyphChanged();
    return button;
}

TAction* ListAction(TActionList* list, const char* name, const char* caption, TNotifyEvent execute,
                    TNotifyEvent update) {
    auto* action = new TAction(list->Owner());
    action->SetName(name);
    action->SetActionList(list);
    action->SetCaption(caption);
    action->OnExecute = execute;
    action->OnUpdate = update;
    return action;
}

TImage* Picture(TComponent* owner, TWinControl* parent, const char* name, int x, int y, int size,
                std::span<const std::uint8_t> jpeg) {
    auto* image = Place<TImage>(owner, parent, name, x, y, size, size);
    image->Picture().LoadFromBytes(jpeg);
    image->PictureChanged();
    return image;
}

TComboBox* Combo(TComponent* owner, TWinControl* parent, const char* name, int x, int width,
                 std::initializer_list<const char*> items, int selected, TNotifyEvent change) {
    auto* combo = Place<TComboBox>(owner, parent, name, x, 26, width, 21);
    combo->SetStyle(csDropDown);
    for (const char* item : items) combo->Items().Add(item);
    combo->SetItemIndex(selected);
    combo->OnChange = change;
    return combo;
}

}  // namespace

void TfrmKelmCompress::BuildLayout() {
    BeginLoading();
    SetName("frmKelmCompress");
    SetCaption("KELM语音压缩");
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 427, 416);
    SetPosition(poMainFormCenter);
    SetDialogFont(Font());
    OnShow = TNotifyEvent::Bind<&TfrmKelmCompress::FormShow>(this);

    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    aDelete = ListAction(ActionList1, "aDelete", "删除", TNotifyEvent::Bind<&TfrmKelmCompress::aDeleteExecute>(this),
                         TNotifyEvent::Bind<&TfrmKelmCompress::aDeleteUpdate>(this));
    aClear = ListAction(ActionList1, "aClear", "全清", TNotifyEvent::Bind<&TfrmKelmCompress::aClearExecute>(this),
                        TNotifyEvent::Bind<&TfrmKelmCompress::aClearUpdate>(this));

    AddSourceGroup();
    AddDestinationGroup();
    AddMethodGroup();

    bCompress = Place<TButton>(this, this, "bCompress", 318, 322, 95, 25, "压缩");
    bCompress->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::bCompressClick>(this);
    bClose = Place<TButton>(this, this, "bClose", 318, 355, 95, 25, "关闭");
    bClose->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::bCloseClick>(this);

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    EndLoading();
}

void TfrmKelmCompress::AddSourceGroup() {
    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 8, 6, 405, 222, "请选择要压缩的WAV文件");
    bAdd = GlyphButton(this, GroupBox1, "bAdd", 10, "增加↓", ListButtonGlyph::Add);
    bAdd->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::bAddClick>(this);
    bDelete = GlyphButton(this, GroupBox1, "bDelete", 96, "删除↑", ListButtonGlyph::Delete);
    bDelete->SetAction(aDelete);
    bDelete->SetCaption("删除↑");
    bClear = GlyphButton(this, GroupBox1, "bClear", 182, "全清", ListButtonGlyph::Clear);
    bClear->SetAction(aClear);

    lvSource = Place<TListView>(this, GroupBox1, "lvSource", 10, 50, 334, 162);
    lvSource->SetViewStyle(vsReport);
    lvSource->SetMultiSelect(true);
    lvSource->SetRowSelect(true);
    lvSource->SetReadOnly(true);
    const std::pair<const char*, int> columns[] = {{"文件名称", 100}, {"路径", 150}, {"大小", 70}};
    for (const auto& [caption, width] : columns) {
        TListColumn* column = lvSource->AddColumn();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    lvSource->Columns(2)->SetAlignment(taRightJustify);

    Image2 = Picture(this, GroupBox1, "Image2", 350, 56, 48, KelmFilesPicture());
}

void TfrmKelmCompress::AddDestinationGroup() {
    GroupBox2 = Place<TGroupBox>(this, this, "GroupBox2", 8, 234, 405, 76, "压缩后目标文件的路径");
    RadioButton1 = Place<TRadioButton>(this, GroupBox2, "RadioButton1", 12, 20, 150, 17, "与源文件同一目录");
    RadioButton2 = Place<TRadioButton>(this, GroupBox2, "RadioButton2", 180, 20, 100, 17, "以下目录");
    RadioButton2->SetChecked(true);
    // Handlers come after the stored check, which is no click of the user's.
    RadioButton1->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::RadioButton1Click>(this);
    RadioButton2->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::RadioButton2Click>(this);
    eDest = Place<TEdit>(this, GroupBox2, "eDest", 12, 44, 346, 21);
    eDest->OnChange = TNotifyEvent::Bind<&TfrmKelmCompress::eDestChange>(this);
    bBrowse = Place<TButton>(this, GroupBox2, "bBrowse", 364, 43, 30, 23, "...");
    bBrowse->OnClick = TNotifyEvent::Bind<&TfrmKelmCompress::bBrowseClick>(this);
}

void TfrmKelmCompress::AddMethodGroup() {
    GroupBox3 = Place<TGroupBox>(this, this, "GroupBox3", 8, 316, 300, 66, "压缩方法");
    Image1 = Picture(this, GroupBox3, "Image1", 12, 22, 32, KelmMethodPicture());
    cbName = Combo(this, GroupBox3, "cbName", 56, 96, {"Lark", "Finch"}, 1,
                   TNotifyEvent::Bind<&TfrmKelmCompress::cbNameChange>(this));
    cbRate = Combo(this, GroupBox3, "cbRate", 164, 120, {"16K bps", "20K bps", "24K bps"}, 2,
                   TNotifyEvent::Bind<&TfrmKelmCompress::cbRateChange>(this));
}
