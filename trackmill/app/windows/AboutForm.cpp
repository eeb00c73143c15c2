#include "trackmill/app/windows/AboutForm.h"

#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/Image.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/Panel.h"
#include "platform/shell/ShellExecute.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/windows/DialogPictures.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) { BuildLayout(); }

void TfrmAbout::BuildLayout() {
    BeginLoading();
    SetName("frmAbout");
    SetCaption("关于");
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetDialogFont(Font());
    SetBounds(0, 0, 242, 196);

    Panel1 = Place<TPanel>(this, this, "Panel1", 8, 8, 220, 116);
    Panel1->SetBevelOuter(bvLowered);
    Label1 = Place<TLabel>(this, Panel1, "Label1", 12, 16, 120, 13, "音频抓轨处理软件");
    Label2 = Place<TLabel>(this, Panel1, "Label2", 12, 40, 80, 13, "版本: 1.0");
    Label3 = Place<TLabel>(this, Panel1, "Label3", 12, 68, 60, 13, "电子邮件：");
    lbEmail = Place<TLabel>(this, Panel1, "lbEmail", 72, 68, 140, 13, "trackmill@localhost");
    lbEAddress = Place<TLabel>(this, Panel1, "lbEAddress", 12, 92, 200, 13, "https://trackmill.invalid/");
    lbEAddress->Font().SetColor(clBlue);
    lbEAddress->SetCursor(crHandPoint);
    lbEAddress->SetVisible(false);
    lbEAddress->OnClick = TNotifyEvent::Bind<&TfrmAbout::lbEAddressClick>(this);
    Image1 = Place<TImage>(this, Panel1, "Image1", 140, 8, 73, 49);
    DrawAboutPicture(Image1->Picture());
    Image1->SetTransparent(true);
    Image1->PictureChanged();

    Button1 = Place<TButton>(this, this, "Button1", 80, 134, 75, 25, "确定");
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->OnClick = TNotifyEvent::Bind<&TfrmAbout::Button1Click>(this);

    EndLoading();
}

void TfrmAbout::Button1Click(TObject*) { Close(); }

void TfrmAbout::lbEAddressClick(TObject*) {
    win::ShellExecuteA(Handle(), "Open", lbEAddress->Caption().c_str(), nullptr, nullptr, win::SW_SHOW);
}
