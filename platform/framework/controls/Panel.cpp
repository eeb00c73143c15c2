#include "platform/framework/controls/Panel.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"

namespace framework {

namespace {

classic::Bevel PainterBevel(TBevelCut cut) {
    switch (cut) {
        case bvLowered:
            return classic::Bevel::Lowered;
        case bvRaised:
            return classic::Bevel::Raised;
        case bvSpace:
            return classic::Bevel::Space;
        default:
            return classic::Bevel::None;
    }
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == bevelOuter_) return;
    bevelOuter_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    if (bevel == bevelInner_) return;
    bevelInner_ = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width == bevelWidth_) return;
    bevelWidth_ = width;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width == borderWidth_) return;
    borderWidth_ = width;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::Paint() {
    const win::HDC dc = Canvas().Handle();
    win::RECT r = ClientRect();
    Canvas().FillRect(r);
    classic::PanelBevel(dc, r, PainterBevel(bevelOuter_), bevelWidth_);
    r = win::RECT{r.left + borderWidth_, r.top + borderWidth_, r.right - borderWidth_, r.bottom - borderWidth_};
    classic::PanelBevel(dc, r, PainterBevel(bevelInner_), bevelWidth_);
    if (Caption().empty()) return;
    win::UINT format = win::DT_SINGLELINE | win::DT_VCENTER;
    if (alignment_ == taCenter) format |= win::DT_CENTER;
    if (alignment_ == taRightJustify) format |= win::DT_RIGHT;
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, gdi::ResolveColor(Font().Color()));
    win::DrawText(dc, Caption().c_str(), -1, &r, DrawTextBiDiModeFlags(format));
    win::SelectObject(dc, old);
}

}  // namespace framework
