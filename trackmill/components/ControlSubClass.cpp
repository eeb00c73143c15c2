#include "trackmill/components/ControlSubClass.h"

#include <vector>

#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/Button.h"
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/Edit.h"
#include "platform/framework/controls/GraphicControl.h"
#include "platform/framework/controls/GroupBox.h"
#include "platform/framework/controls/ListView.h"
#include "platform/framework/controls/Panel.h"
#include "platform/framework/controls/ProgressBar.h"
#include "platform/framework/controls/RadioButton.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/user/Messages.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/RestyledPainting.h"

namespace components {

using framework::TControl;
using framework::TMessage;

namespace {

constexpr win::UINT kReflectedParentNotify = framework::CN_BASE + win::WM_PARENTNOTIFY;

bool IsGraphic(const TControl& c) { return c.InheritsFrom<framework::TGraphicControl>(); }
bool IsLookupCombo(const TControl& c) { return c.ClassNameIs("TDBLookupComboBox"); }

// Runs guarded: a failing restore must never reach the control's message loop.
template <class Step>
void Swallowing(Step step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace

TControlSubClass::TControlSubClass(TFlatLook* owner) : TComponent(owner) {}

TControlSubClass::~TControlSubClass() {
    for (Call* call = calls_; call; call = call->outer) call->alive = false;
    if (!Control) return;
    Control->RemoveFreeNotification(this);
    if (Hooked()) Swallowing([this] { Control->SetWindowProc(SavedWindowProc); });
}

bool TControlSubClass::Hooked() const {
    return Control && Control->WindowProc() == framework::TWndMethod::Bind<&TControlSubClass::ControlWndProc>(
                                                   const_cast<TControlSubClass*>(this));
}

void TControlSubClass::Hook(TControl& control) {
    Control = &control;
    control.FreeNotification(this);
    if (control.WindowProc().Runs<&TControlSubClass::ControlWndProc>()) return;
    SavedWindowProc = control.WindowProc();
    control.SetWindowProc(framework::TWndMethod::Bind<&TControlSubClass::ControlWndProc>(this));
}

void TControlSubClass::Notification(framework::TComponent* component, framework::TOperation operation) {
    TComponent::Notification(component, operation);
    // Only the control's destruction ends the restyler (a change of owner tells the same); the control is past its
    // own destructors by then: nothing of it may be touched, only forgotten.
    if (operation == framework::TOperation::opRemove && component == Control &&
        (component->ComponentState() & framework::csDestroying)) {
        Control = nullptr;
        delete this;
    }
}

void TControlSubClass::ControlWndProc(TMessage& message) {
    // The control's own handling, a repaint or a release may free this restyler: nothing of it is touched after.
    Call call{true, calls_};
    calls_ = &call;
    Run(message, call);
    if (call.alive) calls_ = call.outer;
}

void TControlSubClass::Run(TMessage& message, const Call& call) {
    TControl& control = *Control;
    if (message.Msg == win::WM_PAINT && IsGraphic(control))
        message.Result = 1;
    else if (message.Msg == win::WM_NCPAINT && IsLookupCombo(control))
        message.Result = 1;
    else
        SavedWindowProc(message);
    if (!call.alive || !Control) return;
    if (Menu && !Menu->Active()) {
        SwitchOff(message);
        return;
    }
    LastMessage = message.Msg;
    React(message);
}

void TControlSubClass::React(TMessage& message) {
    TControl& control = *Control;
    switch (message.Msg) {
        case win::WM_DESTROY:
            if (!KeepOnDestroy) Release();
            return;
        case win::WM_SETFOCUS:
            Hot = true;
            PaintControl();
            return;
        case win::WM_KILLFOCUS:
        case framework::CM_EXIT:
        case win::BM_GETCHECK:
        case win::BM_SETCHECK:
            Hot = false;
            PaintControl();
            return;
        case win::WM_PAINT:
            KeepOnDestroy = false;
            PaintControl();
            return;
        case win::WM_WINDOWPOSCHANGED:
        case win::EM_GETMODIFY:
        case framework::CM_CTL3DCHANGED:
        case framework::CM_PARENTCTL3DCHANGED:
        case framework::CM_INVALIDATE:
        case kReflectedParentNotify:
            KeepOnDestroy = true;
            return;
        case win::BM_SETSTATE:
        case framework::CM_FOCUSCHANGED:
        case framework::CM_PARENTCOLORCHANGED:
        case framework::CM_TEXTCHANGED:
            PaintControl();
            return;
        case win::WM_KEYDOWN:
            if (message.WParam != win::VK_SPACE) return;
            SpaceDown = true;
            if (!SpacePainted) PaintControl();
            SpacePainted = true;
            return;
        case win::WM_KEYUP:
            if (message.WParam != win::VK_SPACE) return;
            SpaceDown = false;
            SpacePainted = false;
            PaintControl();
            return;
        case win::WM_MOUSEMOVE:
            if (control.Enabled() && control.ClassNameIs("TUpDown")) PaintControl();
            return;
        case win::WM_LBUTTONDOWN:
            LeftDown = true;
            PaintControl();
            return;
        case win::WM_LBUTTONUP:
            LeftDown = false;
            RepaintGraphicOrPaint(false);
            return;
        case win::WM_LBUTTONDBLCLK:
            // A double click is a second press for the kinds whose press the user sees.
            if (control.InheritsFrom<framework::TButton>() || control.InheritsFrom<framework::TSpeedButton>() ||
                control.InheritsFrom<framework::TCheckBox>())
                control.Perform(win::WM_LBUTTONDOWN, message.WParam, message.LParam);
            return;
        case framework::CM_ENABLEDCHANGED:
            if (message.WParam == 0) Hot = false;
            PaintControl();
            return;
        case framework::CM_MOUSEENTER:
            if (!control.Enabled()) return;
            Hot = true;
            RepaintGraphicOrPaint(false);
            return;
        case framework::CM_MOUSELEAVE:
            if (!control.Enabled()) return;
            Hot = false;
            RepaintGraphicOrPaint(true);
            return;
        default:
            return;
    }
}

void TControlSubClass::RepaintGraphicOrPaint(bool invalidateOnly) {
    if (!IsGraphic(*Control))
        PaintControl();
    else if (invalidateOnly)
        Control->Invalidate();
    else
        Control->Repaint();
}

void TControlSubClass::Release() {
    Swallowing([this] {
        Control->SetWindowProc(SavedWindowProc);
        KeepOnDestroy = false;
    });
    Control->RemoveFreeNotification(this);
    Control = nullptr;
    delete this;
}

void TControlSubClass::SwitchOff(TMessage& message) {
    message.Result = 1;
    Restore();
}

void TControlSubClass::GiveBack() {
    TControl& control = *Control;
    Swallowing([&] {
        if (Hooked()) control.SetWindowProc(SavedWindowProc);
        // What the flat paint changes: the 3-D look of edits, list views and lookup combos (the flat border of a
        // list view switches its 3-D look off too).
        if (control.InheritsFrom<framework::TCustomEdit>() || IsLookupCombo(control) ||
            control.InheritsFrom<framework::TListView>())
            control.SetCtl3D(SavedCtl3D);
        const auto border = static_cast<framework::TBorderStyle>(SavedBorderStyle);
        if (auto* edit = dynamic_cast<framework::TCustomEdit*>(&control)) edit->SetBorderStyle(border);
        if (auto* listView = dynamic_cast<framework::TListView*>(&control)) listView->SetBorderStyle(border);
    });
}

void TControlSubClass::Restore() {
    GiveBack();
    Control->RemoveFreeNotification(this);
    Control = nullptr;
    delete this;
}

void TControlSubClass::PaintControl() {
    TControl& c = *Control;
    auto* windowed = dynamic_cast<framework::TWinControl*>(&c);
    Focused = windowed && windowed->Focused();
    if (c.InheritsFrom<framework::TComboBox>()) PaintCombo(*this);
    if (IsLookupCombo(c)) PaintLookupCombo(*this);
    if (c.InheritsFrom<framework::TCustomEdit>()) PaintEdit(*this);
    if (c.InheritsFrom<framework::TCheckBox>()) PaintCheckBox(*this);
    if (c.InheritsFrom<framework::TRadioButton>()) PaintRadioButton(*this);
    if (c.InheritsFrom<framework::TBitBtn>())
        PaintBitButton(*this);
    else if (c.InheritsFrom<framework::TButton>())
        PaintButton(*this);
    if (c.InheritsFrom<framework::TSpeedButton>() && c.Visible()) PaintSpeedButton(*this);
    if (c.ClassNameIs("TUpDown")) PaintUpDown(*this);
    if (c.InheritsFrom<framework::TCustomPanel>()) PaintPanel(*this);
    if (c.InheritsFrom<framework::TGroupBox>()) PaintGroupBox(*this);
    if (c.InheritsFrom<framework::TListView>()) PaintBorder(*this);
    if (c.InheritsFrom<framework::TProgressBar>()) PaintProgressBar(*this);
}

void RestoreControlsIn(TFlatLook& look, const framework::TWinControl& container) {
    std::vector<TControlSubClass*> restylers;
    for (int i = 0; i < look.ComponentCount(); ++i)
        if (auto* restyler = dynamic_cast<TControlSubClass*>(look.Components(i)))
            if (restyler->Control && container.ContainsControl(restyler->Control)) restylers.push_back(restyler);
    for (TControlSubClass* restyler : restylers) restyler->Restore();
}

TControlSubClass* RestylerOf(const TControl& control) {
    const framework::TWndMethod procedure = control.WindowProc();
    if (!procedure.Runs<&TControlSubClass::ControlWndProc>()) return nullptr;
    return static_cast<TControlSubClass*>(procedure.object());
}

TControlSubClass* RestyleControl(TFlatLook& look, TControl& control) {
    if (TControlSubClass* running = RestylerOf(control)) {
        look.InsertComponent(running);
        running->Menu = &look;
        return running;
    }
    auto* restyler = new TControlSubClass(&look);
    restyler->Hook(control);
    restyler->Menu = &look;
    if (auto* edit = dynamic_cast<framework::TCustomEdit*>(&control)) {
        restyler->SavedCtl3D = edit->Ctl3D();
        restyler->SavedBorderStyle = static_cast<std::uint8_t>(edit->BorderStyle());
    } else if (auto* listView = dynamic_cast<framework::TListView*>(&control)) {
        restyler->SavedCtl3D = listView->Ctl3D();
        restyler->SavedBorderStyle = static_cast<std::uint8_t>(listView->BorderStyle());
    } else if (control.ClassNameIs("TDBLookupComboBox")) {
        restyler->SavedCtl3D = control.Ctl3D();
    }
    return restyler;
}

}  // namespace components
