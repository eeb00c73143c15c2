#include "platform/framework/menus/MenuItem.h"

#include <algorithm>
#include <unordered_map>

#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/Menu.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/ClassicMenuItem.h"
#include "platform/user/Menu.h"
#include "platform/user/MenuMnemonic.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"

namespace framework {

namespace {

std::unordered_map<win::UINT, TMenuItem*>& ItemsByCommand() {
    static std::unordered_map<win::UINT, TMenuItem*> items;
    return items;
}

win::UINT nextCommand = 1;

TMenuItem* LiveItem(win::ULONG_PTR data) {
    auto* wanted = reinterpret_cast<TMenuItem*>(data);
    for (const auto& [command, item] : ItemsByCommand())
        if (item == wanted) return item;
    return nullptr;
}

// The position in its native menu of the first shown item under the one that owns that menu whose caption has the
// character as its mnemonic; -1 when none has.
int MnemonicPosition(win::HMENU menu, char32_t character) {
    for (const auto& [command, item] : ItemsByCommand()) {
        if (item->Handle() != menu || item->Count() == 0) continue;
        int position = 0;
        for (int i = 0; i < item->Count(); ++i) {
            const TMenuItem* child = item->Items(i);
            if (!child->Visible()) continue;
            if (!child->IsLine() && user::MenuMnemonic(child->Caption()) == character) return position;
            ++position;
        }
        return -1;
    }
    return -1;
}

}  // namespace

TMenuItem* FindMenuItem(win::UINT command) {
    const auto it = ItemsByCommand().find(command);
    return it == ItemsByCommand().end() ? nullptr : it->second;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(nextCommand++) {
    ItemsByCommand()[command_] = this;
}

TMenuItem::~TMenuItem() {
    ItemsByCommand().erase(command_);
    SetAction(nullptr);
    while (!items_.empty()) delete items_.back();
    if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (shortCut == shortCut_) return;
    shortCut_ = shortCut;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (checked && radioItem_ && parent_) {
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_) sibling->checked_ = false;
    }
    Changed();
}

void TMenuItem::SetRadioItem(bool radioItem) {
    if (radioItem == radioItem_) return;
    radioItem_ = radioItem;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Changed();
}

void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault == default_) return;
    default_ = isDefault;
    Changed();
}

void TMenuItem::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

TBitmap& TMenuItem::Bitmap() {
    if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
}

void TMenuItem::SetSubMenuImages(TImageList* images) {
    subMenuImages_ = images;
    if (images) images->FreeNotification(this);
    Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == subMenuImages_) subMenuImages_ = nullptr;
}

void TMenuItem::ActionChanged(TActionChange change) {
    TAction* action = Action();
    if (!action) return;
    const bool all = change == TActionChange::All;
    if (all || change == TActionChange::Caption) caption_ = action->Caption();
    if (all || change == TActionChange::ShortCut) shortCut_ = action->ShortCut();
    if (all || change == TActionChange::Enabled) enabled_ = action->Enabled();
    if (all || change == TActionChange::Checked) checked_ = action->Checked();
    if (all || change == TActionChange::ImageIndex) imageIndex_ = action->ImageIndex();
    if (all || change == TActionChange::Hint) hint_ = action->Hint();
    Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    if (std::erase(items_, item) == 0) return;
    item->parent_ = nullptr;
    Changed();
}

int TMenuItem::MenuIndex() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->items_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->Rebuild();
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(!checked_);
    if (OnClick) {
        OnClick(this);
    } else if (TAction* action = Action()) {
        action->Execute();
    }
}

