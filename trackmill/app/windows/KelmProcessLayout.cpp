// The compression progress window as stored: 305 by 181 pixels, centred on its owner.
#include "platform/framework/TTimer.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/Label.h"
#include "platform/framework/controls/ProgressBar.h"
#include "trackmill/app/jobs/StepSpeeds.h"
#include "trackmill/app/windows/KelmProcess.h"
#include "trackmill/app/windows/StoredLayout.h"

using namespace framework;

void TfrmKelmProcess::BuildLayout() {
    BeginLoading();
    SetName("frmKelmProcess");
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 305, 181);
    SetPosition(poOwnerFormCenter);
    // Every control takes the form's font: the group box and the stop button are stored with it.
    SetDialogFont(Font());
    OnClose = TCloseEvent::Bind<&TfrmKelmProcess::FormClose>(this);

    GroupBox1 = Place<TGroupBox>(this, this, "GroupBox1", 8, 6, 283, 105, "正在进行编码");
    Label400 = Place<TLabel>(this, GroupBox1, "Label400", 12, 24, 40, 13, "进度：");
    Label3 = Place<TLabel>(this, GroupBox1, "Label3", 56, 24, 200, 13, "");
    ProgressBar1 = Place<TProgressBar>(this, GroupBox1, "ProgressBar1", 12, 44, 259, 16);
    ProgressBar1->SetSmooth(true);
    ProgressBar1->SetStep(1);
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(100);
    Label10 = Place<TLabel>(this, GroupBox1, "Label10", 12, 74, 60, 13, "已用时间:");
    Label1 = Place<TLabel>(this, GroupBox1, "Label1", 74, 74, 60, 13, "");
    Label20 = Place<TLabel>(this, GroupBox1, "Label20", 146, 74, 60, 13, "估计用时:");
    Label2 = Place<TLabel>(this, GroupBox1, "Label2", 208, 74, 60, 13, "");
    btStop = Place<TButton>(this, this, "btStop", 113, 120, 75, 25, "停止");
    btStop->OnClick = TNotifyEvent::Bind<&TfrmKelmProcess::btStopClick>(this);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(EstimateTick);
    Timer1->SetOnTimer(TNotifyEvent::Bind<&TfrmKelmProcess::Timer1Timer>(this));

    EndLoading();
}
