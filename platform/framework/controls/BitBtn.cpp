#include "platform/framework/controls/BitBtn.h"

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Text.h"

namespace framework {

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT r = ClientRect();
    classic::State state;
    state.pressed = Down();
    state.enabled = Enabled();
    state.focused = Focused();
    state.isDefault = Default();
    classic::PushButton(dc, r, state);
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::RECT measured{0, 0, 0, 0};
    if (!Caption().empty()) win::DrawText(dc, Caption().c_str(), -1, &measured, win::DT_SINGLELINE | win::DT_CALCRECT);
    GlyphPlacement p = PlaceGlyphAndText(r.right, r.bottom, measured.right, measured.bottom);
    const int shift = state.pressed ? 1 : 0;
    const int cell = !Enabled() && numGlyphs_ > 1 ? 1 : 0;
    DrawGlyphCell(dc, glyph_, numGlyphs_, cell, p.glyph.left + shift, p.glyph.top + shift);
    p.text = win::RECT{p.text.left + shift, p.text.top + shift, p.text.right + shift + 1, p.text.bottom + shift};
    classic::ButtonText(dc, Caption(), p.text, win::DT_SINGLELINE, Enabled());
    win::SelectObject(dc, old);
}

void TBitBtn::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    TButton::ChangeScale(multiplier, divisor);
    ScaleGlyph(multiplier, divisor);
}

}  // namespace framework
