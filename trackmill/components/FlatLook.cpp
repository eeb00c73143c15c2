#include "trackmill/components/FlatLook.h"

#include "platform/framework/EConvertError.h"
#include "platform/framework/MulDiv.h"
#include "platform/framework/forms/Screen.h"
#include "platform/framework/forms/ScrollingWinControl.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/gdi/DC.h"
#include "platform/user/Menu.h"
#include "platform/user/SystemMetrics.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLookManager.h"

namespace components {

namespace {

constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;

framework::TScrollingWinControl* FormOf(framework::TComponent* owner) {
    if (!owner) return nullptr;
    auto* form = dynamic_cast<framework::TScrollingWinControl*>(owner);
    if (!form) throw framework::EConvertError("Invalid class typecast: the owner of a flat look must be a form");
    return form;
}

}  // namespace

TFlatLook::TFlatLook(framework::TComponent* owner) : TComponent(owner), form_(FormOf(owner)) {
    if (framework::Screen) font_.Assign(framework::Screen->MenuFont());
    selectFontColor_ = font_.Color();
    // The font's colour is the selected text's colour with system colours: a change makes the colours stale.
    font_.OnChange = [this] {
        MarkColorsStale();
        RedrawFormMenuBar();
    };
    if (form_) {
        // The display's bits per pixel, whether or not the form has a window yet.
        const win::HDC memory = win::CreateCompatibleDC(nullptr);
        framework::TCanvas display(memory);
        UpdateWorkingColors(display);
        win::DeleteDC(memory);
    }
    ColorsStale = false;
    win::OSVERSIONINFO version;
    if (win::GetVersionEx(&version)) {
        IsWinNT = version.dwPlatformId == win::VER_PLATFORM_WIN32_NT;
        IsWinXP = IsWinNT && version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    }
    AcquireFlatLookManager();
}

TFlatLook::~TFlatLook() {
    if (form_) ActivateComponents(form_, false, false);
    if (TFlatLookManager* manager = FlatLookManager()) {
        manager->RemoveMenu(this);
        // While the form itself is being destroyed there is nothing left to repaint.
        if (form_ && !(form_->ComponentState() & framework::csDestroying)) form_->Update();
        if (manager->Menus().empty()) ReleaseFlatLookManager();
    }
    font_.OnChange = nullptr;
}

void TFlatLook::ChangeScale(int multiplier, int divisor) {
    iconWidth_ = framework::MulDiv(iconWidth_, multiplier, divisor);
}

void TFlatLook::Loaded() {
    TComponent::Loaded();
    if (ComponentState() & framework::csDesigning) return;
    if (TFlatLookManager* manager = FlatLookManager()) manager->AddMenu(this);
}

void TFlatLook::SetColorProperty(TColor& property, TColor color) {
    property = color;
    MarkColorsStale();
}

void TFlatLook::SetColor(TColor color) { SetColorProperty(color_, color); }
void TFlatLook::SetIconBackColor(TColor color) { SetColorProperty(iconBackColor_, color); }
void TFlatLook::SetSelectColor(TColor color) { SetColorProperty(selectColor_, color); }
void TFlatLook::SetSelectBorderColor(TColor color) { SetColorProperty(selectBorderColor_, color); }
void TFlatLook::SetSelectFontColor(TColor color) { SetColorProperty(selectFontColor_, color); }
void TFlatLook::SetDisabledColor(TColor color) { SetColorProperty(disabledColor_, color); }
void TFlatLook::SetSeparatorColor(TColor color) { SetColorProperty(separatorColor_, color); }
void TFlatLook::SetCheckedColor(TColor color) { SetColorProperty(checkedColor_, color); }

void TFlatLook::SetMenuBarColor(TColor color) {
    SetColorProperty(menuBarColor_, color);
    RedrawFormMenuBar();
}

void TFlatLook::SetUseSystemColors(bool value) {
    useSystemColors_ = value;
    MarkColorsStale();
    RedrawFormMenuBar();
}

void TFlatLook::SetUseDimColor(bool value) {
    useDimColor_ = value;
    MarkColorsStale();
}

void TFlatLook::RedrawFormMenuBar() {
    if (form_ && form_->HandleAllocated()) win::DrawMenuBar(form_->Handle());
}

void TFlatLook::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (form_) {
        ActivateComponents(form_, active, true);
        RedrawFormMenuBar();
    }
}

