#pragma once
// The main window: the track list of the CD in the drive, and the actions that start every job of the program.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/framework/forms/Form.h"

namespace framework {
class TAction;
class TActionList;
class TImageList;
class TListView;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TPopupMenu;
class TStatusBar;
class TStringList;
class TToolBar;
}  // namespace framework

namespace components {
class TFlatLook;
}

namespace platform::cdrom {
class MediaWatcher;
}

class TMainForm : public framework::TForm {
  public:
    explicit TMainForm(framework::TComponent* owner);
    ~TMainForm() override;

    framework::TToolBar* ToolBar1 = nullptr;
    framework::TListView* ListView1 = nullptr;
    framework::TStatusBar* StatusBar1 = nullptr;
    framework::TImageList* ImageList1 = nullptr;
    framework::TActionList* ActionList1 = nullptr;
    framework::TAction* ActionExtract = nullptr;
    framework::TAction* ActionSelectAll = nullptr;
    framework::TAction* ActionNoSelect = nullptr;
    framework::TAction* ActionOptionSet = nullptr;
    framework::TAction* ActionExit = nullptr;
    framework::TAction* ActionRecord = nullptr;
    framework::TAction* ActionWavToMp3 = nullptr;
    framework::TAction* aWavToCorvane = nullptr;
    framework::TMainMenu* MainMenu1 = nullptr;
    framework::TPopupMenu* PopupMenu1 = nullptr;
    framework::TMenuItem* mnuMp3ToWav = nullptr;
    framework::TMenuItem* EjectMenu = nullptr;
    framework::TMenuItem* CloseCdRomMenu = nullptr;
    framework::TMenuItem* VolumeControlMenu = nullptr;
    framework::TMenuItem* mnuHelp = nullptr;
    framework::TMenuItem* mnuAbout = nullptr;
    framework::TOpenDialog* OpenDialog1 = nullptr;
    components::TFlatLook* FlatLook1 = nullptr;

    bool FNoAudioCD = false;
    std::uint32_t FCDHandle = 0;

    // The drive operations; the options window calls OpenCDDrive and ReadTrackList too.
    std::uint32_t OpenCDDrive(std::int32_t Index);
    bool IsAudioCDPresent() const;
    void ReadTrackList();
    void QueryCDDB(int First, int Last);
    // For the options window: the open handle is closed before the chosen drive is opened and listed.
    void ReopenCDDrive(std::int32_t Index);

    // Runs the rip window over files chosen by the user (WAV to MP3 or MP3 to WAV).
    void ConvertFiles(bool toMp3, const framework::TStringList& files);

  private:
    void BuildLayout();
    void AddActions();
    void AddMenus();
    void AddToolBar();
    void AddListView();
    void AddOpenDialog();
    void AddFlatLook();

    void FormCreate(framework::TObject* Sender);
    void FormShow(framework::TObject* Sender);
    void FormActivate(framework::TObject* Sender);
    void FormPaint(framework::TObject* Sender);
    void FormCloseQuery(framework::TObject* Sender, bool& CanClose);
    void FormClose(framework::TObject* Sender, framework::TCloseAction& Action);
    void FormDestroy(framework::TObject* Sender);
    void ActionExtractExecute(framework::TObject* Sender);
    void ActionWavToMp3Execute(framework::TObject* Sender);
    void mnuMp3ToWavClick(framework::TObject* Sender);
    void aWavToCorvaneExecute(framework::TObject* Sender);
    void ActionRecordExecute(framework::TObject* Sender);
    void ActionOptionSetExecute(framework::TObject* Sender);
    void mnuAboutClick(framework::TObject* Sender);
    void ActionExitExecute(framework::TObject* Sender);
    void ActionSelectAllExecute(framework::TObject* Sender);
    void ActionNoSelectExecute(framework::TObject* Sender);
    void ListView1Click(framework::TObject* Sender);
    void EjectMenuClick(framework::TObject* Sender);
    void CloseCdRomMenuClick(framework::TObject* Sender);
    void VolumeControlMenuClick(framework::TObject* Sender);
    void mnuHelpClick(framework::TObject* Sender);
    void WMDeviceChange(framework::TMessage& Message);

    bool AnyTrackChecked() const;
    // Asks for the files of one conversion through OpenDialog1 and runs it on them; a cancelled dialog runs nothing.
    void ChooseAndConvert(bool toMp3, const std::string& filter);
    void SetStatusText(const std::string& text);
    // A read list with an audio track means an audio CD is in, whatever was found at start.
    void NoteAudioTracksListed();
    void WatchMedia();

    std::unique_ptr<platform::cdrom::MediaWatcher> FMediaWatcher;
};

extern TMainForm* MainForm;
