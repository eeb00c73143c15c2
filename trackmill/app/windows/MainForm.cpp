#include "trackmill/app/windows/MainForm.h"

#include <cstring>

#include "platform/cdrom/DeviceChange.h"
#include "platform/cdrom/MediaWatcher.h"
#include "platform/framework/EInOutError.h"
#include "platform/framework/TStringList.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/media/Mci.h"
#include "platform/shell/ShellExecute.h"
#include "platform/user/Input.h"
#include "platform/user/MessagePayload.h"
#include "platform/user/Messages.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/app/jobs/CloseCDIfOpen.h"
#include "trackmill/app/jobs/Mp3EncodeProcess.h"
#include "trackmill/app/jobs/RipMode.h"
#include "trackmill/app/options/OptionsFile.h"
#include "trackmill/app/options/WritableFiles.h"
#include "trackmill/app/windows/AboutForm.h"
#include "trackmill/app/windows/KelmCompress.h"
#include "trackmill/app/windows/OptionSetForm.h"
#include "trackmill/app/windows/RecordForm.h"
#include "trackmill/app/windows/RipForm.h"
#include "trackmill/app/windows/VolumeChangeNotice.h"

using namespace framework;

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    BuildLayout();
    SetMessageHandler(win::WM_DEVICECHANGE, TMessageHandler::Bind<&TMainForm::WMDeviceChange>(this));
    WatchMedia();
}

TMainForm::~TMainForm() {
    // The watcher posts to this window from its own thread; it is stopped before the window goes.
    FMediaWatcher.reset();
    // The base form outlives this part of the object: none of its events may reach these handlers any more.
    OnCreate = {};
    OnShow = {};
    OnActivate = {};
    OnPaint = {};
    OnCloseQuery = {};
    OnClose = {};
    FormDestroy(this);
}

void TMainForm::WatchMedia() {
    const win::HWND window = Handle();
    FMediaWatcher = std::make_unique<platform::cdrom::MediaWatcher>(
        [window](win::UINT event, const win::DEV_BROADCAST_VOLUME& volume) {
            auto notice = std::make_unique<VolumeChangeNotice>();
            notice->Volume = volume;
            win::PostOwnedMessage(window, win::WM_DEVICECHANGE, event, std::move(notice));
        });
}

void TMainForm::FormCreate(TObject*) {
    ReadWriteOptions(true);
    Mp3Process = new TMp3EncodeProcess;
    FNoAudioCD = false;
}

void TMainForm::FormShow(TObject*) {
    // Drive 0 whatever Index holds: the options window is where another drive is chosen.
    if (FCDHandle == 0) FCDHandle = OpenCDDrive(0);
    if (FCDHandle == 0) return;
    if (IsAudioCDPresent())
        ReadTrackList();
    else
        FNoAudioCD = true;
}

void TMainForm::FormActivate(TObject*) {
    if (FNoAudioCD) win::MessageBox(Handle(), "请检查光驱中是否插入了音乐CD！", "错误", win::MB_ICONERROR);
}

void TMainForm::FormPaint(TObject*) {
    ToolBar1->SetColor(win::RGB(228, 228, 255));
    Canvas().Brush().SetColor(win::RGB(214, 223, 247));
    Canvas().FillRect(ClientRect());
    ListView1->SetColor(win::RGB(239, 239, 255));
    ListView1->SetBounds(10, ToolBar1->Height(), ClientWidth() - 20,
                         ClientHeight() - ToolBar1->Height() - StatusBar1->Height() - 10);
    StatusBar1->SetBounds(10, ClientHeight() - StatusBar1->Height() - 10, ClientWidth() - 20, StatusBar1->Height());
    StatusBar1->SetColor(win::RGB(220, 225, 255));
}

void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    // A close that reaches this window during a rip (a window manager's, past the modal rip window) ends the rip
    // first: its thread stops after the read under way and writes the track's header, before the CD handle goes.
    for (int i = 0; i < ComponentCount(); ++i) {
        if (auto* rip = dynamic_cast<TRipForm*>(Components(i))) {
            rip->StopAll();
            rip->Close();
        }
    }
    if (Mp3Process && Mp3Process->FRunning) Mp3Process->Stop(0);
    CanClose = true;
}

void TMainForm::FormClose(TObject*, TCloseAction&) {
    if (!CloseCDIfOpen(FCDHandle)) ShowMessage("关闭CD句柄错误!");
    FCDHandle = 0;
    // The window closes whatever the save's fate: the user hears of a failure once, and the old file stays whole.
    try {
        ReadWriteOptions(false);
    } catch (const framework::EInOutError& error) {
        const std::string text =
            "设置未能保存到“" + OptionsFileName(ProgramFolder()) + "”：" + std::strerror(error.ErrorCode());
        win::MessageBox(Handle(), text.c_str(), "错误", win::MB_ICONERROR);
    } catch (const std::exception& error) {
        win::MessageBox(Handle(), error.what(), "错误", win::MB_ICONERROR);
    }
}