void TMenuItem::AppendTo(win::HMENU menu, bool ownerDraw) {
    handle_ = menu;
    for (TMenuItem* item : items_) {
        if (!item->visible_) continue;
        win::UINT flags = 0;
        if (item->IsLine()) flags |= win::MF_SEPARATOR;
        if (item->checked_) flags |= win::MF_CHECKED;
        if (!item->enabled_) flags |= win::MF_GRAYED;
        if (item->default_) flags |= win::MF_DEFAULT;
        if (item->radioItem_) flags |= win::MFT_RADIOCHECK;
        std::string text = item->caption_;
        if (item->shortCut_) text += "\t" + ShortCutToText(item->shortCut_);
        const char* data = text.c_str();
        if (ownerDraw) {
            flags |= win::MF_OWNERDRAW;
            data = reinterpret_cast<const char*>(item);
        }
        if (item->Count() > 0) {
            const win::HMENU sub = win::CreatePopupMenu();
            item->AppendTo(sub, ownerDraw);
            win::AppendMenu(menu, flags | win::MF_POPUP, reinterpret_cast<win::UINT_PTR>(sub), data);
        } else {
            item->handle_ = nullptr;
            win::AppendMenu(menu, flags, item->command_, data);
        }
    }
}

bool TMenuItem::OnBar() const { return parent_ && !parent_->parent_ && GetParentMenu() && GetParentMenu()->IsBar(); }

user::classic::MenuItemLook TMenuItem::ClassicLook() const {
    std::string text = caption_;
    if (shortCut_) text += "\t" + ShortCutToText(shortCut_);
    return user::classic::MenuItemLook{.text = std::move(text),
                                       .separator = IsLine(),
                                       .disabled = !enabled_,
                                       .checked = checked_,
                                       .radio = radioItem_,
                                       .submenu = Count() > 0};
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    const bool onBar = OnBar();
    const win::SIZE classic = user::classic::MeasureMenuItem(ClassicLook(), onBar);
    // The layer widens an owner-drawn item by its padding (bar) or the check mark column (popup), which the classic
    // measure holds already.
    const user::classic::Geometry& geometry = user::classic::Current();
    width =
        std::max<int>(0, classic.cx - (onBar ? geometry.ownerDrawBarExtraWidth : geometry.ownerDrawPopupExtraWidth));
    height = classic.cy;
    if (OnMeasureItem) OnMeasureItem(this, &canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const win::RECT& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, &canvas, rect, selected);
        return;
    }
    user::classic::PaintMenuItem(canvas.Handle(), rect, ClassicLook(), selected, OnBar());
}

bool DispatchMenuMessage(TMessage& message, const TFont* menuFont) {
    switch (message.Msg) {
        case win::WM_COMMAND: {
            if (message.LParam != 0 || win::HIWORD(message.WParam) != 0) return false;
            TMenuItem* item = FindMenuItem(win::LOWORD(message.WParam));
            if (!item) return false;
            item->Click();
            return true;
        }
        case win::WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<win::MEASUREITEMSTRUCT*>(message.LParam);
            if (!mis || mis->CtlType != win::ODT_MENU) return false;
            TMenuItem* item = LiveItem(mis->itemData);
            if (!item) return false;
            const win::HDC dc = win::GetDC(nullptr);
            TCanvas canvas(dc);
            if (menuFont) canvas.Font().Assign(*menuFont);
            int width = static_cast<int>(mis->itemWidth);
            int height = static_cast<int>(mis->itemHeight);
            item->MeasureItem(canvas, width, height);
            mis->itemWidth = static_cast<win::UINT>(std::max(width, 0));
            mis->itemHeight = static_cast<win::UINT>(std::max(height, 0));
            win::ReleaseDC(nullptr, dc);
            message.Result = 1;
            return true;
        }
        case win::WM_DRAWITEM: {
            auto* dis = reinterpret_cast<win::DRAWITEMSTRUCT*>(message.LParam);
            if (!dis || dis->CtlType != win::ODT_MENU) return false;
            TMenuItem* item = LiveItem(dis->itemData);
            if (!item) return false;
            TCanvas canvas(dis->hDC);
            if (menuFont) canvas.Font().Assign(*menuFont);
            item->DrawItem(canvas, dis->rcItem, (dis->itemState & win::ODS_SELECTED) != 0);
            message.Result = 1;
            return true;
        }
        case win::WM_MENUCHAR: {
            const int position = MnemonicPosition(reinterpret_cast<win::HMENU>(message.LParam),
                                                  user::FoldedMnemonic(win::LOWORD(message.WParam)));
            if (position < 0) return false;
            message.Result = win::MAKELRESULT(static_cast<win::WORD>(position), win::MNC_EXECUTE);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace framework
