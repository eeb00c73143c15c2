#include "trackmill/components/FlatLookManager.h"

#include <algorithm>
#include <memory>

#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/user/Menu.h"
#include "platform/user/Window.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/PopupMenuFrame.h"
#include "trackmill/components/RestyledForms.h"

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

constexpr std::intptr_t kPlainTag = 999;

bool OwnsFlatLook(const framework::TComponent& form) {
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (dynamic_cast<TFlatLook*>(form.Components(i))) return true;
    return false;
}

// Restyling and restoring swallow every failure: none may reach the application window's message loop.
template <class Step>
void Swallowing(Step step) {
    try {
        step();
    } catch (...) {
    }
}

// Whether form is still one of the screen's forms (it was not freed meanwhile).
bool OnScreen(const framework::TCustomForm* form) {
    if (!framework::Screen) return false;
    for (int i = 0; i < framework::Screen->FormCount(); ++i)
        if (framework::Screen->Forms(i) == form) return true;
    return false;
}

// The restylers menu owns, in the order it owns them.
std::vector<TControlSubClass*> RestylersOf(const TFlatLook& menu) {
    std::vector<TControlSubClass*> restylers;
    for (int i = 0; i < menu.ComponentCount(); ++i)
        if (auto* restyler = dynamic_cast<TControlSubClass*>(menu.Components(i))) restylers.push_back(restyler);
    return restylers;
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

TFlatLookManager::TFlatLookManager()
    : forms_(std::make_unique<TRestyledForms>([this](framework::TCustomForm* form) { FormCreated(form); })) {
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
    if (auto* form = dynamic_cast<framework::TCustomForm*>(menu->Form())) forms_->AddStyled(form);
    if (!activeMenu_ && menu->Active() && !menu->DisableSubclassing()) {
        activeMenu_ = menu;
        CollectUnstyledForms();
    }
}

void TFlatLookManager::RemoveMenu(TFlatLook* menu) {
    if (menu == activeMenu_) ReplaceActiveMenu(menu);
    std::erase(menus_, menu);
}

void TFlatLookManager::ReplaceActiveMenu(TFlatLook* leaving) {
    TFlatLook* successor = FindOtherMenu(leaving);
    if (successor && !activeMenu_) {
        activeMenu_ = successor;
        CollectUnstyledForms();
        return;
    }
    if (successor) {
        // The controls of other forms now follow the successor's colours; those of leaving's own form stay.
        for (TControlSubClass* restyler : RestylersOf(*activeMenu_)) {
            framework::TControl* control = restyler->Control;
            if (!leaving || !control) continue;
            if (leaving->Form() && leaving->Form()->ContainsControl(control)) continue;
            successor->InsertComponent(restyler);
            restyler->Menu = successor;
        }
        activeMenu_ = successor;
        return;
    }
    forms_->ClearPending();
    if (framework::Application && framework::Application->MainForm()) {
        const std::vector<framework::TCustomForm*> styled = forms_->Styled();
        for (framework::TCustomForm* form : styled)
            if (!leaving || form != leaving->Form()) RestoreForm(form);
    }
    forms_->ClearStyled();
    activeMenu_ = nullptr;
}

TFlatLook* TFlatLookManager::FindOtherMenu(TFlatLook* excluded) const {
    for (TFlatLook* menu : menus_)
        if (menu != excluded && menu->Active() && !menu->DisableSubclassing()) return menu;
    return nullptr;
}

void TFlatLookManager::CollectUnstyledForms() {
    if (!framework::Screen) return;
    for (int i = 0; i < framework::Screen->FormCount(); ++i) {
        framework::TCustomForm* form = framework::Screen->Forms(i);
        if (forms_->IsStyled(form) || form->Tag() == kPlainTag) continue;
        if (!OwnsFlatLook(*form)) forms_->AddPending(form);
    }
}

void TFlatLookManager::FormCreated(framework::TCustomForm* form) {
    if (!activeMenu_ || form->Tag() == kPlainTag || forms_->IsStyled(form) || forms_->IsPending(form)) return;
    if (!OwnsFlatLook(*form)) forms_->AddPending(form);
}

void TFlatLookManager::RestoreForm(framework::TCustomForm* form) {
    if (!activeMenu_) return;
    const std::vector<TControlSubClass*> restylers = RestylersOf(*activeMenu_);
    for (auto it = restylers.rbegin(); it != restylers.rend(); ++it) {
        TControlSubClass& restyler = **it;
        if (restyler.Control && form->ContainsControl(restyler.Control)) restyler.GiveBack();
    }
}

void TFlatLookManager::RestylePendingForms() {
    // Restyling may bring new forms (and this hook) back: what was taken is done, anything new waits.
    const std::vector<framework::TCustomForm*> pending = forms_->TakePending();
    Swallowing([&] {
        for (framework::TCustomForm* form : pending) {
            // A form freed while an earlier one was restyled has left the lists: it is not touched.
            if (forms_->IsStyled(form) || !OnScreen(form)) continue;
            forms_->AddStyled(form);
            if (activeMenu_) activeMenu_->ActivateComponents(form, true, true);
        }
    });
}

bool TFlatLookManager::MainWindowHook(framework::TMessage& message) {
    if (!activeMenu_) return false;
    if (message.Msg == kFrameRequestItem) {
        const framework::TMenuItem* item = framework::FindMenuItem(static_cast<win::UINT>(message.LParam));
        const win::HWND window = item ? WindowShowing(*item) : nullptr;
        if (window) DrawPopupFrame(*activeMenu_, window, ParentMenuReadsRightToLeft(*item));
    } else if (message.Msg == kFrameRequestWindow) {
        DrawPopupFrame(*activeMenu_, reinterpret_cast<win::HWND>(message.LParam), (message.WParam & 0x7F) != 0);
    }
    if (forms_->HasPending()) RestylePendingForms();
    return false;
}

}  // namespace components
