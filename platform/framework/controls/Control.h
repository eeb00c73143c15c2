#pragma once
// The base of every control, windowed or not. Every message reaches a control through its replaceable WindowProc,
// which starts out as the control's own WndProc.
//
// Mouse order on a left-button release over the control that took the press: Click (and OnClick) first, then
// MouseUp (and OnMouseUp). A popup opened from Click therefore runs while the control still shows its pressed look.
#include <string>

#include "platform/framework/ControlTypes.h"
#include "platform/framework/Message.h"
#include "platform/framework/TComponent.h"
#include "platform/framework/graphics/Colors.h"
#include "platform/framework/graphics/Font.h"
#include "platform/framework/menus/Action.h"

namespace framework {

class TWinControl;
class TCustomForm;
class TPopupMenu;

class TControl : public TComponent, protected TActionClient {
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The message method every message goes through; replace it to subclass, put the old one back to restore.
    TWndMethod WindowProc() const { return windowProc_; }
    void SetWindowProc(TWndMethod method) { windowProc_ = method; }
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Setting the current bounds again changes nothing and repaints nothing.
    virtual void SetBounds(int left, int top, int width, int height);
    win::RECT BoundsRect() const { return win::RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual win::RECT ClientRect() const { return win::RECT{0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    virtual void SetClientSize(int width, int height);
    // Lays the control out again at multiplier / divisor of its size, as a layout made for one display resolution is
    // for another: the bounds, whose edges are scaled so that controls that met still meet, then the font's pixel
    // height. Windowed controls scale their children first.
    virtual void ChangeScale(int multiplier, int divisor);
    // Screen position of the client area's top-left corner.
    virtual win::POINT ClientOrigin() const;
    win::POINT ClientToScreen(win::POINT point) const;
    win::POINT ScreenToClient(win::POINT point) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text) { SetCaption(text); }
    // Whether the control takes its parent's colour and font when it is put on it, and the colour whenever
    // the parent's changes.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    bool UseRightToLeftReading() const;
    bool UseRightToLeftAlignment() const;
    // Adds DT_RTLREADING (and mirrors the alignment) when the control reads right to left.
    win::UINT DrawTextBiDiModeFlags(win::UINT flags) const;

    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    using TActionClient::Action;
    using TActionClient::SetAction;

    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();

    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // The form the control lies on; null when it has none.
    TCustomForm* ParentForm() const;
    // Forms lie a layer above the controls, which know a form only through these two: a form answers with itself,
    // and takes the modal result of a button clicked on it.
    virtual TCustomForm* AsForm() { return nullptr; }
    virtual void TakeModalResult(TModalResult) {}

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    virtual void WndProc(TMessage& message);
    // What a message nobody handled gets; windowed controls pass it to the native window procedure.
    virtual void DefaultHandler(TMessage& message);
    // A left press and release over the control; a plain control clicks, a check box toggles.
    virtual void ClickedByMouse() { Click(); }

    // Mirrors the linked action's caption, enabled state and hint.
    void ActionChanged(TActionChange change) override;

    // The top of the parent chain: the control itself when it has no parent.
    TControl* TopParent() const;

    // Bounds as the window reports them, without moving anything.
    void UpdateBoundsFromWindow(int left, int top, int width, int height);

    TWinControl* parent_ = nullptr;
    bool pressed_ = false;  // the left button went down on the control and has not come up

  private:
    void HandleMouse(TMessage& message);

    TWndMethod windowProc_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool ctl3D_ = true;
    bool parentColor_ = false;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    TFont font_;
    std::string caption_;
    std::string hint_;
    TCursor cursor_ = crDefault;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TPopupMenu* popupMenu_ = nullptr;
};

// The control under the mouse, as mouse-enter and mouse-leave notifications last reported it.
TControl* ControlUnderMouse();
// Sends the leave and enter notifications when the control under the mouse changes.
void SetControlUnderMouse(TControl* control);
// The control that has the mouse captured (windowless ones included); null when none has.
TControl* CaptureControl();

}  // namespace framework
