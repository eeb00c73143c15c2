#pragma once
// The application: a hidden window with a hook chain, the main form, the message loop with idle processing, and
// the default report of errors that escape a message handler (a box with the message; the loop goes on).
#include <exception>
#include <string>
#include <vector>

#include "platform/framework/Message.h"
#include "platform/framework/TComponent.h"
#include "platform/user/Types.h"

namespace framework {

class TCustomForm;
class TScreen;

class TApplication : public TComponent {
  public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    void Initialize() {}
    // Creates a form owned by the application; the first one becomes the main form.
    template <class Form>
    void CreateForm(Form*& reference) {
        reference = new Form(this);
        FormCreatedByApplication(reference);
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and runs the loop until the main form closes.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles one message, or goes idle and waits for the next.
    void HandleMessage();
    // Handles every message waiting, without waiting.
    void ProcessMessages();
    // Takes a message off the queue as the loop does: shortcuts, disabled windows, errors.
    void ProcessMessage(win::MSG& msg);
    // Idle work: action updates and mouse tracking.
    void Idle();

    win::HWND Handle() const { return handle_; }
    void HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(TWindowHook hook);

    void HandleException(const std::exception& error);
    int MessageBox(const std::string& text, const std::string& caption, win::UINT flags);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // The running program's path; tests put the program elsewhere with SetExeName.
    std::string ExeName() const;
    void SetExeName(const std::string& path) { exeName_ = path; }

    // Frees form once the messages already queued have been handled.
    void ReleaseForm(TCustomForm* form);

    void Notification(TComponent* component, TOperation operation) override;

  private:
    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void FormCreatedByApplication(TCustomForm* form);
    void WndProc(TMessage& message);

    win::HWND handle_ = nullptr;
    TScreen* screen_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<TWindowHook> hooks_;
    std::string title_;
    std::string exeName_;
};

// The running application; null while there is none.
extern TApplication* Application;

// A plain box with an OK button.
void ShowMessage(const std::string& text);

}  // namespace framework
