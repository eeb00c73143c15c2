#include "platform/framework/controls/ToolBar.h"

#include <algorithm>

#include "platform/framework/MulDiv.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"

namespace framework {

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 29); }

void TToolBar::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TToolBar::SetButtonWidth(int width) {
    buttonWidth_ = width;
    ArrangeButtons();
}

void TToolBar::SetButtonHeight(int height) {
    buttonHeight_ = height;
    ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool show) {
    showCaptions_ = show;
    ArrangeButtons();
}

void TToolBar::SetList(bool list) {
    list_ = list;
    ArrangeButtons();
}

void TToolBar::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TToolBar::SetIndent(int indent) {
    indent_ = indent;
    ArrangeButtons();
}

void TToolBar::SetImages(TImageList* images) {
    images_ = images;
    if (images) images->FreeNotification(this);
    ArrangeButtons();
}

void TToolBar::SetHotImages(TImageList* images) {
    hotImages_ = images;
    if (images) images->FreeNotification(this);
    Invalidate();
}

void TToolBar::SetDisabledImages(TImageList* images) {
    disabledImages_ = images;
    if (images) images->FreeNotification(this);
    Invalidate();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == images_) images_ = nullptr;
    if (component == hotImages_) hotImages_ = nullptr;
    if (component == disabledImages_) disabledImages_ = nullptr;
}

void TToolBar::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    TWinControl::ChangeScale(multiplier, divisor);
    scaleMultiplier_ *= multiplier;
    scaleDivisor_ *= divisor;
    buttonWidth_ = MulDiv(buttonWidth_, multiplier, divisor);
    buttonHeight_ = MulDiv(buttonHeight_, multiplier, divisor);
    indent_ = MulDiv(indent_, multiplier, divisor);
    ArrangeButtons();
}

void TToolBar::AddButton(TToolButton* button) {
    buttons_.push_back(button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
    std::erase(buttons_, button);
    ArrangeButtons();
}

void TToolBar::ArrangeButtons() {
    int x = indent_;
    for (TToolButton* button : buttons_) {
        if (!button->Visible()) continue;
        const bool separator = button->Style() == tbsSeparator || button->Style() == tbsDivider;
        int width =
            separator ? (button->Width() > 0 && button->Width() != buttonWidth_ ? button->Width() : 8) : buttonWidth_;
        if (!separator && showCaptions_ && !button->Caption().empty()) {
            // Wide enough for the caption under the image.
            width = std::max(
                width, MulDiv(static_cast<int>(button->Caption().size()) * 7 + 8, scaleMultiplier_, scaleDivisor_));
        }
        button->SetBounds(x, 2, width, buttonHeight_);
        x += width;
    }
    Invalidate();
}

void TToolBar::Paint() {
    if (!transparent_) Canvas().FillRect(ClientRect());
    if (!flat_) return;
    // A flat bar has an etched line along its top.
    const win::RECT r = ClientRect();
    gdi::Line(Canvas().Handle(), 0, 0, r.right, 0, win::GetSysColor(win::COLOR_BTNSHADOW));
    gdi::Line(Canvas().Handle(), 0, 1, r.right, 1, win::GetSysColor(win::COLOR_BTNHIGHLIGHT));
}

}  // namespace framework
