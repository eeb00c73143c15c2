// The drawing routines menu items share with tool buttons and restyled controls: the selected bar item, check and
// radio marks, glyphs (raised, dimmed or greyed), item text, and the gradient background.
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/Input.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/GlyphRoutines.h"

namespace components {

namespace {

using framework::TCanvas;

constexpr TColor clBlack = 0x000000;

int Width(const win::RECT& r) { return r.right - r.left; }
int Height(const win::RECT& r) { return r.bottom - r.top; }

// A rectangle filled and outlined in one colour.
void Block(TCanvas& canvas, const win::RECT& r, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(r);
}

void Polyline(TCanvas& canvas, std::initializer_list<win::POINT> points) {
    auto it = points.begin();
    canvas.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it) canvas.LineTo(it->x, it->y);
}

// Text in the canvas's font and its colour, over what is there.
void DrawTransparentText(TCanvas& canvas, const std::string& text, win::RECT r, win::UINT format) {
    const win::HDC dc = canvas.Handle();
    const win::HGDIOBJ oldFont = win::SelectObject(dc, canvas.Font().Handle());
    const win::COLORREF oldColour = win::SetTextColor(dc, gdi::ResolveColor(canvas.Font().Color()));
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    win::DrawTextEx(dc, text.c_str(), static_cast<int>(text.size()), &r, format, nullptr);
    win::SetBkMode(dc, oldMode);
    win::SetTextColor(dc, oldColour);
    win::SelectObject(dc, oldFont);
}

}  // namespace

void TFlatLook::DrawTopItemSelection(framework::TComponent* component, TCanvas& canvas, bool rtl, TColor color,
                                     const win::RECT& r) {
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(EffSelectColor);
    canvas.FillRect(r);
    canvas.Pen().SetColor(EffSelectBorderColor);
    if (!rtl && HighColor && dynamic_cast<framework::TMenuItem*>(component)) {
        // The menu bar's look: the item stands out with a soft shadow at its right.
        const TColor base = EffMenuBarColor;
        Polyline(canvas, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 8, r.top}, {r.right - 8, r.bottom}});
        Block(canvas, win::RECT{r.right - 7, r.top, r.right, r.bottom}, DarkenColor(base, 10));
        Block(canvas, win::RECT{r.right - 7, r.top + 3, r.right - 2, r.bottom}, DarkenColor(base, 30));
        Block(canvas, win::RECT{r.right - 7, r.top + 5, r.right - 3, r.bottom}, DarkenColor(base, 60));
        Block(canvas, win::RECT{r.right - 7, r.top + 6, r.right - 5, r.bottom}, DarkenColor(base, 100));
        const int x = r.right;
        const int y = r.top;
        canvas.Pen().SetColor(base);
        Polyline(canvas, {{x - 5, y + 1}, {x - 1, y + 1}, {x - 1, y + 6}});
        Polyline(canvas, {{x - 3, y + 2}, {x - 2, y + 2}, {x - 2, y + 3}, {x - 3, y + 3}});
        canvas.Pen().SetColor(DarkenColor(base, 10));
        Polyline(canvas, {{x - 6, y + 3}, {x - 3, y + 3}, {x - 3, y + 6}, {x - 4, y + 6}, {x - 4, y + 3}});
        canvas.Pen().SetColor(DarkenColor(base, 30));
        Polyline(canvas, {{x - 5, y + 5}, {x - 4, y + 5}, {x - 4, y + 9}});
        canvas.Pen().SetColor(DarkenColor(base, 40));
        Polyline(canvas, {{x - 6, y + 5}, {x - 6, y + 7}});
        return;
    }
    Polyline(canvas, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 3, r.top}, {r.right - 3, r.bottom}});
    canvas.Brush().SetColor(DarkenColor(color, 70));
    canvas.FillRect(win::RECT{r.right - 2, r.top + 2, r.right, r.bottom});
    canvas.Brush().SetColor(color);
    canvas.FillRect(win::RECT{r.right - 2, r.top, r.right, r.top + 2});
}

