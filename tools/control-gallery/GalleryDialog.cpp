#include "GalleryDialog.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/RadioButton.h"

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

}  // namespace

GalleryDialog::GalleryDialog(TComponent* owner) : TForm(owner) {
    SetCaption("选项");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    Font().SetName("宋体");
    Font().SetHeight(-12);
    Font().SetCharset(134);
    SetClientSize(300, 200);

    auto* group = Add<TGroupBox>(this, this, 10, 8, 280, 110, "输出格式");
    Add<TRadioButton>(this, group, 14, 22, 120, 17, "WAV 文件")->SetChecked(true);
    Add<TRadioButton>(this, group, 14, 44, 120, 17, "MP3 文件");
    Add<TCheckBox>(this, group, 14, 70, 200, 17, "完成后打开文件夹")->SetChecked(true);
    Add<TLabel>(this, this, 12, 132, 60, 13, "文件名:");
    Add<TEdit>(this, this, 72, 128, 218, 21, nullptr)->SetText("track01.wav");
    auto* ok = Add<TButton>(this, this, 134, 164, 75, 25, "确定");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = Add<TButton>(this, this, 215, 164, 75, 25, "取消");
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
}
