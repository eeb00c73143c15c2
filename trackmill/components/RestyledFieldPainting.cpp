// Combo boxes, edits, list views and progress bars: frames and drop-down buttons.
#include <array>
#include <optional>

#include "platform/framework/controls/ComboBox.h"
#include "platform/framework/controls/ControlCanvas.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/RestyledCanvas.h"
#include "trackmill/components/RestyledPainting.h"

namespace components {

using framework::bsClear;
using framework::bsSolid;
using framework::TCanvas;
using framework::TColor;
using framework::TControl;

namespace {

constexpr std::intptr_t kParentTintTag = 1000;

void Frame(TCanvas& canvas, const win::RECT& r, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(r);
}

void Fill(TCanvas& canvas, const win::RECT& r, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// The outline of the control's whole window in one colour, its inside left as it is.
void OutlineWindow(TControl& control, TColor color) {
    TWindowCanvas canvas(control);
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(0, 0, control.Width(), control.Height());
}

// Switching the 3-D look off rebuilds the control's frame: the hook must survive that.
void SwitchCtl3DOff(TControlSubClass& restyler) {
    if (!restyler.Control->Ctl3D()) return;
    restyler.KeepOnDestroy = true;
    restyler.Control->SetCtl3D(false);
}

// The arrow: rows of 5, 3 and 1 pixels, the widest at y.
void DrawArrow(TCanvas& canvas, int x, int y, TColor color) {
    for (int row = 0; row < 3; ++row) Line(canvas, x + row, y + row, x + 5 - row, y + row, color);
}

// The drop-down button at the reading end of r (which is shrunk by one first), the strip of the control's colour
// between it and the text, and the line that separates them.
struct DropButton {
    TColor face;
    std::optional<TColor> frame;  // framed only when given
    TColor separator;
    int growRightToLeft = 0;  // extra width toward the text when lit
    int growLeftToRight = 0;
};

void DrawDropButton(TCanvas& canvas, const TControl& control, win::RECT r, const DropButton& drop) {
    const bool rtl = control.UseRightToLeftAlignment();
    const int t = ThumbSize();
    Shrink(r, 1, 1);
    if (rtl)
        r.right = r.left + t + 1 + drop.growRightToLeft;
    else
        r.left = r.right - t - 1 - drop.growLeftToRight;
    Fill(canvas, r, drop.face);
    if (drop.frame) Frame(canvas, r, *drop.frame);
    if (rtl)
        r.left = r.right - 5;
    else
        r.right = r.left + 5;
    Fill(canvas, r, control.Color());
    const int separator = rtl ? r.left : r.right;
    Line(canvas, separator, r.top, separator, r.bottom, drop.separator);
}

}  // namespace

void PaintCombo(TControlSubClass& restyler) {
    TControl& control = *restyler.Control;
    const TFlatLook& look = *restyler.Menu;
    const TColor parent = ParentBrushColor(control);
    const bool hot = restyler.Hot;
    const bool lit = hot || restyler.Focused;
    TColor arrow = control.Enabled() ? framework::clBlack : framework::clWhite;
    TColor border = hot ? look.EffSelectBorderColor : control.Color();
    TColor button = hot                               ? look.EffSelectColor
                    : control.Tag() == kParentTintTag ? LightenColor(parent, look.ParentTintPercent)
                                                      : framework::clBtnFace;
    if (restyler.Focused && !hot) {
        border = LightenColor(look.EffSelectBorderColor, 60);
        button = look.EffSelectLightColor;
    }

    // A combo box's sunken edge lies inside its own area, where the flat frame covers it: here the edge is the
    // window's border, so the frame is drawn on the whole window, whose rectangle is the combo's own.
    TWindowCanvas canvas(control);
    const win::RECT whole{0, 0, control.Width(), control.Height()};
    win::RECT r = whole;
    Frame(canvas, r, parent);
    Shrink(r, 1, 1);
    Line(canvas, r.left, r.top, r.right, r.top, parent);
    Shrink(r, 0, 1);
    if (lit) Shrink(r, -1, -1);
    Frame(canvas, r, control.Color());
    r.bottom += 1;
    Frame(canvas, r, border);

    auto* combo = dynamic_cast<framework::TComboBox*>(&control);
    if (combo && combo->DroppedDown()) {
        border = look.EffSelectBorderColor;
        arrow = framework::clWhite;
        button = look.EffSelectMidColor;
    }
    if (combo && combo->Style() == framework::csSimple) return;

    DropButton drop{button, std::nullopt, border, lit ? 2 : 0, lit ? 1 : 0};
    DrawDropButton(canvas, control, r, drop);
    const bool rtl = control.UseRightToLeftAlignment();
    DrawArrow(canvas, rtl ? whole.left + 5 : whole.right - 10, whole.top + 10, arrow);
}

void PaintLookupCombo(TControlSubClass& restyler) {
    TControl& control = *restyler.Control;
    const TFlatLook& look = *restyler.Menu;
    SwitchCtl3DOff(restyler);
    const TColor parent = ParentBrushColor(control);
    const bool hot = restyler.Hot;
    const bool lit = hot || restyler.Focused;
    const TColor arrow = control.Enabled() ? framework::clBlack : framework::clWhite;
    const TColor outer = hot ? look.EffSelectBorderColor : DarkenColor(parent, 60);
    const TColor buttonFrame = hot ? look.EffSelectBorderColor : LightenColor(look.EffSelectBorderColor, 60);
    const TColor button = hot                ? look.EffSelectColor
                          : restyler.Focused ? look.EffSelectLightColor
                                             : framework::clBtnFace;

    TWindowCanvas canvas(control);
    Frame(canvas, win::RECT{0, 0, control.Width(), control.Height()}, outer);
    win::RECT r = control.ClientRect();
    r = win::RECT{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
    Frame(canvas, r, control.Color());

    DropButton drop{button, buttonFrame, buttonFrame, lit ? 1 : 0, lit ? 1 : 0};
    DrawDropButton(canvas, control, r, drop);
    const win::RECT client = control.ClientRect();
    const bool rtl = control.UseRightToLeftAlignment();
    DrawArrow(canvas, rtl ? client.left + 5 : client.right - 9, client.top + 8, arrow);
}

void PaintEdit(TControlSubClass& restyler) {
    TControl& control = *restyler.Control;
    const TFlatLook& look = *restyler.Menu;
    SwitchCtl3DOff(restyler);
    const TColor parent = ParentBrushColor(control);
    const bool lit = restyler.Hot || restyler.Focused;
    TColor frame = lit ? LightenColor(look.EffSelectBorderColor, 60) : DarkenColor(parent, 60);
    if (restyler.SavedBorderStyle == 0) {
        const std::array<TColor, 2> both{control.Color(), parent};
        frame = restyler.Hot && !restyler.Focused ? LightenColor(MixColors(both), 40) : control.Color();
    }
    framework::TControlCanvas canvas(control);
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(frame);
    canvas.Rectangle(control.ClientRect());
}

void PaintBorder(TControlSubClass& restyler) {
    TControl& control = *restyler.Control;
    TFlatLook& look = *restyler.Menu;
    {
        TWindowCanvas canvas(control);
        look.UpdateWorkingColors(canvas);
    }
    const TColor parent = ParentBrushColor(control);
    const bool single = restyler.SavedBorderStyle == 1;
    const TColor color = restyler.Hot || restyler.Focused ? LightenColor(look.EffSelectBorderColor, single ? 60 : 80)
                                                          : (single ? DarkenColor(parent, 60) : parent);
    SwitchCtl3DOff(restyler);
    OutlineWindow(control, color);
}

void PaintProgressBar(TControlSubClass& restyler) {
    TControl& control = *restyler.Control;
    const TFlatLook& look = *restyler.Menu;
    OutlineWindow(control, restyler.Hot ? look.EffSelectBorderColor : DarkenColor(ParentBrushColor(control), 60));
}

}  // namespace components
