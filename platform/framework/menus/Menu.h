#pragma once
// The base of main menus and popup menus: the root item, the native menu built from it, owner drawing and images.
#include "platform/framework/ControlTypes.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/TComponent.h"
#include "platform/user/Types.h"

namespace framework {

class TImageList;
class TMenuItem;

class TMenu : public TComponent {
  public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() const { return items_; }
    win::HMENU Handle();

    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode) { biDiMode_ = mode; }
    bool IsRightToLeft() const { return biDiMode_ != bdLeftToRight; }

    // Clicks the enabled, visible item with this shortcut; whether there was one.
    bool IsShortCut(TShortCut shortCut);

    // Whether the top-level items sit in a window's menu bar.
    virtual bool IsBar() const { return false; }

    // An item changed: the native menu is built again.
    void Rebuild();

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    virtual win::HMENU CreateNativeMenu() = 0;
    // The native menu was replaced by a new one; the old one is destroyed after this returns.
    virtual void HandleReplaced() {}

    bool tracking_ = false;
    bool stale_ = false;

  private:
    TMenuItem* items_;
    win::HMENU handle_ = nullptr;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

}  // namespace framework