void TFlatLook::DrawItemCheck(framework::TMenuItem* item, bool selected, const win::RECT& c, TCanvas& canvas,
                              bool hasGlyph, bool enabled) {
    canvas.Brush().SetStyle(framework::bsSolid);
    if (enabled) {
        canvas.Pen().SetColor((item->RadioItem() || hasGlyph) ? EffSelectBorderColor : EffCheckedColor);
        canvas.Brush().SetColor(selected ? EffSelectMidColor : EffSelectLightColor);
    } else {
        canvas.Pen().SetColor(EffDisabledColor);
    }
    if (!item->Checked()) return;
    if (item->RadioItem()) {
        if (hasGlyph) {
            canvas.RoundRect(c.left, c.top, c.right, c.bottom, 6, 6);
            return;
        }
        canvas.Ellipse(c.left, c.top, c.right, c.bottom);
        canvas.Brush().SetColor(canvas.Pen().Color());
        canvas.Ellipse(c.left + 2, c.top + 2, c.right - 2, c.bottom - 2);
        return;
    }
    canvas.Rectangle(c);
    if (hasGlyph) return;
    canvas.Pen().SetColor(enabled ? clBlack : EffDisabledColor);
    Polyline(canvas, {{c.left + 1, c.top + 5}, {c.left + 4, c.bottom - 2}});
    Polyline(canvas, {{c.left + 2, c.top + 5}, {c.left + 4, c.bottom - 3}});
    Polyline(canvas, {{c.left + 2, c.top + 4}, {c.left + 5, c.bottom - 3}});
    Polyline(canvas, {{c.left + 4, c.bottom - 3}, {c.right + 2, c.top - 1}});
    Polyline(canvas, {{c.left + 4, c.bottom - 2}, {c.right - 2, c.top + 3}});
}

void TFlatLook::DrawGlyph(framework::TComponent* component, TCanvas& canvas, framework::TBitmap* glyph,
                          const win::RECT& r, const GlyphLook& look) {
    if (!glyph || glyph->Width() == 0) return;
    const int width = glyph->Width();
    int x = r.left;
    int y = r.top + 1;
    if (dynamic_cast<framework::TMenuItem*>(component)) {
        y += 2;
        if (width < iconWidth_) {
            x = r.left + (iconWidth_ - width) / 2 - 1;
        } else {
            x = look.rtl ? r.right - width - 2 : r.left + 2;
        }
    }
    if (look.bar) x = look.rtl ? r.right - width - 5 : r.left + 1;
    if (look.hot && look.enabled && !look.pressed) {
        if (look.bar) {
            x -= 1;
            y -= 2;
        } else if (!look.checked) {
            x -= 1;
            y -= 1;
        }
    }
    if (!look.hot && look.enabled && !look.checked && HighColor) DimBitmap(*glyph, DimLevel);
    if (!look.enabled) {
        GrayBitmap(*glyph, GrayLevel);
        DimBitmap(*glyph, 40);
    }
    if (look.hot && look.enabled && !look.checked) {
        const bool toolButton = dynamic_cast<framework::TToolButton*>(component) != nullptr;
        const TColor base =
            (toolButton && HighColor && !useSystemColors_) ? LightenColor(selectColor_, 68) : EffSelectColor;
        DrawGlyphShadow(*glyph, canvas, x + 2, y + 2, DarkenColor(base, 50));
    }
    glyph->SetTransparentColor(framework::clNone);
    glyph->SetTransparent(true);
    canvas.Draw(x, y, *glyph);
}

