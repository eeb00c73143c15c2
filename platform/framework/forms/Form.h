#pragma once
// Forms: top-level windows with their controls, menu, modal runs, closing rules and activation events.
//
// OnCreate runs once the layout is built (Loaded), or before the form is first shown. OnActivate runs when the
// program's active form changes, never when a message box or dialog closes. A form destroys its windows and its
// controls before its other components.
//
// A form's stored layout is made at 96 dpi. When it has been built (Loaded), the form scales it by the display's
// pixels per inch / 96: client size, controls, fonts given in pixels, list columns, pictures and image lists; at
// 96 dpi nothing changes. While the layout is being built the form measures its frame at 96 dpi too, so that a
// client size set then is the designed one.
#include <map>

#include "platform/framework/forms/ScrollingWinControl.h"

namespace user::classic {
struct Geometry;
}

namespace framework {

class TMainMenu;

enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TFormBorderStyle = int;  // bsNone and bsSingle as for controls, and these:
inline constexpr TFormBorderStyle bsSizeable = 2;
inline constexpr TFormBorderStyle bsDialog = 3;
inline constexpr TFormBorderStyle bsToolWindow = 4;

using TCloseQueryEvent = TMethod<void(TObject* sender, bool& canClose)>;
using TCloseEvent = TMethod<void(TObject* sender, TCloseAction& action)>;
using TMessageHandler = TMethod<void(TMessage& message)>;

class TCustomForm : public TScrollingWinControl {
  public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    using TWinControl::Canvas;

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    win::RECT ClientRect() const override;
    void ChangeScale(int multiplier, int divisor) override;

    void Show();
    void Hide() { SetVisible(false); }
    // Runs the form modally and returns its modal result; other forms are disabled meanwhile.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    TCustomForm* AsForm() override { return this; }
    void TakeModalResult(TModalResult result) override { SetModalResult(result); }
    bool Modal() const { return modal_; }
    // Asks OnCloseQuery, then closes as OnClose decides. In a modal run the run ends once the handler that called
    // Close returns.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages already queued have been handled.
    void Release();

    bool Active() const;
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);

    // A handler for a message number, run instead of the default handling.
    void SetMessageHandler(win::UINT msg, TMessageHandler handler);
    // Menu and action-list shortcuts of this form.
    virtual bool IsShortCut(TShortCut shortCut);
    // Runs OnUpdate of every action on the form.
    void UpdateActions();
    // Moves the focus to the next (or previous) control that stops the Tab key, in child order.
    void SelectNext(bool forward);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TNotifyEvent OnResize;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

    // Whether the form counts as one of the program's forms (message boxes and the file and folder dialogs do not).
    virtual bool IsProgramForm() const { return true; }

    // For TScreen: the program's active form changed to or from this one.
    void Activated();
    void Deactivated();
    // Runs OnCreate unless it ran already.
    void EnsureCreated();

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void Resize() override;

  private:
    void MenuReplaced(TObject* sender);
    // The client rectangle for the form's bounds with frames, caption and menu bar of this geometry.
    win::RECT ClientRectIn(const user::classic::Geometry& geometry) const;
    // Sends the message to the form's enabled, visible controls until one answers non-zero; whether one did.
    bool OfferToControls(win::UINT msg, win::WPARAM wParam);
    void PlaceOnFirstShow();
    bool CloseModal();
    // The window a modal run is opened from: the active one, else the main form's.
    win::HWND ModalOpener();

    TMainMenu* menu_ = nullptr;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool created_ = false;
    bool placed_ = false;
    bool destroyed_ = false;
    TWinControl* activeControl_ = nullptr;
    std::map<win::UINT, TMessageHandler> handlers_;
};

class TForm : public TCustomForm {
  public:
    using TCustomForm::TCustomForm;
};

}  // namespace framework
