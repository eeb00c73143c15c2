#include "platform/framework/forms/Application.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/framework/ShortCut.h"
#include "platform/framework/Synchronize.h"
#include "platform/framework/controls/Control.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/WinControl.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/forms/MessageBox.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

namespace framework {

TApplication* Application = nullptr;

namespace {

constexpr win::UINT CM_RELEASE = CM_BASE + 0x201;
constexpr const char* kWindowClass = "TApplication";

bool IsInputMessage(win::UINT msg) {
    return (msg >= win::WM_KEYDOWN && msg <= win::WM_CHAR) || (msg >= win::WM_MOUSEMOVE && msg <= win::WM_RBUTTONUP);
}

bool EnabledWithAncestors(win::HWND hwnd) {
    for (win::HWND h = hwnd; h; h = win::GetAncestor(h, win::GA_PARENT))
        if (!win::IsWindowEnabled(h)) return false;
    return true;
}

}  // namespace

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
    if (!Application) {
        Application = this;
        SetControlExceptionHandler(TExceptionHandler::Bind<&TApplication::HandleException>(this));
    }
    // A call from a worker can end a modal run or the program; the loop that ran it must look again instead of
    // waiting on for a message.
    InstallSynchronizeHook();
    user::SetPendingCallsHook([] {
        if (CheckSynchronize() && Application) win::PostMessage(Application->Handle(), win::WM_NULL, 0, 0);
    });
    screen_ = new TScreen(this);
    win::WNDCLASS wc;
    wc.lpfnWndProc = &TApplication::Procedure;
    wc.lpszClassName = kWindowClass;
    win::RegisterClass(&wc);
    handle_ = win::CreateWindowEx(0, kWindowClass, "", win::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr);
    if (Application == this) SetPopupMenuOwner(handle_);
}

TApplication::~TApplication() {
    // Forms go while the screen and the application window are still there.
    for (int i = ComponentCount() - 1; i >= 0; i = std::min(i - 1, ComponentCount() - 1))
        if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) delete form;
    win::DestroyWindow(handle_);
    if (Application == this) {
        Application = nullptr;
        SetControlExceptionHandler({});
        SetPopupMenuOwner(nullptr);
    }
    user::SetPendingCallsHook([] { CheckSynchronize(); });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::FormCreatedByApplication(TCustomForm* form) {
    if (!mainForm_) mainForm_ = form;
    form->EnsureCreated();
}

void TApplication::Run() {
    if (mainForm_) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
    terminated_ = true;
    // Wakes a loop that waits.
    win::PostMessage(handle_, win::WM_NULL, 0, 0);
}

void TApplication::HandleMessage() {
    win::MSG msg;
    if (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) {
            terminated_ = true;
            return;
        }
        ProcessMessage(msg);
        return;
    }
    Idle();
    if (terminated_ || win::PeekMessage(&msg, nullptr, 0, 0, win::PM_NOREMOVE)) return;
    win::WaitMessage();
}

void TApplication::ProcessMessages() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) {
            terminated_ = true;
            return;
        }
        ProcessMessage(msg);
    }
}

void TApplication::ProcessMessage(win::MSG& msg) {
    try {
        if (IsInputMessage(msg.message) && !EnabledWithAncestors(msg.hwnd)) return;
        if (msg.message == win::WM_KEYDOWN) {
            auto* form = dynamic_cast<TCustomForm*>(FindControl(win::GetAncestor(msg.hwnd, win::GA_ROOT)));
            if (form && form->IsShortCut(ShortCutFromKey(static_cast<int>(msg.wParam)))) return;
            if (form && msg.wParam == static_cast<win::WPARAM>(win::VK_TAB) &&
                !(CurrentShiftState() & (ssCtrl | ssAlt))) {
                form->SelectNext(!(CurrentShiftState() & ssShift));
                return;
            }
            if (form && (msg.wParam == win::VK_RETURN || msg.wParam == win::VK_ESCAPE) &&
                form->Perform(CM_DIALOGKEY, msg.wParam, 0) != 0)
                return;
        }
        // A letter, with Alt or typed where the focus takes no text, presses the button it is the mnemonic of;
        // Alt with a letter no button has goes on to the menu bar.
        if ((msg.message == win::WM_SYSCHAR || msg.message == win::WM_CHAR) && msg.wParam > ' ') {
            auto* form = dynamic_cast<TCustomForm*>(FindControl(win::GetAncestor(msg.hwnd, win::GA_ROOT)));
            const TWinControl* focused = FindControl(msg.hwnd);
            const bool typedAsText = msg.message == win::WM_CHAR && focused && focused->WantsCharacters();
            if (form && !typedAsText && form->Perform(CM_DIALOGCHAR, msg.wParam, 0) != 0) return;
        }
        win::DispatchMessage(&msg);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

void TApplication::Idle() {
    try {
        if (Screen) {
            for (int i = 0; i < Screen->FormCount(); ++i) Screen->Forms(i)->UpdateActions();
        }
        // The mouse left every control of the program.
        if (TControl* under = ControlUnderMouse()) {
            win::POINT cursor;
            win::GetCursorPos(&cursor);
            const win::POINT local = under->ScreenToClient(cursor);
            if (local.x < 0 || local.y < 0 || local.x >= under->Width() || local.y >= under->Height())
                SetControlUnderMouse(nullptr);
        }
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

void TApplication::HookMainWindow(TWindowHook hook) { hooks_.push_back(hook); }

void TApplication::UnhookMainWindow(TWindowHook hook) {
    const auto it = std::find(hooks_.begin(), hooks_.end(), hook);
    if (it != hooks_.end()) hooks_.erase(it);
}

void TApplication::HandleException(const std::exception& error) {
    MessageBox(error.what(), title_, win::MB_OK | win::MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, win::UINT flags) {
    TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr;
    return win::MessageBox(active && active->HandleAllocated() ? active->Handle() : nullptr, text.c_str(),
                           caption.c_str(), flags);
}

std::string TApplication::ExeName() const {
    if (!exeName_.empty()) return exeName_;
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

void TApplication::ReleaseForm(TCustomForm* form) {
    win::PostMessage(handle_, CM_RELEASE, 0, reinterpret_cast<win::LPARAM>(form));
}

win::LRESULT TApplication::Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (Application && Application->handle_ == hwnd) {
        Application->WndProc(message);
        return message.Result;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

void TApplication::WndProc(TMessage& message) {
    const auto hooks = hooks_;
    for (const TWindowHook& hook : hooks)
        if (hook(message)) return;
    if (DispatchMenuMessage(message, Screen ? &Screen->MenuFont() : nullptr)) return;
    if (message.Msg == CM_RELEASE) {
        auto* form = reinterpret_cast<TCustomForm*>(message.LParam);
        // Only a form still alive is freed.
        for (int i = 0; Screen && i < Screen->FormCount(); ++i)
            if (Screen->Forms(i) == form) {
                delete form;
                break;
            }
        return;
    }
    message.Result = win::DefWindowProc(handle_, message.Msg, message.WParam, message.LParam);
}

void ShowMessage(const std::string& text) {
    if (Application) {
        Application->MessageBox(text, Application->Title(), win::MB_OK);
    } else {
        win::MessageBox(nullptr, text.c_str(), "", win::MB_OK);
    }
}

}  // namespace framework
