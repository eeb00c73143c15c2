// control-gallery: one window with every kind of standard control, and a modal dialog.
//   control-gallery --png DIR          draw them on the headless screen and write DIR/gallery.png,
//                                      DIR/gallery-dialog.png and DIR/gallery-open.png (the file dialog on DIR)
//   control-gallery [--dialog] [--seconds N]
//                                      run on the display (or headless); open the dialog after half a second;
//                                      quit after N seconds
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "GalleryDialog.h"
#include "GalleryForm.h"
#include "platform/framework/TTimer.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/OpenDialog.h"
#include "platform/framework/forms/Screen.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/present/PresenterChoice.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Presenter.h"
#include "platform/user/SystemMetrics.h"

using namespace framework;

namespace {

// Writes the screen with the dialog open, then closes it.
struct DialogShot {
    std::string path;
    GalleryDialog* dialog = nullptr;
    std::string error;
    void Take(TObject*) {
        testdriver::PumpUntilIdle();
        error = testdriver::DumpScreenPng(path);
        dialog->SetModalResult(mrCancel);
    }
};

// Writes the screen with the file dialog open, then closes it.
struct FileDialogShot {
    std::string path;
    std::string error;
    void Take(TObject* sender) {
        static_cast<TTimer*>(sender)->SetEnabled(false);
        testdriver::PumpUntilIdle();
        error = testdriver::DumpScreenPng(path);
        TCustomForm* top = Screen->Forms(Screen->FormCount() - 1);
        win::PostMessage(top->Handle(), win::WM_CLOSE, 0, 0);
    }
};

// Opens the dialog once, and ends the program when its time is up.
struct Schedule {
    GalleryForm* form = nullptr;
    TTimer* opener = nullptr;
    void OpenDialog(TObject*) {
        opener->SetEnabled(false);
        GalleryDialog dialog(form);
        dialog.ShowModal();
    }
    void Quit(TObject*) { Application->Terminate(); }
};

int WritePngs(const std::string& folder) {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    user::SetScreenSize(800, 600);
    TApplication app(nullptr);
    GalleryForm* form = nullptr;
    app.CreateForm(form);
    form->Show();
    testdriver::PumpUntilIdle();
    if (std::string error = testdriver::DumpScreenPng(folder + "/gallery.png"); !error.empty()) {
        std::fprintf(stderr, "control-gallery: %s\n", error.c_str());
        return 1;
    }
    GalleryDialog dialog(form);
    DialogShot shot{folder + "/gallery-dialog.png", &dialog, {}};
    dialog.OnActivate = TNotifyEvent::Bind<&DialogShot::Take>(&shot);
    dialog.ShowModal();
    if (!shot.error.empty()) {
        std::fprintf(stderr, "control-gallery: %s\n", shot.error.c_str());
        return 1;
    }
    FileDialogShot fileShot{folder + "/gallery-open.png", {}};
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer(TNotifyEvent::Bind<&FileDialogShot::Take>(&fileShot));
    TOpenDialog open(nullptr);
    open.SetTitle("打开声音文件");
    open.SetFilter("声音文件 (*.wav)|*.wav|所有文件|*.*");
    open.SetInitialDir(folder);
    open.Execute();
    if (!fileShot.error.empty()) {
        std::fprintf(stderr, "control-gallery: %s\n", fileShot.error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool openDialog = false;
    int seconds = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--png" && i + 1 < argc) return WritePngs(argv[++i]);
        if (arg == "--dialog") {
            openDialog = true;
        } else if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: control-gallery [--png DIR] [--dialog] [--seconds N]\n");
            return 2;
        }
    }
    present::InstallPresenter();
    TApplication app(nullptr);
    GalleryForm* form = nullptr;
    app.CreateForm(form);
    Schedule schedule{form, nullptr};
    if (openDialog) {
        schedule.opener = new TTimer(form);
        schedule.opener->SetInterval(500);
        schedule.opener->SetOnTimer(TNotifyEvent::Bind<&Schedule::OpenDialog>(&schedule));
    }
    if (seconds > 0) {
        auto* quit = new TTimer(form);
        quit->SetInterval(static_cast<unsigned>(seconds) * 1000);
        quit->SetOnTimer(TNotifyEvent::Bind<&Schedule::Quit>(&schedule));
    }
    app.Run();
    return 0;
}
