#include "platform/framework/controls/Label.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Paint.h"

namespace framework {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

win::UINT TLabel::TextFormat() const {
    win::UINT format = wordWrap_ ? 0 : win::DT_SINGLELINE;
    if (alignment_ == taCenter) format |= win::DT_CENTER;
    if (alignment_ == taRightJustify) format |= win::DT_RIGHT;
    return DrawTextBiDiModeFlags(format);
}

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    const std::string text = Caption().empty() ? std::string(" ") : Caption();
    win::DrawText(dc, text.c_str(), -1, &r, TextFormat() | win::DT_CALCRECT);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

void TLabel::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

void TLabel::Paint() {
    const win::RECT r = ClientRect();
    if (!transparent_) Canvas().FillRect(r);
    const win::HDC dc = Canvas().Handle();
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::RECT text = r;
    if (Enabled()) {
        win::SetBkMode(dc, win::TRANSPARENT);
        win::SetTextColor(dc, gdi::ResolveColor(Font().Color()));
        win::DrawText(dc, Caption().c_str(), -1, &text, TextFormat());
    } else {
        classic::ButtonText(dc, Caption(), text, TextFormat(), false);
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
