#pragma once
// A control with a native window. Its window is made when first needed (and with it those of its windowed
// children); every native message is passed to WindowProc. Windowless children are painted here, through their
// own WindowProc, and mouse input over them is passed on to them.
#include <exception>
#include <string>
#include <vector>

#include "platform/framework/controls/Control.h"
#include "platform/framework/graphics/Brush.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/user/Types.h"

namespace framework {

struct TCreateParams {
    win::DWORD style = 0;
    win::DWORD exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    win::HWND parent = nullptr;
};

class TWinControl : public TControl {
  public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    win::HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes a new one (the window procedure chain is kept).
    void RecreateWnd();
    void DestroyHandle();

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    win::RECT ClientRect() const override;
    win::POINT ClientOrigin() const override;
    void ChangeScale(int multiplier, int divisor) override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_[static_cast<std::size_t>(index)]; }
    // Whether control is this control or lies inside it.
    bool ContainsControl(const TControl* control) const;
    // The visible windowless child at a client point, the topmost one first.
    TControl* ControlAtPos(win::POINT point) const;

    // The background brush, whose colour follows Color.
    TBrush& Brush() { return brush_; }

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Whether Tab stops here: TabStop, narrowed by controls of a group that shares one stop.
    virtual bool IsTabStop() const { return tabStop_; }
    // Whether typed characters are the control's own (text fields); elsewhere a letter may press the button
    // whose mnemonic it is.
    virtual bool WantsCharacters() const { return false; }
    int TabOrder() const;

    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // For TControl::SetParent.
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

  protected:
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    virtual void CreateParams(TCreateParams& params);
    // After the window exists (children not made yet).
    virtual void CreateWnd() {}
    // Client-area painting, on Canvas(); windowless children are painted afterwards.
    virtual void Paint() {}
    // Keyboard; the events run first and may clear the key.
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyUp(int& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    // Whether a left press on the control gives it the focus.
    virtual bool FocusOnClick() const { return false; }
    virtual void Resize() {}
    // Erases the background with Color before painting.
    virtual bool ErasesBackground() const { return true; }
    void ScaleControls(int multiplier, int divisor);
    // Changes the window's frame styles in place (no new window).
    void UpdateFrameStyle();

    TCanvas& Canvas() { return canvas_; }

  private:
    friend win::LRESULT ControlWindowProcedure(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
    void CreateHandle();
    void HandleDestroyed();
    void PaintHandler();
    void PaintControls(win::HDC dc);
    bool RouteMouseToChild(TMessage& message);
    void TrackMouse(TMessage& message);
    void BroadcastFocusChanged();

    win::HWND handle_ = nullptr;
    std::vector<TControl*> controls_;
    TBrush brush_;
    TCanvas canvas_;
    bool tabStop_ = false;
    bool recreating_ = false;
};

// The windowed control behind a native window of this framework; null for other windows.
TWinControl* FindControl(win::HWND hwnd);

// What becomes of an error that escapes a control's message handling. The application, a layer above, installs its
// report while it runs; without a handler the error goes on to whoever sent the message.
using TExceptionHandler = TMethod<void(const std::exception& error)>;
void SetControlExceptionHandler(TExceptionHandler handler);

}  // namespace framework
