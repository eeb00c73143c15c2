#pragma once
// A panel that acts as a push button with a small picture at its left and a popup menu: a press lowers its bevel
// and nudges the picture by one pixel, and a click pops the menu up directly above the button when it fits
// between the button and the top of the screen, below the button otherwise. The button owns neither the menu nor
// the picture; the picture becomes its child control.
#include "platform/framework/controls/Panel.h"

namespace framework {
class TImage;
class TPopupMenu;
}  // namespace framework

namespace components {

class TAfStartButton : public framework::TPanel {
  public:
    using framework::TPanel::TPanel;
    ~TAfStartButton() override;

    framework::TPopupMenu* m_PopupMenu() const { return popupMenu_; }
    void Setm_PopupMenu(framework::TPopupMenu* menu);
    framework::TImage* m_Image() const { return image_; }
    // Adopts the picture: makes it a child at the left edge, vertically centred, sized to its picture and
    // transparent, and routes its clicks and presses to the button.
    void Setm_Image(framework::TImage* image);

    void Click() override;
    void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
    void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;

    void Notification(framework::TComponent* component, framework::TOperation operation) override;

  private:
    void PopupMenuAtButton();

    void ImageClick(framework::TObject* sender);
    void ImageMouseDown(framework::TObject* sender, framework::TMouseButton button, framework::TShiftState shift, int x,
                        int y);
    void ImageMouseUp(framework::TObject* sender, framework::TMouseButton button, framework::TShiftState shift, int x,
                      int y);

    framework::TPopupMenu* popupMenu_ = nullptr;
    framework::TImage* image_ = nullptr;
    // Raised only by the MouseUp that matches a MouseDown: the release of the click that dismisses the menu
    // arrives without its press, and must not move the picture.
    bool lowered_ = false;
};

}  // namespace components
