#pragma once
// A menu item: caption ("-" makes a separator, "&" marks the accelerator), shortcut, check and enabled state,
// sub-items, a linked action, and owner drawing through OnMeasureItem and OnDrawItem. Any change rebuilds the
// native menu, so owner-drawn items are measured again.
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/ControlTypes.h"
#include "platform/framework/Message.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/TComponent.h"
#include "platform/framework/menus/Action.h"
#include "platform/user/ClassicMenuItem.h"
#include "platform/user/Types.h"

namespace framework {

class TBitmap;
class TCanvas;
class TFont;
class TImageList;
class TMenu;

using TMenuMeasureItemEvent = TMethod<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;
using TMenuDrawItemEvent = TMethod<void(TObject* sender, TCanvas* canvas, const win::RECT& rect, bool selected)>;

class TMenuItem : public TComponent, protected TActionClient {
  public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    // Menu-item Checked raises no event.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radioItem);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    TBitmap& Bitmap();
    bool HasBitmap() const { return bitmap_ != nullptr; }
    // The images of the sub-items, instead of the menu's.
    TImageList* SubMenuImages() const { return subMenuImages_; }
    void SetSubMenuImages(TImageList* images);

    void Notification(TComponent* component, TOperation operation) override;

    using TActionClient::Action;
    using TActionClient::SetAction;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_[static_cast<std::size_t>(index)]; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    TMenu* GetParentMenu() const;

    // The native menu the sub-items are in; null for an item without sub-items.
    win::HMENU Handle() const { return handle_; }
    win::UINT Command() const { return command_; }

    // AutoCheck toggles Checked; then OnClick, or the action.
    virtual void Click();
    // Fills in the measure of the classic look and lets OnMeasureItem change it.
    void MeasureItem(TCanvas& canvas, int& width, int& height);
    // OnDrawItem, or the classic look: an owner-drawn item without a handler looks like a native one.
    void DrawItem(TCanvas& canvas, const win::RECT& rect, bool selected);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    // For TMenu: builds the native items of the sub-items into menu.
    void AppendTo(win::HMENU menu, bool ownerDraw);
    void SetMenu(TMenu* menu) { menu_ = menu; }

  protected:
    void ActionChanged(TActionChange change) override;

  private:
    void Changed();
    // A top-level item of a menu bar.
    bool OnBar() const;
    user::classic::MenuItemLook ClassicLook() const;

    std::string caption_;
    TShortCut shortCut_ = 0;
    bool checked_ = false;
    bool autoCheck_ = false;
    bool radioItem_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    std::string hint_;
    std::unique_ptr<TBitmap> bitmap_;
    TImageList* subMenuImages_ = nullptr;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item
    win::HMENU handle_ = nullptr;
    win::UINT command_ = 0;
};

// Menu messages for menus of this framework: WM_COMMAND from a menu, WM_MEASUREITEM and WM_DRAWITEM of owner-drawn
// items, measured and drawn in menuFont when there is one. Returns whether the message was one of them.
bool DispatchMenuMessage(TMessage& message, const TFont* menuFont);
// The live item with this command id, or null.
TMenuItem* FindMenuItem(win::UINT command);

}  // namespace framework
