#pragma once
// A button on a tool bar: a push button, a check button that stays down, a drop-down button with a menu, or a
// separator or divider (8 pixels wide unless set otherwise).
#include "platform/framework/controls/GraphicControl.h"

namespace framework {

class TMenuItem;
class TPopupMenu;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TGraphicControl {
  public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    void SetParent(TWinControl* parent) override;
    TToolBar* ToolBar() const;

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Down() const { return down_; }
    void SetDown(bool down);
    TMenuItem* MenuItem() const { return menuItem_; }
    void SetMenuItem(TMenuItem* item);
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);
    int Index() const;
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_ && MouseCapture(); }

    void Click() override;
    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void ActionChanged(TActionChange change) override;

  private:
    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool down_ = false;
    bool hot_ = false;
    TMenuItem* menuItem_ = nullptr;
    TPopupMenu* dropdownMenu_ = nullptr;
};

}  // namespace framework