void TFlatLook::DrawItemText(framework::TComponent* component, const std::string& text, win::UINT format,
                             framework::TFont& font, const ItemTextLook& look, win::RECT t, TCanvas& canvas,
                             const std::string& shortcut) {
    canvas.Font().Assign(font);
    TColor color = look.selected ? EffSelectFontColor : font.Color();
    if (!look.enabled) {
        color = EffDisabledColor;
        if (dynamic_cast<framework::TToolButton*>(component)) {
            // Through a scratch bitmap in the canvas's brush colour.
            t.top += (Height(t) - canvas.TextHeight("W")) / 2;
            framework::TBitmap scratch;
            scratch.SetSize(Width(t), Height(t));
            TCanvas& s = scratch.Canvas();
            s.Brush().SetColor(canvas.Brush().Color());
            s.FillRect(win::RECT{0, 0, Width(t), Height(t)});
            s.Font().Assign(font);
            s.Font().SetColor(color);
            DrawTransparentText(s, text, win::RECT{0, 0, Width(t), Height(t)},
                                format | win::DT_EXPANDTABS | win::DT_VCENTER);
            canvas.CopyRect(t, s, win::RECT{0, 0, Width(t), Height(t)});
            return;
        }
    }
    if (look.selected && look.bar && useSystemColors_) color = ContrastTextColor(canvas, EffIconBackColor);
    canvas.Font().SetColor(color);
    format |= win::DT_EXPANDTABS;
    if (look.isDefault && look.enabled) {
        // Bold by shading: four copies in darker shades of what lies under each one's corner.
        struct Shade {
            win::RECT rect;
            int amount;
        };
        const Shade shades[] = {{{t.left + 1, t.top, t.right, t.bottom}, 30},
                                {{t.left + 1, t.top + 2, t.right + 1, t.bottom}, 30},
                                {{t.left, t.top + 1, t.right, t.bottom}, 40},
                                {{t.left + 1, t.top + 1, t.right + 1, t.bottom}, 60}};
        for (const Shade& shade : shades) {
            canvas.Font().SetColor(DarkenColor(canvas.Pixel(shade.rect.left, shade.rect.top), shade.amount));
            DrawTransparentText(canvas, text, shade.rect, format);
        }
        canvas.Font().SetColor(color);
    }
    DrawTransparentText(canvas, text, t, format);
    if (shortcut.empty()) return;
    win::RECT s = t;
    win::UINT shortcutFormat = format;
    if (look.rtl) {
        s.left += 10;
        shortcutFormat &= ~win::DT_RIGHT;
    } else {
        s.right -= 10;
        shortcutFormat |= win::DT_RIGHT;
    }
    DrawTransparentText(canvas, shortcut + " ", s, shortcutFormat);
}

TColor TFlatLook::ContrastTextColor(TCanvas&, TColor color) {
    const TColor rgb = gdi::ResolveColor(color);
    const int red = static_cast<int>(rgb & 0xFF);
    const int green = static_cast<int>((rgb >> 8) & 0xFF);
    const int blue = static_cast<int>((rgb >> 16) & 0xFF);
    if ((red + blue) / 2 > 150 || green > 200) return font_.Color();
    return LightenColor(color, 90);
}

void TFlatLook::FillGradient(TCanvas& canvas, const win::RECT& r, bool rtl) {
    canvas.Brush().SetStyle(framework::bsSolid);
    int n = 0;
    for (int step = 0; step <= Width(r); ++step) {
        const int x = rtl ? r.right - 1 - step : r.left + step;
        const bool besideIcons =
            rtl ? (r.right - iconWidth_ + 5 < x && x < r.right) : (r.left < x && x < r.left + iconWidth_ + 5);
        n = std::min(n + (besideIcons ? 3 : 1), 96);
        canvas.Brush().SetColor(LightenColor(EffIconBackColor, n));
        canvas.FillRect(win::RECT{x, r.top, x + 1, r.bottom});
    }
}

bool TFlatLook::IsMouseOverItem(framework::TCustomForm* form, const win::RECT& r) {
    if (!form) return false;
    win::POINT p{};
    win::GetCursorPos(&p);
    p.x -= form->Left();
    p.y -= form->Top();
    return p.x >= r.left && p.x <= r.right - 1 && p.y >= r.top && p.y <= r.bottom - 2;
}

}  // namespace components
