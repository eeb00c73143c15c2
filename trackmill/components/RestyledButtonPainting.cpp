// Push buttons, bit buttons and speed buttons: rounded or square flat faces, pressed and raised edges, and the
#include "platform/gdi/Text.h"
// caption and glyph drawn the way menu items draw theirs.
#include <algorithm>
#include "platform/gdi/Text.h"

#include "platform/framework/StringRoutines.h"
#include "platform/framework/controls/BitBtn.h"
#include "platform/framework/controls/ControlCanvas.h"
#include "platform/framework/controls/SpeedButton.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Text.h"
#include "platform/user/Input.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/ControlSubClass.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/RestyledCanvas.h"
#include "trackmill/components/RestyledPainting.h"

namespace components {

using framework::TBitmap;
using framework::TCanvas;
using framework::TColor;
using framework::TControl;

namespace {

constexpr std::intptr_t kParentTint = 1000;   // face from the parent's colour
constexpr std::intptr_t kNoEdge = 1001;       // bit buttons: no 3-D edge
constexpr std::intptr_t kReadingSide = 1002;  // bit buttons: caption at the reading side

bool HasBits(std::intptr_t tag, std::intptr_t bits) { return (tag & bits) == bits; }

TColor Face(const TFlatLook& look, const TControl& control, bool hot, bool tinted) {
    const TColor parent = ParentBrushColor(control);
    if (hot) return LightenColor(tinted ? parent : framework::clBtnFace, look.HotTintPercent);
    return tinted ? LightenColor(parent, look.ParentTintPercent) : look.EffIconBackColor;
}

void Lines(TCanvas& canvas, TColor color, std::initializer_list<win::POINT> points) {
    canvas.Pen().SetColor(color);
    const win::POINT* p = points.begin();
    canvas.MoveTo(p->x, p->y);
    for (++p; p != points.end(); ++p) canvas.LineTo(p->x, p->y);
}

// Where the caption goes: centred, its size as DrawText measures it (none for an empty caption).
struct CaptionPlace {
    win::UINT format = 0;
    win::RECT text{};
};

CaptionPlace PlaceCaption(TCanvas& canvas, TControl& control, int w, int h) {
    CaptionPlace place;
    canvas.Font().Assign(control.Font());
    place.format = win::DT_CENTER | win::DT_VCENTER;
    if (control.UseRightToLeftReading()) place.format |= win::DT_RTLREADING;
    int tw = 0;
    int th = 0;
    if (!control.Caption().empty()) {
        win::RECT measured{0, 0, 0, 0};
        canvas.DrawText(control.Caption(), measured, control.DrawTextBiDiModeFlags(win::DT_CALCRECT));
        tw = Width(measured);
        th = Height(measured);
    }
    place.text = win::RECT{(w - tw) / 2, (h - th) / 2, (w - tw) / 2 + tw, (h - th) / 2 + th};
    return place;
}

// The glyph cell (counted from 1) copied out of a strip of NumGlyphs cells.
void CopyCell(framework::TButtonGlyph& glyph, int cell, TBitmap& into) {
    TBitmap& strip = glyph.Glyph();
    const int gw = strip.Width() / std::max(1, glyph.NumGlyphs());
    const int gh = strip.Height();
    into.SetSize(gw, gh);
    into.Canvas().CopyRect(win::RECT{0, 0, gw, gh}, strip.Canvas(), win::RECT{(cell - 1) * gw, 0, cell * gw, gh});
}

// Places the glyph of gw by gh and moves the text rectangle beside it, as the layout says.
win::RECT PlaceGlyph(framework::TButtonLayout layout, int w, int h, int gw, int gh, int s, win::RECT& text,
                     int leftLayoutTopShift) {
    const int tw = Width(text);
    const int th = Height(text);
    win::RECT g{};
    switch (layout) {
        case framework::blGlyphLeft:
            g.left = (w - gw - s - tw) / 2;
            g.top = (h - gh) / 2 + leftLayoutTopShift;
            text.left = g.left + gw + s;
            text.top = (h - th) / 2;
            break;
        case framework::blGlyphRight:
            g.left = (gw + s + tw + w) / 2 - gw;
            g.top = (h - gh) / 2;
            text.left = g.left - s - tw;
            text.top = (h - th) / 2;
            break;
        case framework::blGlyphTop:
            g.left = (w - gw) / 2;
            g.top = (h - th - gh - s) / 2;
            text.left = (w - tw) / 2;
            text.top = g.top + gh + s;
            break;
        case framework::blGlyphBottom:
            g.left = (w - gw) / 2;
            g.top = (th + gh + s + h) / 2 - gh;
            text.left = (w - tw) / 2;
            text.top = g.top - s - th;
            break;
    }
    g.right = g.left + gw;
    g.bottom = g.top + gh;
    text.right = text.left + tw;
    text.bottom = text.top + th;
    return g;
}

// A rounded face with its edge; an edged face shows a dark stroke at the top left while pressed, at the bottom
// right otherwise.
void RoundedFace(TCanvas& canvas, const win::RECT& r, TColor face, TColor edge, bool edged, bool pressed) {
    canvas.Brush().SetColor(face);
    canvas.Pen().SetColor(LightenColor(edge, 30));
    canvas.RoundRect(r.left, r.top, r.right, r.bottom, 4, 4);
    if (!edged) return;
    const TColor dark = DarkenColor(edge, 50);
    if (pressed)
        Lines(canvas, dark, {{r.left, r.bottom - 2}, {r.left, r.top + 1}, {r.left + 1, r.top}, {r.right - 1, r.top}});
    else
        Lines(canvas, dark,
              {{r.right - 1, r.top + 1},
               {r.right - 1, r.bottom - 2},
               {r.right - 2, r.bottom - 1},
               {r.left, r.bottom - 1}});
}

void PaintPushFace(TControlSubClass& restyler, bool bitButton) {
    auto& button = dynamic_cast<framework::TButton&>(*restyler.Control);
    TFlatLook& look = *restyler.Menu;
    const std::intptr_t tag = button.Tag();
    const bool tinted = bitButton ? HasBits(tag, kParentTint) : tag == kParentTint;
    const bool noEdge = bitButton && HasBits(tag, kNoEdge);
    const TColor face = Face(look, button, bitButton ? restyler.Hot || restyler.SpaceDown : restyler.Hot, tinted);
    TColor edge =
        restyler.Hot || restyler.Focused ? LightenColor(look.EffSelectBorderColor, 60) : framework::clBtnShadow;
    if (noEdge) edge = face;

    framework::TControlCanvas canvas(button);
    const win::RECT r = button.ClientRect();
    const int w = Width(r);
    const int h = Height(r);
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(ParentBrushColor(button));
    canvas.FillRect(r);
    RoundedFace(canvas, r, face, edge, button.Enabled() && !noEdge,
                restyler.SpaceDown || (restyler.LeftDown && restyler.Hot));

    CaptionPlace caption = PlaceCaption(canvas, button, w, h);
    const bool rtl = button.UseRightToLeftReading();
    if (auto* bit = dynamic_cast<framework::TBitBtn*>(&button); bit && !bit->Glyph().Empty()) {
        TBitmap cell;
        CopyCell(*bit, 1, cell);
        const int s = framework::Trim(button.Caption()).empty() ? 0 : bit->Spacing();
        const win::RECT g = PlaceGlyph(bit->Layout(), w, h, cell.Width(), cell.Height(), s, caption.text, 0);
        look.DrawGlyph(&button, canvas, &cell, g,
                       GlyphLook{rtl, false, false, button.Enabled(), restyler.Focused, restyler.Hot});
    }
    if (bitButton && HasBits(tag, kReadingSide)) {
        caption.format = win::DT_VCENTER | (rtl ? win::DT_RIGHT : win::DT_LEFT);
        caption.text = r;
        Shrink(caption.text, 4, 2);
    }
    look.DrawItemText(&button, button.Caption(), caption.format, button.Font(),
                      ItemTextLook{rtl, false, button.Default(), button.Enabled(), false}, caption.text, canvas, "");
}

}  // namespace

void PaintButton(TControlSubClass& restyler) { PaintPushFace(restyler, false); }

void PaintBitButton(TControlSubClass& restyler) { PaintPushFace(restyler, true); }

void PaintUpDown(TControlSubClass& restyler) {
    TControl& arrows = *restyler.Control;
    const TFlatLook& look = *restyler.Menu;
    const win::RECT client = arrows.ClientRect();
    const int half = client.bottom / 2;
    win::POINT cursor{};
    win::GetCursorPos(&cursor);
    const win::POINT p = arrows.ScreenToClient(cursor);
    framework::TControlCanvas canvas(arrows);
    canvas.Brush().SetStyle(framework::bsSolid);
    for (const bool upper : {true, false}) {
        const win::RECT r =
            upper ? win::RECT{0, 0, client.right, half} : win::RECT{0, half, client.right, client.bottom};
        // Each arrow is a push button of its own: hot under the pointer, pressed while the button holds it.
        const bool under = p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
        const bool hot = restyler.Hot && under && arrows.Enabled();
        const TColor face = Face(look, arrows, hot, false);
        const TColor edge = hot ? LightenColor(look.EffSelectBorderColor, 60) : framework::clBtnShadow;
        canvas.Brush().SetColor(ParentBrushColor(arrows));
        canvas.FillRect(r);
        RoundedFace(canvas, r, face, edge, arrows.Enabled(), restyler.LeftDown && hot);
        // A triangle of 5, 3 and 1 pixels, pointing the way the arrow steps.
        canvas.Pen().SetColor(arrows.Enabled() ? framework::clBlack : look.EffDisabledColor);
        const int x = (Width(r) - 5) / 2;
        const int y = r.top + (Height(r) - 3) / 2;
        for (int row = 0; row < 3; ++row) {
            const int line = upper ? y + 2 - row : y + row;
            canvas.MoveTo(x + row, line);
            canvas.LineTo(x + 5 - row, line);
        }
    }
}

void PaintSpeedButton(TControlSubClass& restyler) {
    auto& button = dynamic_cast<framework::TSpeedButton&>(*restyler.Control);
    TFlatLook& look = *restyler.Menu;
    const bool flat = button.Flat();
    const bool transparent = button.Transparent();
    const bool down = button.Down();
    const win::RECT r = button.ClientRect();
    const int w = Width(r);
    const int h = Height(r);
    if (flat && restyler.Hot) {
        win::POINT cursor{};
        win::GetCursorPos(&cursor);
        const win::POINT p = button.ScreenToClient(cursor);
        restyler.Hot = p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
    }
    const bool hot = restyler.Hot;
    const bool tinted = button.Tag() == kParentTint;
    TColor face = hot ? (flat ? look.EffSelectColor : Face(look, button, true, tinted))
                      : (flat ? ParentBrushColor(button) : Face(look, button, false, tinted));
    TColor edge = hot ? LightenColor(look.EffSelectBorderColor, 60) : framework::clBtnShadow;
    if (down) {
        face = hot ? look.EffSelectMidColor : look.EffSelectLightColor;
        edge = look.EffSelectBorderColor;
    }
    if (!button.Enabled()) edge = framework::clBtnShadow;

    framework::TControlCanvas canvas(button);
    if (transparent && (down || hot)) {
        TBitmap layer;
        layer.SetSize(w, h);
        const bool deep = win::GetDeviceCaps(canvas.Handle(), win::BITSPIXEL) > 16;
        layer.Canvas().Brush().SetColor(!deep  ? face
                                        : flat ? LightenColor(look.EffSelectColor, 20)
                                               : LightenColor(face, 5));
        layer.Canvas().FillRect(win::RECT{0, 0, w, h});
        win::BitBlt(canvas.Handle(), 0, 0, w, h, layer.Canvas().Handle(), 0, 0, win::SRCAND);
    }
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(face);
    if (!transparent || button.ClassNameIs("TNavButton")) canvas.FillRect(r);
    const bool idle = !down && !hot;
    canvas.Pen().SetColor(flat && !transparent && idle ? face : LightenColor(edge, 30));
    if (transparent) canvas.Brush().SetStyle(framework::bsClear);
    if (!(flat && transparent && idle)) canvas.Rectangle(r);

    if (button.Enabled()) {
        const TColor dark = DarkenColor(edge, 50);
        const bool pressed = restyler.LeftDown || down;
        canvas.Brush().SetStyle(framework::bsClear);
        if (flat && pressed) {
            canvas.Pen().SetColor(edge);
            canvas.Rectangle(r);
            Lines(canvas, dark, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}});
        } else if (flat && hot) {
            canvas.Pen().SetColor(look.EffSelectBorderColor);
            canvas.Rectangle(r);
        } else if (!flat && pressed) {
            Lines(canvas, dark, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}});
        } else if (!flat) {
            Lines(canvas, dark, {{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
        }
    }

    CaptionPlace caption = PlaceCaption(canvas, button, w, h);
    const bool rtl = button.UseRightToLeftReading();
    if (!button.Glyph().Empty()) {
        const int count = button.NumGlyphs();
        int cell = 1;
        if (!button.Enabled() && count > 1) cell = 2;
        if (restyler.LeftDown && count > 2) cell = 3;
        if (down && count > 3) cell = 4;
        TBitmap bitmap;
        CopyCell(button, cell, bitmap);
        const int s = button.Caption().empty() ? 0 : button.Spacing();
        framework::TButtonLayout layout = button.Layout();
        if (rtl && layout == framework::blGlyphLeft)
            layout = framework::blGlyphRight;
        else if (rtl && layout == framework::blGlyphRight)
            layout = framework::blGlyphLeft;
        const win::RECT g = PlaceGlyph(layout, w, h, bitmap.Width(), bitmap.Height(), s, caption.text, -1);
        look.DrawGlyph(&button, canvas, &bitmap, g,
                       GlyphLook{rtl, false, down || restyler.LeftDown, button.Enabled(), restyler.Focused, hot});
    }
    look.DrawItemText(&button, button.Caption(), caption.format, button.Font(),
                      ItemTextLook{rtl, false, false, button.Enabled(), false}, caption.text, canvas, "");
}

}  // namespace components