void TFlatLook::SetFlatSets(TFlatContainers containers, TFlatControls controls) {
    if (active_ && (containers != flatContainers_ || controls != flatControls_)) {
        active_ = false;
        if (form_) {
            ActivateComponents(form_, false, true);
            // A windowless control hears nothing of the walk's repaint: release every control here, the walk
            // below takes back those the new sets still select.
            RestoreControlsIn(*this, *form_);
        }
        active_ = true;
        flatContainers_ = containers;
        flatControls_ = controls;
        if (form_) ActivateComponents(form_, true, true);
        return;
    }
    flatContainers_ = containers;
    flatControls_ = controls;
}

void TFlatLook::SetFlatContainers(TFlatContainers containers) { SetFlatSets(containers, flatControls_); }

void TFlatLook::SetFlatControls(TFlatControls controls) { SetFlatSets(flatContainers_, controls); }

void TFlatLook::SetDisableSubclassing(bool value) {
    if (value == disableSubclassing_) return;
    disableSubclassing_ = value;
    TFlatLookManager* manager = FlatLookManager();
    if (!manager) return;
    if (manager->ActiveMenu() == this) {
        manager->ReplaceActiveMenu(this);
    } else if (!manager->ActiveMenu() && !value) {
        manager->ReplaceActiveMenu(nullptr);
    }
}

void TFlatLook::UpdateWorkingColors(framework::TCanvas& canvas) {
    ColorsStale = false;
    HighColor = win::GetDeviceCaps(canvas.Handle(), win::BITSPIXEL) >= 16;
    ParentTintPercent = 16;
    HotTintPercent = 40;
    EffColor = color_;
    EffIconBackColor = iconBackColor_;
    if (HighColor) {
        if (useDimColor_) {
            EffSelectColor = LightenColor(selectColor_, 68);
            EffSelectLightColor = LightenColor(selectColor_, 80);
            EffSelectMidColor = LightenColor(selectColor_, 50);
        } else {
            EffSelectColor = EffSelectLightColor = EffSelectMidColor = selectColor_;
        }
        EffBorderColor = DarkenColor(clBtnFace, 90);
        EffShadowColor = DarkenColor(clBtnFace, 76);
    } else {
        EffSelectColor = selectColor_;
        EffSelectLightColor = clWhite;
        EffSelectMidColor = clSilver;
        EffBorderColor = EffShadowColor = clBtnShadow;
    }
    EffSelectBorderColor = selectBorderColor_;
    EffSelectFontColor = selectFontColor_;
    EffMenuBarColor = menuBarColor_;
    EffDisabledColor = disabledColor_;
    EffCheckedColor = checkedColor_;
    EffSeparatorColor = separatorColor_;
    if (!useSystemColors_) return;
    EffSelectFontColor = font_.Color();
    EffSelectBorderColor = clHighlight;
    EffMenuBarColor = clBtnFace;
    EffCheckedColor = clHighlight;
    if (HighColor) {
        EffColor = LightenColor(clBtnFace, 86);
        EffIconBackColor = LightenColor(clBtnFace, 16);
        EffSelectColor = LightenColor(clHighlight, 68);
        EffDisabledColor = LightenColor(clBtnShadow, 10);
        EffSeparatorColor = LightenColor(clBtnShadow, 25);
        EffSelectLightColor = LightenColor(clHighlight, 80);
        EffSelectMidColor = LightenColor(clHighlight, 50);
    } else {
        EffColor = clWhite;
        EffIconBackColor = clBtnFace;
        EffSelectColor = clWhite;
        EffDisabledColor = clBtnShadow;
        EffSeparatorColor = clBtnShadow;
        EffSelectLightColor = clWhite;
        EffSelectMidColor = clWhite;
    }
}

}  // namespace components
