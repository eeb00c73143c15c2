// trackmill: lists the tracks of the audio CD in the drive, rips them to WAV or MP3 and converts sound files.
#include "platform/cdrom/Door.h"
#include "platform/framework/forms/Application.h"
#include "platform/media/CdDoor.h"
#include "platform/present/PresenterChoice.h"
#include "trackmill/app/windows/MainForm.h"

int main() {
    present::InstallPresenter();
    // The door commands of the media layer move the first drive of the CD list, the one the main window opens.
    platform::media::SetCdDoorHandler([](platform::media::DoorMove move) {
        return move == platform::media::DoorMove::Open ? platform::cdrom::OpenDoor(0) : platform::cdrom::CloseDoor(0);
    });
    framework::TApplication application(nullptr);
    application.Initialize();
    application.SetTitle("音频抓轨");
    application.CreateForm(MainForm);
    application.Run();
    return 0;
}
