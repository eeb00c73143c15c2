#pragma once
// A popup menu, opened at a screen point by Popup or by a right click on a control that names it.
#include "platform/framework/ControlTypes.h"
#include "platform/framework/menus/Menu.h"

namespace framework {

class TComponent;

class TPopupMenu : public TMenu {
  public:
    explicit TPopupMenu(TComponent* owner);

    // Runs the menu until an item is chosen or it is dismissed; the chosen item is clicked before this returns.
    virtual void Popup(int x, int y);
    // The size of the window Popup opens for the menu as it stands, shown before or not.
    win::SIZE MenuSize();
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);

    TNotifyEvent OnPopup;

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    win::HMENU CreateNativeMenu() override;

  private:
    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
};

// The window that owns a running popup menu and gets its owner-draw messages. The application, a layer above,
// installs its own window while it runs; null while there is none.
void SetPopupMenuOwner(win::HWND owner);

}  // namespace framework
