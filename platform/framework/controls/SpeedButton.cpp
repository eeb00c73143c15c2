#include "platform/framework/controls/SpeedButton.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/framework/controls/WinControl.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Messages.h"

namespace framework {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    if (down == down_) return;
    down_ = down;
    if (down_ && groupIndex_ > 0 && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
                other && other != this && other->groupIndex_ == groupIndex_)
                other->SetDown(false);
    }
    Invalidate();
}

void TSpeedButton::Click() {
    if (groupIndex_ > 0) SetDown(allowAllUp_ ? !down_ : true);
    TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            hot_ = message.Msg == CM_MOUSEENTER && Enabled();
            Invalidate();
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_LBUTTONUP:
            TGraphicControl::WndProc(message);
            Invalidate();
            return;
        default:
            break;
    }
    TGraphicControl::WndProc(message);
}

void TSpeedButton::Paint() {
    const win::HDC dc = Canvas().Handle();
    win::RECT r = ClientRect();
    const bool pressed = down_ || (pressed_ && MouseCapture());
    if (!transparent_) gdi::FillSolid(dc, r, gdi::ResolveColor(Color()));
    if (flat_) {
        if (pressed) {
            gdi::Bevel(dc, r, win::GetSysColor(win::COLOR_BTNSHADOW), win::GetSysColor(win::COLOR_BTNHIGHLIGHT), 1);
        } else if (hot_) {
            gdi::Bevel(dc, r, win::GetSysColor(win::COLOR_BTNHIGHLIGHT), win::GetSysColor(win::COLOR_BTNSHADOW), 1);
        }
    } else {
        classic::State state;
        state.pressed = pressed;
        classic::PushButton(dc, r, state);
    }
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::RECT measured{0, 0, 0, 0};
    if (!Caption().empty()) win::DrawText(dc, Caption().c_str(), -1, &measured, win::DT_SINGLELINE | win::DT_CALCRECT);
    const GlyphPlacement p = PlaceGlyphAndText(Width(), Height(), measured.right, measured.bottom);
    const int shift = pressed ? 1 : 0;
    int cell = 0;
    if (!Enabled() && numGlyphs_ > 1) cell = 1;
    if (pressed_ && MouseCapture() && numGlyphs_ > 2) cell = 2;
    if (down_ && numGlyphs_ > 3) cell = 3;
    DrawGlyphCell(dc, glyph_, numGlyphs_, cell, p.glyph.left + shift, p.glyph.top + shift);
    const win::RECT text{p.text.left + shift, p.text.top + shift, p.text.right + shift + 1, p.text.bottom + shift};
    classic::ButtonText(dc, Caption(), text, win::DT_SINGLELINE, Enabled());
    win::SelectObject(dc, old);
}

void TSpeedButton::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    TGraphicControl::ChangeScale(multiplier, divisor);
    ScaleGlyph(multiplier, divisor);
}

}  // namespace framework