void TMainForm::FormDestroy(TObject*) {
    delete Mp3Process;
    Mp3Process = nullptr;
}

bool TMainForm::AnyTrackChecked() const {
    for (int i = 0; i < ListView1->ItemCount(); ++i)
        if (ListView1->Items(i)->Checked()) return true;
    return false;
}

void TMainForm::ActionExtractExecute(TObject*) {
    if (FCDHandle == 0) {
        ShowMessage("请首先获取CD句柄!");
        return;
    }
    if (!AnyTrackChecked()) {
        ShowMessage("请至少选择一首音轨，\r\n可点击左侧复选框进行选择。");
        return;
    }
    // Each row's caption is its track number, which is not its position on a disc that does not start at 1.
    TStringList tracks;
    for (int i = 0; i < ListView1->ItemCount(); ++i)
        if (ListView1->Items(i)->Checked()) tracks.Add(ListView1->Items(i)->Caption());
    TRipForm rip(this, rmRipTracks, FCDHandle, tracks);
    rip.ShowModal();
}

void TMainForm::ConvertFiles(bool toMp3, const TStringList& files) {
    if (files.Count() == 0) return;
    TRipForm rip(this, toMp3 ? rmWavToMp3 : rmMp3ToWav, 0, files);
    rip.ShowModal();
}

void TMainForm::ChooseAndConvert(bool toMp3, const std::string& filter) {
    OpenDialog1->SetFilter(filter);
    OpenDialog1->SetFileName("");
    if (!OpenDialog1->Execute()) return;
    ConvertFiles(toMp3, OpenDialog1->Files());
}

void TMainForm::ActionWavToMp3Execute(TObject*) { ChooseAndConvert(true, "声音(*.wav)|*.wav| 所 有 文 件(*.*)|*.*"); }

void TMainForm::mnuMp3ToWavClick(TObject*) { ChooseAndConvert(false, "MP3文件(*.mp3)|*.mp3| 所 有 文 件(*.*)|*.*"); }

void TMainForm::aWavToCorvaneExecute(TObject*) {
    TfrmKelmCompress compress(this);
    compress.ShowModal();
}

void TMainForm::ActionRecordExecute(TObject*) {
    TfrmRecord recorder(this);
    recorder.ShowModal();
}

void TMainForm::ActionOptionSetExecute(TObject*) {
    TOptionSetForm options(this, this);
    options.ShowModal();
}

void TMainForm::mnuAboutClick(TObject*) {
    TfrmAbout about(this);
    about.ShowModal();
}

void TMainForm::ActionExitExecute(TObject*) { Close(); }

void TMainForm::ActionSelectAllExecute(TObject*) {
    for (int i = 0; i < ListView1->ItemCount(); ++i) ListView1->Items(i)->SetChecked(true);
}

void TMainForm::ActionNoSelectExecute(TObject*) {
    for (int i = 0; i < ListView1->ItemCount(); ++i) ListView1->Items(i)->SetChecked(false);
}

void TMainForm::ListView1Click(TObject*) {
    if (win::GetKeyState(win::VK_CONTROL) >= 0) return;
    if (TListItem* item = ListView1->Selected()) item->SetChecked(!item->Checked());
}

void TMainForm::EjectMenuClick(TObject*) { win::mciSendString("Set cdaudio door open wait", nullptr, 0, Handle()); }

void TMainForm::CloseCdRomMenuClick(TObject*) {
    win::mciSendString("Set cdaudio door closed wait", nullptr, 0, Handle());
}

void TMainForm::VolumeControlMenuClick(TObject*) {
    win::ShellExecuteA(Handle(), "open", "sndvol32.exe", "", "", win::SW_SHOWNORMAL);
}

void TMainForm::mnuHelpClick(TObject*) {
    const std::string help = ProgramFolder() + "Trackmill.CHM";
    win::ShellExecuteA(Handle(), "Open", help.c_str(), nullptr, nullptr, win::SW_SHOW);
}

void TMainForm::WMDeviceChange(TMessage& Message) {
    const auto* payload = reinterpret_cast<const win::MessagePayload*>(Message.LParam);
    const auto* notice = dynamic_cast<const VolumeChangeNotice*>(payload);
    if (!notice || notice->Volume.dbcv_devicetype != win::DBT_DEVTYP_VOLUME) return;
    if (Message.WParam == win::DBT_DEVICEARRIVAL)
        ReadTrackList();
    else if (Message.WParam == win::DBT_DEVICEREMOVECOMPLETE)
        ListView1->ClearItems();
}

void TMainForm::SetStatusText(const std::string& text) { StatusBar1->SetSimpleText(text); }
