// The walk that switches a form's flat look on and off: menus become owner drawn with this look's handlers, tool
// bars get the flat button painter, and the controls the two sets select are handed to the restyler.
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/PageControl.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/controls/ToolBar.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"

namespace components {

namespace {

using framework::TComponent;
using framework::TControl;

constexpr std::intptr_t kPlainTag = 999;

// Whether the control is of a kind the flat controls set selects.
bool Eligible(const TControl& c, TFlatControls set) {
    auto selects = [set](TFlatControl member) { return Contains(set, member); };
    return (c.InheritsFrom<framework::TComboBox>() && selects(fcCombo)) ||
           (c.InheritsFrom<framework::TCustomEdit>() && selects(fcEdit)) ||
           ((c.ClassNameIs("TMaskEdit") || c.ClassNameIs("TDBEdit")) && selects(fcMaskEdit)) ||
           (c.InheritsFrom<framework::TCheckBox>() && selects(fcCheckBox)) ||
           (c.InheritsFrom<framework::TRadioButton>() && selects(fcRadioButton)) ||
           (c.ClassNameIs("TBitBtn") && selects(fcBitBtn)) || (c.ClassNameIs("TButton") && selects(fcButton)) ||
           (c.ClassNameIs("TUpDown") && selects(fcUpDown)) ||
           (c.InheritsFrom<framework::TSpeedButton>() && selects(fcSpeedButton)) ||
           (c.InheritsFrom<framework::TCustomPanel>() && selects(fcPanel)) ||
           ((c.ClassNameIs("TDBNavigator") || c.ClassNameIs("TDBLookupComboBox")) && selects(fcButton)) ||
           (c.InheritsFrom<framework::TGroupBox>() && selects(fcGroupBox)) ||
           (c.InheritsFrom<framework::TListView>() && selects(fcListView)) ||
           (c.InheritsFrom<framework::TProgressBar>() && selects(fcProgressBar));
}

// Whether the parent is of a kind the flat containers set selects.
bool EligibleParent(const framework::TWinControl& p, TFlatContainers set) {
    auto selects = [set](TFlatContainer member) { return Contains(set, member); };
    return (p.InheritsFrom<framework::TToolBar>() && selects(fccToolbar)) ||
           (p.InheritsFrom<framework::TCustomPanel>() && selects(fccPanel)) ||
           (p.InheritsFrom<framework::TGroupBox>() && selects(fccGroupBox)) ||
           ((p.InheritsFrom<framework::TTabSheet>() || p.ClassNameIs("TdxTabSheet")) && selects(fccTabSheet)) ||
           (p.ClassNameIs("TDBCtrlPanel") && selects(fccFrame)) ||
           (p.InheritsFrom<framework::TCustomForm>() && selects(fccForm));
}

// The item and all its descendants, parents before children.
template <class Visit>
void PreOrder(framework::TMenuItem* item, Visit visit) {
    visit(item);
    for (int i = 0; i < item->Count(); ++i) PreOrder(item->Items(i), visit);
}

}  // namespace

void TFlatLook::ActivateComponents(TComponent* owner, bool activate, bool repaint) {
    if (!owner) return;
    const int count = owner->ComponentCount();
    for (int i = 0; i < count && i < owner->ComponentCount(); ++i)
        ActivateComponent(owner->Components(i), activate, repaint);
}

void TFlatLook::ActivateComponent(TComponent* component, bool activate, bool repaint) {
    if (auto* mainMenu = dynamic_cast<framework::TMainMenu*>(component)) {
        if (Contains(flatControls_, fcMainMenu) && mainMenu->Tag() != kPlainTag) {
            HookMenu(mainMenu, activate);
            framework::TMenuItem* items = mainMenu->Items();
            if (items->Count() > 0) {
                // The bar measures its items again when a caption changes.
                framework::TMenuItem* first = items->Items(0);
                const std::string caption = first->Caption();
                first->SetCaption("");
                first->SetCaption(caption);
            }
        }
    }
    if (auto* popupMenu = dynamic_cast<framework::TPopupMenu*>(component)) {
        if (Contains(flatControls_, fcPopupMenu)) HookMenu(popupMenu, activate);
    }
    if (auto* toolBar = dynamic_cast<framework::TToolBar*>(component)) {
        if (Contains(flatControls_, fcToolbar)) ActivateToolBar(toolBar, activate, repaint);
    }
    if (auto* control = dynamic_cast<TControl*>(component)) ActivateControl(control, activate, repaint);
    if (dynamic_cast<framework::TCustomForm*>(component) || component->ClassNameIs("TDBNavigator"))
        ActivateComponents(component, activate, repaint);
}

void TFlatLook::HookMenu(framework::TMenu* menu, bool activate) {
    framework::TMenuItem* items = menu->Items();
    for (int i = 0; i < items->Count(); ++i) {
        menu->SetOwnerDraw(activate);
        PreOrder(items->Items(i), [this, activate](framework::TMenuItem* item) { HookMenuItem(item, activate); });
    }
}

void TFlatLook::HookMenuItem(framework::TMenuItem* item, bool activate) {
    const auto draw = framework::TMenuDrawItemEvent::Bind<&TFlatLook::MenuDrawItem>(this);
    const auto measure = framework::TMenuMeasureItemEvent::Bind<&TFlatLook::MenuMeasureItem>(this);
    if (activate) {
        if (item->Tag() == kPlainTag) return;
        if (!item->OnDrawItem || overrideOwnerDraw_) item->OnDrawItem = draw;
        if (!item->OnMeasureItem || overrideOwnerDraw_) item->OnMeasureItem = measure;
        return;
    }
    if (item->OnDrawItem == draw) item->OnDrawItem = {};
    if (item->OnMeasureItem == measure) item->OnMeasureItem = {};
}

void TFlatLook::ActivateToolBar(framework::TToolBar* toolBar, bool activate, bool repaint) {
    if (!toolBar->Flat()) toolBar->SetFlat(true);
    const auto painter = framework::TTBCustomDrawBtnEvent::Bind<&TFlatLook::ToolbarCustomDrawButton>(this);
    if (activate) {
        if (toolBar->ButtonCount() > 0 && (!toolBar->OnCustomDrawButton || overrideOwnerDraw_))
            toolBar->OnCustomDrawButton = painter;
    } else if (toolBar->OnCustomDrawButton == painter) {
        toolBar->OnCustomDrawButton = {};
    }
    if (repaint) toolBar->Invalidate();
}

void TFlatLook::ActivateControl(TControl* control, bool activate, bool repaint) {
    framework::TWinControl* parent = control->Parent();
    if (!parent || !Eligible(*control, flatControls_) || !EligibleParent(*parent, flatContainers_)) return;
    if (activate && control->Tag() != kPlainTag && parent->Tag() != kPlainTag) {
        RestyleControl(*this, *control);
        // A number edit's arrows are a control of its own inside it; they go with the edit.
        if (auto* edit = dynamic_cast<framework::TCustomEdit*>(control); edit && Contains(flatControls_, fcUpDown))
            for (int i = 0; i < edit->ControlCount(); ++i)
                if (TControl* inner = edit->Controls(i); inner->ClassNameIs("TUpDown") && inner->Tag() != kPlainTag)
                    RestyleControl(*this, *inner);
    }
    if (repaint) control->Invalidate();
}

}  // namespace components
