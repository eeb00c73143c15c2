// Check boxes and radio buttons: the box or circle, its fill and its mark.
#include "platform/framework/controls/CheckBox.h"
#include "platform/framework/controls/ControlCanvas.h"
#include "platform/framework/controls/RadioButton.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/GlyphRoutines.h"
#include "trackmill/components/RestyledCanvas.h"
#include "trackmill/components/RestyledPainting.h"

namespace components {

using framework::TColor;
using framework::TControl;

namespace {

constexpr TColor kGrayedFill = 0xC0C0C0;
constexpr TColor kGrayedMark = 0x808080;

// The box's rectangle: t high, vertically centred, at the side the caption leaves free. A box whose caption is on
// its left sits at the right, mirrored for right to left; the two further right-to-left modes keep the full width.
win::RECT BoxRect(const TControl& control, framework::TAlignment alignment, int inset, int height) {
    const int t = ThumbSize();
    win::RECT r = control.ClientRect();
    Shrink(r, 0, inset);
    r.top += (Height(r) - t) / 2;
    r.bottom = r.top + height;
    const bool rtl = control.BiDiMode() == framework::bdRightToLeft;
    const bool ltr = control.BiDiMode() == framework::bdLeftToRight;
    const bool captionRight = alignment == framework::taRightJustify;
    if ((rtl && captionRight) || (ltr && !captionRight)) r.left = r.right - t + 1;
    if ((ltr && captionRight) || (rtl && !captionRight)) r.right = r.left + t - 1;
    return r;
}

void PrepareBox(framework::TCanvas& canvas, const TControl& control, win::RECT& r, TColor fill, TColor frame) {
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(control.Color());
    canvas.FillRect(r);
    Shrink(r, 2, 2);
    canvas.Brush().SetColor(fill);
    canvas.Pen().SetColor(frame);
}

}  // namespace

void PaintCheckBox(TControlSubClass& restyler) {
    auto& box = dynamic_cast<framework::TCheckBox&>(*restyler.Control);
    const TFlatLook& look = *restyler.Menu;
    const bool pressed = restyler.SpaceDown || restyler.LeftDown;
    const bool grayed = box.State() == framework::cbGrayed;
    const bool lit = restyler.Hot || restyler.Focused;
    TColor fill = lit ? look.EffSelectColor : framework::clWindow;
    const TColor frame = lit ? look.EffSelectBorderColor : framework::clBtnShadow;
    if (pressed) fill = look.EffSelectMidColor;
    if (grayed) fill = kGrayedFill;

    framework::TControlCanvas canvas(box);
    win::RECT r = BoxRect(box, box.Alignment(), 3, ThumbSize());
    PrepareBox(canvas, box, r, fill, frame);
    canvas.Rectangle(r);
    if (!box.Checked() && !grayed) return;
    canvas.Pen().SetColor(!box.Enabled() ? look.EffDisabledColor
                          : pressed      ? framework::clWindow
                          : grayed       ? kGrayedMark
                                         : framework::clHighlight);
    DrawCheckMark(canvas, r.left, r.bottom);
}

void PaintRadioButton(TControlSubClass& restyler) {
    auto& radio = dynamic_cast<framework::TRadioButton&>(*restyler.Control);
    const TFlatLook& look = *restyler.Menu;
    const bool lit = restyler.Hot || restyler.Focused;
    const TColor fill = lit ? look.EffSelectColor : framework::clWindow;
    const TColor frame = restyler.Hot ? look.EffSelectBorderColor : framework::clBtnShadow;

    framework::TControlCanvas canvas(radio);
    win::RECT r = BoxRect(radio, radio.Alignment(), 4, ThumbSize() - 1);
    PrepareBox(canvas, radio, r, fill, frame);
    canvas.Ellipse(r.left, r.top, r.right, r.bottom);
    if (!radio.Checked()) return;
    Shrink(r, 2, 2);
    const TColor dot = radio.Enabled() ? framework::clHighlight : look.EffDisabledColor;
    canvas.Brush().SetColor(dot);
    canvas.Pen().SetColor(dot);
    canvas.Ellipse(r.left, r.top, r.right, r.bottom);
}

}  // namespace components
