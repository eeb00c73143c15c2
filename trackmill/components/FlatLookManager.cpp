#include "trackmill/components/FlatLookManager.h"

#include <algorithm>
#include <memory>

#include "platform/framework/forms/Application.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/user/Menu.h"
#include "platform/user/Window.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/PopupMenuFrame.h"

namespace components {

namespace {

std::unique_ptr<TFlatLookManager>& Instance() {
    static std::unique_ptr<TFlatLookManager> manager;
    return manager;
}

// The item's position among the items its parent shows: invisible items are not in the native menu.
int NativePosition(const framework::TMenuItem& item) {
    const framework::TMenuItem* parent = item.Parent();
    int position = 0;
    for (int i = 0; i < parent->Count() && parent->Items(i) != &item; ++i)
        if (parent->Items(i)->Visible()) ++position;
    return position;
}

// The popup window showing the item: the one at the centre of the item's rectangle.
win::HWND WindowShowing(const framework::TMenuItem& item) {
    framework::TMenuItem* parent = item.Parent();
    if (!parent || !parent->Handle()) return nullptr;
    win::RECT r{};
    if (!win::GetMenuItemRect(nullptr, parent->Handle(), static_cast<win::UINT>(NativePosition(item)), &r))
        return nullptr;
    return win::WindowFromPoint(win::POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2});
}

bool ParentMenuReadsRightToLeft(const framework::TMenuItem& item) {
    const framework::TMenu* menu = item.GetParentMenu();
    return menu && menu->IsRightToLeft();
}

}  // namespace

TFlatLookManager* FlatLookManager() { return Instance().get(); }

void AcquireFlatLookManager() {
    if (!Instance()) Instance() = std::make_unique<TFlatLookManager>();
}

void ReleaseFlatLookManager() { Instance().reset(); }

TFlatLookManager::TFlatLookManager() {
    if (framework::Application) {
        framework::Application->HookMainWindow(framework::TWindowHook::Bind<&TFlatLookManager::MainWindowHook>(this));
        hooked_ = true;
    }
}

TFlatLookManager::~TFlatLookManager() {
    if (hooked_ && framework::Application)
        framework::Application->UnhookMainWindow(framework::TWindowHook::Bind<&TFlatLookManager::MainWindowHook>(this));
}

void TFlatLookManager::AddMenu(TFlatLook* menu) {
    menus_.push_back(menu);
    if (!activeMenu_ && menu->Active() && !menu->DisableSubclassing()) activeMenu_ = menu;
}

void TFlatLookManager::RemoveMenu(TFlatLook* menu) {
    if (menu == activeMenu_) ReplaceActiveMenu(menu);
    std::erase(menus_, menu);
}

void TFlatLookManager::ReplaceActiveMenu(TFlatLook* leaving) { activeMenu_ = FindOtherMenu(leaving); }

TFlatLook* TFlatLookManager::FindOtherMenu(TFlatLook* excluded) const {
    for (TFlatLook* menu : menus_)
        if (menu != excluded && menu->Active() && !menu->DisableSubclassing()) return menu;
    return nullptr;
}

bool TFlatLookManager::MainWindowHook(framework::TMessage& message) {
    if (!activeMenu_) return false;
    if (message.Msg == kFrameRequestItem) {
        const framework::TMenuItem* item = framework::FindMenuItem(static_cast<win::UINT>(message.LParam));
        if (!item) return false;
        if (const win::HWND window = WindowShowing(*item))
            DrawPopupFrame(*activeMenu_, window, ParentMenuReadsRightToLeft(*item));
    } else if (message.Msg == kFrameRequestWindow) {
        DrawPopupFrame(*activeMenu_, reinterpret_cast<win::HWND>(message.LParam), (message.WParam & 0x7F) != 0);
    }
    return false;
}

}  // namespace components
